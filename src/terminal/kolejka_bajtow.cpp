#include "terminal/kolejka_bajtow.h"

void kolejka_bajtow::przyjmij(const nacisniecie& n, widok_okna& widok, const ekran& e, int razy) {
    const auto r = widok.klawisz(n.r, e);
    if (r != widok_okna::reakcja::dostarcz && r != widok_okna::reakcja::wroc_i_dostarcz) return;
    const auto bajty = bajty_konsoli(n);
    for (int i = 0; i < razy; ++i) bajty_.insert(bajty_.end(), bajty.begin(), bajty.end());
}

std::optional<int> kolejka_bajtow::nastepny() {
    if (bajty_.empty()) return std::nullopt;
    const int bajt = bajty_.front();
    bajty_.pop_front();
    return bajt;
}

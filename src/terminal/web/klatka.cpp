#include "terminal/web/klatka.h"

#include <algorithm>

#include "terminal/ekran.h"
#include "terminal/widok.h"

namespace {
bool pusty(const ekran& e, int w) {
    const ekran::komorka pusta{};
    for (int k = 0; k < ekran::szerokosc; ++k)
        if (e.pole(k, w) != pusta) return false;
    return true;
}
}  // namespace

int wierszy_klatki(const ekran& e, int wierszy_okna) {
    int ostatni = ekran::wysokosc - 1;
    while (ostatni >= 0 && pusty(e, ostatni)) --ostatni;
    const int okno = pierwszy_widoczny(e.kursor_y(), wierszy_okna) + wierszy_okna;
    return std::min(ekran::wysokosc, std::max(ostatni + 1, okno));
}

void klatka(const ekran& e, int wierszy, std::vector<std::uint32_t>& komorki) {
    komorki.clear();
    komorki.reserve(static_cast<std::size_t>(wierszy) * ekran::szerokosc);
    for (int w = 0; w < wierszy; ++w) {
        for (int k = 0; k < ekran::szerokosc; ++k) {
            const ekran::komorka& c = e.pole(k, w);
            komorki.push_back(static_cast<std::uint32_t>(c.znak) << 8 | c.atrybut);
        }
    }
}

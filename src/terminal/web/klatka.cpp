#include "terminal/web/klatka.h"

#include <algorithm>

#include "terminal/ekran.h"
#include "terminal/widok_okna.h"

namespace {
std::uint32_t komorka(const ekran::komorka& c) {
    return static_cast<std::uint32_t>(c.znak) << 8 | c.atrybut;
}
}  // namespace

void klatka(const ekran& e, const widok_okna& widok, std::vector<std::uint32_t>& komorki) {
    const auto okno = widok.komorki(e, ekran::szerokosc);
    komorki.resize(okno.size());
    std::transform(okno.begin(), okno.end(), komorki.begin(), komorka);
}

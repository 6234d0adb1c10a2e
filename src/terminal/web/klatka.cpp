#include "terminal/web/klatka.h"

#include "terminal/ekran.h"
#include "terminal/widok_okna.h"

namespace {
std::uint32_t komorka(const ekran::komorka& c) {
    return static_cast<std::uint32_t>(c.znak) << 8 | c.atrybut;
}
}  // namespace

void klatka(const ekran& e, const widok_okna& widok, int wierszy,
            std::vector<std::uint32_t>& komorki) {
    komorki.assign(static_cast<std::size_t>(wierszy) * ekran::szerokosc, komorka({}));
    for (int w = 0; w < wierszy; ++w) {
        const auto wiersz = widok.wiersz_bufora(w, e);
        if (!wiersz) continue;
        for (int k = 0; k < ekran::szerokosc; ++k)
            komorki[static_cast<std::size_t>(w * ekran::szerokosc + k)] =
                komorka(e.pole(k, *wiersz));
    }
    const auto linia = widok.linia_wlasna(e);
    for (std::size_t k = 0; k < linia.size(); ++k)
        komorki[static_cast<std::size_t>((wierszy - 1) * ekran::szerokosc) + k] = komorka(linia[k]);
}

#include "terminal/windows/obraz.h"

#include <string_view>

#include "terminal/widok.h"

namespace {
// Wine's console turns a blank in plain grey (7) into a colour reset that spills onto the
// cells after it; blank cells look the same in bright white (15), which it draws correctly.
constexpr WORD szary = 7;
constexpr WORD bialy = 15;

bool jedna_jednostka(char32_t z) {
    return z < 0xD800 || (z > 0xDFFF && z <= 0xFFFF);
}

void wstaw(std::vector<CHAR_INFO>& obraz, int kolumn, int wiersz,
           const std::vector<ekran::komorka>& komorki) {
    for (int k = 0; k < kolumn && k < static_cast<int>(komorki.size()); ++k)
        obraz[static_cast<std::size_t>(wiersz) * kolumn + k] =
            komorka_konsoli(komorki[static_cast<std::size_t>(k)]);
}
}  // namespace

CHAR_INFO komorka_konsoli(const ekran::komorka& k) {
    CHAR_INFO c{};
    c.Char.UnicodeChar =
        static_cast<WCHAR>(jedna_jednostka(k.znak) ? k.znak : zamiennik_ascii(k.znak));
    c.Attributes = k.atrybut;
    if (k.znak == U' ' && k.atrybut == szary) c.Attributes = bialy;
    return c;
}

std::vector<CHAR_INFO> obraz_okna(const ekran& e, const widok_okna& widok, int kolumn,
                                  int wierszy) {
    std::vector<CHAR_INFO> obraz(static_cast<std::size_t>(kolumn) * wierszy,
                                 komorka_konsoli(ekran::komorka{}));
    if (okno_za_male(kolumn, wierszy)) {
        const std::string_view prosba = prosba_o_wieksze_okno();
        for (std::size_t i = 0; i < prosba.size() && i < obraz.size(); ++i)
            obraz[i].Char.UnicodeChar = static_cast<WCHAR>(prosba[i]);
        return obraz;
    }
    for (int w = 0; w < wierszy; ++w) {
        const auto wiersz = widok.wiersz_bufora(w, e);
        if (!wiersz) continue;
        for (int k = 0; k < ekran::szerokosc; ++k)
            obraz[static_cast<std::size_t>(w) * kolumn + k] = komorka_konsoli(e.pole(k, *wiersz));
    }
    const auto linia = widok.linia_wlasna(e);
    if (!linia.empty()) wstaw(obraz, kolumn, wierszy - 1, linia);
    return obraz;
}

COORD kursor_okna(const ekran& e, const widok_okna& widok, int kolumn, int wierszy) {
    if (okno_za_male(kolumn, wierszy)) return {0, 0};
    const auto wiersz = widok.wiersz_kursora(e);
    if (!wiersz) return {0, static_cast<SHORT>(wierszy - 1)};
    return {static_cast<SHORT>(e.kursor_x()), static_cast<SHORT>(*wiersz)};
}

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
}  // namespace

CHAR_INFO komorka_konsoli(const ekran::komorka& k) {
    CHAR_INFO c{};
    c.Char.UnicodeChar =
        static_cast<WCHAR>(jedna_jednostka(k.znak) ? k.znak : zamiennik_ascii(k.znak));
    c.Attributes = k.atrybut;
    if (k.znak == U' ' && k.atrybut == szary) c.Attributes = bialy;
    return c;
}

std::vector<CHAR_INFO> obraz_okna(const ekran& e, int kolumn, int wierszy) {
    const CHAR_INFO pusta = komorka_konsoli(ekran::komorka{});
    std::vector<CHAR_INFO> obraz(static_cast<std::size_t>(kolumn) * wierszy, pusta);
    if (okno_za_male(kolumn, wierszy)) {
        const std::string_view prosba = prosba_o_wieksze_okno();
        for (std::size_t i = 0; i < prosba.size() && i < obraz.size(); ++i)
            obraz[i].Char.UnicodeChar = static_cast<WCHAR>(prosba[i]);
        return obraz;
    }
    const int gora = pierwszy_widoczny(e.kursor_y(), wierszy);
    for (int w = 0; w < wierszy && gora + w < ekran::wysokosc; ++w)
        for (int k = 0; k < ekran::szerokosc; ++k)
            obraz[static_cast<std::size_t>(w) * kolumn + k] = komorka_konsoli(e.pole(k, gora + w));
    return obraz;
}

#include "terminal/windows/obraz.h"

#include <algorithm>
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

std::vector<CHAR_INFO> obraz_okna(const ekran& e, const widok_okna& widok, int kolumn,
                                  int wierszy) {
    if (okno_za_male(kolumn, wierszy)) {
        std::vector<CHAR_INFO> obraz(static_cast<std::size_t>(kolumn) * wierszy,
                                     komorka_konsoli(ekran::komorka{}));
        const std::string_view prosba = prosba_o_wieksze_okno();
        for (std::size_t i = 0; i < prosba.size() && i < obraz.size(); ++i)
            obraz[i].Char.UnicodeChar = static_cast<WCHAR>(prosba[i]);
        return obraz;
    }
    const auto okno = widok.komorki(e, kolumn);
    std::vector<CHAR_INFO> obraz(okno.size());
    std::transform(okno.begin(), okno.end(), obraz.begin(), komorka_konsoli);
    return obraz;
}

COORD kursor_okna(const ekran& e, const widok_okna& widok, int kolumn, int wierszy) {
    if (okno_za_male(kolumn, wierszy)) return {0, 0};
    const auto [x, y] = widok.kursor(e);
    return {static_cast<SHORT>(x), static_cast<SHORT>(y)};
}

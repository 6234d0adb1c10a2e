#include "terminal/widok.h"

#include <algorithm>
#include <string_view>

#include "jezyk/jezyk.h"

int pierwszy_widoczny(int kursor_wiersz, int wierszy_okna) {
    return std::max(0, kursor_wiersz - wierszy_okna + 1);
}

bool okno_za_male(int kolumn, int wierszy) {
    return kolumn < najmniej_kolumn || wierszy < najmniej_wierszy;
}

const char* prosba_o_wieksze_okno() {
    return _("Okno jest za male. Powieksz je do co najmniej 80 kolumn i 24 wierszy.");
}

char zamiennik_ascii(char32_t z) {
    if (z < 0x80) return static_cast<char>(z);
    static constexpr std::u32string_view polskie =
        U"\u0105\u0107\u0119\u0142\u0144\u00f3\u015b\u017a\u017c"
        U"\u0104\u0106\u0118\u0141\u0143\u00d3\u015a\u0179\u017b";
    static constexpr std::string_view bez_ogonkow = "acelnoszzACELNOSZZ";
    auto i = polskie.find(z);
    return i == std::u32string_view::npos ? '?' : bez_ogonkow[i];
}

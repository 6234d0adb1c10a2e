#include "terminal/web/klawisze.h"

#include <array>
#include <utility>

namespace {
// A UTF-8 text of exactly one character, decoded; 0 for anything else.
char32_t jeden_znak(std::string_view t) {
    if (t.empty()) return 0;
    const auto b0 = static_cast<unsigned char>(t[0]);
    std::size_t dlugosc = b0 < 0x80 ? 1 : b0 >= 0xf0 ? 4 : b0 >= 0xe0 ? 3 : b0 >= 0xc0 ? 2 : 0;
    if (dlugosc == 0 || t.size() != dlugosc) return 0;
    if (dlugosc == 1) return b0;
    char32_t z = b0 & (0x7f >> dlugosc);
    for (std::size_t i = 1; i < dlugosc; ++i) {
        const auto b = static_cast<unsigned char>(t[i]);
        if ((b & 0xc0) != 0x80) return 0;
        z = (z << 6) | (b & 0x3f);
    }
    return z;
}
}  // namespace

nacisniecie nacisniecie_przegladarki(std::string_view nazwa) {
    static constexpr std::array<std::pair<std::string_view, nacisniecie::rodzaj>, 11> specjalne{{
        {"ArrowUp", nacisniecie::gora},
        {"ArrowDown", nacisniecie::dol},
        {"ArrowLeft", nacisniecie::lewo},
        {"ArrowRight", nacisniecie::prawo},
        {"Enter", nacisniecie::enter},
        {"Backspace", nacisniecie::cofnij},
        {"PageUp", nacisniecie::strona_w_gore},
        {"PageDown", nacisniecie::strona_w_dol},
        {"F1", nacisniecie::pomoc},
        {kolko_w_gore, nacisniecie::kolko_w_gore},
        {kolko_w_dol, nacisniecie::kolko_w_dol},
    }};
    for (const auto& [n, r] : specjalne)
        if (n == nazwa) return {r};
    // A console reads these two as the characters they type.
    if (nazwa == "Tab") return {nacisniecie::znak, U'\t'};
    if (nazwa == "Escape") return {nacisniecie::znak, 27};
    const char32_t z = jeden_znak(nazwa);
    if (z != 0) return {nacisniecie::znak, z};
    return {nacisniecie::inny_specjalny};
}

#include "terminal/klawiatura.h"

#include <string_view>
#include <utility>

#include "terminal/klawisze.h"

namespace {
// A character the console has no byte for; it still counts as "any key" but matches no
// game key (and never the arrow prefix, which a truncated wide character could become).
constexpr int obcy_znak = '?';
}  // namespace

std::vector<int> bajty_konsoli(nacisniecie n) {
    switch (n.r) {
        case nacisniecie::gora:
            return {klawisze::strzalka, klawisze::gora};
        case nacisniecie::dol:
            return {klawisze::strzalka, klawisze::dol};
        case nacisniecie::lewo:
            return {klawisze::strzalka, klawisze::lewo};
        case nacisniecie::prawo:
            return {klawisze::strzalka, klawisze::prawo};
        case nacisniecie::enter:
            return {klawisze::enter};
        case nacisniecie::cofnij:
            return {klawisze::cofnij};
        case nacisniecie::inny_specjalny:
            return {klawisze::inny_specjalny};
        case nacisniecie::zmiana_rozmiaru:
        case nacisniecie::strona_w_gore:
        case nacisniecie::strona_w_dol:
        case nacisniecie::kolko_w_gore:
        case nacisniecie::kolko_w_dol:
        case nacisniecie::pomoc:
            return {};
        case nacisniecie::znak:
            break;
    }
    if (n.z == U'\n' || n.z == U'\r') return {klawisze::enter};
    if (n.z < 0x80) return {static_cast<int>(n.z)};
    return {obcy_znak};
}

bool sekwencja_esc::dalej(char32_t z) {
    znaki_ += z;
    switch (stan_) {
        case poczatek:
            stan_ = z == U'[' ? csi : z == U'O' ? ss3 : poczatek;
            return stan_ != poczatek;
        case csi:
            // Parameters and intermediates go on; a final byte (or anything else) ends it.
            return z >= 0x20 && z < 0x40;
        case ss3:
            return false;
    }
    return false;
}

nacisniecie sekwencja_esc::klawisz() const {
    static constexpr std::pair<std::u32string_view, nacisniecie::rodzaj> znane[] = {
        {U"[A", nacisniecie::gora},
        {U"OA", nacisniecie::gora},
        {U"[B", nacisniecie::dol},
        {U"OB", nacisniecie::dol},
        {U"[C", nacisniecie::prawo},
        {U"OC", nacisniecie::prawo},
        {U"[D", nacisniecie::lewo},
        {U"OD", nacisniecie::lewo},
        {U"[5~", nacisniecie::strona_w_gore},
        {U"[6~", nacisniecie::strona_w_dol},
        {U"OP", nacisniecie::pomoc},
        {U"[11~", nacisniecie::pomoc}};
    for (auto [tekst, rodzaj] : znane)
        if (znaki_ == tekst) return {rodzaj};
    return {nacisniecie::inny_specjalny};
}

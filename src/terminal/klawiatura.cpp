#include "terminal/klawiatura.h"

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
            return {};
        case nacisniecie::znak:
            break;
    }
    if (n.z == U'\n' || n.z == U'\r') return {klawisze::enter};
    if (n.z < 0x80) return {static_cast<int>(n.z)};
    return {obcy_znak};
}

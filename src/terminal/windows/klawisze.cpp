#include "terminal/windows/klawisze.h"

std::optional<nacisniecie> nacisniecie_klawisza(WORD klawisz, wchar_t znak) {
    switch (klawisz) {
        case VK_UP:
            return nacisniecie{nacisniecie::gora};
        case VK_DOWN:
            return nacisniecie{nacisniecie::dol};
        case VK_LEFT:
            return nacisniecie{nacisniecie::lewo};
        case VK_RIGHT:
            return nacisniecie{nacisniecie::prawo};
        case VK_RETURN:
            return nacisniecie{nacisniecie::enter};
        case VK_BACK:
            return nacisniecie{nacisniecie::cofnij};
        case VK_PRIOR:
            return nacisniecie{nacisniecie::strona_w_gore};
        case VK_NEXT:
            return nacisniecie{nacisniecie::strona_w_dol};
        case VK_F1:
            return nacisniecie{nacisniecie::pomoc};
        case VK_SHIFT:
        case VK_CONTROL:
        case VK_MENU:
        case VK_CAPITAL:
        case VK_NUMLOCK:
        case VK_SCROLL:
        case VK_LWIN:
        case VK_RWIN:
            return std::nullopt;
        default:
            break;
    }
    if (znak >= 0xDC00 && znak <= 0xDFFF) return std::nullopt;
    if (znak == 0) return nacisniecie{nacisniecie::inny_specjalny};
    return nacisniecie{nacisniecie::znak, static_cast<char32_t>(znak)};
}

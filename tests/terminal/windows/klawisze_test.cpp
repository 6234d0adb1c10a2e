#include "terminal/windows/klawisze.h"

#include <gtest/gtest.h>

namespace {
struct wiersz {
    const char* nazwa;
    WORD klawisz;
    wchar_t znak;
    std::optional<nacisniecie> oczekiwane;
};
}  // namespace

TEST(KlawiszeWindows, VirtualKeysBecomeTheGamesPressesAndModifiersNone) {
    const wiersz wiersze[] = {
        {"up", VK_UP, 0, nacisniecie{nacisniecie::gora}},
        {"down", VK_DOWN, 0, nacisniecie{nacisniecie::dol}},
        {"left", VK_LEFT, 0, nacisniecie{nacisniecie::lewo}},
        {"right", VK_RIGHT, 0, nacisniecie{nacisniecie::prawo}},
        {"enter", VK_RETURN, L'\r', nacisniecie{nacisniecie::enter}},
        {"backspace", VK_BACK, L'\b', nacisniecie{nacisniecie::cofnij}},
        {"space", VK_SPACE, L' ', nacisniecie{nacisniecie::znak, U' '}},
        {"t", 'T', L't', nacisniecie{nacisniecie::znak, U't'}},
        {"capital H", 'H', L'H', nacisniecie{nacisniecie::znak, U'H'}},
        {"escape", VK_ESCAPE, 27, nacisniecie{nacisniecie::znak, 27}},
        {"polish letter", 'A', L'\u0105', nacisniecie{nacisniecie::znak, U'\u0105'}},
        {"page up", VK_PRIOR, 0, nacisniecie{nacisniecie::strona_w_gore}},
        {"page down", VK_NEXT, 0, nacisniecie{nacisniecie::strona_w_dol}},
        {"F1", VK_F1, 0, nacisniecie{nacisniecie::pomoc}},
        {"home", VK_HOME, 0, nacisniecie{nacisniecie::inny_specjalny}},
        {"shift", VK_SHIFT, 0, std::nullopt},
        {"control", VK_CONTROL, 0, std::nullopt},
        {"alt", VK_MENU, 0, std::nullopt},
        {"low surrogate", 0, static_cast<wchar_t>(0xDE00), std::nullopt},
    };
    for (const wiersz& w : wiersze) {
        SCOPED_TRACE(w.nazwa);
        const auto n = nacisniecie_klawisza(w.klawisz, w.znak);
        ASSERT_EQ(n.has_value(), w.oczekiwane.has_value());
        if (!n) continue;
        EXPECT_EQ(n->r, w.oczekiwane->r);
        EXPECT_EQ(n->z, w.oczekiwane->z);
    }
}

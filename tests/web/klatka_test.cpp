#include "terminal/web/klatka.h"

#include <gtest/gtest.h>

#include <string>

#include "terminal/ekran.h"
#include "terminal/widok_okna.h"

namespace {
constexpr int wierszy = widok_okna::wierszy_z_pomoca + 1;

std::string wiersz(const std::vector<std::uint32_t>& k, int w) {
    std::string s;
    for (int i = 0; i < ekran::szerokosc; ++i)
        s += static_cast<char>(k[w * ekran::szerokosc + i] >> 8);
    return s.substr(0, s.find_last_not_of(' ') + 1);
}

// Rows numbered in the buffer, the cursor left on the last of them.
ekran ponumerowany(int ile) {
    ekran e;
    for (int w = 0; w < ile; ++w) {
        e.idz(0, w);
        e.pisz("w" + std::to_string(w));
    }
    return e;
}
}  // namespace

TEST(Klatka, TheGameRowsFollowTheCursorAndTheKeyHelpIsUnderThem) {
    ekran e = ponumerowany(41);
    e.ustaw_podpowiedz("spacja: dalej");
    widok_okna widok;
    widok.ustaw_wysokosc(wierszy);
    std::vector<std::uint32_t> k;
    klatka(e, widok, k);
    ASSERT_EQ(k.size(), static_cast<std::size_t>(wierszy * ekran::szerokosc));
    EXPECT_EQ(wiersz(k, 0), "w16");
    EXPECT_EQ(wiersz(k, wierszy - 2), "w40");
    EXPECT_EQ(wiersz(k, wierszy - 1).rfind("spacja: dalej", 0), 0u);
    EXPECT_EQ(k[(wierszy - 1) * ekran::szerokosc] & 0xff, widok_okna::atrybut_pomocy);
}

TEST(Klatka, AScrolledViewShowsEarlierRowsAndItsNote) {
    ekran e = ponumerowany(41);
    widok_okna widok;
    widok.ustaw_wysokosc(wierszy);
    widok.klawisz(nacisniecie::strona_w_gore, e);
    std::vector<std::uint32_t> k;
    klatka(e, widok, k);
    EXPECT_EQ(wiersz(k, 0), "w0");
    EXPECT_EQ(wiersz(k, wierszy - 1).rfind("PRZEWINIETE", 0), 0u) << wiersz(k, wierszy - 1);
}

TEST(Klatka, EachCellPacksItsCharacterAndAttribute) {
    ekran e;
    e.idz(2, 3);
    e.ustaw_atrybut(66);
    e.pisz("A\xc4\x99");
    widok_okna widok;
    widok.ustaw_wysokosc(wierszy);
    std::vector<std::uint32_t> k;
    klatka(e, widok, k);
    EXPECT_EQ(k[3 * ekran::szerokosc + 2], ('A' << 8) | 66u);
    EXPECT_EQ(k[3 * ekran::szerokosc + 3], (0x119u << 8) | 66u);
    EXPECT_EQ(k[0], (' ' << 8) | 7u);
}

#include "terminal/web/klatka.h"

#include <gtest/gtest.h>

#include "terminal/ekran.h"

namespace {
constexpr int okno = 25;
}

TEST(Klatka, CoversTheTextAndTheWindowAroundTheCursor) {
    struct przypadek {
        const char* opis;
        int tekst_w, kursor_w, wierszy;
    };
    const przypadek tabela[] = {
        {"blank screen: one window", -1, 0, okno},
        {"text below the window", 40, 0, 41},
        {"cursor scrolled down", 10, 60, 61},
        {"cursor on the last row", -1, ekran::wysokosc - 1, ekran::wysokosc},
    };
    for (const przypadek& p : tabela) {
        SCOPED_TRACE(p.opis);
        ekran e;
        if (p.tekst_w >= 0) {
            e.idz(0, p.tekst_w);
            e.pisz("x");
        }
        e.idz(0, p.kursor_w);
        EXPECT_EQ(wierszy_klatki(e, okno), p.wierszy);
    }
}

TEST(Klatka, BlankCellsInColourCountAsText) {
    ekran e;
    e.idz(0, 30);
    e.ustaw_atrybut(0x20);
    e.pisz(" ");
    e.idz(0, 0);
    EXPECT_EQ(wierszy_klatki(e, okno), 31);
}

TEST(Klatka, EachCellPacksItsCharacterAndAttribute) {
    ekran e;
    e.idz(2, 3);
    e.ustaw_atrybut(66);
    e.pisz("A\xc4\x99");
    std::vector<std::uint32_t> k;
    klatka(e, okno, k);
    ASSERT_EQ(k.size(), static_cast<std::size_t>(okno * ekran::szerokosc));
    EXPECT_EQ(k[3 * ekran::szerokosc + 2], ('A' << 8) | 66u);
    EXPECT_EQ(k[3 * ekran::szerokosc + 3], (0x119u << 8) | 66u);
    EXPECT_EQ(k[0], (' ' << 8) | 7u);
}

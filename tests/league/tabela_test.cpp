#include <gtest/gtest.h>

#include "liga_testowa.h"
#include "terminal/konsola.h"
#include "terminal/skrypt.h"

TEST(Tabela, RankingByPointsTiesKeepSlotOrderKeysUntouched) {
    const int punkty[6] = {3, 7, 3, 0, 7, 9};
    int ranking[6];
    sortuj(punkty, ranking, 6);
    EXPECT_EQ(std::vector<int>(ranking, ranking + 6), (std::vector<int>{5, 1, 4, 0, 2, 3}));
    EXPECT_EQ(punkty[0], 3);
    EXPECT_EQ(punkty[5], 9);

    liga_testowa();
    for (int s = 0; s < 18; ++s) EXPECT_EQ(DR.ktoremiejsce(1, s), s + 1);
    DR.punkty[1][9] = DR.punkty[1][4] = 5;
    DR.strzelone[1][9] = 10;  // goals do not separate clubs level on points
    EXPECT_EQ(DR.ktoremiejsce(1, 4), 1);
    EXPECT_EQ(DR.ktoremiejsce(1, 9), 2);
    EXPECT_EQ(DR.ktoremiejsce(1, 0), 3);
    EXPECT_EQ(DR.ktoremiejsce(1, 18), 0);
    EXPECT_EQ(DR.ktoremiejsce(3, 0), 0);
}

TEST(Tabela, ScreenRowsBandsUserRowAndNegativeGoalDifference) {
    liga_testowa();
    DR.nr_kolejki = 6;
    DR.twojaliga = 2;
    DR.twojadruzyna = 16;
    for (int s = 0; s < 18; ++s) DR.punkty[2][s] = s;  // slot 17 first, slot 0 last
    DR.zwyciestwa[2][3] = 1;
    DR.remisy[2][3] = 2;
    DR.porazki[2][3] = 3;
    DR.strzelone[2][3] = 4;
    DR.stracone[2][3] = 15;
    skrypt s{' '};
    kolor(129);
    DR.tabela(2);
    const migawka& m = s.migawki().at(0);
    EXPECT_EQ(m.wiersze[0], "    TABELA 3 LIGI PO 6 KOLEJKACH");
    EXPECT_EQ(m.atrybut(4, 0), 129);
    EXPECT_EQ(m.wiersze[1], "                          punkty    zwy   rem   por    strz strac");
    EXPECT_EQ(m.wiersze[16],
              "15.                  L2K3    3       1     2     3       4    15 -11");
    EXPECT_EQ(m.wiersze[2].substr(0, 25), " 1.                 L2K17");
    for (int p = 0; p < 18; ++p) {
        const int oczekiwany = p == 1 ? 33 : (p < 4 || p >= 14 ? 79 : 15);
        EXPECT_EQ(m.atrybut(0, p + 2), oczekiwany) << "place " << p + 1;
    }
    EXPECT_EQ(biezacy_ekran().atrybut(), 15);
    EXPECT_EQ(s.pozostalo(), 0u);
}

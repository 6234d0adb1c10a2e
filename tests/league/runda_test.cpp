#include <gtest/gtest.h>

#include <cstdio>
#include <numeric>

#include "liga_testowa.h"
#include "terminal/skrypt.h"
#include "wspolne/los.h"

namespace {
int mecze(int t, int s) {
    return DR.zwyciestwa[t][s] + DR.remisy[t][s] + DR.porazki[t][s];
}

int suma(const int (&tabela)[zespoly::druzyn]) {
    return std::accumulate(tabela, tabela + 18, 0);
}
}  // namespace

TEST(Runda, BookingWinLossAndDraw) {
    liga_testowa();
    DR.zaksieguj(1, 4, 9, 2, 1);
    EXPECT_EQ(DR.zwyciestwa[1][4], 1);
    EXPECT_EQ(DR.punkty[1][4], 3);
    EXPECT_EQ(DR.porazki[1][9], 1);
    EXPECT_EQ(DR.punkty[1][9], 0);
    EXPECT_EQ(DR.strzelone[1][9], 1);
    EXPECT_EQ(DR.stracone[1][9], 2);
    DR.zaksieguj(1, 4, 9, 0, 3);
    EXPECT_EQ(DR.zwyciestwa[1][9], 1);
    EXPECT_EQ(DR.porazki[1][4], 1);
    EXPECT_EQ(DR.punkty[1][9], 3);
    DR.zaksieguj(1, 4, 9, 2, 2);
    for (int s : {4, 9}) {
        EXPECT_EQ(DR.remisy[1][s], 1);
        EXPECT_EQ(DR.zwyciestwa[1][s], 1);
        EXPECT_EQ(DR.punkty[1][s], 4);
    }
    EXPECT_EQ(DR.strzelone[1][4], 4);
    EXPECT_EQ(DR.stracone[1][4], 6);
}

TEST(Runda, HomeStrengthGoesFirstToTheEngine) {
    liga_testowa();
    DR.twojaliga = 2;
    DR.sila[0][0] = 60;  // round 0 opens with slot 0 at home to slot 17
    DR.sila[0][17] = 30;
    podrzuc({1, 7, 2});
    skrypt s{' '};
    DR.graj(0);
    EXPECT_EQ(s.migawki()[0].wiersze[2], "                L0K0 8:2 L0K17");
    EXPECT_EQ(s.migawki()[0].atrybut(19, 2), 15);
    EXPECT_EQ(DR.strzelone[0][0], 8);
    EXPECT_EQ(DR.stracone[0][17], 8);
}

TEST(Runda, ARoundPlaysEveryOtherPairOnceAndKeepsTheTablesConsistent) {
    liga_testowa();
    DR.nr_kolejki = 5;
    DR.twojaliga = 1;
    DR.twojadruzyna = 6;
    int gdzie = 0;
    const int rywal = DR.zkimmecz(&gdzie, 5);
    if (gdzie == 0)
        DR.zaksieguj(1, 6, rywal, 1, 1);
    else
        DR.zaksieguj(1, rywal, 6, 1, 1);
    skrypt s{' ', ' ', ' '};
    for (int t = 0; t < 3; ++t) DR.graj(t);
    ASSERT_EQ(s.migawki().size(), 3u);
    for (int t = 0; t < 3; ++t) {
        const migawka& m = s.migawki()[t];
        char tytul[40];
        std::snprintf(tytul, sizeof tytul, " Mecze 6 kolejki %d ligi", t + 1);
        EXPECT_EQ(m.wiersze[0], tytul);
        int linie = 0;
        for (int w = 1; w < 40; ++w) linie += m.wiersze[w].empty() ? 0 : 1;
        EXPECT_EQ(linie, t == 1 ? 8 : 9);
        EXPECT_EQ(suma(DR.strzelone[t]), suma(DR.stracone[t]));
        for (int k = 0; k < 18; ++k) {
            EXPECT_EQ(mecze(t, k), 1) << "tier " << t << " slot " << k;
            EXPECT_EQ(DR.punkty[t][k], 3 * DR.zwyciestwa[t][k] + DR.remisy[t][k]);
        }
    }
    EXPECT_EQ(DR.nr_kolejki, 5);
}

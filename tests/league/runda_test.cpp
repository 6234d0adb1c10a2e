#include <gtest/gtest.h>

#include <array>
#include <numeric>
#include <string>

#include "liga_testowa.h"
#include "terminal/skrypt.h"
#include "wspolne/los.h"

namespace {
// Wins, draws, defeats, points, goals scored and conceded of one club.
std::array<int, 6> bilans(int t, int s) {
    return {DR.zwyciestwa[t][s], DR.remisy[t][s],    DR.porazki[t][s],
            DR.punkty[t][s],     DR.strzelone[t][s], DR.stracone[t][s]};
}

int suma(const int (&tabela)[zespoly::druzyn]) {
    return std::accumulate(tabela, tabela + 18, 0);
}
}  // namespace

TEST(Runda, BookingWinLossAndDraw) {
    liga_testowa();
    DR.zaksieguj(1, 4, 9, 2, 1);
    EXPECT_EQ(bilans(1, 4), (std::array{1, 0, 0, 3, 2, 1}));
    EXPECT_EQ(bilans(1, 9), (std::array{0, 0, 1, 0, 1, 2}));
    DR.zaksieguj(1, 4, 9, 0, 3);
    DR.zaksieguj(1, 4, 9, 2, 2);
    EXPECT_EQ(bilans(1, 4), (std::array{1, 1, 1, 4, 4, 6}));
    EXPECT_EQ(bilans(1, 9), (std::array{1, 1, 1, 4, 6, 4}));
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
    EXPECT_EQ(bilans(0, 0), (std::array{1, 0, 0, 3, 8, 2}));
}

TEST(Runda, ARoundPlaysEveryOtherPairOnceAndKeepsTheTablesConsistent) {
    liga_testowa();
    DR.nr_kolejki = 5;
    DR.twojaliga = 1;
    DR.twojadruzyna = 6;
    int gdzie = 0;
    const int rywal = DR.zkimmecz(&gdzie, 5);
    DR.zaksieguj(1, gdzie == 0 ? 6 : rywal, gdzie == 0 ? rywal : 6, 1, 1);
    skrypt s{' ', ' ', ' '};
    for (int t = 0; t < 3; ++t) DR.graj(t);
    ASSERT_EQ(s.migawki().size(), 3u);
    for (int t = 0; t < 3; ++t) {
        const migawka& m = s.migawki()[t];
        EXPECT_EQ(m.wiersze[0], " Mecze 6 kolejki " + std::to_string(t + 1) + " ligi");
        EXPECT_EQ(std::count_if(m.wiersze.begin() + 1, m.wiersze.end(),
                                [](const std::string& w) { return !w.empty(); }),
                  t == 1 ? 8 : 9);
        EXPECT_EQ(suma(DR.strzelone[t]), suma(DR.stracone[t]));
        for (int k = 0; k < 18; ++k) {
            const auto b = bilans(t, k);
            EXPECT_EQ(b[0] + b[1] + b[2], 1) << "tier " << t << " slot " << k;
            EXPECT_EQ(b[3], 3 * b[0] + b[1]);
        }
    }
    EXPECT_EQ(DR.nr_kolejki, 5);
}

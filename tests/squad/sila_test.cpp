#include <gtest/gtest.h>

#include <climits>

#include "kadra.h"
#include "pomoc/gra_testowa.h"

namespace {
std::array<int, 3> linie() {
    return {GR.obrona(), GR.pomoc(), GR.atak()};
}

// Morale 60 and fitness 21 make both factors 1: with no matches a player's term is 0.6 x skill.
void prosty(int i, int pozycja, int umiejetnosci, int bramkostrzelnosc = 0) {
    zawodnik(i, "X", pozycja, umiejetnosci, 25, 1, bramkostrzelnosc);
    GR.sily[i] = 21;
}
}  // namespace

TEST(Cena, WorkedValuesAndTheAgeCurve) {
    EXPECT_EQ((std::array{cena(0, 18), cena(10, 18), cena(100, 18), cena(100, 25), cena(100, 32),
                          cena(100, 40)}),
              (std::array{1000, 1173, 3020951, 2929407, 1510475, 285470}));
    for (int s = 0; s <= 200; s += 7) {
        EXPECT_EQ(cena(s, 32), cena(s, 18) / 2) << s;  // a 32-year-old is worth half
        for (int a = 19; a <= 45; ++a) EXPECT_LE(cena(s, a), cena(s, a - 1)) << s << " " << a;
    }
    EXPECT_EQ(cena(100000, 18), INT_MAX);  // an absurd skill from a file saturates
}

TEST(Sila, WorkedLineUpAndTheCountsOfSelectedPlayers) {
    czysta_gra();
    GR.morale = 50;
    zawodnik(0, "B", 0, 80);
    const int umiejetnosci[] = {80, 70, 75, 90}, bramkostrzelnosc[] = {0, 0, 5, 8};
    for (int i = 1; i <= 10; ++i) {
        int p = i <= 4 ? 1 : i <= 7 ? 2 : 3;
        zawodnik(i, "G", p, umiejetnosci[p], 25, 1, bramkostrzelnosc[p]);
    }
    for (int i = 0; i <= 10; ++i) GR.meczy[i] = 30;
    EXPECT_EQ((std::array{GR.sila_meczy(0), GR.sila_meczy(50)}), (std::array{0.6f, 0.95f}));
    EXPECT_EQ(linie(), (std::array{72, 43, 58}));
    GR.gra[10] = 0;
    zawodnik(12, "W", 3, 100, 0, 1, 9);  // selected but in a free slot: counts nowhere
    EXPECT_EQ(linie(), (std::array{65, 39, 35}));
    zawodnik(13, "B2", 0, 10);
    EXPECT_EQ((std::array{GR.sprawdzskl(), GR.sprawdzbrm()}), (std::array{11, 2}));
}

TEST(Sila, ShortLinesAreScaledDownAndEmptyLinesGiveNothing) {
    czysta_gra();
    GR.morale = 60;
    EXPECT_EQ(linie(), (std::array{0, 0, 0}));
    int pozycje[] = {0, 1, 1, 2, 2, 3}, umiejetnosci[] = {50, 55, 55, 50, 50, 50},
        b[] = {0, 0, 0, 9, 1, 4};
    for (int i = 0; i < 6; ++i) prosty(i, pozycje[i], umiejetnosci[i], b[i]);
    // (90 + 2 x 33) x 3/4 / 6 x 6/11 = 10.6; (30 + 18) x 3/4 / 3.5 x 6/11 = 5.6; 15 / 3.5 x 6/11
    // = 2.3
    EXPECT_EQ(linie(), (std::array{10, 5, 2}));
    prosty(6, 1, 55);  // a third defender lifts the penalty: 189 / 6 x 7/11 = 20.05
    EXPECT_EQ(linie(), (std::array{20, 6, 2}));
    czysta_gra();
    GR.morale = 60;
    prosty(0, 0, 100);
    prosty(1, 2, 100, 9);
    for (int i = 2; i <= 10; ++i) prosty(i, 3, 10);
    // 180 x 1/4 / 6 = 7.5; 60 x 1/2 / 3.5 = 8.6; 9 x 6 x 0.1 / 3.5 = 1.5
    EXPECT_EQ(linie(), (std::array{7, 8, 1}));
}

TEST(Sila, MoraleFitnessAndExperienceScaleEveryTerm) {
    // A goalkeeper of 50 and three defenders of 40, e.g. morale 100: (108 + 86.4) / 6 = 32.4
    for (auto [morale, sily, meczy, obrona] : {std::array{100, 21, 0, 32},
                                               {0, 21, 0, 18},
                                               {60, 10, 0, 12},
                                               {60, 23, 0, 29},
                                               {60, 21, 50, 42}}) {
        czysta_gra();
        GR.morale = morale;
        for (int i = 0; i <= 10; ++i) prosty(i, i == 0 ? 0 : i <= 3 ? 1 : 3, i == 0 ? 50 : 40);
        for (int i = 0; i <= 10; ++i) GR.sily[i] = sily, GR.meczy[i] = meczy;
        EXPECT_EQ(GR.obrona(), obrona) << morale << " " << sily << " " << meczy;
    }
}

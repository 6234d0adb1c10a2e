#include <gtest/gtest.h>

#include <array>
#include <climits>

#include "kadra.h"
#include "pomoc/gra_testowa.h"

TEST(Cena, WorkedValuesAndTheAgeCurve) {
    EXPECT_EQ(cena(0, 18), 1000);
    EXPECT_EQ(cena(10, 18), 1173);
    EXPECT_EQ(cena(100, 18), 3020951);
    EXPECT_EQ(cena(100, 25), 2929407);
    EXPECT_EQ(cena(100, 32), 1510475);
    EXPECT_EQ(cena(100, 40), 285470);
    for (int s = 0; s <= 200; s += 7) {
        EXPECT_EQ(cena(s, 32), cena(s, 18) / 2) << s;  // a 32-year-old is worth half
        for (int a = 19; a <= 45; ++a) EXPECT_LE(cena(s, a), cena(s, a - 1)) << s << " " << a;
    }
    EXPECT_EQ(cena(100000, 18), INT_MAX);  // an absurd skill from a file saturates
}

namespace {
// Morale 60 and fitness 21 make both factors 1: with no matches a player's term is 0.6 x skill.
void prosty(int i, int pozycja, int umiejetnosci, int bramkostrzelnosc = 0) {
    zawodnik(i, "X", pozycja, umiejetnosci, 25, 1, bramkostrzelnosc);
    GR.sily[i] = 21;
}
}  // namespace

TEST(Sila, WorkedLineUpAndTheCountOfSelectedPlayers) {
    czysta_gra();
    GR.morale = 50;
    zawodnik(0, "B", 0, 80);
    for (int i = 1; i <= 4; ++i) zawodnik(i, "O", 1, 70);
    for (int i = 5; i <= 7; ++i) zawodnik(i, "P", 2, 75, 25, 1, 5);
    for (int i = 8; i <= 10; ++i) zawodnik(i, "N", 3, 90, 25, 1, 8);
    for (int i = 0; i <= 10; ++i) GR.meczy[i] = 30;
    EXPECT_FLOAT_EQ(GR.sila_meczy(0), 0.6f);
    EXPECT_FLOAT_EQ(GR.sila_meczy(50), 0.95f);
    EXPECT_EQ((std::array{GR.obrona(), GR.pomoc(), GR.atak()}), (std::array{72, 43, 58}));
    GR.gra[10] = 0;
    zawodnik(12, "W", 3, 100, 0, 1, 9);  // selected but in a free slot: counts nowhere
    EXPECT_EQ((std::array{GR.obrona(), GR.pomoc(), GR.atak()}), (std::array{65, 39, 35}));
    EXPECT_EQ(GR.sprawdzskl(), 10);
    zawodnik(13, "B2", 0, 10);
    EXPECT_EQ(GR.sprawdzbrm(), 2);
}

TEST(Sila, ShortLinesAreScaledDownAndEmptyLinesGiveNothing) {
    czysta_gra();
    GR.morale = 60;
    EXPECT_EQ(GR.obrona() + GR.pomoc() + GR.atak(), 0);
    prosty(0, 0, 50);
    prosty(1, 1, 55);
    prosty(2, 1, 55);
    prosty(3, 2, 50, 9);
    prosty(4, 2, 50, 1);
    prosty(5, 3, 50, 4);
    // (90 + 2 x 33) x 3/4 / 6 x 6/11 = 10.6; (30 + 18) x 3/4 / 3.5 x 6/11 = 5.6; 15 / 3.5 x 6/11
    // = 2.3
    EXPECT_EQ((std::array{GR.obrona(), GR.pomoc(), GR.atak()}), (std::array{10, 5, 2}));
    prosty(6, 1, 55);  // a third defender lifts the penalty: 189 / 6 x 7/11 = 20.05
    EXPECT_EQ((std::array{GR.obrona(), GR.pomoc(), GR.atak()}), (std::array{20, 6, 2}));

    czysta_gra();
    GR.morale = 60;
    prosty(0, 0, 100);
    prosty(1, 2, 100, 9);
    for (int i = 2; i <= 10; ++i) prosty(i, 3, 10);
    // 180 x 1/4 / 6 = 7.5; 60 x 1/2 / 3.5 = 8.6; 9 x 6 x 0.1 / 3.5 = 1.5
    EXPECT_EQ((std::array{GR.obrona(), GR.pomoc(), GR.atak()}), (std::array{7, 8, 1}));
}

TEST(Sila, MoraleFitnessAndExperienceScaleEveryTerm) {
    struct przypadek {
        int morale, sily, meczy, obrona;
    };
    // A goalkeeper of 50 and three defenders of 40, e.g. morale 100: (108 + 86.4) / 6 = 32.4
    for (auto p : {przypadek{100, 21, 0, 32},
                   {0, 21, 0, 18},
                   {60, 10, 0, 12},
                   {60, 23, 0, 29},
                   {60, 21, 50, 42}}) {
        czysta_gra();
        GR.morale = p.morale;
        prosty(0, 0, 50);
        for (int i = 1; i <= 3; ++i) prosty(i, 1, 40);
        for (int i = 4; i <= 10; ++i) prosty(i, 3, 10);
        for (int i = 0; i <= 10; ++i) GR.sily[i] = p.sily, GR.meczy[i] = p.meczy;
        EXPECT_EQ(GR.obrona(), p.obrona) << p.morale << " " << p.sily << " " << p.meczy;
    }
}

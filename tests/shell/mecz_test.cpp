#include "shell/mecz.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "pomoc/gra_testowa.h"
#include "terminal/ekran.h"
#include "terminal/konsola.h"
#include "wspolne/los.h"

namespace {
struct gole {
    int twoje = -1;
    int rywala = -1;
};

gole zagraj(int at, int pom, int obr, int s, std::initializer_list<int> losy) {
    podrzuc(losy);
    gole g;
    twojwynik(at, pom, obr, s, &g.twoje, &g.rywala);
    return g;
}

gole komputer(int gospodarz, int gosc, std::initializer_list<int> losy) {
    podrzuc(losy);
    gole g;
    wynik(gospodarz, gosc, &g.twoje, &g.rywala);
    return g;
}
}  // namespace

TEST(TwojWynik, DrawsTheUsersGoalsFirstWithBoundsThreeAndThreeAtEqualStrengths) {
    czysta_gra();
    gole g = zagraj(30, 30, 30, 30, {7, 5});
    EXPECT_EQ(g.twoje, 3);
    EXPECT_EQ(g.rywala, 1);
    g = zagraj(30, 30, 30, 30, {5, 7});
    EXPECT_EQ(g.twoje, 1);
    EXPECT_EQ(g.rywala, 3);
    // 4 is one past the bound: it wraps to 0 on both sides.
    g = zagraj(30, 30, 30, 30, {4, 8});
    EXPECT_EQ(g.twoje, 0);
    EXPECT_EQ(g.rywala, 0);
    EXPECT_EQ(podrzuconych(), 0u);
    EXPECT_EQ(biezacy_ekran().wiersz(0),
              "4.700000:4.700000"
              "4.700000:4.700000"
              "4.700000:4.700000");
}

TEST(TwojWynik, AStrongerLineUpRaisesItsOwnBoundAndLowersTheOpponents) {
    czysta_gra();
    // 60 against 30: the user's bound is 7, the opponent's 2.
    gole g = zagraj(60, 60, 60, 30, {7, 2});
    EXPECT_EQ(g.twoje, 7);
    EXPECT_EQ(g.rywala, 2);
    g = zagraj(60, 60, 60, 30, {8, 3});
    EXPECT_EQ(g.twoje, 0);
    EXPECT_EQ(g.rywala, 0);
}

TEST(TwojWynik, EmptyLinesGiveFiniteNonNegativeBounds) {
    czysta_gra();
    for (int los : {0, 1, 99, 12345, 32767}) {
        for (auto [at, pom, obr] : {std::tuple{30, 0, 0}, {0, 0, 0}, {0, 30, 0}, {30, 0, 30}}) {
            const gole g = zagraj(at, pom, obr, 30, {los, los});
            EXPECT_GE(g.twoje, 0);
            EXPECT_GE(g.rywala, 0);
            EXPECT_LE(g.twoje, 3);
            // Without a defence or midfield the opponent scores freely, but within 100.
            EXPECT_LE(g.rywala, 100);
            if (at == 0 && pom == 0) {
                EXPECT_EQ(g.twoje, 0);
            }
        }
    }
    const std::string ekran = biezacy_ekran().tekst();
    EXPECT_EQ(ekran.find("inf"), std::string::npos);
    EXPECT_EQ(ekran.find("nan"), std::string::npos);
}

TEST(Wynik, TheBonusComesFirstAndTheStrongerSideGainsAGoalPerSixPoints) {
    czysta_gra();
    gole g = komputer(60, 30, {1, 7, 2});
    EXPECT_EQ(g.twoje, 8);
    EXPECT_EQ(g.rywala, 2);
    g = komputer(60, 30, {0, 8, 3});
    EXPECT_EQ(g.twoje, 0);
    EXPECT_EQ(g.rywala, 0);
    // Away stronger by less than 6: the same bounds as equal strengths.
    g = komputer(30, 35, {1, 2, 2});
    EXPECT_EQ(g.twoje, 3);
    EXPECT_EQ(g.rywala, 2);
    g = komputer(30, 35, {0, 3, 3});
    EXPECT_EQ(g.twoje, 0);
    EXPECT_EQ(g.rywala, 0);
    g = komputer(30, 42, {0, 0, 4});
    EXPECT_EQ(g.rywala, 4);
    EXPECT_EQ(podrzuconych(), 0u);
}

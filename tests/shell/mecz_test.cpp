#include "shell/mecz.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "pomoc/gra_testowa.h"
#include "terminal/ekran.h"
#include "terminal/konsola.h"
#include "wspolne/los.h"

namespace {
using liczby = std::vector<int>;
}  // namespace

TEST(Mecz, TheUsersGoalsAreDrawnInOrderWithinBoundsSetByTheLines) {
    struct przypadek {
        const char* nazwa;
        int linie, rywal, los1, los2, twoje, rywala;  // attack = midfield = defence
    };
    // All 30: both bounds 3 (a draw of 4 wraps to 0); 60 against 30: bounds 7 and 2.
    const przypadek przypadki[] = {{"level, first draw is the user's", 30, 30, 7, 5, 3, 1},
                                   {"level, second draw is the rival's", 30, 30, 5, 7, 1, 3},
                                   {"level, bounds wrap", 30, 30, 4, 8, 0, 0},
                                   {"stronger lines", 60, 30, 7, 2, 7, 2},
                                   {"stronger lines, bounds wrap", 60, 30, 8, 3, 0, 0}};
    for (const przypadek& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        czysta_gra();
        int g1 = -1, g2 = -1;
        podrzuc({p.los1, p.los2, 0});
        twojwynik(p.linie, p.linie, p.linie, p.rywal, &g1, &g2);
        EXPECT_EQ((liczby{g1, g2}), (liczby{p.twoje, p.rywala}));
        EXPECT_EQ(podrzuconych(), 1u) << "two draws";
    }
}

TEST(Mecz, TheUsersMatchPrintsBothExpectations) {
    czysta_gra();
    int g1 = -1, g2 = -1;
    twojwynik(30, 30, 30, 30, &g1, &g2);
    EXPECT_EQ(biezacy_ekran().wiersz(0), "4.700000:4.700000");
}

TEST(Mecz, ComputerClubsDrawTheHomeBonusFirstAndSixPointsMoreAddAGoal) {
    struct przypadek {
        const char* nazwa;
        int gospodarz, gosc, los1, los2, los3, gole_gospodarza, gole_goscia;
    };
    const przypadek przypadki[] = {{"stronger host, bonus", 60, 30, 1, 7, 2, 8, 2},
                                   {"stronger host, bounds wrap", 60, 30, 0, 8, 3, 0, 0},
                                   {"weaker host, bonus", 30, 35, 1, 2, 2, 3, 2},
                                   {"weaker host, bounds wrap", 30, 35, 0, 3, 3, 0, 0},
                                   {"12 points stronger guest", 30, 42, 0, 0, 4, 0, 4}};
    for (const przypadek& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        czysta_gra();
        int g1 = -1, g2 = -1;
        podrzuc({p.los1, p.los2, p.los3});
        wynik(p.gospodarz, p.gosc, &g1, &g2);
        EXPECT_EQ((liczby{g1, g2}), (liczby{p.gole_gospodarza, p.gole_goscia}));
        EXPECT_EQ(podrzuconych(), 0u) << "three draws";
    }
}

TEST(Mecz, EmptyLinesKeepTheBoundsFiniteAndTheRivalsWithinAHundred) {
    czysta_gra();
    for (const auto& [at, pom, obr] : {std::array{30, 0, 0}, {0, 0, 0}, {0, 30, 0}}) {
        SCOPED_TRACE(testing::Message() << "attack " << at << ", midfield " << pom);
        int g1 = -1, g2 = -1;
        podrzuc({32767, 32767});
        twojwynik(at, pom, obr, 30, &g1, &g2);
        EXPECT_TRUE(g1 >= 0 && g1 <= (at + pom ? 3 : 0)) << g1;
        EXPECT_TRUE(g2 >= 0 && g2 <= 100) << g2;
    }
    EXPECT_FALSE(ma(biezacy_ekran().tekst(), "inf") || ma(biezacy_ekran().tekst(), "nan"));
}

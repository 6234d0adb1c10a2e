#include "shell/mecz.h"

#include <gtest/gtest.h>

#include <string>

#include "pomoc/gra_testowa.h"
#include "terminal/ekran.h"
#include "terminal/konsola.h"
#include "wspolne/los.h"

TEST(Mecz, DrawsComeInOrderAndStrengthsSetTheBounds) {
    czysta_gra();
    // The user's match: the user's goals first, then the opponent's; the line-up, the
    // opponent's strength, the draws and the goals. All 30 give bounds 3 and 3 (4 wraps to 0);
    // 60 against 30 give 7 and 2.
    const int mecze[][8] = {{30, 30, 30, 30, 7, 5, 3, 1},
                            {30, 30, 30, 30, 5, 7, 1, 3},
                            {30, 30, 30, 30, 4, 8, 0, 0},
                            {60, 60, 60, 30, 7, 2, 7, 2},
                            {60, 60, 60, 30, 8, 3, 0, 0}};
    for (const auto& [at, pom, obr, s, los1, los2, twoje, rywala] : mecze) {
        int g1 = -1, g2 = -1;
        podrzuc({los1, los2});
        twojwynik(at, pom, obr, s, &g1, &g2);
        EXPECT_EQ(g1, twoje) << at << " " << los1;
        EXPECT_EQ(g2, rywala) << at << " " << los2;
    }
    EXPECT_TRUE(biezacy_ekran().wiersz(0).starts_with("4.700000:4.700000"));
    // Computer clubs: the home bonus is drawn first; six points more add a goal to the bound.
    const int komputer[][7] = {{60, 30, 1, 7, 2, 8, 2},
                               {60, 30, 0, 8, 3, 0, 0},
                               {30, 35, 1, 2, 2, 3, 2},
                               {30, 35, 0, 3, 3, 0, 0},
                               {30, 42, 0, 0, 4, 0, 4}};
    for (const auto& [gospodarz, gosc, bonus, los1, los2, gole1, gole2] : komputer) {
        int g1 = -1, g2 = -1;
        podrzuc({bonus, los1, los2});
        wynik(gospodarz, gosc, &g1, &g2);
        EXPECT_EQ(g1, gole1) << gospodarz << " " << gosc << " " << los1;
        EXPECT_EQ(g2, gole2) << gospodarz << " " << gosc << " " << los2;
        EXPECT_EQ(podrzuconych(), 0u);
    }
    // Empty lines: the bounds stay finite and the opponent's within 100.
    for (int los : {0, 1, 99, 12345, 32767}) {
        for (const auto& [at, pom, obr] :
             {std::array{30, 0, 0}, {0, 0, 0}, {0, 30, 0}, {30, 0, 30}}) {
            int g1 = -1, g2 = -1;
            podrzuc({los, los});
            twojwynik(at, pom, obr, 30, &g1, &g2);
            EXPECT_TRUE(g1 >= 0 && g1 <= (at + pom ? 3 : 0) && g2 >= 0 && g2 <= 100)
                << g1 << ":" << g2;
        }
    }
    EXPECT_FALSE(biezacy_ekran().tekst().find("inf") != std::string::npos ||
                 biezacy_ekran().tekst().find("nan") != std::string::npos);
}

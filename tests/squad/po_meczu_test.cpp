#include <gtest/gtest.h>

#include <cstdlib>

#include "kadra.h"
#include "pomoc/gra_testowa.h"
#include "terminal/konsola.h"
#include "terminal/skrypt.h"
#include "wspolne/los.h"

TEST(Strzelcy, GoalsGoToSelectedMidfieldersAndForwardsPassByPass) {
    czysta_gra();
    zawodnik(0, "Bramkarz", 0, 50, 25, 1, 13);
    zawodnik(1, "Obronca", 1, 50, 25, 1, 13);
    zawodnik(2, "Pomocnik", 2, 50, 25, 1, 10);
    zawodnik(3, "Lawka", 3, 50, 25, 0, 13);
    zawodnik(4, "Wolny", 3, 50, 0, 1, 13);
    zawodnik(5, "Napastnik", 3, 50, 25, 1, 5);
    // Pass 1: the midfielder misses (10 is not below 10), the forward scores (9 < 2 x 5);
    // pass 2: the midfielder scores and the credit stops there.
    podrzuc({10, 9, 9});
    skrypt s{'x'};
    GR.ktostrzelil(2);
    EXPECT_EQ(podrzuconych(), 0u);
    EXPECT_EQ((std::array{GR.bramki[0], GR.bramki[1], GR.bramki[2], GR.bramki[3], GR.bramki[4],
                          GR.bramki[5]}),
              (std::array{0, 0, 1, 0, 0, 1}));
    const migawka& m = s.migawki()[0];
    EXPECT_EQ(m.tekst(), "\n Bramki zdobyli :\n Napastnik\n Pomocnik");
    EXPECT_EQ((std::array{m.atrybut(1, 2), m.atrybut(1, 3), biezacy_ekran().atrybut()}),
              (std::array{15, 13, 15}));
}

TEST(Strzelcy, ASureForwardScoresEveryGoalAndGoalsNobodyCanScoreStayUncredited) {
    czysta_gra();
    zawodnik(0, "B", 0, 50);
    zawodnik(1, "O", 1, 50);
    zawodnik(2, "Snajper", 3, 50, 25, 1, 80);
    skrypt s{'x', 'y', 'z'};
    GR.ktostrzelil(3);
    EXPECT_EQ(GR.bramki[2], 3);
    EXPECT_EQ(s.migawki()[0].tekst(), "\n Bramki zdobyli :\n Snajper\n Snajper\n Snajper");
    biezacy_ekran() = ekran{};
    GR.ktostrzelil(0);
    EXPECT_EQ(s.migawki()[1].tekst(), "");
    GR.gra[2] = 0;
    zawodnik(3, "Zero", 2, 50, 25, 1, 0);
    kolor(9);
    GR.ktostrzelil(2);
    EXPECT_EQ(s.migawki()[2].tekst(), "\n Bramki zdobyli :");
    EXPECT_EQ((std::array{GR.bramki[2] + GR.bramki[3], biezacy_ekran().atrybut()}),
              (std::array{3, 15}));
    EXPECT_EQ(s.pozostalo(), 0u);
}

TEST(PoMeczu, PlayersWhoPlayedTireAndTheRestRecover) {
    // fitness before, selected, walkover, fitness after, matches added
    for (auto [sily, gra, walkower, po, meczy] : {std::array{16, 0, 0, 20, 0},
                                                  {19, 0, 0, 20, 0},
                                                  {20, 0, 0, 21, 0},
                                                  {22, 0, 0, 23, 0},
                                                  {23, 0, 0, 23, 0},
                                                  {-2, 0, 0, 3, 0},
                                                  {5, 1, 0, 4, 1},
                                                  {0, 1, 0, 0, 1},
                                                  {16, 1, 1, 20, 0},
                                                  {23, 1, 1, 23, 0}}) {
        czysta_gra();
        zawodnik(0, "G", 2, 40, 25, gra);
        zawodnik(1, "Wolny", 2, 40, 0);
        GR.sily[0] = GR.sily[1] = sily;
        GR.pomeczu(walkower);
        EXPECT_EQ((std::array{GR.sily[0], GR.meczy[0], GR.sily[1], GR.meczy[1]}),
                  (std::array{po, meczy, sily, 0}))
            << sily << " " << gra << " " << walkower;
    }
}

TEST(KoniecSezonu, PlayersAgeRegainFitnessAndGrowOrDeclineWithAge) {
    const int rosnie[] = {16, 15, 13, 12, 10, 9, 7, 6, 4, 3, 1};  // new ages 19 to 29
    const int spada[] = {1,  2,  4,  5,  6,  8,  9,  11, 12, 13, 15,
                         16, 18, 19, 20, 22, 23, 25, 26, 27, 29};  // 30 to 50
    for (int a = 19; a <= 50; ++a) {
        int zmiana = a < 30 ? rosnie[a - 19] : -spada[a - 30];
        for (int los : {std::abs(zmiana), std::abs(zmiana) + 1}) {  // the limit itself, then 0
            czysta_gra();
            zawodnik(0, "S", 1, 100, a - 1);
            zawodnik(1, "Wolny", 1, 100, 0);
            GR.sily[0] = GR.sily[1] = 7;
            podrzuc({los});
            skrypt s{'x'};
            GR.koniecsezonu();
            EXPECT_EQ(s.pozostalo(), 0u);
            int umie = 100 + (los == std::abs(zmiana) ? zmiana : 0);
            EXPECT_EQ(
                (std::array{GR.wiek[0], GR.sily[0], GR.umiejetnosci[0], GR.wiek[1], GR.sily[1]}),
                (std::array{a, 20, umie, 0, 7}))
                << a;
        }
    }
    czysta_gra();
    zawodnik(0, "Slaby", 1, 2, 33);  // falls by 3 below zero: becomes 5
    zawodnik(1, "Marny", 1, 3, 39);  // falls by nothing: 3 stays
    podrzuc({3, 0});
    skrypt s{'x'};
    GR.koniecsezonu();
    EXPECT_EQ((std::array{GR.umiejetnosci[0], GR.umiejetnosci[1]}), (std::array{5, 3}));
}

#include "menedzer.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

#include "club/boisko.h"
#include "league/zespoly.h"
#include "ocena.h"
#include "pomoc/gra_testowa.h"
#include "shell/straznik.h"
#include "squad/gracze.h"
#include "terminal/skrypt.h"
#include "wspolne/los.h"

namespace {

int na_pozycji(const std::vector<zawodnik>& kadra, const std::vector<int>& wybrani, int p) {
    int n = 0;
    for (int i : wybrani) n += kadra[i].pozycja == p;
    return n;
}

// The eleven on the pitch: how many are selected at each position.
std::vector<int> linie_skladu() {
    std::vector<int> n(4);
    for (int i = 0; i < gracze::miejsc; ++i) {
        if (GR.wiek[i] > 0 && GR.gra[i] == 1) ++n[GR.pozycja[i]];
    }
    return n;
}

}  // namespace

// Whatever the squad, the eleven has one goalkeeper, three defenders and three midfielders.
TEST(Ocena, TheBestElevenKeepsOneGoalkeeperAndThreeInDefenceAndMidfield) {
    std::mt19937 los(14);
    for (int proba = 0; proba < 50; ++proba) {
        SCOPED_TRACE("squad " + std::to_string(proba));
        std::vector<zawodnik> kadra;
        const int ilu[] = {2, 5, 5, 3};
        for (int p = 0; p < 4; ++p) {
            for (int n = 0; n < ilu[p]; ++n) {
                kadra.push_back({static_cast<int>(kadra.size()), p, static_cast<int>(los() % 150),
                                 static_cast<int>(los() % 24), 25, static_cast<int>(los() % 200),
                                 static_cast<double>(los() % 14)});
            }
        }
        const std::vector<int> w = najlepsza(kadra, 20 + static_cast<int>(los() % 80)).wybrani;
        EXPECT_EQ(w.size(), 11u);
        EXPECT_EQ(std::set<int>(w.begin(), w.end()).size(), 11u);
        EXPECT_EQ(na_pozycji(kadra, w, 0), 1);
        EXPECT_GE(na_pozycji(kadra, w, 1), 3);
        EXPECT_GE(na_pozycji(kadra, w, 2), 3);
    }
}

TEST(Ocena, TiredPlayersRestUnlessTheirLineWouldBeShort) {
    std::vector<zawodnik> kadra;
    for (int n = 0; n < 5; ++n) kadra.push_back({n, 1, 60, n < 3 ? 20 : 10, 25, 50, 0});
    for (int n = 5; n < 9; ++n) kadra.push_back({n, 2, 60, n == 5 ? 5 : 12, 25, 50, 7});
    kadra.push_back({9, 0, 60, 20, 25, 50, 0});
    for (int n = 10; n < 13; ++n) kadra.push_back({n, 3, 60, 20, 25, 50, 7});
    std::set<int> graja;
    for (const zawodnik& z : wypoczeci(kadra)) graja.insert(z.slot);
    // Of the two tired defenders only the first is needed for a back four; every midfielder
    // is, even the most tired.
    EXPECT_EQ(graja, (std::set<int>{0, 1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12}));
}

// Two seasons through the real screens: every key the manager queues is used up, every
// match is played by a legal eleven, the bank's clock never bans transfers, and he buys.
TEST(Menedzer, PlaysTwoSeasonsFromTheShippedDataThroughTheScreens) {
    gra_z_danych();
    std::set<std::string> z_danych;
    for (int i = 0; i < gracze::miejsc; ++i) {
        if (GR.wiek[i] > 0) z_danych.insert(GR.imie[i]);
    }
    zasiej(7);
    skrypt s;
    menedzer m(s);
    straznik sprawdz;
    bool kupil = false;
    for (int sezon = 0; sezon < 2; ++sezon) {
        m.rozegraj_sezon([&] {
            if (HasFailure()) return;
            EXPECT_TRUE(sprawdz());
            EXPECT_EQ(s.pozostalo(), 0u);
            EXPECT_LT(ST.dni_dlugu, boisko::termin_dlugu);
            EXPECT_LE(GR.ilegraczy(), 20);
            for (int i = 0; i < gracze::miejsc; ++i) {
                kupil |= GR.wiek[i] > 0 && z_danych.count(GR.imie[i]) == 0;
            }
        });
        const std::vector<int> n = linie_skladu();
        EXPECT_EQ(n[0], 1);
        EXPECT_GE(n[1], 3);
        EXPECT_GE(n[2], 3);
        EXPECT_EQ(n[0] + n[1] + n[2] + n[3], 11);
    }
    EXPECT_EQ(DR.sezon, 1997);
    EXPECT_TRUE(kupil);
}

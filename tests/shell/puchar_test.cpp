#include "shell/puchar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "club/boisko.h"
#include "league/zespoly.h"
#include "pomoc/gra_testowa.h"
#include "shell/dzien_meczu.h"
#include "squad/gracze.h"
#include "swiat.h"
#include "terminal/skrypt.h"
#include "wspolne/los.h"

namespace {
int spacja(const ekran&) {
    return klawisze::spacja;
}

// The user in tier 2, slot 0 (global index 36), with one forward who scores every chance.
void w_pucharze(int etap, int rywal, int kolejka) {
    czysta_gra();
    prosta_liga(2, 0);
    klub_z_kontraktami();
    sklad_z_jednym_strzelcem();
    DR.puchar = etap;
    DR.rywal_pucharu = rywal;
    DR.nr_kolejki = kolejka;
}

struct noga {
    int zarobione = 0;  // cash gained beyond the accounts' own balance
    std::string ekrany;
};

noga zagraj(skrypt& s) {
    const int kasa = ST.kasa;
    nastepnymecz();
    return {ST.kasa - kasa - bilans_ogolny(s), wszystkie_ekrany(s)};
}

bool jest(const noga& n, const std::string& tekst) {
    return n.ekrany.find(tekst) != std::string::npos;
}
}  // namespace

TEST(Puchar, ASecondTieLostAwayAndWonAtHomeGoesToPenalties) {
    for (const bool wygrane_karne : {true, false}) {
        SCOPED_TRACE(wygrane_karne);
        w_pucharze(3, 40, 2);
        {
            skrypt s;
            s.ustaw_pilota(spacja);
            // Away: 0 for the user, 2 for the opponent, no home bonus for the opponent.
            podrzuc({0, 2, 0});
            const noga n = zagraj(s);
            EXPECT_TRUE(jest(n, " porazka!"));
            EXPECT_EQ(n.zarobione, 3 * 3 * 2000);
            EXPECT_TRUE(jest(n, " wplywy z przekazu telewizyjnego : 18000"));
        }
        EXPECT_EQ(DR.puchar, 4);
        EXPECT_EQ(DR.dwumecz_zdobyte, 0);
        EXPECT_EQ(DR.dwumecz_stracone, 2);
        EXPECT_EQ(DR.nr_kolejki, 2);
        {
            skrypt ligowe;
            ligowe.ustaw_pilota(spacja);
            nastepnymecz();
            nastepnymecz();
        }
        ASSERT_EQ(DR.nr_kolejki, 4);
        ASSERT_EQ(DR.puchar, 4);

        skrypt s;
        s.ustaw_pilota(spacja);
        // At home 3:1, then the attendance draw and one draw per goal for the scorer; the
        // penalties 2:2, then the deciding pair (opponent first), the gate and the next draw.
        const int rywala = wygrane_karne ? 1 : 4;
        const int twoje = wygrane_karne ? 4 : 1;
        podrzuc({3, 1, 0, 0, 0, 0, 0, 2, 2, rywala, twoje, 0, 0});
        const noga n = zagraj(s);
        EXPECT_TRUE(jest(n, "WYNIK DWUMECZU:"));
        EXPECT_TRUE(jest(n, "           (3)       :      (3)"));
        EXPECT_TRUE(jest(n, "      2     :     2"));
        EXPECT_TRUE(
            jest(n, "      " + std::to_string(twoje) + "     :     " + std::to_string(rywala)));
        // The cup's own gate replaced the league estimate: 2000 x 4 + 2000 fans.
        EXPECT_TRUE(jest(n, " 10000 kibicow chcialo kupic bilety"));
        EXPECT_EQ(DR.dwumecz_zdobyte, 0);
        EXPECT_EQ(DR.dwumecz_stracone, 0);
        EXPECT_EQ(DR.nr_kolejki, 4);
        if (wygrane_karne) {
            EXPECT_EQ(podrzuconych(), 0u);
            EXPECT_TRUE(jest(n, " Hurra! zwyciestwo!"));
            EXPECT_EQ(n.zarobione, 4 * 4 * 4000);
            EXPECT_EQ(DR.puchar, 5);
            EXPECT_EQ(DR.rywal_pucharu, 39);
        } else {
            EXPECT_TRUE(jest(n, " porazka!"));
            EXPECT_EQ(n.zarobione, 4 * 4 * 2000);
            EXPECT_EQ(DR.puchar, 0);
        }
    }
}

TEST(Puchar, ADrawnOrForfeitedFirstLegStillLeadsToTheSecondLeg) {
    w_pucharze(1, 50, 0);
    {
        skrypt s;
        s.ustaw_pilota(spacja);
        podrzuc({1, 1, 0, 0});
        const noga n = zagraj(s);
        EXPECT_FALSE(jest(n, "Hurra"));
        EXPECT_FALSE(jest(n, "porazka"));
        EXPECT_EQ(n.zarobione, 2000);
        EXPECT_EQ(DR.puchar, 2);
        EXPECT_EQ(DR.dwumecz_zdobyte, 1);
        EXPECT_EQ(DR.dwumecz_stracone, 1);
    }

    w_pucharze(1, 50, 0);
    for (int i = 5; i < gracze::miejsc; ++i) GR.gra[i] = 0;
    skrypt s;
    s.ustaw_pilota(spacja);
    const noga n = zagraj(s);
    EXPECT_TRUE(jest(n, "Wystawiles tylko 5 zawodnikow."));
    EXPECT_FALSE(jest(n, "wplywy z przekazu telewizyjnego"));
    EXPECT_EQ(n.zarobione, 0);
    EXPECT_EQ(DR.puchar, 2);
    EXPECT_EQ(DR.dwumecz_zdobyte, 0);
    EXPECT_EQ(DR.dwumecz_stracone, 3);
    EXPECT_EQ(DR.mecz_pucharowy, 1);
}

TEST(Puchar, WinningTheFinalPaysTheBonusAndThenTheTelevisionMoney) {
    w_pucharze(14, 5, 26);
    DR.dwumecz_zdobyte = 1;
    DR.dwumecz_stracone = 1;
    skrypt s;
    s.ustaw_pilota(spacja);
    podrzuc({2, 0, 0, 0, 0, 0, 0});
    const noga n = zagraj(s);
    EXPECT_EQ(podrzuconych(), 0u);
    EXPECT_EQ(n.zarobione, 5000000 + 14 * 14 * 4000);
    const auto brawo = n.ekrany.find(" Brawo! zdobyles Puchar Polski!");
    EXPECT_NE(n.ekrany.find(" gratyfikacja od PZPN za Puchar: 5000000!"), std::string::npos);
    EXPECT_LT(brawo, n.ekrany.find(" wplywy z przekazu telewizyjnego : 784000"));
    EXPECT_EQ(DR.puchar, 0);
    EXPECT_EQ(DR.dwumecz_zdobyte, 3);
    EXPECT_EQ(DR.dwumecz_stracone, 1);

    // The next match day of an even round plays only the league.
    skrypt dalej;
    dalej.ustaw_pilota(spacja);
    nastepnymecz();
    EXPECT_EQ(DR.nr_kolejki, 27);
}

TEST(Puchar, OpponentsComeFromEverHigherTiersAndNeverTheUsersClub) {
    czysta_gra();
    prosta_liga(2, 17);
    const std::pair<int, int> zakresy[] = {{41, 47}, {33, 39}, {25, 31},
                                           {18, 24}, {10, 16}, {2, 8}};
    for (int tie = 1; tie <= 6; ++tie) {
        int najmniejszy = 99;
        int najwiekszy = -1;
        for (int los = 0; los < 7; ++los) {
            podrzuc({los});
            const int r = losuj_rywala(2 * tie);
            najmniejszy = std::min(najmniejszy, r);
            najwiekszy = std::max(najwiekszy, r);
        }
        EXPECT_EQ(najmniejszy, zakresy[tie - 1].first) << tie;
        EXPECT_EQ(najwiekszy, zakresy[tie - 1].second) << tie;
    }
    // Tier 2 slot 5 is index 41: drawn first, it is drawn again.
    DR.twojadruzyna = 5;
    podrzuc({6, 6, 2});
    EXPECT_EQ(losuj_rywala(2), 45);
    EXPECT_EQ(podrzuconych(), 0u);
}

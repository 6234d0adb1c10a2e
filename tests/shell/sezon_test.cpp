#include "shell/sezon.h"

#include <gtest/gtest.h>

#include <string>

#include "club/boisko.h"
#include "league/zespoly.h"
#include "pomoc/gra_testowa.h"
#include "squad/gracze.h"
#include "swiat.h"
#include "terminal/skrypt.h"

namespace {
// With no points anywhere the table follows slot order: slot s finishes in place s + 1.
void po_ostatniej_kolejce(int liga, int druzyna) {
    czysta_gra();
    prosta_liga(liga, druzyna);
    klub_z_kontraktami();
    dodaj_gracza(3, 50, 5);
    DR.nr_kolejki = 34;
    DR.puchar = 0;
}

int odmow(const ekran&) {
    return klawisze::spacja;
}

// Signs every offer: up turns the choice to yes, space confirms it.
int przyjmij(const ekran& e) {
    return e.wiersz(e.kursor_y()).starts_with(" nie ") ? klawisze::gora : klawisze::spacja;
}
}  // namespace

TEST(KoniecSezonu, TheUserMovesAtEveryBoundaryWithItsNameAndGetsMoraleFromThePlace) {
    struct przypadek {
        int liga, druzyna, nowa_liga, morale;
    };
    const przypadek przypadki[] = {
        {2, 0, 1, 100}, {2, 3, 1, 83},  {2, 4, 2, 77},  {2, 17, 2, 5}, {1, 0, 0, 100},
        {1, 3, 0, 83},  {1, 9, 1, 50},  {1, 14, 2, 22}, {1, 17, 2, 5}, {0, 0, 0, 100},
        {0, 13, 0, 27}, {0, 14, 1, 22}, {0, 17, 1, 5},
    };
    for (const przypadek& p : przypadki) {
        SCOPED_TRACE(std::to_string(p.liga) + "/" + std::to_string(p.druzyna));
        po_ostatniej_kolejce(p.liga, p.druzyna);
        const std::string nazwa = DR.nazwa[p.liga][p.druzyna];
        skrypt s;
        s.ustaw_pilota(odmow);
        koniecsezonu();
        EXPECT_EQ(DR.twojaliga, p.nowa_liga);
        EXPECT_EQ(ST.liga, p.nowa_liga);
        EXPECT_EQ(DR.nazwa[DR.twojaliga][DR.twojadruzyna], nazwa);
        EXPECT_EQ(GR.morale, p.morale);
        EXPECT_EQ(GR.wiek[0], 26);
        EXPECT_EQ(DR.sezon, 1996);
        EXPECT_EQ(DR.nr_kolejki, 0);
        EXPECT_EQ(DR.puchar, 1);
        // Both contracts ended and both new offers were declined.
        EXPECT_EQ(ST.kwota_sponsora, 0);
        EXPECT_EQ(ST.koszt_lowcy, 0);
        EXPECT_EQ(ST.propozycje_lowcy, 0);
        EXPECT_TRUE(pokazano(s, "Lowca talentow oferuje"));
        EXPECT_TRUE(pokazano(s, "oferuje kontrakt do konca sezonu"));
    }
}

TEST(KoniecSezonu, APromotedClubGetsItsOffersAtTheNewTiersScale) {
    po_ostatniej_kolejce(1, 2);
    skrypt s;
    s.ustaw_pilota(przyjmij);
    koniecsezonu();
    ASSERT_EQ(DR.twojaliga, 0);
    EXPECT_GE(ST.kwota_sponsora, 36000);
    EXPECT_LE(ST.kwota_sponsora, 119990);
    const int n = ST.propozycje_lowcy;
    ASSERT_GE(n, 1);
    ASSERT_LE(n, 3);
    EXPECT_GE(ST.koszt_lowcy, 3000 * n * n);
    EXPECT_LE(ST.koszt_lowcy, 8999 * n * n);
}

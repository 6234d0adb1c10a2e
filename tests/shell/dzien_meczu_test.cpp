#include "shell/dzien_meczu.h"

#include <gtest/gtest.h>

#include <string>

#include "club/boisko.h"
#include "league/zespoly.h"
#include "pomoc/gra_testowa.h"
#include "squad/gracze.h"
#include "swiat.h"
#include "terminal/konsola.h"
#include "terminal/skrypt.h"
#include "wspolne/los.h"

namespace {
int spacja(const ekran&) {
    return klawisze::spacja;
}

int rozegranych(int liga, int druzyna) {
    return DR.zwyciestwa[liga][druzyna] + DR.remisy[liga][druzyna] + DR.porazki[liga][druzyna];
}

int wszystkich_meczow() {
    int ile = 0;
    for (int t = 0; t < zespoly::lig; ++t) {
        for (int d = 0; d < zespoly::druzyn; ++d) ile += rozegranych(t, d);
    }
    return ile;
}

void liga_z_klubem(int druzyna) {
    czysta_gra();
    prosta_liga(2, druzyna);
    klub_z_kontraktami();
}
}  // namespace

TEST(DzienMeczu, ALeagueMatchIsBookedFromTheUsersSideAtHomeAndAway) {
    liga_z_klubem(0);
    pelny_sklad();
    skrypt s;
    s.ustaw_pilota(spacja);
    // Round 0: slot 0 at home to slot 17; goals 2 and 1, no home bonus.
    podrzuc({2, 1, 0});
    nastepnymecz();
    EXPECT_TRUE(pokazano(s, "                K2_0 vs K2_17"));
    EXPECT_EQ(DR.zwyciestwa[2][0], 1);
    EXPECT_EQ(DR.punkty[2][0], 3);
    EXPECT_EQ(DR.strzelone[2][0], 2);
    EXPECT_EQ(DR.stracone[2][0], 1);
    EXPECT_EQ(DR.porazki[2][17], 1);
    EXPECT_EQ(DR.punkty[2][17], 0);
    EXPECT_EQ(DR.strzelone[2][17], 1);
    EXPECT_EQ(DR.stracone[2][17], 2);
    EXPECT_EQ(DR.nr_kolejki, 1);
    // Every other club of every tier played its match of the round too, once.
    for (int t = 0; t < zespoly::lig; ++t) {
        for (int d = 0; d < zespoly::druzyn; ++d) EXPECT_EQ(rozegranych(t, d), 1) << t << " " << d;
    }
    const std::string ekrany = wszystkie_ekrany(s);
    const auto liga1 = ekrany.find(" Mecze 1 kolejki 1 ligi");
    const auto liga3 = ekrany.find(" Mecze 1 kolejki 3 ligi");
    EXPECT_LT(ekrany.find("K2_0 vs K2_17"), liga1);
    EXPECT_LT(liga1, ekrany.find(" Mecze 1 kolejki 2 ligi"));
    EXPECT_NE(liga3, std::string::npos);

    // Round 1 from slot 2's side: away at slot 0, lost 0:2 with the home bonus for slot 0.
    liga_z_klubem(0);
    DR.twojadruzyna = 2;
    DR.nr_kolejki = 1;
    pelny_sklad();
    skrypt wyjazd;
    wyjazd.ustaw_pilota(spacja);
    podrzuc({0, 1, 1});
    nastepnymecz();
    EXPECT_TRUE(pokazano(wyjazd, "                K2_0 vs K2_2"));
    EXPECT_EQ(DR.porazki[2][2], 1);
    EXPECT_EQ(DR.stracone[2][2], 2);
    EXPECT_EQ(DR.zwyciestwa[2][0], 1);
    EXPECT_EQ(DR.punkty[2][0], 3);
    EXPECT_EQ(DR.strzelone[2][0], 2);
    EXPECT_EQ(DR.nr_kolejki, 2);
}

TEST(DzienMeczu, SixPlayersGiveTheMatchAwayWithoutPlayingIt) {
    liga_z_klubem(0);
    pelny_sklad();
    for (int i = 6; i < 11; ++i) GR.gra[i] = 0;
    skrypt s;
    s.ustaw_pilota(spacja);
    nastepnymecz();
    ASSERT_FALSE(s.migawki().empty());
    const std::string pierwszy = s.migawki().front().tekst();
    EXPECT_NE(pierwszy.find(" Niestety oddales mecz walkowerem. Wystawiles tylko 6 zawodnikow."),
              std::string::npos);
    EXPECT_EQ(pierwszy.find("obr:"), std::string::npos);
    EXPECT_EQ(pierwszy.find(" vs "), std::string::npos);
    // No fans come to a walkover, even at home.
    EXPECT_FALSE(pokazano(s, "Wplywy z biletow"));
    EXPECT_EQ(DR.porazki[2][0], 1);
    EXPECT_EQ(DR.stracone[2][0], 3);
    EXPECT_EQ(DR.strzelone[2][0], 0);
    EXPECT_EQ(DR.zwyciestwa[2][17], 1);
    EXPECT_EQ(DR.strzelone[2][17], 3);
    EXPECT_EQ(DR.punkty[2][17], 3);
    // The players all rested: nobody's match count moved.
    for (int i = 0; i < 11; ++i) EXPECT_EQ(GR.meczy[i], 50);
}

TEST(DzienMeczu, TheThirtyFourthRoundEndsTheSeasonInTheSameCall) {
    liga_z_klubem(5);
    pelny_sklad();
    DR.nr_kolejki = 33;
    skrypt s;
    s.ustaw_pilota(spacja);
    nastepnymecz();
    EXPECT_EQ(DR.sezon, 1996);
    EXPECT_EQ(DR.nr_kolejki, 0);
    EXPECT_EQ(DR.puchar, 1);
    EXPECT_EQ(ST.liga, DR.twojaliga);
    const std::string ekrany = wszystkie_ekrany(s);
    const auto ostatnia = ekrany.find(" Mecze 34 kolejki 3 ligi");
    ASSERT_NE(ostatnia, std::string::npos);
    EXPECT_LT(ostatnia, ekrany.find("KONIEC SEZONU"));
    EXPECT_EQ(GR.wiek[0], 26);
}

TEST(DzienMeczu, ACupLegComesFirstInAnEvenRoundOnlyWhileTheUserIsInTheCup) {
    liga_z_klubem(0);
    pelny_sklad();
    skrypt s;
    s.ustaw_pilota(spacja);
    DR.puchar = 1;
    DR.rywal_pucharu = 50;
    nastepnymecz();
    EXPECT_TRUE(pokazano(s, " Mecz w pucharze polski"));
    EXPECT_TRUE(pokazano(s, "               K2_14 vs K2_0"));
    EXPECT_EQ(DR.mecz_pucharowy, 1);
    EXPECT_EQ(DR.nr_kolejki, 0);
    EXPECT_EQ(DR.puchar, 2);
    EXPECT_EQ(wszystkich_meczow(), 0);

    biezacy_ekran() = ekran{};
    skrypt liga;
    liga.ustaw_pilota(spacja);
    nastepnymecz();
    EXPECT_FALSE(pokazano(liga, "pucharze"));
    EXPECT_EQ(DR.mecz_pucharowy, 0);
    EXPECT_EQ(DR.nr_kolejki, 1);
    EXPECT_EQ(DR.puchar, 2);
    EXPECT_EQ(rozegranych(2, 0), 1);

    // An odd round, or no cup at all: only the league match.
    for (auto [kolejka, puchar] : {std::pair{1, 2}, {2, 0}}) {
        DR.nr_kolejki = kolejka;
        DR.puchar = puchar;
        skrypt bez;
        bez.ustaw_pilota(spacja);
        nastepnymecz();
        EXPECT_FALSE(pokazano(bez, "pucharze")) << kolejka;
        EXPECT_EQ(DR.nr_kolejki, kolejka + 1);
        EXPECT_EQ(DR.puchar, puchar);
    }
}

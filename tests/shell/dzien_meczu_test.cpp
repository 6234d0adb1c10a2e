#include "shell/dzien_meczu.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/sezon.h"
#include "swiat.h"

namespace {
int rozegranych(int liga, int druzyna) {
    return DR.zwyciestwa[liga][druzyna] + DR.remisy[liga][druzyna] + DR.porazki[liga][druzyna];
}

// The goals, points and results of a club: scored, conceded, points, won, drawn, lost.
std::array<int, 6> bilans_druzyny(int liga, int d) {
    return {DR.strzelone[liga][d],  DR.stracone[liga][d], DR.punkty[liga][d],
            DR.zwyciestwa[liga][d], DR.remisy[liga][d],   DR.porazki[liga][d]};
}

// Cash a match day brought beyond the accounts' own " Bilans ogolny".
int ponad_bilans(const std::string& ekrany, int kasa_przed) {
    const std::string etykieta = " Bilans ogolny               :";
    const auto gdzie = ekrany.rfind(etykieta);
    return ST.kasa - kasa_przed -
           (gdzie == std::string::npos ? 0 : std::stoi(ekrany.substr(gdzie + etykieta.size())));
}
}  // namespace

TEST(DzienMeczu, ALeagueMatchIsBookedAndSixPlayersGiveItAway) {
    prosta_liga(2, 0);
    sklad();
    podrzuc({2, 1, 0});  // round 0 at home to slot 17: goals 2 and 1, no home bonus
    const std::string e = zagraj();
    EXPECT_LT(e.find("                K2_0 vs K2_17"), e.find(" Mecze 1 kolejki 1 ligi"));
    EXPECT_EQ(bilans_druzyny(2, 0), (std::array{2, 1, 3, 1, 0, 0}));
    EXPECT_EQ(bilans_druzyny(2, 17), (std::array{1, 2, 0, 0, 0, 1}));
    EXPECT_EQ(DR.nr_kolejki, 1);
    for (int t = 0; t < zespoly::lig; ++t) {
        for (int d = 0; d < zespoly::druzyn; ++d) EXPECT_EQ(rozegranych(t, d), 1) << t << " " << d;
    }
    // Six players: a 0:3 walkover, no fans, nobody's match count moves.
    prosta_liga(2, 0);
    sklad();
    for (int i = 6; i < 11; ++i) GR.gra[i] = 0;
    const std::string w = zagraj();
    EXPECT_TRUE(ma(w, " Niestety oddales mecz walkowerem. Wystawiles tylko 6 zawodnikow."));
    EXPECT_FALSE(ma(w, "Wplywy z biletow"));
    EXPECT_EQ(bilans_druzyny(2, 0), (std::array{0, 3, 0, 0, 0, 1}));
    EXPECT_EQ(bilans_druzyny(2, 17), (std::array{3, 0, 3, 1, 0, 0}));
    for (int i = 0; i < 11; ++i) EXPECT_EQ(GR.meczy[i], 50);
}

TEST(DzienMeczu, TheLastRoundEndsTheSeasonAndACupRoundTakesTwoCalls) {
    prosta_liga(2, 5);
    sklad();
    DR.nr_kolejki = 33;
    std::string e = zagraj();
    EXPECT_LT(e.find(" Mecze 34 kolejki 3 ligi"), e.find("KONIEC SEZONU"));
    EXPECT_EQ(DR.sezon, 1996);
    EXPECT_EQ(DR.nr_kolejki, 0);
    EXPECT_EQ(DR.puchar, 1);
    // An even round with the user in the cup: the cup leg first, the league match next call.
    prosta_liga(2, 0);
    sklad();
    DR.puchar = 1;
    DR.rywal_pucharu = 50;
    EXPECT_TRUE(ma(zagraj(), "               K2_14 vs K2_0"));
    EXPECT_EQ(DR.mecz_pucharowy, 1);
    EXPECT_EQ(DR.nr_kolejki, 0);
    EXPECT_EQ(DR.puchar, 2);
    EXPECT_EQ(rozegranych(2, 0), 0);
    EXPECT_FALSE(ma(zagraj(), "pucharze"));
    EXPECT_EQ(DR.mecz_pucharowy, 0);
    EXPECT_EQ(DR.nr_kolejki, 1);
    EXPECT_EQ(rozegranych(2, 0), 1);
}

TEST(Puchar, ALevelSecondTieGoesToPenaltiesAndEveryLegPaysTelevision) {
    for (const bool wygrane_karne : {true, false}) {
        prosta_liga(2, 0);
        sklad(true);
        DR.puchar = 3;
        DR.rywal_pucharu = 40;
        DR.nr_kolejki = 2;
        int kasa = ST.kasa;
        podrzuc({0, 2, 0});  // away 0:2, no home bonus for the opponent
        std::string e = zagraj();
        EXPECT_TRUE(ma(e, " porazka!"));
        EXPECT_TRUE(ma(e, " wplywy z przekazu telewizyjnego : 18000"));
        EXPECT_EQ(ponad_bilans(e, kasa), 18000);
        EXPECT_EQ(DR.puchar, 4);
        zagraj();
        zagraj();
        ASSERT_EQ(DR.nr_kolejki, 4);
        // At home 3:1, the gate, one draw per goal for the scorer; penalties 2:2, then the
        // deciding pair (the opponent's first), the gate and the next opponent.
        const int rywala = wygrane_karne ? 1 : 4, twoje = wygrane_karne ? 4 : 1;
        podrzuc({3, 1, 0, 0, 0, 0, 0, 2, 2, rywala, twoje, 0, 0});
        kasa = ST.kasa;
        e = zagraj();
        EXPECT_TRUE(ma(e, "           (3)       :      (3)"));
        EXPECT_TRUE(
            ma(e, "      " + std::to_string(twoje) + "     :     " + std::to_string(rywala)));
        EXPECT_TRUE(ma(e, " 10000 kibicow chcialo kupic bilety"));
        EXPECT_EQ(ponad_bilans(e, kasa), 4 * 4 * (wygrane_karne ? 4000 : 2000));
        EXPECT_EQ(DR.puchar, wygrane_karne ? 5 : 0);
        EXPECT_EQ(DR.nr_kolejki, 4);
    }
}

TEST(Puchar, AForfeitedLegStillLeadsOnAndTheFinalPaysTheBonusFirst) {
    prosta_liga(2, 0);
    sklad(true);
    DR.puchar = 1;
    DR.rywal_pucharu = 50;
    for (int i = 5; i < gracze::miejsc; ++i) GR.gra[i] = 0;
    int kasa = ST.kasa;
    std::string e = zagraj();
    EXPECT_TRUE(ma(e, "Wystawiles tylko 5 zawodnikow."));
    EXPECT_EQ(ponad_bilans(e, kasa), 0);
    EXPECT_EQ(DR.puchar, 2);
    EXPECT_EQ(DR.dwumecz_stracone, 3);
    EXPECT_EQ(DR.mecz_pucharowy, 1);

    prosta_liga(2, 0);
    sklad(true);
    DR.puchar = 14;
    DR.rywal_pucharu = 5;
    DR.nr_kolejki = 26;
    DR.dwumecz_zdobyte = DR.dwumecz_stracone = 1;
    podrzuc({2, 0, 0, 0, 0, 0, 0});
    kasa = ST.kasa;
    e = zagraj();
    EXPECT_EQ(ponad_bilans(e, kasa), 5000000 + 14 * 14 * 4000);
    EXPECT_LT(e.find(" gratyfikacja od PZPN za Puchar: 5000000!"),
              e.find(" wplywy z przekazu telewizyjnego : 784000"));
    EXPECT_EQ(DR.puchar, 0);
}

TEST(KoniecSezonu, TheUserMovesAtEveryBoundaryAndGetsMoraleFromThePlace) {
    // With no points anywhere the table follows slot order: slot s finishes in place s + 1.
    const int przypadki[][4] = {{2, 0, 1, 100}, {2, 3, 1, 83},  {2, 4, 2, 77},  {2, 17, 2, 5},
                                {1, 0, 0, 100}, {1, 3, 0, 83},  {1, 9, 1, 50},  {1, 14, 2, 22},
                                {1, 17, 2, 5},  {0, 0, 0, 100}, {0, 13, 0, 27}, {0, 14, 1, 22},
                                {0, 17, 1, 5}};
    for (const auto& [liga, druzyna, nowa_liga, morale] : przypadki) {
        prosta_liga(liga, druzyna);
        dodaj_gracza(3, 50, 5);
        DR.nr_kolejki = 34;
        const std::string nazwa = DR.nazwa[liga][druzyna];
        skrypt s;
        s.ustaw_pilota([](const ekran&) { return klawisze::spacja; });
        koniecsezonu();
        EXPECT_EQ(DR.twojaliga, nowa_liga) << liga << " " << druzyna;
        EXPECT_EQ(ST.liga, nowa_liga);
        EXPECT_EQ(DR.nazwa[DR.twojaliga][DR.twojadruzyna], nazwa);
        EXPECT_EQ(GR.morale, morale) << liga << " " << druzyna;
    }
}

#include "shell/dzien_meczu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/sezon.h"
#include "swiat.h"

namespace {
using liczby = std::vector<int>;

// Scored, conceded, points, won, drawn, lost.
liczby tabela(int liga, int d) {
    return {DR.strzelone[liga][d],  DR.stracone[liga][d], DR.punkty[liga][d],
            DR.zwyciestwa[liga][d], DR.remisy[liga][d],   DR.porazki[liga][d]};
}

// Cup stage, round, cup leg pending, aggregate scored and conceded.
liczby puchar() {
    return {DR.puchar, DR.nr_kolejki, DR.mecz_pucharowy, DR.dwumecz_zdobyte, DR.dwumecz_stracone};
}

// Plays the next match day; the cash it brought beyond the accounts' own " Bilans ogolny",
// and every screen.
std::pair<int, std::string> zarobek() {
    const int kasa = ST.kasa;
    const std::string e = zagraj(), etykieta = " Bilans ogolny               :";
    const auto gdzie = e.rfind(etykieta);
    const int bilans =
        gdzie == std::string::npos ? 0 : std::stoi(e.substr(gdzie + etykieta.size()));
    return {ST.kasa - kasa - bilans, e};
}
}  // namespace

TEST(DzienMeczu, ALeagueMatchIsBookedAndSixPlayersGiveItAway) {
    prosta_liga(2, 0);
    sklad();
    podrzuc({2, 1, 0});  // round 0 at home to slot 17: goals 2 and 1, no home bonus
    const std::string e = zagraj();
    EXPECT_LT(e.find("                K2_0 vs K2_17"), e.find(" Mecze 1 kolejki 1 ligi"));
    EXPECT_EQ(tabela(2, 0), (liczby{2, 1, 3, 1, 0, 0}));
    EXPECT_EQ(tabela(2, 17), (liczby{1, 2, 0, 0, 0, 1}));
    for (int t = 0; t < zespoly::lig; ++t) {  // every club played the round once
        for (int d = 0; d < zespoly::druzyn; ++d) {
            EXPECT_EQ(DR.zwyciestwa[t][d] + DR.remisy[t][d] + DR.porazki[t][d], 1) << t << d;
        }
    }
    // Six players: a 0:3 walkover, no fans, nobody's match count moves.
    prosta_liga(2, 0);
    sklad();
    for (int i = 6; i < 11; ++i) GR.gra[i] = 0;
    const std::string w = zagraj();
    EXPECT_TRUE(ma(w, " Niestety oddales mecz walkowerem. Wystawiles tylko 6 zawodnikow."));
    EXPECT_FALSE(ma(w, "Wplywy z biletow"));
    EXPECT_EQ(tabela(2, 0), (liczby{0, 3, 0, 0, 0, 1}));
    EXPECT_EQ(tabela(2, 17), (liczby{3, 0, 3, 1, 0, 0}));
    EXPECT_EQ(GR.meczy[0] + GR.meczy[10], 100);
}

TEST(DzienMeczu, TheLastRoundEndsTheSeasonAndACupRoundTakesTwoCalls) {
    prosta_liga(2, 5);
    sklad();
    DR.nr_kolejki = 33;
    const std::string e = zagraj();
    EXPECT_LT(e.find(" Mecze 34 kolejki 3 ligi"), e.find("KONIEC SEZONU"));
    EXPECT_EQ((liczby{DR.sezon, DR.nr_kolejki, DR.puchar}), (liczby{1996, 0, 1}));
    // An even round with the user in the cup: the cup leg first, the league match next call.
    prosta_liga(2, 0);
    sklad();
    DR.puchar = 1;
    DR.rywal_pucharu = 50;
    EXPECT_TRUE(ma(zagraj(), "               K2_14 vs K2_0"));
    EXPECT_EQ(puchar(), (liczby{2, 0, 1, DR.dwumecz_zdobyte, DR.dwumecz_stracone}));
    EXPECT_EQ(tabela(2, 0), liczby(6, 0));
    EXPECT_FALSE(ma(zagraj(), "pucharze"));
    EXPECT_EQ(puchar(), (liczby{2, 1, 0, DR.dwumecz_zdobyte, DR.dwumecz_stracone}));
}

TEST(Puchar, LegsPayTelevisionMoneyAndALevelSecondTieGoesToPenalties) {
    for (const bool wygrane_karne : {true, false}) {
        prosta_liga(2, 0);
        sklad(true);
        DR.puchar = 3;
        DR.rywal_pucharu = 40;
        DR.nr_kolejki = 2;
        podrzuc({0, 2, 0});  // away 0:2, no home bonus for the opponent
        auto [zarobione, e] = zarobek();
        EXPECT_TRUE(ma(e, " porazka!\n") && ma(e, " wplywy z przekazu telewizyjnego : 18000"));
        EXPECT_EQ(zarobione, 18000);
        EXPECT_EQ(puchar(), (liczby{4, 2, 1, 0, 2}));
        zagraj();
        zagraj();
        // At home 3:1, the gate, one draw per goal for the scorer; penalties 2:2, then the
        // deciding pair (the opponent's first), the gate and the next opponent.
        const int rywala = wygrane_karne ? 1 : 4, twoje = wygrane_karne ? 4 : 1;
        podrzuc({3, 1, 0, 0, 0, 0, 0, 2, 2, rywala, twoje, 0, 0});
        std::tie(zarobione, e) = zarobek();
        EXPECT_TRUE(ma(e, "           (3)       :      (3)"));
        EXPECT_TRUE(
            ma(e, "      " + std::to_string(twoje) + "     :     " + std::to_string(rywala)));
        EXPECT_TRUE(ma(e, " 10000 kibicow chcialo kupic bilety"));
        EXPECT_EQ(zarobione, 4 * 4 * (wygrane_karne ? 4000 : 2000));
        EXPECT_EQ(puchar(), (liczby{wygrane_karne ? 5 : 0, 4, 1, 0, 0}));
    }
    // A forfeited leg: no television money, yet the tie goes on.
    prosta_liga(2, 0);
    sklad(true);
    DR.puchar = 1;
    DR.rywal_pucharu = 50;
    for (int i = 5; i < gracze::miejsc; ++i) GR.gra[i] = 0;
    auto [zarobione, e] = zarobek();
    EXPECT_TRUE(ma(e, "Wystawiles tylko 5 zawodnikow."));
    EXPECT_EQ(zarobione, 0);
    EXPECT_EQ(puchar(), (liczby{2, 0, 1, 0, 3}));
    // Winning the final's second leg: the bonus, then the television money of stage 14.
    DR.puchar = 14;
    DR.nr_kolejki = 26;
    DR.mecz_pucharowy = 0;
    DR.dwumecz_zdobyte = DR.dwumecz_stracone = 1;
    for (int i = 5; i < 11; ++i) GR.gra[i] = 1;
    podrzuc({2, 0, 0, 0, 0, 0, 0});
    std::tie(zarobione, e) = zarobek();
    EXPECT_EQ(zarobione, 5000000 + 14 * 14 * 4000);
    EXPECT_LT(e.find(" gratyfikacja od PZPN za Puchar: 5000000!"),
              e.find(" wplywy z przekazu telewizyjnego : 784000"));
    EXPECT_EQ(puchar(), (liczby{0, 26, 1, 3, 1}));
}

TEST(KoniecSezonu, TheUserMovesAtEveryBoundaryAndGetsMoraleFromThePlace) {
    // With no points anywhere the table follows slot order: slot s finishes in place s + 1.
    const int przypadki[][4] = {{2, 0, 1, 100}, {2, 3, 1, 83},  {2, 4, 2, 77},  {2, 17, 2, 5},
                                {1, 0, 0, 100}, {1, 3, 0, 83},  {1, 9, 1, 50},  {1, 14, 2, 22},
                                {1, 17, 2, 5},  {0, 0, 0, 100}, {0, 13, 0, 27}, {0, 14, 1, 22},
                                {0, 17, 1, 5}};
    for (const auto& [liga, druzyna, nowa_liga, morale] : przypadki) {
        prosta_liga(liga, druzyna);
        sklad();
        DR.nr_kolejki = 34;
        const std::string nazwa = DR.nazwa[liga][druzyna];
        skrypt s;
        s.ustaw_pilota([](const ekran&) { return klawisze::spacja; });
        koniecsezonu();
        EXPECT_EQ((liczby{DR.twojaliga, ST.liga, GR.morale}),
                  (liczby{nowa_liga, nowa_liga, morale}));
        EXPECT_EQ(DR.nazwa[DR.twojaliga][DR.twojadruzyna], nazwa);
    }
}

#include "shell/dzien_meczu.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "club/boisko.h"
#include "league/zespoly.h"
#include "pomoc/gra_testowa.h"
#include "shell/sezon.h"
#include "squad/gracze.h"
#include "wspolne/los.h"

namespace {
using liczby = std::vector<int>;
const std::string plik = plik_tymczasowy("dzien_meczu.txt");

// Clubs "K<tier>_<slot>" of strength 30 in 1995; the user's with a sponsor and a scout (no
// offer stops the accounts) and eleven: a goalkeeper, 4-4-2 or a sure scorer and nine defenders.
void prosta_liga(int liga, int druzyna, bool jeden_strzelec = false, int etap = 0, int rywal = 0,
                 int kolejka = 0) {
    czysta_gra();
    std::tie(DR.puchar, DR.rywal_pucharu, DR.nr_kolejki, DR.sezon, DR.twojaliga, DR.twojadruzyna) =
        std::tuple{etap, rywal, kolejka, 1995, liga, druzyna};
    std::fill_n(&DR.sila[0][0], zespoly::lig * zespoly::druzyn, 30);
    for (int t = 0; t < zespoly::lig; ++t)
        for (int s = 0; s < zespoly::druzyn; ++s)
            std::snprintf(DR.nazwa[t][s], sizeof DR.nazwa[t][s], "K%d_%d", t, s);
    std::ofstream(plik) << "1000000 5000 0 0 5000 Sponsor 10 0 " << liga << " 100 2 500 1\n";
    ASSERT_TRUE(ST.load(plik.c_str()));
    std::ofstream sklad(plik);
    sklad << "60 0\n" << (jeden_strzelec ? "N 80 20 25 50 0 80 3 1\n" : "");
    for (const char p : std::string(jeden_strzelec ? "0111111111" : "01111222233"))
        sklad << "G 60 20 25 50 0 " << liczby{0, 0, 8, 10}[p - '0'] << " " << p << " 1\n";
    sklad.close();
    ASSERT_TRUE(GR.load(plik.c_str()));
}

// Scored, conceded, points, won, drawn, lost.
liczby tabela(int liga, int d) {
    return {DR.strzelone[liga][d],  DR.stracone[liga][d], DR.punkty[liga][d],
            DR.zwyciestwa[liga][d], DR.remisy[liga][d],   DR.porazki[liga][d]};
}

// Cup stage, round, cup leg played this round, the tie's aggregate.
liczby puchar() {
    return {DR.puchar, DR.nr_kolejki, DR.mecz_pucharowy, DR.dwumecz_zdobyte, DR.dwumecz_stracone};
}

// Plays the next match day: the cash it brought beyond the accounts' own balance, the screens.
std::pair<int, std::string> zarobek() {
    const int kasa = ST.kasa;
    const std::string e = zagraj(nastepnymecz), etykieta = " Bilans ogolny               :";
    const int bilans = ma(e, etykieta) ? std::stoi(e.substr(e.rfind(etykieta) + 30)) : 0;
    return {ST.kasa - kasa - bilans, e};
}

}  // namespace

TEST(DzienMeczu, AHomeLeagueMatchIsShownBeforeTheRoundAndBookedInTheTable) {
    prosta_liga(2, 0);
    podrzuc({2, 1, 0});  // round 0 at home to slot 17: goals 2 and 1, no home bonus
    const std::string e = zagraj(nastepnymecz);
    EXPECT_TRUE(po_kolei(e, {"                K2_0 vs K2_17", " Mecze 1 kolejki 1 ligi"})) << e;
    EXPECT_EQ(tabela(2, 0), (liczby{2, 1, 3, 1, 0, 0}));
    EXPECT_EQ(tabela(2, 17), (liczby{1, 2, 0, 0, 0, 1}));
}

TEST(DzienMeczu, FewerThanSevenPlayersLoseByWalkoverAndSellNoTickets) {
    prosta_liga(2, 0);
    for (int i = 6; i < 11; ++i) GR.gra[i] = 0;
    const std::string w = zagraj(nastepnymecz);
    EXPECT_TRUE(ma(w, " Niestety oddales mecz walkowerem. Wystawiles tylko 6 zawodnikow."));
    EXPECT_FALSE(ma(w, "Wplywy z biletow"));
    EXPECT_EQ(tabela(2, 0), (liczby{0, 3, 0, 0, 0, 1}));
    EXPECT_EQ(tabela(2, 17), (liczby{3, 0, 3, 1, 0, 0}));
}

TEST(DzienMeczu, TheLastRoundEndsTheSeasonAfterTheRoundsMatches) {
    prosta_liga(2, 5, false, 0, 0, zespoly::ostatnia_kolejka);
    const std::string koniec = zagraj(nastepnymecz);
    EXPECT_TRUE(po_kolei(koniec, {" Mecze 34 kolejki 3 ligi", "KONIEC SEZONU"})) << koniec;
    EXPECT_EQ((liczby{DR.sezon, DR.nr_kolejki, DR.puchar}), (liczby{1996, 0, 1}));
}

TEST(DzienMeczu, InAnEvenRoundTheCupLegComesFirstAndTheLeagueMatchNext) {
    prosta_liga(2, 0, false, 1, 50);
    podrzuc({0, 2, 0});  // away 0:2, no home bonus for the opponent
    EXPECT_TRUE(ma(zagraj(nastepnymecz), "               K2_14 vs K2_0"));
    EXPECT_EQ(puchar(), (liczby{2, 0, 1, 0, 2}));
    EXPECT_EQ(tabela(2, 0), liczby(6, 0));
    EXPECT_FALSE(ma(zagraj(nastepnymecz), "pucharze"));
    EXPECT_EQ(puchar(), (liczby{2, 1, 0, 0, 2})) << "the league match leaves the tie alone";
}

TEST(KoniecSezonuGry, TheUserMovesAtEveryBoundaryAndTakesMoraleFromThePlace) {
    // With no points anywhere the table follows slot order: slot s finishes in place s + 1.
    struct przypadek {
        int liga, druzyna, nowa_liga, morale;
    };
    const przypadek przypadki[] = {{2, 0, 1, 100}, {2, 3, 1, 83},  {2, 4, 2, 77},  {2, 17, 2, 5},
                                   {1, 0, 0, 100}, {1, 3, 0, 83},  {1, 9, 1, 50},  {1, 14, 2, 22},
                                   {1, 17, 2, 5},  {0, 0, 0, 100}, {0, 13, 0, 27}, {0, 14, 1, 22},
                                   {0, 17, 1, 5}};
    for (const przypadek& p : przypadki) {
        SCOPED_TRACE(testing::Message() << "tier " << p.liga << ", place " << p.druzyna + 1);
        prosta_liga(p.liga, p.druzyna, false, 0, 0, zespoly::ostatnia_kolejka + 1);
        const std::string nazwa = DR.nazwa[p.liga][p.druzyna];
        zagraj(koniecsezonu);
        EXPECT_EQ((liczby{DR.twojaliga, ST.liga, GR.morale}),
                  (liczby{p.nowa_liga, p.nowa_liga, p.morale}));
        EXPECT_EQ(DR.nazwa[DR.twojaliga][DR.twojadruzyna], nazwa);
    }
}

TEST(Puchar, ALevelSecondLegGoesToPenaltiesAndEveryLegPaysTelevisionMoney) {
    for (const bool wygrane_karne : {true, false}) {
        SCOPED_TRACE(wygrane_karne ? "penalties won" : "penalties lost");
        prosta_liga(2, 0, true, 3, 40, 2);
        podrzuc({0, 2, 0});  // away 0:2, no home bonus for the opponent
        auto [zarobione, e] = zarobek();
        EXPECT_TRUE(ma(e, " porazka!\n") && ma(e, " wplywy z przekazu telewizyjnego : 18000"));
        EXPECT_EQ(std::pair(zarobione, puchar()), std::pair(18000, liczby{4, 2, 1, 0, 2}));
        for (int i = 0; i < 2; ++i) zagraj(nastepnymecz);
        // At home 3:1, the gate, one draw per goal for the scorer; penalties 2:2, then the
        // deciding pair (the opponent's first), the gate and the next opponent.
        podrzuc({3, 1, 0, 0, 0, 0, 0, 2, 2, wygrane_karne ? 1 : 4, wygrane_karne ? 4 : 1, 0, 0});
        std::tie(zarobione, e) = zarobek();
        const char* karne = wygrane_karne ? "      4     :     1" : "      1     :     4";
        EXPECT_TRUE(ma(e, karne) && ma(e, " 10000 kibicow chcialo kupic bilety"));
        EXPECT_EQ(
            std::pair(zarobione, puchar()),
            std::pair(wygrane_karne ? 64000 : 32000, liczby{wygrane_karne ? 5 : 0, 4, 1, 0, 0}));
    }
}

TEST(Puchar, AForfeitedLegPaysNoTelevisionMoneyYetTheTieGoesOn) {
    prosta_liga(2, 0, true, 1, 50);
    for (int i = 5; i < 11; ++i) GR.gra[i] = 0;
    auto [zarobione, e] = zarobek();
    EXPECT_TRUE(ma(e, "Wystawiles tylko 5 zawodnikow."));
    EXPECT_EQ(std::pair(zarobione, puchar()), std::pair(0, liczby{2, 0, 1, 0, 3}));
}

TEST(Puchar, WinningTheFinalPaysTheBonusBeforeTheTelevisionMoney) {
    prosta_liga(2, 0, true, zespoly::final_rewanz, 5, 26);
    DR.dwumecz_zdobyte = DR.dwumecz_stracone = 1;
    podrzuc({2, 0, 0, 0, 0, 0, 0});
    auto [zarobione, e] = zarobek();
    EXPECT_TRUE(po_kolei(e, {" gratyfikacja od PZPN za Puchar: 5000000!",
                             " wplywy z przekazu telewizyjnego : 784000"}))
        << e;
    EXPECT_EQ(std::pair(zarobione, puchar()), std::pair(5784000, liczby{0, 26, 1, 3, 1}));
}

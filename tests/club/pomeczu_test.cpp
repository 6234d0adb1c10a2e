#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "club/klub_testowy.h"
#include "wspolne/los.h"

namespace {
bool ma(const po_meczu& p, const std::string& tekst) {
    return p.ekran.find(tekst) != std::string::npos;
}
// 10000 seats cost 13826.14 a match in upkeep: shown truncated, charged one more.
constexpr int upkeep = 13827;
}  // namespace

TEST(Rozliczenie, HomeLeagueWinPaysEveryItemLineByLine) {
    klub_testowy();
    int morale = 60;
    const auto p = rozlicz(2500, 0, morale);
    const int bilans = 2500 * 6 - upkeep + 20000 - 1000 + (4 * 2500 - 3 * 2000) - 18 * 200 - 2 * 60;
    EXPECT_EQ(p.ekran,
              " P O    M E C Z U\n\n"
              " Na stadion o pojemnosci 10000 wpuszczono 2500 kibicow\n\n"
              " Wplywy z biletow  2500 *  6 :15000 zl\n"
              " Koszty utrzymania stadionu  :13826\n"
              " Wplywy od         Sponsorex :20000\n"
              " Koszty lowcy talentow       :1000\n"
              "  3 budek hod-dog przynioslo :10000 zysku\n"
              " Koszty utrzymania budek     :6000\n"
              " Koszty utrzymania druzyny   :3600\n"
              " Koszty utrzymania policji   :120\n\n"
              " Bilans ogolny               :" +
                  std::to_string(bilans));
    EXPECT_EQ(p.klawiszy, 6);
    EXPECT_EQ(ST.kasa, 100000 + bilans);
    EXPECT_EQ(morale, 65);
}

TEST(Rozliczenie, AwayMatchesCupLegsAndWalkoversPayOnlyWhatConcernsThem) {
    klub_testowy();
    int morale = 60;
    auto p = rozlicz(0, 1, morale);
    EXPECT_FALSE(ma(p, "biletow") || ma(p, "budek") || ma(p, "policji"));
    EXPECT_EQ(ST.kasa, 100000 - upkeep + 20000 - 1000 - 3600);
    EXPECT_EQ(p.klawiszy, 4);

    klub_testowy();
    ST.dlug = 10000;
    ST.dni_dlugu = 20;
    p = rozlicz(0, 1, morale, 0, 1);
    EXPECT_FALSE(ma(p, "stadionu") || ma(p, "Odsetki") || ma(p, "zadluzeniu"));
    EXPECT_EQ(ST.kasa, 100000 + 20000 - 1000 - 3600);
    EXPECT_EQ(ST.dlug, 10000);
    EXPECT_EQ(ST.dni_dlugu, 20);

    klub_testowy();
    ST.dlug = 10000;
    ST.dni_dlugu = 5;
    p = rozlicz(2500, 0, morale, 0, 1);
    EXPECT_TRUE(ma(p, "biletow") && ma(p, "stadionu") && ma(p, "budek") && ma(p, "policji"));
    EXPECT_FALSE(ma(p, "Odsetki"));
    EXPECT_EQ(ST.dni_dlugu, 5);

    klub_testowy();
    ST.dlug = 10000;
    morale = 60;
    podrzuc({0});
    p = rozlicz(0, 2, morale, 1);
    EXPECT_TRUE(ma(p, "stadionu") && ma(p, "lowcy") && ma(p, "druzyny") && ma(p, "Odsetki"));
    EXPECT_FALSE(ma(p, "Sponsorex") || ma(p, "biletow") || ma(p, "Policja"));
    EXPECT_EQ(ST.kasa, 100000 - upkeep - 1000 - 3600 - 50);
    EXPECT_EQ(morale, 60 - (60 / 12 + 2));
    EXPECT_EQ(podrzuconych(), 1u);
}

TEST(Rozliczenie, OverDemandFillsTheStadiumAndAStandServesAtMostAThousandFans) {
    klub_testowy();
    ST.budki = 11;
    int morale = 60;
    auto p = rozlicz(12000, 0, morale);
    EXPECT_TRUE(ma(p,
                   " 12000 kibicow chcialo kupic bilety, to wiecej niz jest krzeselek!\n"
                   " Na stadion o pojemnosci 10000 wpuszczono 10000 kibicow\n\n"
                   " Wplywy z biletow 10000 *  6 :60000 zl\n"));
    EXPECT_TRUE(ma(p, " 11 budek hod-dog przynioslo :40000 zysku"));

    for (auto [kibice, zysk] : {std::pair{2500, 10000}, {5000, 12000}}) {
        klub_testowy();
        ST.poziom_ceny = 0;
        p = rozlicz(kibice, 0, morale);
        EXPECT_TRUE(ma(p, " *  0 :0 zl\n"));
        EXPECT_TRUE(ma(p, "  3 budek hod-dog przynioslo :" + std::to_string(zysk) + " zysku"));
    }
}

TEST(Rozliczenie, InterestRunsTheLoanClockOnlyInTheLeague) {
    struct przypadek {
        int dlug, dni, odsetki, dni_po, morale_po;
    };
    for (auto [dlug, dni, odsetki, dni_po, morale_po] : {przypadek{10000, 0, 50, 1, 57},
                                                         {199, 5, 0, 6, 57},
                                                         {10000, 20, 50, 20, 54},
                                                         {0, 12, 0, 0, 57}}) {
        klub_testowy();
        ST.dlug = dlug;
        ST.dni_dlugu = dni;
        int morale = 60;
        const auto p = rozlicz(0, 1, morale);
        EXPECT_EQ(ma(p, " Odsetki od dlugu            :" + std::to_string(odsetki)), dlug > 0);
        EXPECT_EQ(ma(p, "\n Druzyna slyszy o zadluzeniu klubu. Morale druzyny spada!\n"),
                  dni == 20);
        EXPECT_EQ(ST.kasa, 100000 - upkeep + 20000 - 1000 - 3600 - odsetki);
        EXPECT_EQ(ST.dlug, dlug + odsetki);
        EXPECT_EQ(ST.dni_dlugu, dni_po);
        EXPECT_EQ(morale, morale_po);
    }
}

TEST(Rozliczenie, AHomeDefeatRiotsWhenTheDrawBeatsThePolice) {
    klub_testowy();
    int morale = 60;
    podrzuc({100});
    EXPECT_FALSE(ma(rozlicz(2500, 2, morale), "Policja nie"));
    EXPECT_EQ(ST.pojemnosc, 10000);

    klub_testowy();
    podrzuc({101, 0, 1001 + 333});
    auto p = rozlicz(2500, 2, morale);
    EXPECT_TRUE(ma(p,
                   "\n Policja nie utrzymala porzadku na stadionie rozwscieczeni pseudofani "
                   "zniszczyli\n 333 krzeselek!\n"));
    EXPECT_EQ(ST.pojemnosc, 10000 - 333);

    klub_testowy();
    ST.policja = 0;
    ST.budki = 25;
    podrzuc({1, 1, 5});
    p = rozlicz(2500, 2, morale);
    EXPECT_TRUE(ma(p, " 2 budek!"));
    EXPECT_EQ(ST.budki, 23);

    klub_testowy();
    ST.policja = 0;
    podrzuc({0, 7});
    rozlicz(2500, 2, morale);
    rozlicz(2500, 0, morale);
    EXPECT_EQ(podrzuconych(), 1u);
}

TEST(Rozliczenie, MoraleFollowsTheResultTheWageAndTheCash) {
    struct przypadek {
        int rezultat, morale, placa, kasa, wynik;
    };
    for (auto [rezultat, przed, placa, kasa, wynik] : {przypadek{1, 49, 200, 0, 52},
                                                       {1, 50, 200, 0, 47},
                                                       {2, 100, 200, 0, 90},
                                                       {2, 0, 200, 0, 0},
                                                       {0, 98, 200, 0, 100},
                                                       {2, 0, 760, 50000, 6},
                                                       {0, 50, 50, 0, 51},
                                                       {0, 60, 200, -50000, 60},
                                                       {0, 5, 200, -50000, 10}}) {
        klub_testowy();
        ST.placa = placa;
        ST.kasa = kasa;
        int morale = przed;
        const auto p = rozlicz(0, rezultat, morale);
        EXPECT_EQ(morale, wynik) << rezultat << " " << przed << " " << placa;
        EXPECT_EQ(ma(p, " Nie stac cie na utrzymanie druzyny, morale druzyny spada!"), kasa < 0);
        EXPECT_EQ(p.klawiszy, kasa < 0 ? 5 : 4);
    }
}

TEST(Rozliczenie, WithoutSponsorOrScoutBothOffersComeAfterTheUpkeepBeforeTheWages) {
    klub_testowy();
    ST.kwota_sponsora = 0;
    ST.koszt_lowcy = 0;
    ST.propozycje_lowcy = 0;
    std::strcpy(ST.sponsorzy[4], "Kruszbud");
    podrzuc({4, 100, 1, 10});
    skrypt s{' ', klawisze::gora, ' ', ' ', ' '};
    int morale = 60;
    ST.pomeczu(0, 0, 18, &morale, 2, 0, 0);
    const std::string e = s.migawki().back().tekst();
    const auto upkeep_at = e.find("stadionu"), sponsor_at = e.find(" Kruszbud oferuje kontrakt"),
               scout_at = e.find(" Lowca talentow oferuje 2 propozycji"),
               wages_at = e.find("druzyny");
    EXPECT_LT(upkeep_at, sponsor_at);
    EXPECT_LT(sponsor_at, scout_at);
    EXPECT_LT(scout_at, wages_at);
    EXPECT_NE(wages_at, std::string::npos);
    EXPECT_EQ(ST.kwota_sponsora, 3000 + 10 * 100);
    EXPECT_EQ(ST.koszt_lowcy, 0);
    EXPECT_EQ(ST.kasa, 100000 - upkeep - 3600);
    EXPECT_EQ(s.pozostalo(), 0u);
}

TEST(Rozliczenie, StandsTheCashCannotKeepAreClosedAfterTheirUpkeepIsCharged) {
    // 1000 seats cost 560; the sponsor pays 20000, the scout takes 50000, 1000 fans at five
    // stands bring 4000.
    for (auto [kasa_przy_budkach, zostaje] : {std::pair{10000, 5}, {9999, 4}, {7000, 3}, {-5, 0}}) {
        klub_testowy();
        ST.pojemnosc = 1000;
        ST.budki = 5;
        ST.poziom_ceny = 0;
        ST.koszt_lowcy = 50000;
        ST.kasa = kasa_przy_budkach - (-560 + 20000 - 50000 + 4000);
        int morale = 60;
        const auto p = rozlicz(1000, 0, morale);
        EXPECT_EQ(ma(p, " Zamknieto kilka budek z powodu braku utrzymania.\n"), zostaje < 5);
        EXPECT_EQ(ST.budki, zostaje);
        EXPECT_EQ(ST.kasa, kasa_przy_budkach - 5 * 2000 - 3600 - 120);
    }
}

TEST(Rozliczenie, CashSaturatesAtTheLimitsInsteadOfWrappingAround) {
    klub_testowy();
    ST.kasa = INT_MAX - 1000;
    int morale = 60;
    rozlicz(0, 0, morale);
    EXPECT_EQ(ST.kasa, INT_MAX - 1000 - 3600);

    klub_testowy();
    ST.kasa = INT_MIN + 1000;
    ST.placa = INT_MAX;
    const auto p = rozlicz(0, 0, morale);
    EXPECT_TRUE(ma(p, " Koszty utrzymania druzyny   :2147483647\n"));
    EXPECT_EQ(ST.kasa, INT_MIN);
}

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

TEST(Rozliczenie, EachKindOfMatchPaysOnlyTheItemsThatConcernIt) {
    // A club in debt wins each kind of match; the letters name the items it pays or earns.
    const std::pair<const char*, int> pozycje[] = {
        {"biletow", 2500 * 6},   {"stadionu", -upkeep}, {"Sponsorex", 20000}, {"lowcy", -1000},
        {"budek", 10000 - 6000}, {"druzyny", -3600},    {"policji", -120},    {"Odsetki", -50}};
    struct przypadek {
        int kibice, walkower, pucharowy;
        std::string placi;
    };
    for (const auto& [kibice, walkower, pucharowy, placi] : {przypadek{2500, 0, 0, "TUSLBWPO"},
                                                             {0, 0, 0, "USLWO"},
                                                             {2500, 0, 1, "TUSLBWP"},
                                                             {0, 0, 1, "SLW"},
                                                             {0, 1, 0, "ULWO"},
                                                             {2500, 1, 1, "ULBW"}}) {
        klub_testowy();
        ST.dlug = 10000;
        int morale = 60;
        const auto p = rozlicz(kibice, 0, morale, walkower, pucharowy);
        int zmiana = 0;
        for (std::size_t i = 0; i < std::size(pozycje); ++i) {
            const bool jest = placi.find("TUSLBWPO"[i]) != std::string::npos;
            EXPECT_EQ(ma(p, pozycje[i].first), jest) << placi << " " << pozycje[i].first;
            if (jest) zmiana += pozycje[i].second;
        }
        EXPECT_EQ(ST.kasa, 100000 + zmiana) << placi;
        EXPECT_EQ(ST.dni_dlugu, pucharowy ? 0 : 1) << placi;
        EXPECT_EQ(morale, 65);
    }
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
    struct przypadek {
        int policja, budki;
        std::initializer_list<int> losy;
        const char* zniszczone;
        int pojemnosc, budki_po;
    };
    for (const auto& [policja, budki, losy, zniszczone, pojemnosc, budki_po] :
         {przypadek{2, 3, {100}, "", 10000, 3},
          {2, 3, {101, 0, 1001 + 333}, " 333 krzeselek!\n", 10000 - 333, 3},
          {0, 25, {1, 1, 5}, " 2 budek!\n", 10000, 23},
          {0, 3, {0}, "", 10000, 3}}) {
        klub_testowy();
        ST.policja = policja;
        ST.budki = budki;
        podrzuc(losy);
        int morale = 60;
        const auto p = rozlicz(2500, 2, morale);
        EXPECT_EQ(ma(p,
                     "\n Policja nie utrzymala porzadku na stadionie rozwscieczeni pseudofani "
                     "zniszczyli\n" +
                         std::string(zniszczone)),
                  *zniszczone != '\0');
        EXPECT_EQ(ST.pojemnosc, pojemnosc);
        EXPECT_EQ(ST.budki, budki_po);
        EXPECT_EQ(podrzuconych(), 0u);
    }
    // No draw at all after a win, a forfeit or an away defeat.
    podrzuc({7});
    int morale = 60;
    rozlicz(2500, 0, morale);
    rozlicz(2500, 2, morale, 1, 1);
    rozlicz(0, 2, morale);
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

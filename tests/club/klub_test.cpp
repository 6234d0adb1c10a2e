#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "club/boisko.h"
#include "pomoc/gra_testowa.h"
#include "terminal/klawisze.h"
#include "terminal/konsola.h"
#include "terminal/skrypt.h"
#include "wspolne/los.h"
#include "wspolne/rezultat.h"

namespace {
using liczby = std::vector<int>;
using namespace klawisze;
const std::string plik = plik_tymczasowy("klub.txt");

// A third-tier club: 10000 seats, a sponsor (20000), a scout (1000 for one offer), two
// officers, three stands, a wage of 200 ("skromne": no effect on morale), tickets at 6 zl.
std::string klub(int kasa = 100000, int dlug = 0, int dni = 0, int policja = 2, int budki = 3,
                 int placa = 200, int liga = 2) {
    char s[100];
    std::snprintf(s, sizeof s, "%d\n10000\n%d\n%d\n20000\nSponsorex\n%d\n%d\n%d\n%d\n2\n1000\n1\n",
                  kasa, dlug, dni, policja, budki, liga, placa);
    return s;
}

void klub_testowy(const std::string& tresc = klub()) {
    czysta_gra();
    std::ofstream(plik) << tresc;
    ASSERT_TRUE(ST.load(plik.c_str()));
}

// Runs a screen of the club on the keys, then on spaces; the status at the key after them.
std::string stan_po(auto&& uruchom, const liczby& klucze) {
    skrypt s;
    for (int k : klucze) s.dodaj({k});
    s.ustaw_pilota([](const ekran&) { return spacja; });
    uruchom();
    return s.migawki().at(klucze.size()).stan;
}

// Runs a screen of the club on the keys, then on spaces; the screen it leaves.
std::string ekran_po(auto&& uruchom, const liczby& klucze = {}) {
    skrypt s;
    for (int k : klucze) s.dodaj({k});
    s.ustaw_pilota([](const ekran&) { return spacja; });
    uruchom();
    return biezacy_ekran().tekst();
}

// The accounts of one match of 18 players in tier 2; the morale after it ends the text.
std::string rozlicz(int kibice, int rezultat, int morale = 60, int walkower = 0, int puchar = 0) {
    auto s = ekran_po([&] { ST.pomeczu(kibice, rezultat, 18, &morale, 2, walkower, puchar); });
    return s + "\nmorale " + std::to_string(morale);
}
}  // namespace

TEST(Rozliczenie, FansWalkoverAndCupDecideWhichItemsAreSettled) {
    struct pozycja {
        char litera;
        const char* tekst;
        int kwota;
    };
    // Upkeep 13826.14 shows truncated and costs one more.
    const pozycja pozycje[] = {
        {'T', " 2500 *  6 :15000 zl", 15000},   {'U', "stadionu  :13826\n", -13827},
        {'S', "Sponsorex :20000", 20000},       {'L', "lowcy talentow       :1000", -1000},
        {'B', "przynioslo :10000 zysku", 4000}, {'W', "druzyny   :3600", -3600},
        {'P', "policji   :120", -120},          {'O', "Odsetki od dlugu            :50", -50}};
    struct mecz {
        const char* nazwa;
        int kibice = 0, walkower = 0, puchar = 0;
        const char* placi;  // the letters of the items settled
    };
    const mecz mecze[] = {
        {.nazwa = "home league match", .kibice = 2500, .placi = "TUSLBWPO"},
        {.nazwa = "league match without fans", .placi = "USLWO"},
        {.nazwa = "home cup leg", .kibice = 2500, .puchar = 1, .placi = "TUSLBWP"},
        {.nazwa = "away cup leg", .puchar = 1, .placi = "SLW"},
        {.nazwa = "league walkover", .walkower = 1, .placi = "ULWO"},
        {.nazwa = "cup walkover", .kibice = 2500, .walkower = 1, .puchar = 1, .placi = "ULBW"}};
    for (const mecz& m : mecze) {
        SCOPED_TRACE(m.nazwa);
        klub_testowy(klub(100000, 10000));
        int zmiana = 0;
        const std::string ekran = rozlicz(m.kibice, rezultat::wygrana, 60, m.walkower, m.puchar);
        for (const pozycja& p : pozycje) {
            const bool placi = std::strchr(m.placi, p.litera) != nullptr;
            EXPECT_EQ(ekran.find(p.tekst) != std::string::npos, placi) << p.tekst;
            zmiana += placi ? p.kwota : 0;
        }
        EXPECT_EQ(ST.kasa, 100000 + zmiana);
        EXPECT_EQ(ST.dni_dlugu, m.puchar ? 0 : 1) << "cup legs run no loan clock";
    }
}

TEST(Rozliczenie, OverDemandFillsTheStadiumAndAStandServesAThousandFans) {
    klub_testowy();
    ST.budki = 11;
    const std::string ekran = rozlicz(12000, rezultat::wygrana);
    EXPECT_TRUE(ma(ekran, " 10000 *  6 :60000 zl\n")) << ekran;
    EXPECT_TRUE(ma(ekran, " 11 budek hod-dog przynioslo :40000")) << ekran;
}

TEST(Rozliczenie, MoraleFollowsTheResultAndTheWageAndFallsWhenWagesCannotBePaid) {
    struct przypadek {
        const char* nazwa;
        int rezultat, przed, placa, kasa, po;
    };
    using namespace rezultat;
    const przypadek przypadki[] = {{"draw below 50 lifts", remis, 49, 200, 0, 52},
                                   {"draw from 50 lowers", remis, 50, 200, 0, 47},
                                   {"defeat", porazka, 100, 200, 0, 90},
                                   {"defeat stops at 0", porazka, 0, 200, 0, 0},
                                   {"win stops at 100", wygrana, 98, 200, 0, 100},
                                   {"top wage adds 6", porazka, 0, 760, 50000, 6},
                                   {"lowest wage takes 4", wygrana, 50, 50, 0, 51},
                                   {"unpaid wages take 5", wygrana, 5, 200, -50000, 10}};
    for (const przypadek& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        klub_testowy(klub(p.kasa, 0, 0, 2, 3, p.placa));
        const std::string ekran = rozlicz(0, p.rezultat, p.przed);
        EXPECT_TRUE(ekran.ends_with("\nmorale " + std::to_string(p.po))) << ekran;
        EXPECT_EQ(ma(ekran, " Nie stac cie na utrzymanie druzyny, morale"), p.kasa < 0);
        EXPECT_FALSE(ma(ekran, "slyszy o zadluzeniu"));
        EXPECT_EQ((liczby{ST.dlug, ST.dni_dlugu}), (liczby{0, 0}));
    }
}

TEST(Rozliczenie, TheLoanClockCountsLeagueMatchesInDebtUpToTwenty) {
    struct przypadek {
        const char* nazwa;
        int dlug, dni, morale, dni_po, odsetki;
    };
    const przypadek przypadki[] = {{"debt starts the clock", 10000, 0, 57, 1, 50},
                                   {"a debt under 200 pays no interest", 199, 5, 57, 6, 0},
                                   {"stops at 20 and morale falls", 10000, 20, 54, 20, 50},
                                   {"no debt sets the clock back", 0, 12, 57, 0, 0}};
    for (const przypadek& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        klub_testowy(klub(0, p.dlug, p.dni));
        const std::string ekran = rozlicz(0, rezultat::remis);
        EXPECT_TRUE(ekran.ends_with("\nmorale " + std::to_string(p.morale))) << ekran;
        EXPECT_EQ(ma(ekran, " Druzyna slyszy o zadluzeniu klubu. Morale"), p.dni == 20);
        EXPECT_EQ((liczby{ST.dlug, ST.dni_dlugu}), (liczby{p.dlug + p.odsetki, p.dni_po}));
    }
}

TEST(Rozliczenie, FansRiotAfterAHomeDefeatWhenThePoliceAreTooFew) {
    struct przypadek {
        const char* nazwa;
        int kibice = 2500, walkower = 0, policja = 0, budki = 3;
        liczby losy = {1, 1, 5};  // the riot, seats or stands, how many
        int losowan, miejsca = 10000, budki_po = 3;
    };
    const przypadek przypadki[] = {
        {.nazwa = "two officers hold 100", .policja = 2, .losy = {100, 0, 0}, .losowan = 1},
        {.nazwa = "101 too many",
         .policja = 2,
         .losy = {101, 0, 1334},
         .losowan = 3,
         .miejsca = 9667},
        {.nazwa = "no police: stands", .budki = 25, .losowan = 3, .budki_po = 23},
        {.nazwa = "a draw of 0 stays calm", .losy = {0, 0, 0}, .losowan = 1},
        {.nazwa = "no fans, no riot", .kibice = 0, .losowan = 0},
        {.nazwa = "no riot at a walkover", .walkower = 1, .losowan = 0}};
    for (const przypadek& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        klub_testowy(klub(100000, 0, 0, p.policja, p.budki));
        podrzuc(p.losy);
        const std::string ekran = rozlicz(p.kibice, rezultat::porazka, 60, p.walkower);
        EXPECT_EQ(ma(ekran, "pseudofani zniszczyli\n"), p.losowan == 3);
        EXPECT_EQ((liczby{ST.pojemnosc, ST.budki}), (liczby{p.miejsca, p.budki_po}));
        EXPECT_EQ(podrzuconych(), 3u - p.losowan) << "draws taken";
    }
}

TEST(Rozliczenie, OffersComeAfterTheStadiumUpkeepAndBeforeTheWages) {
    klub_testowy("100000\n10000\n0\n0\n0\nS\n2\n3\n2\n200\n2\n0\n0\n");
    std::strcpy(ST.sponsorzy[4], "Kruszbud");
    podrzuc({4, 100, 1, 10});
    int morale = 60;
    const auto ekran =
        ekran_po([&] { ST.pomeczu(0, rezultat::wygrana, 18, &morale, 2, 0, 0); }, {spacja, gora});
    EXPECT_TRUE(po_kolei(ekran, {"stadionu", " Kruszbud oferuje kontrakt",
                                 " Lowca talentow oferuje 2 propozycji", "druzyny"}))
        << ekran;
    EXPECT_EQ((liczby{ST.kasa, ST.kwota_sponsora}), (liczby{100000 - 13827 - 3600, 4000}));
}

TEST(Rozliczenie, StandsTheCashCannotKeepAreClosedAfterTheirUpkeep) {
    // 1000 seats cost 560, the sponsor pays 20000, the scout takes 50000, 1000 fans at five
    // stands bring 4000; the stands' upkeep is 10000.
    for (auto [kasa, zostaje] : {std::pair{10000, 5}, {9999, 4}, {7000, 3}, {-5, 0}}) {
        SCOPED_TRACE("cash before the stands " + std::to_string(kasa));
        klub_testowy(std::to_string(kasa + 26560) +
                     "\n1000\n0\n0\n20000\nS\n2\n5\n2\n200\n0\n50000\n1\n");
        EXPECT_EQ(ma(rozlicz(1000, rezultat::wygrana), " Zamknieto kilka budek"), zostaje < 5);
        EXPECT_EQ((liczby{ST.budki, ST.kasa}), (liczby{zostaje, kasa - 10000 - 3720}));
    }
}

TEST(Rozliczenie, CashStopsAtTheLowestIntInsteadOfWrapping) {
    klub_testowy(klub(INT_MIN + 1000, 0, 0, 2, 3, INT_MAX));  // 18 wages at the highest wage
    rozlicz(0, rezultat::wygrana);
    EXPECT_EQ(ST.kasa, INT_MIN);
}

TEST(Stadion, ArrowsChangeTheMarkedRowWithinItsLimitsAndTheCash) {
    struct przypadek {
        const char* nazwa;
        int wiersz, przed, kasa, klawisz, po, kasa_po;
    };
    int boisko::*const pola[] = {&boisko::pojemnosc, &boisko::budki, &boisko::placa};
    const przypadek przypadki[] = {
        {"seats cost more than the cash", 0, 10000, 15000, lewo, 10000, 15000},
        {"50 seats for 15000", 0, 10000, 15001, lewo, 10050, 1},
        {"50 seats sold back for half", 0, 10050, 1, prawo, 10000, 7501},
        {"a stand costs more than the cash", 2, 0, 50000, lewo, 0, 50000},
        {"a stand for 50000", 2, 0, 50001, lewo, 1, 1},
        {"the wage falls while above 50", 4, 75, 0, prawo, 25, 0},
        {"the wage saturates", 4, INT_MAX - 10, 0, lewo, INT_MAX, 0}};
    for (const przypadek& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        klub_testowy(klub(p.kasa));
        ST.*pola[p.wiersz / 2] = p.przed;
        liczby klucze;
        for (int i = 0; i < p.wiersz; ++i) klucze.insert(klucze.end(), {strzalka, dol});
        klucze.push_back(p.klawisz);
        ekran_po([] { ST.stadion(); }, klucze);
        EXPECT_EQ((liczby{ST.*pola[p.wiersz / 2], ST.kasa}), (liczby{p.po, p.kasa_po}));
    }
}

TEST(Bank, TheLoanClockDecidesWhenToLendAndToRepayWithinTheRanges) {
    struct przypadek {
        const char* nazwa;
        int dni, dlug, kasa;
        liczby klucze;
        int dlug_po, kasa_po;
    };
    const liczby splac_pozycz = {prawo, enter, dol, enter}, pozycz_dwa = {prawo, dol, enter, enter};
    const liczby splac_30000 = {prawo, prawo, prawo, enter};
    const przypadek przypadki[] = {
        {"no repaying before 10", 0, 50000, 50000, splac_pozycz, 60000, 60000},
        {"lends up to 19", 9, 50000, 50000, splac_pozycz, 60000, 60000},
        {"repays and lends from 10", 10, 50000, 50000, splac_pozycz, 50000, 50000},
        {"only repays at 20", 20, 50000, 50000, splac_pozycz, 40000, 40000},
        {"repays no more than the cash", 12, 25000, 12000, splac_30000, 13000, 0},
        {"repays nothing from negative cash", 12, 25000, -500, splac_30000, 25000, -500},
        {"the amount stays at 0 or above",
         0,
         0,
         1000,
         {lewo, prawo, prawo, lewo, dol, enter, enter},
         20000,
         21000},
        {"lends what the cash can take", 0, 0, INT_MAX - 5000, pozycz_dwa, 5000, INT_MAX},
        {"lends what the debt can take", 0, INT_MAX - 3000, 0, pozycz_dwa, INT_MAX, 3000}};
    for (const przypadek& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        klub_testowy(klub(p.kasa, p.dlug, p.dni));
        const auto ekran = ekran_po([] { ST.bank(); }, p.klucze);
        EXPECT_EQ((liczby{ST.dlug, ST.kasa}), (liczby{p.dlug_po, p.kasa_po}));
        EXPECT_EQ(ma(ekran, " Dni do splaty " + std::to_string(20 - p.dni) + "\n."), p.dni > 0);
        EXPECT_EQ(ma(ekran, " kolejek ligowych"), p.dni > 0 && p.dni < 10);
    }
}

// The status names what one step of the marked row does, and the step does just that.
TEST(Stadion, TheStatusNamesTheMarkedRowsStepAndItsPrice) {
    struct przypadek {
        const char* nazwa;
        int kasa;
        liczby klucze;
        const char* stan;
        int zmiana_kasy;
    };
    const przypadek przypadki[] = {
        {"seats",
         20000,
         {gora, prawo},
         "lewo: 50 krzeselek za 15000 zl  prawo: sprzedaz 50 za 7487 zl",
         7487},
        {"a stand the cash cannot pay",
         50000,
         {dol, dol, lewo},
         "lewo: za malo kasy na budke (50000 zl)  prawo: sprzedaz budki za 25000 zl",
         0}};
    for (const przypadek& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        klub_testowy(klub(p.kasa));
        liczby przed_krokiem(p.klucze.begin(), p.klucze.end() - 1);
        EXPECT_EQ(stan_po([] { ST.stadion(); }, przed_krokiem), p.stan);
        klub_testowy(klub(p.kasa));
        ekran_po([] { ST.stadion(); }, p.klucze);
        EXPECT_EQ(ST.kasa - p.kasa, p.zmiana_kasy);
    }
}

TEST(Bank, AnEnterThatMovesNoMoneySaysWhy) {
    struct przypadek {
        const char* nazwa;
        int dni, dlug, kasa;
        liczby klucze;
        const char* stan;
    };
    const przypadek przypadki[] = {
        {"repaying before 10",
         5,
         50000,
         50000,
         {prawo, enter},
         "Enter: splata dopiero od 10. kolejki ligowej z dlugiem (teraz 5)"},
        {"no debt", 0, 0, 1000, {prawo, enter}, "Enter: nie ma dlugu do splacenia"},
        {"lending at 20",
         20,
         50000,
         50000,
         {prawo, dol, enter},
         "Enter: po 19 kolejkach z dlugiem bank nie pozycza (teraz 20)"},
        {"amount 0", 0, 0, 0, {dol, enter}, "Enter: kwota 0, prawo dodaje 10000"},
        {"negative cash", 12, 25000, -500, {prawo, enter}, "Enter: brak kasy na splate"},
        {"a loan goes without a word", 0, 0, 0, {prawo, dol, enter}, ""}};
    for (const przypadek& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        klub_testowy(klub(p.kasa, p.dlug, p.dni));
        EXPECT_EQ(stan_po([] { ST.bank(); }, p.klucze), p.stan);
    }
}

namespace {
// An offer to the club; the sponsor's pay or the scout's fee and offers once it is answered.
struct oferta {
    const char* nazwa;
    bool lowca = false;
    int liga = 2;
    liczby losy = {0, 0};
    int propozycji = 0, kwota = 3000;
    liczby klucze = {gora};
    bool podpisuje = true;
};

void odpowiedz(const oferta& o) {
    SCOPED_TRACE(o.nazwa);
    klub_testowy(klub(100000, 0, 0, 2, 3, 200, o.liga));
    podrzuc(o.losy);
    const auto e = ekran_po([&] { o.lowca ? ST.nowy_lowca() : ST.nowysponsor(); }, o.klucze);
    EXPECT_EQ(e.ends_with("\n Gratulacje! Podpisales kontrakt!"), o.podpisuje) << e;
    EXPECT_EQ(o.lowca ? ST.koszt_lowcy : ST.kwota_sponsora, o.podpisuje ? o.kwota : 20000) << e;
    EXPECT_EQ(o.lowca ? ST.propozycje_lowcy : ST.koszt_lowcy, o.lowca ? o.propozycji : 1000);
}
}  // namespace

TEST(Oferty, SponsorsPayMoreInHigherTiersAndWithHigherDraws) {
    const oferta oferty[] = {
        {.nazwa = "tier 0, lowest", .liga = 0, .kwota = 36000},
        {.nazwa = "tier 0, highest", .liga = 0, .losy = {0, 8399}, .kwota = 119990},
        {.nazwa = "tier 1", .liga = 1, .losy = {0, 2099}, .kwota = 29990},
        {.nazwa = "tier 2", .losy = {0, 700}, .kwota = 3000}};
    for (const oferta& o : oferty) odpowiedz(o);
}

TEST(Oferty, AScoutsFeeGrowsWithTheSquareOfHisOffersAndWithTheTier) {
    const oferta oferty[] = {
        {.nazwa = "3 offers, lowest", .losy = {2, 0}, .propozycji = 3, .kwota = 2250},
        {.nazwa = "3 offers, highest", .losy = {5, 499}, .propozycji = 3, .kwota = 6741},
        {.nazwa = "1 offer, tier 0", .liga = 0, .losy = {3, 5999}, .propozycji = 1, .kwota = 8999},
        {.nazwa = "2 offers, tier 1",
         .liga = 1,
         .losy = {1, 1500},
         .propozycji = 2,
         .kwota = 3000}};
    for (oferta o : oferty) {
        o.lowca = true;
        odpowiedz(o);
    }
}

TEST(Oferty, OnlyUpBeforeSpaceSigns) {
    const oferta oferty[] = {
        {.nazwa = "up then down", .klucze = {gora, dol}, .podpisuje = false},
        {.nazwa = "space at once", .klucze = {}, .podpisuje = false},
        {.nazwa = "an arrow's prefix, then up", .klucze = {strzalka, gora, 'x'}},
        {.nazwa = "down, down, up", .klucze = {dol, dol, gora}}};
    for (const oferta& o : oferty) odpowiedz(o);
}

TEST(PlikKlubu, SavesNegativeCashAsTwosComplement) {
    klub_testowy(klub(-100));
    ASSERT_TRUE(ST.save(plik.c_str()));
    EXPECT_EQ(tresc(plik), "4294967196" + klub().substr(6));
}

TEST(PlikKlubu, DamagedOrMissingFilesAreRefusedAndChangeNothing) {
    klub_testowy();
    const boisko przed = ST;
    EXPECT_FALSE(ST.save((plik + "/brak/klub.txt").c_str()) || ST.load((plik + "/brak").c_str()));
    struct usterka {
        const char* nazwa;
        std::string co, na;
    };
    const usterka usterki[] = {
        {.nazwa = "sponsor name too long", .co = "Sponsorex", .na = "Abcdefghij0123456789"},
        {.nazwa = "NUL in the name", .co = "Sponsorex", .na = std::string("\0F", 2)},
        {.nazwa = "not a number", .co = "\n2\n3", .na = "\nx\n3"},
        {.nazwa = "tier 3", .co = "\n2\n200", .na = "\n3\n200"},
        {.nazwa = "last value missing", .co = "\n1000\n1\n", .na = "\n1000\n"},
        {.nazwa = "empty file", .co = klub(), .na = ""}};
    for (const usterka& u : usterki) {
        SCOPED_TRACE(u.nazwa);
        std::string tresc = klub(), blad;
        std::ofstream(plik) << tresc.replace(tresc.find(u.co), u.co.size(), u.na);
        EXPECT_FALSE(ST.load(plik.c_str(), &blad));
        EXPECT_EQ(std::memcmp(&ST, &przed, sizeof ST), 0) << blad;
    }
}

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "club/boisko.h"
#include "pomoc/gra_testowa.h"
#include "terminal/klawisze.h"
#include "terminal/konsola.h"
#include "terminal/skrypt.h"
#include "wspolne/los.h"

namespace {
using liczby = std::vector<int>;
const int l = klawisze::lewo, p = klawisze::prawo, g = klawisze::gora, d = klawisze::dol,
          e = klawisze::enter;
const std::string plik = testing::TempDir() + std::to_string(::getpid()) + "klub.txt";

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

const auto ma = [](const std::string& t, const std::string& f) { return t.find(f) != t.npos; };

// Runs a screen of the club on the keys, then on spaces; the screen it leaves.
std::string ekran_po(auto&& uruchom, const liczby& klucze = {}) {
    skrypt s;
    for (int k : klucze) s.dodaj({k});
    s.ustaw_pilota([](const ekran&) { return klawisze::spacja; });
    uruchom();
    return biezacy_ekran().tekst();
}

// The accounts of one match of 18 players in tier 2; the morale after it ends the text.
std::string rozlicz(int kibice, int rezultat, int morale = 60, int walkower = 0, int puchar = 0) {
    auto s = ekran_po([&] { ST.pomeczu(kibice, rezultat, 18, &morale, 2, walkower, puchar); });
    return s + "\nmorale " + std::to_string(morale);
}
}  // namespace

TEST(Rozliczenie, ItemsMoraleRiotsOffersAndClosedStandsComeInTheirPlaceAndCashSaturates) {
    // Upkeep 13826.14 shows truncated, costs one more; letters: items a won match pays or earns.
    const std::tuple<char, const char*, int> pozycje[] = {
        {'T', " 2500 *  6 :15000 zl", 15000},   {'U', "stadionu  :13826\n", -13827},
        {'S', "Sponsorex :20000", 20000},       {'L', "lowcy talentow       :1000", -1000},
        {'B', "przynioslo :10000 zysku", 4000}, {'W', "druzyny   :3600", -3600},
        {'P', "policji   :120", -120},          {'O', "Odsetki od dlugu            :50", -50}};
    const std::tuple<int, int, int, const char*> mecze[] = {
        {2500, 0, 0, "TUSLBWPO"}, {0, 0, 0, "USLWO"}, {2500, 0, 1, "TUSLBWP"},
        {0, 0, 1, "SLW"},         {0, 1, 0, "ULWO"},  {2500, 1, 1, "ULBW"}};
    for (const auto& [kibice, walkower, puchar, placi] : mecze) {
        klub_testowy(klub(100000, 10000));
        int zmiana = 0;
        const std::string ekran = rozlicz(kibice, 0, 60, walkower, puchar);
        for (const auto& [litera, tekst, kwota] : pozycje) {
            EXPECT_EQ(ma(ekran, tekst), std::strchr(placi, litera) != nullptr) << placi << tekst;
            zmiana += std::strchr(placi, litera) ? kwota : 0;
        }
        EXPECT_EQ((liczby{ST.kasa, ST.dni_dlugu}), (liczby{100000 + zmiana, puchar ? 0 : 1}));
    }
    // Over-demand fills the stadium; a stand serves at most a thousand fans.
    ST.budki = 11;
    const std::string pelny = rozlicz(12000, 0);
    EXPECT_TRUE(ma(pelny, " 10000 *  6 :60000 zl\n") &&
                ma(pelny, " 11 budek hod-dog przynioslo :40000"));
    // Result (0 win/1 draw/2 defeat), morale, wage, cash, debt, debt days; morale, days, interest.
    const int tabela[][9] = {
        {1, 49, 200, 0, 0, 0, 52, 0, 0},        {1, 50, 200, 0, 0, 0, 47, 0, 0},
        {2, 100, 200, 0, 0, 0, 90, 0, 0},       {2, 0, 200, 0, 0, 0, 0, 0, 0},
        {0, 98, 200, 0, 0, 0, 100, 0, 0},       {2, 0, 760, 50000, 0, 0, 6, 0, 0},
        {0, 50, 50, 0, 0, 0, 51, 0, 0},         {0, 5, 200, -50000, 0, 0, 10, 0, 0},
        {1, 60, 200, 0, 10000, 0, 57, 1, 50},   {1, 60, 200, 0, 199, 5, 57, 6, 0},
        {1, 60, 200, 0, 10000, 20, 54, 20, 50}, {1, 60, 200, 0, 0, 12, 57, 0, 0}};
    for (const auto& [rezultat, przed, placa, kasa, dlug, dni, wynik, dni_po, odsetki] : tabela) {
        klub_testowy(klub(kasa, dlug, dni, 2, 3, placa));
        const std::string ekran = rozlicz(0, rezultat, przed);
        EXPECT_TRUE(ma(ekran, "\nmorale " + std::to_string(wynik))) << ekran;
        EXPECT_EQ(ma(ekran, " Nie stac cie na utrzymanie druzyny, morale"), kasa < 0);
        EXPECT_EQ(ma(ekran, " Druzyna slyszy o zadluzeniu klubu. Morale"), dni == 20);
        EXPECT_EQ((liczby{ST.dlug, ST.dni_dlugu}), (liczby{dlug + odsetki, dni_po}));
    }
    // Riots after a home defeat: fans, forfeit, police, stands, draws, draws taken; seats, stands.
    const int zamieszki[][10] = {
        {2500, 0, 2, 3, 100, 0, 0, 1, 10000, 3}, {2500, 0, 2, 3, 101, 0, 1334, 3, 9667, 3},
        {2500, 0, 0, 25, 1, 1, 5, 3, 10000, 23}, {2500, 0, 0, 3, 0, 0, 0, 1, 10000, 3},
        {0, 0, 0, 3, 1, 1, 5, 0, 10000, 3},      {2500, 1, 0, 3, 1, 1, 5, 0, 10000, 3}};
    for (const auto& [fani, walkower, policja, budki, l0, l1, l2, ile, miejsca, po] : zamieszki) {
        klub_testowy(klub(100000, 0, 0, policja, budki));
        podrzuc({l0, l1, l2});
        EXPECT_EQ(ma(rozlicz(fani, 2, 60, walkower), "pseudofani zniszczyli\n"), ile == 3);
        EXPECT_EQ((liczby{ST.pojemnosc, ST.budki}), (liczby{miejsca, po}));
        EXPECT_EQ(podrzuconych(), 3u - ile);
    }
    klub_testowy("100000\n10000\n0\n0\n0\nS\n2\n3\n2\n200\n2\n0\n0\n");
    std::strcpy(ST.sponsorzy[4], "Kruszbud");
    podrzuc({4, 100, 1, 10});
    int morale = 60;
    const auto ekran = ekran_po([&] { ST.pomeczu(0, 0, 18, &morale, 2, 0, 0); }, {' ', g});
    const auto sponsor = ekran.find(" Kruszbud oferuje kontrakt");
    EXPECT_LT(ekran.find("stadionu"), sponsor);
    EXPECT_LT(sponsor, ekran.find(" Lowca talentow oferuje 2 propozycji"));
    EXPECT_LT(ekran.find(" Lowca talentow oferuje"), ekran.find("druzyny"));
    EXPECT_EQ((liczby{ST.kasa, ST.kwota_sponsora}), (liczby{100000 - 13827 - 3600, 4000}));
    // 1000 seats cost 560, the sponsor pays 20000, the scout takes 50000, 1000 fans at five
    // stands bring 4000; the stands are closed after their upkeep is charged.
    for (auto [kasa, zostaje] : {std::pair{10000, 5}, {9999, 4}, {7000, 3}, {-5, 0}}) {
        klub_testowy(std::to_string(kasa + 26560) +
                     "\n1000\n0\n0\n20000\nS\n2\n5\n2\n200\n0\n50000\n1\n");
        EXPECT_EQ(ma(rozlicz(1000, 0), " Zamknieto kilka budek"), zostaje < 5);
        EXPECT_EQ((liczby{ST.budki, ST.kasa}), (liczby{zostaje, kasa - 10000 - 3720}));
    }
    klub_testowy(klub(INT_MIN + 1000, 0, 0, 2, 3, INT_MAX));  // 18 wages at the highest wage
    rozlicz(0, 0);
    EXPECT_EQ(ST.kasa, INT_MIN);
}

TEST(Klawisze, StadiumBankAndOffersMoveItemsWithinTheirLimitsAndSignOnlyOnUp) {
    int boisko::*const pola[] = {&boisko::pojemnosc, &boisko::budki, &boisko::placa};
    // Rows down, value and cash before, the key, value and cash after.
    const int zmiany[][6] = {{0, 10000, 15000, l, 10000, 15000},
                             {0, 10000, 15001, l, 10050, 1},
                             {0, 10050, 1, p, 10000, 7501},
                             {2, 0, 50000, l, 0, 50000},
                             {2, 0, 50001, l, 1, 1},
                             {4, 75, 0, p, 25, 0},
                             {4, INT_MAX - 10, 0, l, INT_MAX, 0}};
    for (const auto& [wiersz, przed, kasa, klawisz, po, kasa_po] : zmiany) {
        klub_testowy(klub(kasa));
        ST.*pola[wiersz / 2] = przed;
        liczby klucze{klawisz};
        for (int i = 0; i < wiersz; ++i) klucze.insert(klucze.begin(), {klawisze::strzalka, d});
        ekran_po([] { ST.stadion(); }, klucze);
        EXPECT_EQ((liczby{ST.*pola[wiersz / 2], ST.kasa}), (liczby{po, kasa_po})) << przed;
    }
    // Bank (the loan clock decides): days of debt, debt, cash, which keys; then debt and cash.
    const liczby bank[] = {{p, e, d, e}, {p, d, e, e}, {p, p, p, e}, {l, p, p, l, d, e, e}};
    const int wizyty[][6] = {
        {0, 50000, 50000, 0, 60000, 60000},      {9, 50000, 50000, 0, 60000, 60000},
        {10, 50000, 50000, 0, 50000, 50000},     {20, 50000, 50000, 0, 40000, 40000},
        {12, 25000, 12000, 2, 13000, 0},         {12, 25000, -500, 2, 25000, -500},
        {0, 0, 1000, 3, 20000, 21000},           {0, 0, INT_MAX - 5000, 1, 5000, INT_MAX},
        {0, INT_MAX - 3000, 0, 1, INT_MAX, 3000}};
    for (const auto& [dni, dlug, kasa, jak, dlug_po, kasa_po] : wizyty) {
        klub_testowy(klub(kasa, dlug, dni));
        const auto ekran = ekran_po([] { ST.bank(); }, bank[jak]);
        EXPECT_EQ((liczby{ST.dlug, ST.kasa}), (liczby{dlug_po, kasa_po})) << dni;
        EXPECT_EQ(ma(ekran, " Dni do splaty " + std::to_string(20 - dni) + "\n."), dni > 0);
        EXPECT_EQ(ma(ekran, " kolejek ligowych"), dni > 0 && dni < 10);
    }
    const liczby oferta[] = {{g}, {g, d}, {}, {224, g, 'x'}, {d, d, g}};
    // Offers (only up, then space, signs): sponsor 0 or scout 1, tier, draws, offers, amount, keys.
    const int oferty[][7] = {
        {0, 0, 0, 0, 0, 36000, 0},   {0, 0, 0, 8399, 0, 119990, 0}, {0, 1, 0, 2099, 0, 29990, 0},
        {0, 2, 0, 700, 0, 3000, 0},  {1, 2, 2, 0, 3, 2250, 0},      {1, 2, 5, 499, 3, 6741, 0},
        {1, 0, 3, 5999, 1, 8999, 0}, {1, 1, 1, 1500, 2, 3000, 0},   {0, 2, 0, 0, 0, 3000, 1},
        {0, 2, 0, 0, 0, 3000, 2},    {0, 2, 0, 0, 0, 3000, 3},      {0, 2, 0, 0, 0, 3000, 4}};
    for (const auto& [lowca, liga, los1, los2, ile, kwota, jak] : oferty) {
        klub_testowy(klub(100000, 0, 0, 2, 3, 200, liga));
        podrzuc({los1, los2});
        const bool podpisal = oferta[jak].size() % 2;
        const auto e = ekran_po([&] { lowca ? ST.nowy_lowca() : ST.nowysponsor(); }, oferta[jak]);
        EXPECT_EQ(e.ends_with("\n Gratulacje! Podpisales kontrakt!"), podpisal) << e;
        EXPECT_EQ(lowca ? ST.koszt_lowcy : ST.kwota_sponsora, podpisal ? kwota : 20000) << e;
        EXPECT_EQ(lowca ? ST.propozycje_lowcy : ST.koszt_lowcy, lowca ? ile : 1000);
    }
}

TEST(PlikKlubu, SavesNegativeCashAsTwosComplementAndRefusesDamagedFilesUnchanged) {
    klub_testowy(klub(-100));
    ASSERT_TRUE(ST.save(plik.c_str()));
    std::ifstream f(plik);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(f), {}), "4294967196" + klub().substr(6));
    const boisko przed = ST;
    EXPECT_FALSE(ST.save((plik + "/brak/klub.txt").c_str()) || ST.load((plik + "/brak").c_str()));
    const std::pair<std::string, std::string> uszkodzenia[] = {
        {"Sponsorex", "Abcdefghij0123456789"},
        {"Sponsorex", std::string("\0F", 2)},
        {"\n2\n3", "\nx\n3"},
        {"\n2\n200", "\n3\n200"},
        {"\n1000\n1\n", "\n1000\n"},
        {klub(), ""}};
    for (const auto& [co, na] : uszkodzenia) {
        std::string tresc = klub(), blad;
        std::ofstream(plik) << tresc.replace(tresc.find(co), co.size(), na);
        EXPECT_FALSE(ST.load(plik.c_str(), &blad)) << tresc;
        EXPECT_EQ(std::memcmp(&ST, &przed, sizeof ST), 0) << blad;
    }
}

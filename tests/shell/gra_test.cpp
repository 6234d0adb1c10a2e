#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "autopilot.h"
#include "club/boisko.h"
#include "league/zespoly.h"
#include "pomoc/gra_testowa.h"
#include "shell/dzien_meczu.h"
#include "shell/komplet.h"
#include "shell/mecz.h"
#include "shell/sezon.h"
#include "shell/zapis.h"
#include "squad/gracze.h"
#include "straznik.h"
#include "terminal/klawisze.h"
#include "terminal/konsola.h"
#include "terminal/skrypt.h"
#include "wspolne/los.h"

namespace fs = std::filesystem;

namespace {
using liczby = std::vector<int>;
const std::string plik = testing::TempDir() + "bramkowiec-" + std::to_string(::getpid());

const auto ma = [](const std::string& t, const std::string& f) { return t.find(f) != t.npos; };
const auto czytaj = [](const fs::path& p) {
    std::stringstream s;
    s << std::ifstream(p, std::ios::binary).rdbuf();
    return s.str();
};

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

// Runs a screen (the next match day) on a key, then spaces; every screen shown, joined.
std::string zagraj(void (*ekran_gry)() = nastepnymecz, int klawisz = ' ') {
    skrypt s{klawisz};
    s.ustaw_pilota([](const ekran&) { return klawisze::spacja; });
    ekran_gry();
    std::string wszystko;
    for (const migawka& m : s.migawki()) wszystko += m.tekst() + "\n";
    return wszystko + biezacy_ekran().tekst();
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
    const std::string e = zagraj(), etykieta = " Bilans ogolny               :";
    const int bilans = ma(e, etykieta) ? std::stoi(e.substr(e.rfind(etykieta) + 30)) : 0;
    return {ST.kasa - kasa - bilans, e};
}

// The save slot's bytes; the whole game, field by field, as the save files put it.
std::string slot() {
    return czytaj("save/druzyny.txt") + czytaj("save/gracze.txt") + czytaj("save/stadion.txt");
}
std::string stan() {
    EXPECT_TRUE(DR.save("stan1") && GR.save("stan2") && ST.save("stan3"));
    return czytaj("stan1") + czytaj("stan2") + czytaj("stan3");
}

struct Zapis : testing::Test {
    void SetUp() override {
        fs::create_directories(katalog_);
        for (const std::string f : {"druzyny-1995", "gracze", "rynek", "stadion", "sponsorzy"})
            fs::copy_file(dane(f + ".txt"), katalog_ / (f + ".txt"));
        fs::current_path(katalog_);
        gra_z_danych();
    }
    void TearDown() override {
        fs::current_path(poprzedni_);
        fs::remove_all(katalog_);
    }
    const fs::path poprzedni_ = fs::current_path(), katalog_ = plik + "-zapis";
};
}  // namespace

TEST(Mecz, DrawsComeInOrderAndStrengthsSetTheBounds) {
    czysta_gra();
    // Line-up, rival's strength, draws, goals. All 30: bounds 3, 3 (4 wraps to 0); 60 vs 30: 7, 2.
    // Computer clubs (at < 0): the home bonus drawn first, six points more add a goal.
    const int mecze[][9] = {{30, 30, 30, 30, 7, 5, 0, 3, 1}, {30, 30, 30, 30, 5, 7, 0, 1, 3},
                            {30, 30, 30, 30, 4, 8, 0, 0, 0}, {60, 60, 60, 30, 7, 2, 0, 7, 2},
                            {60, 60, 60, 30, 8, 3, 0, 0, 0}, {-1, 60, 0, 30, 1, 7, 2, 8, 2},
                            {-1, 60, 0, 30, 0, 8, 3, 0, 0},  {-1, 30, 0, 35, 1, 2, 2, 3, 2},
                            {-1, 30, 0, 35, 0, 3, 3, 0, 0},  {-1, 30, 0, 42, 0, 0, 4, 0, 4}};
    for (const auto& [at, pom, obr, s, los1, los2, los3, twoje, rywala] : mecze) {
        int g1 = -1, g2 = -1;
        wyczysc_podrzucone();
        podrzuc({los1, los2, los3});
        at < 0 ? wynik(pom, s, &g1, &g2) : twojwynik(at, pom, obr, s, &g1, &g2);
        EXPECT_EQ((liczby{g1, g2, int(podrzuconych())}), (liczby{twoje, rywala, at < 0 ? 0 : 1}));
        EXPECT_TRUE(at != 30 || los1 != 7 || biezacy_ekran().wiersz(0) == "4.700000:4.700000");
    }
    // Empty lines: the bounds stay finite and the opponent's within 100.
    for (const auto& [at, pom, obr] : {std::array{30, 0, 0}, {0, 0, 0}, {0, 30, 0}}) {
        int g1 = -1, g2 = -1;
        podrzuc({32767, 32767});
        twojwynik(at, pom, obr, 30, &g1, &g2);
        EXPECT_TRUE(g1 >= 0 && g1 <= (at + pom ? 3 : 0) && g2 >= 0 && g2 <= 100) << g2;
    }
    EXPECT_FALSE(ma(biezacy_ekran().tekst(), "inf") || ma(biezacy_ekran().tekst(), "nan"));
}

TEST(DzienMeczu, MatchesWalkoversCupRoundsAndTheSeasonsEndMoveTheClubsAsTheyShould) {
    prosta_liga(2, 0);
    podrzuc({2, 1, 0});  // round 0 at home to slot 17: goals 2 and 1, no home bonus
    const std::string e = zagraj();
    EXPECT_LT(e.find("                K2_0 vs K2_17"), e.find(" Mecze 1 kolejki 1 ligi"));
    EXPECT_EQ(tabela(2, 0), (liczby{2, 1, 3, 1, 0, 0}));
    EXPECT_EQ(tabela(2, 17), (liczby{1, 2, 0, 0, 0, 1}));
    prosta_liga(2, 0);
    for (int i = 6; i < 11; ++i) GR.gra[i] = 0;
    const std::string w = zagraj();
    EXPECT_TRUE(ma(w, " Niestety oddales mecz walkowerem. Wystawiles tylko 6 zawodnikow."));
    EXPECT_FALSE(ma(w, "Wplywy z biletow"));
    EXPECT_EQ(tabela(2, 0), (liczby{0, 3, 0, 0, 0, 1}));
    EXPECT_EQ(tabela(2, 17), (liczby{3, 0, 3, 1, 0, 0}));
    // The last round ends the season; in an even round the cup leg comes first, the league next.
    prosta_liga(2, 5, false, 0, 0, 33);
    const std::string koniec = zagraj();
    EXPECT_LT(koniec.find(" Mecze 34 kolejki 3 ligi"), koniec.find("KONIEC SEZONU"));
    EXPECT_EQ((liczby{DR.sezon, DR.nr_kolejki, DR.puchar}), (liczby{1996, 0, 1}));
    prosta_liga(2, 0, false, 1, 50);
    EXPECT_TRUE(ma(zagraj(), "               K2_14 vs K2_0"));
    EXPECT_EQ(puchar(), (liczby{2, 0, 1, DR.dwumecz_zdobyte, DR.dwumecz_stracone}));
    EXPECT_EQ(tabela(2, 0), liczby(6, 0));
    EXPECT_FALSE(ma(zagraj(), "pucharze"));
    EXPECT_EQ(puchar(), (liczby{2, 1, 0, DR.dwumecz_zdobyte, DR.dwumecz_stracone}));
    // At the season's end the user moves at every boundary and gets morale from the place; with
    // no points anywhere the table follows slot order: slot s finishes in place s + 1.
    const int przypadki[][4] = {{2, 0, 1, 100}, {2, 3, 1, 83},  {2, 4, 2, 77},  {2, 17, 2, 5},
                                {1, 0, 0, 100}, {1, 3, 0, 83},  {1, 9, 1, 50},  {1, 14, 2, 22},
                                {1, 17, 2, 5},  {0, 0, 0, 100}, {0, 13, 0, 27}, {0, 14, 1, 22},
                                {0, 17, 1, 5}};
    for (const auto& [liga, druzyna, nowa, morale] : przypadki) {
        prosta_liga(liga, druzyna, false, 0, 0, 34);
        const std::string nazwa = DR.nazwa[liga][druzyna];
        zagraj(koniecsezonu);
        EXPECT_EQ((liczby{DR.twojaliga, ST.liga, GR.morale}), (liczby{nowa, nowa, morale}));
        EXPECT_EQ(DR.nazwa[DR.twojaliga][DR.twojadruzyna], nazwa);
    }
}

TEST(Puchar, LegsPayTelevisionMoneyAndALevelSecondTieGoesToPenalties) {
    for (const bool wygrane_karne : {true, false}) {
        prosta_liga(2, 0, true, 3, 40, 2);
        podrzuc({0, 2, 0});  // away 0:2, no home bonus for the opponent
        auto [zarobione, e] = zarobek();
        EXPECT_TRUE(ma(e, " porazka!\n") && ma(e, " wplywy z przekazu telewizyjnego : 18000"));
        EXPECT_EQ(std::pair(zarobione, puchar()), std::pair(18000, liczby{4, 2, 1, 0, 2}));
        for (int i = 0; i < 2; ++i) zagraj();
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
    // A forfeited leg: no television money, yet the tie goes on.
    prosta_liga(2, 0, true, 1, 50);
    for (int i = 5; i < 11; ++i) GR.gra[i] = 0;
    auto [zarobione, e] = zarobek();
    EXPECT_TRUE(ma(e, "Wystawiles tylko 5 zawodnikow."));
    EXPECT_EQ(std::pair(zarobione, puchar()), std::pair(0, liczby{2, 0, 1, 0, 3}));
    // Winning the final's second leg: the bonus, then the television money of stage 14.
    prosta_liga(2, 0, true, 14, 5, 26);
    DR.dwumecz_zdobyte = DR.dwumecz_stracone = 1;
    podrzuc({2, 0, 0, 0, 0, 0, 0});
    std::tie(zarobione, e) = zarobek();
    EXPECT_LT(e.find(" gratyfikacja od PZPN za Puchar: 5000000!"),
              e.find(" wplywy z przekazu telewizyjnego : 784000"));
    EXPECT_EQ(std::pair(zarobione, puchar()), std::pair(5784000, liczby{0, 26, 1, 3, 1}));
}

TEST(Rozgrywka, TwentySeasonsFromTheShippedDataKeepTheLeaguesTheCupAndTheUsersClubSound) {
    gra_z_danych();
    zasiej(20260);
    skrypt s;
    autopilot pilot(s);
    straznik sprawdz;
    const std::string nazwa = DR.nazwa[DR.twojaliga][DR.twojadruzyna];
    const int liga = DR.twojaliga;
    bool awans_lub_spadek = false;
    for (int n = 0; n < 20; ++n) {
        // Resting tired players keeps the club competitive, so it moves between the tiers.
        pilot.rotuj_sklad(n < 10);
        // One report is enough: after a failure the rest of the run goes unchecked.
        pilot.rozegraj_sezon(
            [&] { EXPECT_TRUE(HasFailure() ? testing::AssertionSuccess() : sprawdz()); });
        ASSERT_EQ(DR.sezon, 1996 + n);
        EXPECT_EQ(DR.nazwa[DR.twojaliga][DR.twojadruzyna], nazwa);
        awans_lub_spadek |= DR.twojaliga != liga;
    }
    EXPECT_TRUE(awans_lub_spadek);
}

TEST_F(Zapis, LoadingRestoresEveryFieldAndADamagedOrInterruptedSaveLosesNothing) {
    EXPECT_FALSE(ma(zagraj(zapis, ' '), "Zapisalem") || fs::exists("save"));
    DR.puchar = 1;
    zagraj();
    std::tie(ST.kasa, GR.oferty) = std::pair(-100, 2);
    EXPECT_TRUE(ma(zagraj(zapis, 't'), "Zapisalem !"));
    const std::string zapisany = stan(), bajty = slot();
    zagraj();
    for (int k : {int{'n'}, klawisze::enter, klawisze::spacja, int{'T'}}) {
        EXPECT_TRUE(zagraj(zapis, k).ends_with("Zapisac gre? (t/n)"));
        EXPECT_TRUE(zagraj(odczyt, k).ends_with("Zaladowac gre? (t/n)"));
        EXPECT_EQ(DR.nr_kolejki, 1);
    }
    zagraj(odczyt, 't');
    EXPECT_EQ(stan() + slot(), zapisany + bajty);
    EXPECT_TRUE(!ma(zagraj(), "pucharze") && DR.nr_kolejki == 1);
    // A damaged save, a failed or an interrupted write: the game stays loadable.
    void (*const uszkodzenia[])() = {
        [] { std::ofstream("save/gracze.txt") << czytaj("save/gracze.txt").substr(0, 60); },
        [] { std::ofstream("save/druzyny.txt") << "1995 0 x 3\n"; },
        [] { fs::remove("save/stadion.txt"); }, [] { fs::remove_all("save"); }};
    for (const auto& uszkodz : uszkodzenia) {
        zagraj(zapis, 't');
        uszkodz();
        DR.nr_kolejki = 7;
        const std::string przed = stan();
        EXPECT_TRUE(ma(zagraj(odczyt, 't'), "Nie wczytano gry"));
        EXPECT_EQ(stan(), przed);
    }
    // Something in the way of the last file's new copy: the old save stays whole.
    const auto kopia = [](const char* f) { return komplet::tymczasowy(fs::path("save") / f); };
    zagraj(zapis, 't');
    const std::string stary = stan(), stary_slot = slot();
    DR.nr_kolejki = 9;
    const std::string nowy = stan();
    fs::create_directories(kopia("stadion.txt") / "zajete");
    EXPECT_TRUE(ma(zagraj(zapis, 't'), "Gra NIE zostala zapisana!"));
    EXPECT_EQ(slot(), stary_slot);
    fs::remove_all(kopia("stadion.txt"));
    // Stopped before the commit marker: the old game; after it: the new one.
    for (const bool po_znaczniku : {false, true}) {
        DR.nr_kolejki = 9;
        ASSERT_TRUE(DR.save(kopia("druzyny.txt").c_str()) && GR.save(kopia("gracze.txt").c_str()) &&
                    ST.save(kopia("stadion.txt").c_str()));
        if (po_znaczniku) std::ofstream(komplet::znacznik("save")) << "zapis kompletny\n";
        if (po_znaczniku) fs::rename(kopia("gracze.txt"), "save/gracze.txt");
        DR.nr_kolejki = 30;
        zagraj(odczyt, 't');
        EXPECT_EQ(stan(), po_znaczniku ? nowy : stary);
        EXPECT_FALSE(fs::exists(komplet::znacznik("save")) || fs::exists(kopia("stadion.txt")));
    }
}

#include "shell/zapis.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "club/boisko.h"
#include "league/zespoly.h"
#include "pomoc/gra_testowa.h"
#include "porownanie.h"
#include "shell/dzien_meczu.h"
#include "shell/komplet.h"
#include "squad/gracze.h"
#include "swiat.h"
#include "terminal/konsola.h"
#include "terminal/skrypt.h"

namespace fs = std::filesystem;

namespace {
const char* const pliki_zapisu[] = {"save/druzyny.txt", "save/gracze.txt", "save/stadion.txt"};

std::string zawartosc(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

void napisz(const fs::path& p, const std::string& tekst) {
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f << tekst;
}

int spacja(const ekran&) {
    return klawisze::spacja;
}

struct stan_gry {
    zespoly dr = DR;
    gracze gr = GR;
    boisko st = ST;
};

void oczekuj_gry(const stan_gry& s) {
    oczekuj_tych_samych(DR, s.dr);
    oczekuj_tych_samych(GR, s.gr);
    oczekuj_tych_samych(ST, s.st);
}

// The whole save slot as bytes, to tell whether anything touched it.
std::string slot() {
    std::string wszystko;
    for (const char* p : pliki_zapisu) wszystko += zawartosc(p) + "|";
    return wszystko;
}

bool wybierz(void (*ekran)(), std::initializer_list<int> klawisze_) {
    skrypt s(klawisze_);
    ekran();
    return s.pozostalo() == 0;
}

void zapisz_gre() {
    skrypt s{'t'};
    zapis();
    ASSERT_EQ(biezacy_ekran().wiersz(1), "Zapisalem !");
}

// Every test runs in a directory of its own holding the five start-up files.
class Zapis : public ::testing::Test {
  protected:
    void SetUp() override {
        poprzedni_ = fs::current_path();
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        katalog_ = fs::temp_directory_path() /
                   ("bramkowiec-" + std::to_string(::getpid()) + "-" + test->name());
        fs::remove_all(katalog_);
        fs::create_directories(katalog_);
        for (const char* plik :
             {"druzyny-1995.txt", "gracze.txt", "rynek.txt", "stadion.txt", "sponsorzy.txt"}) {
            fs::copy_file(dane(plik), katalog_ / plik);
        }
        fs::current_path(katalog_);
        gra_z_danych();
    }

    void TearDown() override {
        fs::current_path(poprzedni_);
        fs::remove_all(katalog_);
    }

    fs::path poprzedni_;
    fs::path katalog_;
};
}  // namespace

TEST_F(Zapis, LoadingRestoresEveryFieldAndResumesWithTheLeagueMatchAfterACupLeg) {
    ASSERT_TRUE(fs::exists("druzyny-1995.txt"));
    EXPECT_FALSE(fs::exists("save"));
    DR.puchar = 1;
    DR.nr_kolejki = 0;
    DR.mecz_pucharowy = 0;
    {
        skrypt s;
        s.ustaw_pilota(spacja);
        nastepnymecz();
    }
    ASSERT_EQ(DR.mecz_pucharowy, 1);
    ST.kasa = -100;
    GR.oferty = 2;
    zapisz_gre();
    EXPECT_EQ(zawartosc("save/stadion.txt").substr(0, 11), "4294967196\n");
    for (const auto& wpis : fs::directory_iterator("save")) {
        EXPECT_EQ(wpis.path().extension(), ".txt") << wpis.path();
    }
    const stan_gry zapisany;

    {
        skrypt s;
        s.ustaw_pilota(spacja);
        nastepnymecz();
    }
    ASSERT_EQ(DR.nr_kolejki, 1);
    // The name pools always come from the start-up files, never from the save.
    std::string rynek;
    for (int i = 0; i < gracze::nazw_rynku; ++i) rynek += "Nowy" + std::to_string(i) + "\n";
    napisz("rynek.txt", rynek);
    std::string sponsorzy;
    for (int i = 0; i < boisko::nazw_sponsorow; ++i)
        sponsorzy += "Firma" + std::to_string(i) + "\n";
    napisz("sponsorzy.txt", sponsorzy);

    EXPECT_TRUE(wybierz(odczyt, {'t'}));
    oczekuj_gry(zapisany);
    EXPECT_STREQ(GR.rynek[69], "Nowy69");
    EXPECT_STREQ(ST.sponsorzy[29], "Firma29");

    skrypt s;
    s.ustaw_pilota(spacja);
    nastepnymecz();
    EXPECT_FALSE(pokazano(s, "pucharze"));
    EXPECT_EQ(DR.nr_kolejki, 1);
    EXPECT_EQ(DR.mecz_pucharowy, 0);
}

TEST_F(Zapis, ADamagedOrMissingSaveIsRefusedAndTheGameStaysAsItWas) {
    zapisz_gre();
    std::vector<std::string> dobre;
    for (const char* p : pliki_zapisu) dobre.push_back(zawartosc(p));
    const auto przywroc = [&] {
        fs::create_directories("save");
        for (std::size_t i = 0; i < dobre.size(); ++i) napisz(pliki_zapisu[i], dobre[i]);
    };
    const std::pair<const char*, std::function<void()>> uszkodzenia[] = {
        {"ucieta kadra",
         [] { napisz("save/gracze.txt", zawartosc("save/gracze.txt").substr(0, 60)); }},
        {"litery", [] { napisz("save/druzyny.txt", "1995 0 x 3\n"); }},
        {"pusty", [] { napisz("save/stadion.txt", ""); }},
        {"brak pliku", [] { fs::remove("save/stadion.txt"); }},
        {"brak katalogu", [] { fs::remove_all("save"); }},
        {"brak nazw", [] { fs::remove("sponsorzy.txt"); }},
    };
    for (const auto& [nazwa, uszkodz] : uszkodzenia) {
        SCOPED_TRACE(nazwa);
        przywroc();
        uszkodz();
        DR.nr_kolejki = 7;
        GR.morale = 13;
        ST.kasa = 4321;
        const stan_gry przed;
        skrypt s{'t', klawisze::spacja};
        odczyt();
        EXPECT_EQ(s.pozostalo(), 0u);
        EXPECT_TRUE(pokazano(s, "Nie wczytano gry"));
        oczekuj_gry(przed);
        fs::copy_file(dane("sponsorzy.txt"), "sponsorzy.txt", fs::copy_options::skip_existing);
    }
}

TEST_F(Zapis, AFailedWriteKeepsTheLastGoodSave) {
    zapisz_gre();
    const stan_gry pierwszy;
    const std::string dobry = slot();
    // Something in the way of the last file's new copy: the first two are written, the third
    // cannot be.
    fs::create_directories("save/stadion.txt.tmp/zajete");
    DR.nr_kolejki = 9;
    ST.kasa = 1;
    {
        skrypt s{'t', klawisze::spacja};
        zapis();
        EXPECT_EQ(s.pozostalo(), 0u);
        EXPECT_TRUE(pokazano(s, "Gra NIE zostala zapisana!"));
        EXPECT_FALSE(pokazano(s, "Zapisalem"));
    }
    EXPECT_EQ(slot(), dobry);
    EXPECT_FALSE(fs::exists("save/druzyny.txt.tmp"));
    EXPECT_FALSE(fs::exists("save/gracze.txt.tmp"));
    EXPECT_FALSE(fs::exists(komplet::znacznik("save")));
    fs::remove_all("save/stadion.txt.tmp");
    EXPECT_TRUE(wybierz(odczyt, {'t'}));
    oczekuj_gry(pierwszy);
}

TEST_F(Zapis, AnInterruptedSaveLeavesEitherTheOldOrTheNewGame) {
    zapisz_gre();
    const stan_gry stary;
    const std::string dobry = slot();
    DR.nr_kolejki = 11;
    GR.morale = 77;
    ST.kasa = 99;
    const stan_gry nowy;
    const auto nowe_pliki = [] {
        ASSERT_TRUE(DR.save(komplet::tymczasowy("save/druzyny.txt").c_str()));
        ASSERT_TRUE(GR.save(komplet::tymczasowy("save/gracze.txt").c_str()));
        ASSERT_TRUE(ST.save(komplet::tymczasowy("save/stadion.txt").c_str()));
    };

    // Stopped before the commit: the old game loads and the new files are thrown away.
    nowe_pliki();
    EXPECT_TRUE(wybierz(odczyt, {'t'}));
    oczekuj_gry(stary);
    EXPECT_FALSE(fs::exists(komplet::tymczasowy("save/gracze.txt")));
    EXPECT_EQ(slot(), dobry);

    // Stopped after the commit with one file renamed: the rest is moved into place.
    DR = nowy.dr;
    GR = nowy.gr;
    ST = nowy.st;
    nowe_pliki();
    napisz(komplet::znacznik("save"), "zapis kompletny\n");
    fs::rename(komplet::tymczasowy("save/gracze.txt"), "save/gracze.txt");
    DR.nr_kolejki = 30;
    ST.kasa = -5;
    EXPECT_TRUE(wybierz(odczyt, {'t'}));
    oczekuj_gry(nowy);
    EXPECT_FALSE(fs::exists(komplet::znacznik("save")));
    EXPECT_FALSE(fs::exists(komplet::tymczasowy("save/druzyny.txt")));
    EXPECT_FALSE(fs::exists(komplet::tymczasowy("save/stadion.txt")));
}

TEST_F(Zapis, AnyKeyButASmallTCancelsWithoutTouchingAFile) {
    for (int k : {int{'n'}, klawisze::enter, klawisze::spacja, int{'T'}}) {
        EXPECT_TRUE(wybierz(zapis, {k}));
        EXPECT_FALSE(fs::exists("save")) << k;
        EXPECT_EQ(biezacy_ekran().tekst(), "Zapisac gre? (t/n)");
    }
    zapisz_gre();
    const std::string dobry = slot();
    const auto czas = fs::last_write_time("save/druzyny.txt");
    DR.nr_kolejki = 5;
    ST.kasa = 17;
    const stan_gry przed;
    for (int k : {int{'n'}, klawisze::enter, klawisze::spacja, int{'T'}}) {
        EXPECT_TRUE(wybierz(odczyt, {k}));
        oczekuj_gry(przed);
        EXPECT_EQ(biezacy_ekran().tekst(), "Zaladowac gre? (t/n)");
        EXPECT_TRUE(wybierz(zapis, {k}));
    }
    EXPECT_EQ(slot(), dobry);
    EXPECT_EQ(fs::last_write_time("save/druzyny.txt"), czas);
}

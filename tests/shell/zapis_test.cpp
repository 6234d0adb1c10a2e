#include "shell/zapis.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <sstream>
#include <string>

#include "shell/komplet.h"
#include "swiat.h"

namespace fs = std::filesystem;

namespace {
std::string czytaj(const fs::path& p) {
    std::stringstream s;
    s << std::ifstream(p, std::ios::binary).rdbuf();
    return s.str();
}

// The save slot's bytes, to tell whether anything touched it.
std::string slot() {
    return czytaj("save/druzyny.txt") + "|" + czytaj("save/gracze.txt") + "|" +
           czytaj("save/stadion.txt");
}

// The whole game, field by field, as the save files put it.
std::string stan() {
    const bool zapisane = DR.save("stan1") && GR.save("stan2") && ST.save("stan3");
    return (zapisane ? "" : "!") + czytaj("stan1") + czytaj("stan2") + czytaj("stan3");
}

// Answers the prompt of zapis() or odczyt() with one key, then spaces; the screen left.
std::string wybierz(void (*pytanie)(), int klawisz) {
    skrypt s{klawisz};
    s.ustaw_pilota([](const ekran&) { return klawisze::spacja; });
    pytanie();
    return biezacy_ekran().tekst();
}

// Every test runs in a directory of its own holding the five start-up files.
class Zapis : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::remove_all(katalog_);
        fs::create_directories(katalog_);
        for (const char* f :
             {"druzyny-1995.txt", "gracze.txt", "rynek.txt", "stadion.txt", "sponsorzy.txt"}) {
            fs::copy_file(dane(f), katalog_ / f);
        }
        fs::current_path(katalog_);
        gra_z_danych();
    }
    void TearDown() override {
        fs::current_path(poprzedni_);
        fs::remove_all(katalog_);
    }
    const fs::path poprzedni_ = fs::current_path();
    const fs::path katalog_ =
        fs::temp_directory_path() / ("bramkowiec-" + std::to_string(::getpid()) + "-" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
};
}  // namespace

TEST_F(Zapis, LoadingRestoresEveryFieldAndResumesWithTheLeagueMatchAfterACupLeg) {
    for (int k : {int{'n'}, klawisze::enter, klawisze::spacja, int{'T'}}) {
        EXPECT_EQ(wybierz(zapis, k), "Zapisac gre? (t/n)");
        EXPECT_FALSE(fs::exists("save")) << k;
    }
    DR.puchar = 1;
    zagraj();
    ASSERT_EQ(DR.mecz_pucharowy, 1);
    ST.kasa = -100;
    GR.oferty = 2;
    EXPECT_TRUE(ma(wybierz(zapis, 't'), "Zapisalem !"));
    EXPECT_TRUE(czytaj("save/stadion.txt").starts_with("4294967196\n"));
    const std::string zapisany = stan(), bajty = slot();
    zagraj();
    ASSERT_EQ(DR.nr_kolejki, 1);
    for (int k : {int{'n'}, klawisze::enter, klawisze::spacja, int{'T'}}) {
        EXPECT_EQ(wybierz(odczyt, k), "Zaladowac gre? (t/n)");
        EXPECT_EQ(DR.nr_kolejki, 1);
    }
    wybierz(odczyt, 't');
    EXPECT_EQ(stan(), zapisany);
    EXPECT_EQ(slot(), bajty);
    EXPECT_FALSE(ma(zagraj(), "pucharze"));
    EXPECT_EQ(DR.nr_kolejki, 1);
}

TEST_F(Zapis, ADamagedSaveOrAFailedOrInterruptedWriteLeavesALoadableGame) {
    const std::function<void()> uszkodzenia[] = {
        [] { std::ofstream("save/gracze.txt") << czytaj("save/gracze.txt").substr(0, 60); },
        [] { std::ofstream("save/druzyny.txt") << "1995 0 x 3\n"; },
        [] { fs::remove("save/stadion.txt"); }, [] { fs::remove_all("save"); }};
    for (const auto& uszkodz : uszkodzenia) {
        fs::remove_all("save");
        wybierz(zapis, 't');
        uszkodz();
        DR.nr_kolejki = 7;
        const std::string przed = stan();
        EXPECT_TRUE(ma(wybierz(odczyt, 't'), "Nie wczytano gry"));
        EXPECT_EQ(stan(), przed);
    }
    // Something in the way of the last file's new copy: the old save stays whole.
    fs::remove_all("save");
    wybierz(zapis, 't');
    const std::string stary = stan(), bajty = slot();
    DR.nr_kolejki = 9;
    const std::string nowy = stan();
    fs::create_directories(komplet::tymczasowy("save/stadion.txt") / "zajete");
    EXPECT_TRUE(ma(wybierz(zapis, 't'), "Gra NIE zostala zapisana!"));
    EXPECT_EQ(slot(), bajty);
    fs::remove_all(komplet::tymczasowy("save/stadion.txt"));
    // Stopped before the commit marker: the old game; after it: the new one.
    for (const bool po_znaczniku : {false, true}) {
        DR.nr_kolejki = 9;
        ASSERT_TRUE(DR.save(komplet::tymczasowy("save/druzyny.txt").c_str()) &&
                    GR.save(komplet::tymczasowy("save/gracze.txt").c_str()) &&
                    ST.save(komplet::tymczasowy("save/stadion.txt").c_str()));
        if (po_znaczniku) std::ofstream(komplet::znacznik("save")) << "zapis kompletny\n";
        if (po_znaczniku) fs::rename(komplet::tymczasowy("save/gracze.txt"), "save/gracze.txt");
        DR.nr_kolejki = 30;
        wybierz(odczyt, 't');
        EXPECT_EQ(stan(), po_znaczniku ? nowy : stary);
        EXPECT_FALSE(fs::exists(komplet::znacznik("save")));
        EXPECT_FALSE(fs::exists(komplet::tymczasowy("save/stadion.txt")));
    }
}

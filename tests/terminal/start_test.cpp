#include "shell/start.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "club/boisko.h"
#include "league/zespoly.h"
#include "pomoc/gra_testowa.h"
#include "squad/gracze.h"

namespace fs = std::filesystem;

namespace {
const char* const pliki[] = {"druzyny-1995.txt", "gracze.txt", "rynek.txt", "stadion.txt",
                             "sponsorzy.txt"};

// A fresh working directory for the start-up; the old one comes back at the end.
class Start : public ::testing::Test {
  protected:
    void SetUp() override {
        czysta_gra();
        poprzedni_ = fs::current_path();
        katalog_ = fs::temp_directory_path() / ("bramkowiec-start-" + std::to_string(getpid()));
        fs::remove_all(katalog_);
        fs::create_directories(katalog_);
        fs::current_path(katalog_);
    }
    void TearDown() override {
        fs::current_path(poprzedni_);
        fs::remove_all(katalog_);
    }
    static void skopiuj(const char* plik) { fs::copy_file(dane(plik), plik); }
    static void skopiuj_wszystkie() {
        for (const char* p : pliki) skopiuj(p);
    }
    // Marks the game so a refused start-up can be seen to have left it alone.
    static void oznacz() {
        DR.sezon = -7;
        GR.morale = -3;
        GR.oferty = 5;
        ST.kasa = -5;
    }
    static void oznaczona() {
        EXPECT_EQ(DR.sezon, -7);
        EXPECT_EQ(GR.morale, -3);
        EXPECT_EQ(GR.oferty, 5);
        EXPECT_EQ(ST.kasa, -5);
        EXPECT_EQ(DR.nazwa[0][0][0], '\0');
        EXPECT_EQ(GR.imie[0][0], '\0');
        EXPECT_EQ(ST.sponsorzy[0][0], '\0');
    }

    fs::path poprzedni_;
    fs::path katalog_;
};
}  // namespace

TEST_F(Start, TheShippedFilesLoadAndTheRoundsOffersStartAtZero) {
    skopiuj_wszystkie();
    GR.oferty = 5;
    std::string blad;
    ASSERT_TRUE(wczytaj_gre(&blad)) << blad;
    EXPECT_EQ(GR.oferty, 0);
    EXPECT_NE(DR.nazwa[DR.twojaliga][DR.twojadruzyna][0], '\0');
    EXPECT_GT(GR.ilegraczy(), 0);
    EXPECT_NE(GR.rynek[gracze::nazw_rynku - 1][0], '\0');
    EXPECT_NE(ST.sponsorzy[boisko::nazw_sponsorow - 1][0], '\0');
}

TEST_F(Start, EachMissingFileIsNamedAndNothingIsHalfLoaded) {
    for (const char* brakujacy : pliki) {
        SCOPED_TRACE(brakujacy);
        for (const char* p : pliki) fs::remove(p);
        for (const char* p : pliki)
            if (std::string(p) != brakujacy) skopiuj(p);
        oznacz();
        std::string blad;
        EXPECT_FALSE(wczytaj_gre(&blad));
        EXPECT_NE(blad.find(brakujacy), std::string::npos) << blad;
        oznaczona();
    }
}

TEST_F(Start, ADamagedFileIsNamedEvenWhenTheOthersAreFine) {
    for (const char* zepsuty : pliki) {
        SCOPED_TRACE(zepsuty);
        for (const char* p : pliki) fs::remove(p);
        skopiuj_wszystkie();
        // Cut to its first half: the file ends early.
        auto rozmiar = fs::file_size(zepsuty);
        fs::resize_file(zepsuty, rozmiar / 2);
        oznacz();
        std::string blad;
        EXPECT_FALSE(wczytaj_gre(&blad));
        EXPECT_NE(blad.find(zepsuty), std::string::npos) << blad;
        oznaczona();
    }
}

TEST_F(Start, AnEmptyDirectoryIsRefusedAtTheFirstFileWithoutAMessageWhenNoneIsWanted) {
    std::string blad;
    EXPECT_FALSE(wczytaj_gre(&blad));
    EXPECT_NE(blad.find("druzyny-1995.txt"), std::string::npos) << blad;
    EXPECT_FALSE(wczytaj_gre(nullptr));
}

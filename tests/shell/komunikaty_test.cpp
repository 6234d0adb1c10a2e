#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "club/boisko.h"
#include "league/zespoly.h"
#include "pomoc/gra_testowa.h"
#include "shell/zapis.h"
#include "terminal/ekran.h"
#include "terminal/skrypt.h"

namespace fs = std::filesystem;

namespace {
class Komunikaty : public testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(katalog_);
        for (const char* f : {"rynek.txt", "sponsorzy.txt"}) fs::copy_file(dane(f), katalog_ / f);
        fs::current_path(katalog_);
        gra_z_danych();
    }
    void TearDown() override {
        fs::current_path(poprzedni_);
        fs::remove_all(katalog_);
    }

    const fs::path poprzedni_ = fs::current_path();
    const fs::path katalog_ =
        fs::temp_directory_path() / ("bramkowiec-komunikaty-" + std::to_string(getpid()));
};
}  // namespace

// A reason longer than a row used to be cut mid-word by the console's wrap at column 80.
TEST_F(Komunikaty, AFailedLoadBreaksItsReasonBetweenWordsAndNamesTheFile) {
    {
        skrypt s{'t'};
        zapis();
    }
    std::ofstream("save/druzyny.txt") << "1995 0 2 3\n0 0 0 0 0\n" << std::string(40, 'N') << "\n";
    zespoly dr;
    std::string powod;
    ASSERT_FALSE(dr.load("save/druzyny.txt", &powod));
    ASSERT_GT(powod.size(), 80u);
    EXPECT_EQ(powod.find("plik save/druzyny.txt, wiersz 3: nazwa"), 0u) << powod;
    skrypt s{'t', ' '};
    odczyt();
    const migawka& m = s.migawki().back();
    std::string zlozony;
    for (int w = 2; !m.wiersze[w].empty(); ++w) {
        EXPECT_LT(m.wiersze[w].size(), static_cast<std::size_t>(ekran::szerokosc)) << w;
        zlozony += (w > 2 ? " " : "") + m.wiersze[w];
    }
    EXPECT_EQ(m.wiersze[1], "Nie wczytano gry, gra toczy sie dalej bez zmian.");
    EXPECT_EQ(zlozony, "Powod: " + powod);
}

TEST_F(Komunikaty, TheClubFileNamesTheFieldOnlyWhenItCouldBeRead) {
    std::ofstream("stadion.txt") << "1000 4000 x\n";
    boisko st;
    std::string powod;
    EXPECT_FALSE(st.load("stadion.txt", &powod));
    EXPECT_EQ(powod, "plik stadion.txt, wiersz 1, dlug: \"x\" nie jest liczba");
    EXPECT_FALSE(st.load("brak.txt", &powod));
    EXPECT_EQ(powod, "nie mozna otworzyc pliku brak.txt (brak pliku lub brak dostepu)");
}

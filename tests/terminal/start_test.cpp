#include "shell/start.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "club/boisko.h"
#include "league/zespoly.h"
#include "pomoc/gra_testowa.h"
#include "squad/gracze.h"

namespace fs = std::filesystem;

namespace {
enum plik { druzyny, zawodnicy, rynek, stadion, sponsorzy };
const char* const pliki[] = {"druzyny-1995.txt", "gracze.txt", "rynek.txt", "stadion.txt",
                             "sponsorzy.txt"};
const std::string dluga(40, 'N');
constexpr int brak = -2, ostatni = -1;

// One damaged start-up file: missing, cut after `zostaw` words, or word `slowo` replaced.
struct usterka {
    plik p;
    int zostaw = brak;
    int slowo = 0;
    std::string nowe;
};

std::vector<usterka> usterki() {
    std::vector<usterka> u;
    for (plik p : {druzyny, zawodnicy, rynek, stadion, sponsorzy})
        for (int zostaw : {brak, 0, 1, 3, 12, ostatni}) u.push_back({p, zostaw, 0, ""});
    for (auto [p, slowo, nowe] :
         std::vector<std::tuple<plik, int, std::string>>{{druzyny, 0, "x"},
                                                         {druzyny, 2, "3"},
                                                         {druzyny, 3, "18"},
                                                         {druzyny, 3, "-1"},
                                                         {druzyny, 4, "15"},
                                                         {druzyny, 9, dluga},
                                                         {zawodnicy, 0, "x"},
                                                         {zawodnicy, 2, dluga},
                                                         {zawodnicy, 9, "4"},
                                                         {rynek, 0, dluga},
                                                         {stadion, 0, "x"},
                                                         {stadion, 5, dluga},
                                                         {stadion, 8, "3"},
                                                         {sponsorzy, 0, dluga}})
        u.push_back({p, static_cast<int>(1e9), slowo, nowe});
    return u;
}

std::vector<std::string> slowa(const char* nazwa) {
    std::ifstream f(dane(nazwa));
    std::vector<std::string> s;
    for (std::string w; f >> w;) s.push_back(w);
    return s;
}

// A fresh working directory holding the shipped files; the old one comes back at the end.
class Start : public ::testing::Test {
  protected:
    void SetUp() override {
        gra_z_danych();
        poprzedni_ = fs::current_path();
        fs::remove_all(katalog_);
        fs::create_directories(katalog_);
        fs::current_path(katalog_);
        for (const char* p : pliki) fs::copy_file(dane(p), p);
    }
    void TearDown() override {
        fs::current_path(poprzedni_);
        fs::remove_all(katalog_);
    }
    fs::path poprzedni_;
    fs::path katalog_ =
        fs::temp_directory_path() / ("bramkowiec-start-" + std::to_string(getpid()));
};
}  // namespace

TEST_F(Start, TheShippedFilesLoadAndTheRoundsOffersStartAtZero) {
    czysta_gra();
    GR.oferty = 5;
    std::string blad;
    ASSERT_TRUE(wczytaj_gre(&blad)) << blad;
    EXPECT_EQ(GR.oferty, 0);
    EXPECT_STREQ(DR.nazwa[0][0], slowa(pliki[druzyny])[9].c_str());
    EXPECT_STREQ(GR.rynek[gracze::nazw_rynku - 1], slowa(pliki[rynek]).back().c_str());
    EXPECT_STREQ(ST.sponsorzy[boisko::nazw_sponsorow - 1], slowa(pliki[sponsorzy]).back().c_str());
}

TEST_F(Start, EveryDamagedFileIsNamedInPolishAndLeavesTheGameAsItWas) {
    for (const usterka& u : usterki()) {
        const char* nazwa = pliki[u.p];
        SCOPED_TRACE(std::string(nazwa) + " zostaw " + std::to_string(u.zostaw) + " slowo " +
                     std::to_string(u.slowo) + " " + u.nowe);
        for (const char* p : pliki) fs::copy_file(dane(p), p, fs::copy_options::overwrite_existing);
        auto s = slowa(nazwa);
        if (u.zostaw == brak) {
            fs::remove(nazwa);
        } else {
            s.resize(
                std::min<std::size_t>(s.size(), u.zostaw == ostatni ? s.size() - 1 : u.zostaw));
            if (!u.nowe.empty()) s[u.slowo] = u.nowe;
            std::ofstream f(nazwa, std::ios::trunc);
            for (const auto& w : s) f << w << '\n';
        }
        DR.sezon = 1234;
        GR.morale = -3;
        ST.kasa = -5;
        const zespoly dr = DR;
        const gracze gr = GR;
        const boisko st = ST;
        std::string blad;
        EXPECT_FALSE(wczytaj_gre(&blad));
        EXPECT_NE(blad.find(nazwa), std::string::npos) << blad;
        for (char z : blad) EXPECT_TRUE(z >= ' ' && z < 127) << blad;
        EXPECT_EQ(std::memcmp(&DR, &dr, sizeof DR), 0);
        EXPECT_EQ(std::memcmp(&GR, &gr, sizeof GR), 0);
        EXPECT_EQ(std::memcmp(&ST, &st, sizeof ST), 0);
        EXPECT_FALSE(wczytaj_gre(nullptr));
    }
}

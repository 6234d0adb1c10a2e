#include "shell/start.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "club/boisko.h"
#include "league/zespoly.h"
#include "pomoc/gra_testowa.h"
#include "squad/gracze.h"

namespace fs = std::filesystem;

namespace {
const char* const pliki[] = {"druzyny-1995.txt", "gracze.txt", "rynek.txt", "stadion.txt",
                             "sponsorzy.txt"};
constexpr int brak = -2, ostatni = -1, wszystkie = 1 << 30;
const std::string wskazowka = "Gra czyta pliki stad.";

// One damaged start-up file: missing, cut after `zostaw` words, or word `slowo` replaced.
struct usterka {
    int plik, zostaw, slowo = 0;
    std::string nowe;
};

std::vector<usterka> usterki() {
    const std::string n(40, 'N');  // longer than any name may be
    std::vector<usterka> u{{0, wszystkie, 0, "x"},  {0, wszystkie, 2, "3"},   // tier
                           {0, wszystkie, 3, "18"}, {0, wszystkie, 3, "-1"},  // slot
                           {0, wszystkie, 4, "15"}, {0, wszystkie, 9, n},     // cup stage, name
                           {1, wszystkie, 0, "x"},  {1, wszystkie, 2, n},
                           {1, wszystkie, 9, "4"},  {2, wszystkie, 0, n},  // position
                           {3, wszystkie, 0, "x"},  {3, wszystkie, 5, n},
                           {3, wszystkie, 8, "3"},  {4, wszystkie, 0, n}};  // tier
    for (int p = 0; p < 5; ++p)
        for (int zostaw : {brak, 0, 1, 3, 12, ostatni}) u.push_back({p, zostaw, 0, ""});
    return u;
}
}  // namespace

TEST(Start, EveryDamagedFileIsNamedInPolishAndLeavesTheGameAsItWas) {
    katalog_roboczy katalog("start", {});
    for (const usterka& u : usterki()) {
        const char* nazwa = pliki[u.plik];
        SCOPED_TRACE(std::string(nazwa) + " " + std::to_string(u.zostaw) + " " + u.nowe);
        // Removed first: mingw's libstdc++ takes any two files for the same one and will not
        // overwrite.
        for (const char* p : pliki) {
            fs::remove(p);
            fs::copy_file(dane(p), p);
        }
        std::ifstream wejscie(nazwa);
        std::vector<std::string> s;
        for (std::string w; wejscie >> w;) s.push_back(w);
        wejscie.close();  // Windows deletes no file that is still open
        s.resize(std::min<std::size_t>(s.size(), u.zostaw == ostatni ? s.size() - 1 : u.zostaw));
        if (!u.nowe.empty()) s[u.slowo] = u.nowe;
        std::ofstream f(nazwa, std::ios::trunc);
        for (const auto& w : s) f << w << '\n';
        f.close();
        if (u.zostaw == brak) fs::remove(nazwa);
        gra_z_danych();
        DR.sezon = 1234;  // marks that the shipped files would overwrite
        GR.morale = ST.kasa = -3;
        const zespoly dr = DR;
        const gracze gr = GR;
        const boisko st = ST;
        std::string blad;
        EXPECT_FALSE(wczytaj_gre(&blad, "", wskazowka));
        EXPECT_NE(blad.find(nazwa), std::string::npos) << blad;
        // A missing file adds the platform's line on where the game looks for its files.
        EXPECT_EQ(std::count(blad.begin(), blad.end(), '\n'), u.zostaw == brak ? 1 : 0) << blad;
        EXPECT_EQ(blad.ends_with("\n" + wskazowka), u.zostaw == brak) << blad;
        EXPECT_TRUE(std::all_of(blad.begin(), blad.end(),
                                [](char z) { return z == '\n' || (z >= ' ' && z < 127); }));
        EXPECT_EQ(std::memcmp(&DR, &dr, sizeof DR) | std::memcmp(&GR, &gr, sizeof GR) |
                      std::memcmp(&ST, &st, sizeof ST),
                  0);
        EXPECT_FALSE(wczytaj_gre(nullptr));
    }
}

TEST(Start, AMissingFileWithNoHintGivenIsOneLine) {
    katalog_roboczy katalog("start-bez-wskazowki",
                            {"gracze.txt", "rynek.txt", "stadion.txt", "sponsorzy.txt"});
    std::string blad;
    EXPECT_FALSE(wczytaj_gre(&blad));
    EXPECT_NE(blad.find("druzyny-1995.txt"), std::string::npos) << blad;
    EXPECT_EQ(blad.find('\n'), std::string::npos) << blad;
}

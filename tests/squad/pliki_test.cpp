#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <fstream>
#include <set>
#include <string>

#include "kadra.h"
#include "pomoc/gra_testowa.h"

namespace {
std::string plik(const std::string& tresc) {
    std::string sciezka = ::testing::TempDir() + "gracze_test.txt";
    std::ofstream(sciezka) << tresc;
    return sciezka;
}
}  // namespace

TEST(PlikKadry, ASavedSquadLoadsBackWithItsGapsClosed) {
    czysta_gra();
    GR.morale = 33, GR.oferty = 2;
    const int sloty[] = {0, 3, 7};
    for (int n = 0; n < 3; ++n) {
        zawodnik(sloty[n], ("Gracz" + std::to_string(n)).c_str(), n + 1, 40 + n, 20 + n, n % 2, 5);
        GR.sily[sloty[n]] = 17 + n, GR.meczy[sloty[n]] = 60 + n, GR.bramki[sloty[n]] = 9 + n;
    }
    std::string sciezka = plik("");
    ASSERT_TRUE(GR.save(sciezka.c_str()));
    gracze zapisane = GR;
    czysta_gra();
    zawodnik(10, "Stary", 2, 50);
    ASSERT_TRUE(GR.load(sciezka.c_str()));
    EXPECT_EQ((std::array{GR.ilegraczy(), GR.morale, GR.oferty}), (std::array{3, 33, 2}));
    for (int n = 0; n < 3; ++n) {
        EXPECT_STREQ(GR.imie[n], zapisane.imie[sloty[n]]);
        EXPECT_EQ(pola(GR, n), pola(zapisane, sloty[n]));
    }
    EXPECT_EQ(GR.wiek[10], 0);  // freed by the load, the rest of the slot kept
    EXPECT_STREQ(GR.imie[10], "Stary");
    ASSERT_TRUE(GR.load(plik("50 0\n").c_str()));
    EXPECT_EQ(GR.ilegraczy(), 0);
    EXPECT_FALSE(GR.save("/nonexistent/dir/gracze.txt"));
}

TEST(PlikKadry, DamagedFilesAreRefusedWithAReasonAndChangeNothing) {
    czysta_gra();
    ASSERT_TRUE(GR.load(dane("gracze.txt").c_str()));
    ASSERT_TRUE(GR.loadrynek(dane("rynek.txt").c_str()));
    std::string za_duzo = "50 0\n", nazwy70;
    for (int i = 0; i < 22; ++i) za_duzo += "Nowak 40 20 25 0 0 0 1 1\n";
    for (int k = 0; k < 70; ++k) nazwy70 += "N" + std::to_string(k) + "\n";
    for (auto [rynek, tresc, powod] : {
             std::tuple{false, std::string("50 0\nBardzoDlugieNazwisko 1 2 3 4 5 6 1 1"),
                        "za dluga"},
             {false, "50 0\nNowak 40 20 x 0 0 0 1 1\n", "wiersz 2: \"x\" nie jest liczba"},
             {false, "50 0\nNowak 40 20 25 0 0 0 4 1\n", "wiersz 2: pozycja"},
             {false, "50 0\nNowak 40 20 25 0 0 0 -1 1\n", "od 0 do 3"},
             {false, "50 0\nNowak 40 20 25 0 0 0\n", "za wczesnie"},
             {false, za_duzo, "w kadrze jest wiecej niz 21 zawodnikow"},
             {false, "", "nie mozna otworzyc"},
             {true, nazwy70.substr(0, nazwy70.size() - 4), "jest 69, potrzeba 70"},
             {true, "Dlugienazwisko1\n" + nazwy70,
              "wiersz 1: nazwa \"Dlugienazwisko1\" jest za dluga"},
             {true, "", "nie mozna otworzyc"},
             {true, std::string("Zly\x01") + nazwy70, "wiersz 1: nazwa zawiera niedozwolony znak"},
             {false, std::string("1 0\n\0 1 2 3 4 5 6 1 1", 21), "wiersz 2: nazwa zawiera"},
         }) {
        gracze przed = GR;
        std::string blad, sciezka = tresc.empty() ? "/nonexistent/plik.txt" : plik(tresc);
        EXPECT_FALSE(rynek ? GR.loadrynek(sciezka.c_str(), &blad)
                           : GR.load(sciezka.c_str(), &blad));
        EXPECT_NE(blad.find(powod), std::string::npos) << blad;
        EXPECT_EQ(std::memcmp(GR.rynek, przed.rynek, sizeof GR.rynek), 0) << tresc;
        EXPECT_EQ(std::memcmp(GR.imie, przed.imie, sizeof GR.imie), 0) << tresc;
        EXPECT_EQ((std::array{GR.morale, GR.oferty}), (std::array{przed.morale, przed.oferty}));
        for (int i = 0; i < gracze::miejsc; ++i) EXPECT_EQ(pola(GR, i), pola(przed, i)) << tresc;
    }
}

TEST(PlikKadry, ShippedSquadAndMarketNamesFollowTheGameRules) {
    czysta_gra();
    ASSERT_TRUE(GR.load(dane("gracze.txt").c_str()));
    ASSERT_TRUE(GR.loadrynek(dane("rynek.txt").c_str()));
    EXPECT_TRUE(GR.oferty == 0 && GR.ilegraczy() >= 16 && GR.ilegraczy() <= 18);
    std::array<int, 4> wybrani{};
    std::set<std::string> nazwy;
    auto nowa = [&nazwy](std::string s) {
        for (char& z : s) z = static_cast<char>(std::tolower(static_cast<unsigned char>(z)));
        return nazwy.insert(s).second;
    };
    for (int i = 0; i < GR.ilegraczy(); ++i) {
        wybrani[GR.pozycja[i]] += GR.gra[i];
        int b = GR.bramkostrzelnosc[i];
        EXPECT_TRUE(GR.pozycja[i] >= 2 ? b >= 1 && b <= 13 : b == 0) << GR.imie[i];
        EXPECT_TRUE(nowa(GR.imie[i])) << GR.imie[i];
    }
    EXPECT_EQ(wybrani, (std::array{1, 4, 4, 2}));
    for (const auto& nazwa : GR.rynek) EXPECT_TRUE(nowa(nazwa)) << nazwa;
}

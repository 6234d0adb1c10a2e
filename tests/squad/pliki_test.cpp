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

#define ROWNE(pole) (std::memcmp(&a.pole, &b.pole, sizeof a.pole) == 0)
bool rowne(const gracze& a, const gracze& b) {
    return ROWNE(rynek) && ROWNE(morale) && ROWNE(pozycja) && ROWNE(sily) &&
           ROWNE(bramkostrzelnosc) && ROWNE(wiek) && ROWNE(gra) && ROWNE(meczy) && ROWNE(imie) &&
           ROWNE(umiejetnosci) && ROWNE(bramki) && ROWNE(oferty);
}

std::string male(std::string s) {
    for (char& z : s) z = static_cast<char>(std::tolower(static_cast<unsigned char>(z)));
    return s;
}

}  // namespace

TEST(PlikKadry, ASavedSquadLoadsBackWithItsGapsClosed) {
    czysta_gra();
    GR.morale = 33;
    GR.oferty = 2;
    int sloty[] = {0, 3, 7};
    for (int n = 0; n < 3; ++n) {
        int i = sloty[n];
        zawodnik(i, ("Gracz" + std::to_string(n)).c_str(), n + 1, 40 + n, 20 + n, n % 2, 5 + n);
        GR.sily[i] = 17 + n, GR.meczy[i] = 60 + n, GR.bramki[i] = 9 + n;
    }
    std::string sciezka = plik("");
    ASSERT_TRUE(GR.save(sciezka.c_str()));
    gracze zapisane = GR;
    czysta_gra();
    zawodnik(10, "Stary", 2, 50);
    ASSERT_TRUE(GR.load(sciezka.c_str()));
    EXPECT_EQ(GR.ilegraczy(), 3);
    EXPECT_EQ(GR.morale, 33);
    EXPECT_EQ(GR.oferty, 2);  // a loaded game keeps its offer count
    for (int n = 0; n < 3; ++n) {
        int i = sloty[n];
        EXPECT_STREQ(GR.imie[n], zapisane.imie[i]);
        EXPECT_EQ((std::array{GR.umiejetnosci[n], GR.sily[n], GR.wiek[n], GR.meczy[n], GR.bramki[n],
                              GR.bramkostrzelnosc[n], GR.pozycja[n], GR.gra[n]}),
                  (std::array{zapisane.umiejetnosci[i], zapisane.sily[i], zapisane.wiek[i],
                              zapisane.meczy[i], zapisane.bramki[i], zapisane.bramkostrzelnosc[i],
                              zapisane.pozycja[i], zapisane.gra[i]}));
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
    std::string gracz = "Nowak 40 20 25 0 0 0 1 1\n", za_duzo = "50 0\n";
    for (int i = 0; i < 22; ++i) za_duzo += gracz;
    std::string nazwy70;
    for (int k = 0; k < 70; ++k) nazwy70 += "N" + std::to_string(k) + "\n";
    struct przypadek {
        bool rynek;
        std::string tresc, powod;
    };
    for (const auto& p : {
             przypadek{false, "50 0\nBardzoDlugieNazwisko 1 2 3 4 5 6 1 1\n", "za dluga"},
             {false, "50 0\nNowak 40 20 x 0 0 0 1 1\n", "wiersz 2: \"x\" nie jest liczba"},
             {false, "50 0\nNowak 40 20 25 0 0 0 4 1\n", "wiersz 2: pozycja"},
             {false, "50 0\nNowak 40 20 25 0 0 0 -1 1\n", "od 0 do 3"},
             {false, "50 0\nNowak 40 20 25 0 0 0\n", "za wczesnie"},
             {false, za_duzo, "w kadrze jest 22 zawodnikow"},
             {true, nazwy70.substr(0, nazwy70.size() - 4), "jest 69, potrzeba 70"},
             {true, "Dlugienazwisko1\n" + nazwy70, "za dluga"},
         }) {
        gracze przed = GR;
        std::string blad, sciezka = plik(p.tresc);
        EXPECT_FALSE(p.rynek ? GR.loadrynek(sciezka.c_str(), &blad)
                             : GR.load(sciezka.c_str(), &blad));
        EXPECT_NE(blad.find(p.powod), std::string::npos) << blad;
        EXPECT_TRUE(rowne(GR, przed)) << p.tresc;
    }
    std::string blad;
    EXPECT_FALSE(GR.load("/nonexistent/gracze.txt", &blad));
    EXPECT_FALSE(GR.loadrynek("/nonexistent/rynek.txt"));
    EXPECT_NE(blad.find("nie mozna otworzyc"), std::string::npos);
}

TEST(PlikKadry, ShippedSquadAndMarketNamesFollowTheGameRules) {
    czysta_gra();
    ASSERT_TRUE(GR.load(dane("gracze.txt").c_str()));
    ASSERT_TRUE(GR.loadrynek(dane("rynek.txt").c_str()));
    EXPECT_EQ(GR.oferty, 0);
    EXPECT_GE(GR.ilegraczy(), 16);
    EXPECT_LE(GR.ilegraczy(), 18);
    int wybrani[4]{};
    std::set<std::string> nazwy;
    for (int i = 0; i < GR.ilegraczy(); ++i) {
        wybrani[GR.pozycja[i]] += GR.gra[i];
        bool strzela = GR.pozycja[i] >= 2;
        EXPECT_EQ(GR.bramkostrzelnosc[i] > 0, strzela) << GR.imie[i];
        EXPECT_LE(GR.bramkostrzelnosc[i], 13);
        nazwy.insert(male(GR.imie[i]));
    }
    EXPECT_EQ((std::array{wybrani[0], wybrani[1], wybrani[2], wybrani[3]}),
              (std::array{1, 4, 4, 2}));
    for (const auto& nazwa : GR.rynek) EXPECT_TRUE(nazwy.insert(male(nazwa)).second) << nazwa;
}

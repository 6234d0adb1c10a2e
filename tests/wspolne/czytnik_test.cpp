#include "wspolne/czytnik.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {
std::string plik_z(const std::string& tresc) {
    auto sciezka = std::filesystem::temp_directory_path() /
                   ("czytnik_" + std::to_string(std::hash<std::string>{}(tresc)) + ".txt");
    std::ofstream(sciezka) << tresc;
    return sciezka.string();
}
}  // namespace

TEST(Czytnik, ReadsNumbersAndWordsAcrossAnyWhiteSpace) {
    czytnik c(plik_z("  12 -5\n\tLegia\r\n4294967196 -100\n").c_str());
    int a = 0, b = 0, kasa = 0, minus = 0;
    char nazwa[24];
    ASSERT_TRUE(c.liczba(a) && c.liczba(b) && c.nazwa(nazwa, sizeof nazwa));
    ASSERT_TRUE(c.liczba_bez_znaku(kasa) && c.liczba_bez_znaku(minus));
    EXPECT_EQ(a, 12);
    EXPECT_EQ(b, -5);
    EXPECT_STREQ(nazwa, "Legia");
    EXPECT_EQ(kasa, -100);
    EXPECT_EQ(minus, -100);
    EXPECT_TRUE(c.na_koncu());
    EXPECT_TRUE(c.dobry());
}

TEST(Czytnik, SaysWhatIsWrongAndWhereThenRefusesEverythingAfter) {
    czytnik c(plik_z("1\n2\nabc 4\n").c_str());
    int w = 0;
    EXPECT_TRUE(c.liczba(w));
    EXPECT_TRUE(c.liczba(w));
    EXPECT_FALSE(c.liczba(w));
    EXPECT_EQ(c.blad(), "wiersz 3: \"abc\" nie jest liczba");
    EXPECT_FALSE(c.liczba(w));
    EXPECT_EQ(w, 2);
}

TEST(Czytnik, RefusesOutOfRangeNumbersLongNamesEarlyEndAndMissingFiles) {
    int w = 0;
    czytnik duza(plik_z("2147483648").c_str());
    EXPECT_FALSE(duza.liczba(w));
    czytnik za_duza_bez_znaku(plik_z("4294967296").c_str());
    EXPECT_FALSE(za_duza_bez_znaku.liczba_bez_znaku(w));

    char nazwa[15] = "stara";
    czytnik dluga(plik_z("Abcdefghijklmno").c_str());
    EXPECT_FALSE(dluga.nazwa(nazwa, sizeof nazwa));
    EXPECT_STREQ(nazwa, "stara");
    EXPECT_NE(dluga.blad().find("za dluga (najwyzej 14 znakow)"), std::string::npos);

    czytnik sterujacy(plik_z(std::string("Leg\0ia Wis\x01la", 13)).c_str());
    EXPECT_FALSE(sterujacy.nazwa(nazwa, sizeof nazwa));
    EXPECT_NE(sterujacy.blad().find("znak sterujacy"), std::string::npos);

    czytnik krotki(plik_z("7\n").c_str());
    EXPECT_TRUE(krotki.liczba(w));
    EXPECT_FALSE(krotki.liczba(w));
    EXPECT_NE(krotki.blad().find("konczy sie za wczesnie"), std::string::npos);

    czytnik brak("/nie/ma/takiego/pliku.txt");
    EXPECT_FALSE(brak.otwarty());
    EXPECT_FALSE(brak.liczba(w));
    EXPECT_FALSE(brak.blad().empty());
}

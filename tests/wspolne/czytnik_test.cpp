#include "wspolne/czytnik.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>

#include "pomoc/gra_testowa.h"

namespace {
std::string plik_z(const std::string& tresc) {
    std::string sciezka = plik_tymczasowy("czytnik.txt");
    std::ofstream(sciezka) << tresc;
    return sciezka;
}
}  // namespace

TEST(Czytnik, ReadsNumbersWordsAndTwosComplementAcrossAnyWhiteSpace) {
    czytnik c(plik_z("  12 -5\n\tLegia\r\n4294967196 -100\n").c_str());
    int a = 0, b = 0, kasa = 0, minus = 0;
    char nazwa[24];
    ASSERT_TRUE(c.liczba(a) && c.liczba(b) && c.nazwa(nazwa, sizeof nazwa) &&
                c.liczba_bez_znaku(kasa) && c.liczba_bez_znaku(minus) && c.na_koncu());
    EXPECT_EQ((std::array{a, b, kasa, minus}), (std::array{12, -5, -100, -100}));
    EXPECT_STREQ(nazwa, "Legia");
}

TEST(Czytnik, EveryFaultIsNamedWithItsLineAndLeavesTheFieldAlone) {
    struct przypadek {
        std::string tresc;
        int ktora;  // 0 "%d", 1 "%lu", 2 a 14-character name
        std::string powod;
    };
    for (const przypadek& p : {przypadek{"1\n\nabc", 0, "wiersz 3: \"abc\" nie jest liczba"},
                               {"2147483648", 0, "nie jest liczba"},
                               {"4294967296", 1, "nie jest liczba"},
                               {"Abcdefghijklmno", 2, "za dluga (najwyzej 14 znakow)"},
                               {std::string("Leg\0ia", 6), 2, "znak sterujacy"},
                               {"\n", 0, "konczy sie za wczesnie"}}) {
        czytnik c(plik_z(p.tresc).c_str());
        int w = 7, pierwsza = 0;
        char nazwa[15] = "stara";
        if (p.tresc[0] == '1') {
            ASSERT_TRUE(c.liczba(pierwsza));
        }
        EXPECT_FALSE(p.ktora == 0   ? c.liczba(w)
                     : p.ktora == 1 ? c.liczba_bez_znaku(w)
                                    : c.nazwa(nazwa, sizeof nazwa));
        EXPECT_NE(c.blad().find(p.powod), std::string::npos) << c.blad();
        EXPECT_EQ(w, 7);
        EXPECT_STREQ(nazwa, "stara");
        EXPECT_FALSE(c.liczba(w));
    }
    czytnik brak("/nie/ma/takiego/pliku.txt");
    EXPECT_FALSE(brak.otwarty() || brak.blad().empty());
}

// The file formats are defined by the C library's conversions, which take one plus sign.
TEST(Czytnik, APlusSignIsTakenOnceBeforeTheDigitsAndNowhereElse) {
    struct przypadek {
        std::string tekst;
        bool bez_znaku;
        bool dobry;
        int wartosc;
    };
    for (const przypadek& p : {przypadek{"+1995", false, true, 1995},
                               {"+7", true, true, 7},
                               {"+0", false, true, 0},
                               {"+", false, false, 0},
                               {"+-5", false, false, 0},
                               {"-+5", true, false, 0},
                               {"++5", false, false, 0},
                               {"+5x", true, false, 0},
                               {"+2147483648", false, false, 0}}) {
        SCOPED_TRACE(p.tekst + (p.bez_znaku ? " %lu" : " %d"));
        czytnik c(plik_z(p.tekst).c_str());
        int w = -1;
        EXPECT_EQ(p.bez_znaku ? c.liczba_bez_znaku(w) : c.liczba(w), p.dobry) << c.blad();
        EXPECT_EQ(w, p.dobry ? p.wartosc : -1);
    }
}

TEST(Czytnik, EveryMessageNamesTheFileThenTheLineAndTheField) {
    const std::string sciezka = plik_z("12\nx\n");
    czytnik c(sciezka.c_str());
    int w = 0;
    c.pole("kasa");
    ASSERT_TRUE(c.liczba(w));
    c.pole("dlug");
    EXPECT_FALSE(c.liczba(w));
    EXPECT_EQ(c.blad(), "plik " + sciezka + ", wiersz 2, dlug: \"x\" nie jest liczba");
    czytnik brak("/nie/ma/takiego/pliku.txt");
    brak.pole("kasa");
    EXPECT_FALSE(brak.liczba(w));
    EXPECT_EQ(brak.blad(),
              "nie mozna otworzyc pliku /nie/ma/takiego/pliku.txt (brak pliku lub brak dostepu)");
}

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "club/klub_testowy.h"

namespace {
std::string sciezka(const char* nazwa) {
    return testing::TempDir() + nazwa;
}

std::string czytaj(const std::string& plik) {
    std::ostringstream s;
    s << std::ifstream(plik).rdbuf();
    return s.str();
}

void zapisz(const std::string& plik, const std::vector<std::string>& slowa) {
    std::ofstream o(plik);
    for (const auto& s : slowa) o << s << "\n";
}

const std::vector<std::string> dobry_klub = {"100", "3000", "0",   "0", "0", "Firma", "2",
                                             "1",   "2",    "250", "2", "0", "0"};
}  // namespace

TEST(PlikKlubu, ASavedClubLoadsBackWithNegativeCashAsItsTwosComplement) {
    klub_testowy();
    ST.kasa = -100;
    ST.dlug = 7000;
    ST.dni_dlugu = 11;
    ST.placa = 250;
    ST.poziom_ceny = 3;
    const std::string plik = sciezka("klub.txt");
    ASSERT_TRUE(ST.save(plik.c_str()));
    EXPECT_EQ(czytaj(plik),
              "4294967196\n10000\n7000\n11\n20000\nSponsorex\n2\n3\n2\n250\n3\n1000\n1\n");
    const boisko zapisany = ST;
    czysta_gra();
    std::string blad;
    ASSERT_TRUE(ST.load(plik.c_str(), &blad)) << blad;
    EXPECT_EQ(std::memcmp(&ST, &zapisany, sizeof ST), 0);
    EXPECT_FALSE(ST.save(sciezka("brak/katalogu/klub.txt").c_str()));
}

TEST(PlikKlubu, TheShippedClubAndSponsorNamesLoad) {
    czysta_gra();
    std::string blad;
    ASSERT_TRUE(ST.load(dane("stadion.txt").c_str(), &blad)) << blad;
    ASSERT_TRUE(ST.loadsponsor(dane("sponsorzy.txt").c_str(), &blad)) << blad;
    EXPECT_EQ(ST.liga, 2);
    EXPECT_EQ(ST.kwota_sponsora, 0);
    EXPECT_EQ(ST.koszt_lowcy, 0);
    EXPECT_GT(ST.kasa, 0);
    std::set<std::string> nazwy(std::begin(ST.sponsorzy), std::end(ST.sponsorzy));
    EXPECT_EQ(nazwy.size(), 30u);
    EXPECT_EQ(nazwy.count(""), 0u);
}

TEST(PlikKlubu, DamagedFilesAreRefusedWithAReasonAndLeaveTheClubAsItWas) {
    struct przypadek {
        int wiersz;
        std::string wartosc, powod, pole;
    };
    std::vector<przypadek> przypadki = {
        {5, "Abcdefghij0123456789", "za dluga", "nazwa sponsora"},
        {5, std::string("\0Firma", 6), "znak sterujacy", "nazwa sponsora"},
        {6, "x", "nie jest liczba", "policja"},
        {8, "3", "wiersz 9: liga musi byc 0, 1 albo 2", "liga"},
        {12, "", "konczy sie za wczesnie", "propozycje lowcy"},
    };
    const std::string plik = sciezka("zly_klub.txt");
    for (const auto& [wiersz, wartosc, powod, pole] : przypadki) {
        klub_testowy();
        auto slowa = dobry_klub;
        slowa[wiersz] = wartosc;
        zapisz(plik, slowa);
        const boisko przed = ST;
        std::string blad;
        EXPECT_FALSE(ST.load(plik.c_str(), &blad));
        EXPECT_NE(blad.find(powod), std::string::npos) << blad;
        EXPECT_NE(blad.find("pole: " + pole), std::string::npos) << blad;
        EXPECT_EQ(std::memcmp(&ST, &przed, sizeof ST), 0) << blad;
    }
    zapisz(plik, dobry_klub);
    std::string blad;
    EXPECT_TRUE(ST.load(plik.c_str(), &blad)) << blad;
    EXPECT_EQ(ST.placa, 250);
    EXPECT_FALSE(ST.load(sciezka("nie_ma.txt").c_str(), &blad));
    EXPECT_NE(blad.find("nie mozna otworzyc"), std::string::npos);
}

TEST(PlikKlubu, ASponsorFileNeedsThirtyNamesOfAtMostNineteenCharacters) {
    const std::string plik = sciezka("sponsorzy.txt");
    std::vector<std::string> nazwy(29, "Firma");
    for (auto [dopisana, powod] : {std::pair{std::string(), "nazwa sponsora nr 30 z 30"},
                                   {std::string(20, 'x'), "za dluga"},
                                   {std::string("Fir\x01ma"), "znak sterujacy"}}) {
        klub_testowy();
        std::strcpy(ST.sponsorzy[0], "Stara");
        auto pelne = nazwy;
        pelne.push_back(dopisana);
        zapisz(plik, pelne);
        std::string blad;
        EXPECT_FALSE(ST.loadsponsor(plik.c_str(), &blad));
        EXPECT_NE(blad.find(powod), std::string::npos) << blad;
        EXPECT_STREQ(ST.sponsorzy[0], "Stara");
    }
}

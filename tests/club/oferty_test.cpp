#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "club/klub_testowy.h"
#include "terminal/konsola.h"
#include "wspolne/los.h"

namespace {
const std::vector<int> tak = {klawisze::gora, klawisze::spacja};

void nazwy_sponsorow() {
    for (int i = 0; i < boisko::nazw_sponsorow; ++i)
        std::snprintf(ST.sponsorzy[i], sizeof ST.sponsorzy[i], "Firma%d", i);
}

std::string oferta(void (boisko::*jaka)(), std::initializer_list<int> losy,
                   const std::vector<int>& klucze) {
    podrzuc(losy);
    skrypt s;
    for (int k : klucze) s.dodaj({k});
    (ST.*jaka)();
    EXPECT_EQ(podrzuconych(), 0u);
    return biezacy_ekran().tekst();
}
}  // namespace

TEST(Oferty, SponsorAmountsSpanTheTiersRange) {
    struct przypadek {
        int liga, indeks_los, kwota_los;
        const char* nazwa;
        int kwota;
    };
    for (auto [liga, indeks_los, kwota_los, nazwa, kwota] : {przypadek{0, 0, 0, "Firma0", 36000},
                                                             {0, 29, 8399, "Firma29", 119990},
                                                             {1, 31, 0, "Firma1", 9000},
                                                             {1, 5, 2099, "Firma5", 29990},
                                                             {2, 7, 700, "Firma7", 3000},
                                                             {2, 7, 699, "Firma7", 9990}}) {
        klub_testowy();
        nazwy_sponsorow();
        ST.liga = liga;
        const std::string e = oferta(&boisko::nowysponsor, {indeks_los, kwota_los}, tak);
        EXPECT_NE(e.find(" " + std::string(nazwa) +
                         " oferuje kontrakt do konca sezonu w wysokosci: " + std::to_string(kwota)),
                  std::string::npos);
        EXPECT_EQ(ST.kwota_sponsora, kwota);
        EXPECT_STREQ(ST.nazwa_sponsora, nazwa);
        EXPECT_EQ(ST.koszt_lowcy, 1000);
    }
}

TEST(Oferty, ScoutFeesGrowWithTheSquareOfTheOffers) {
    struct przypadek {
        int liga, ile_los, koszt_los, ile, koszt;
    };
    for (auto [liga, ile_los, koszt_los, ile, koszt] : {przypadek{2, 2, 0, 3, 2250},
                                                        {2, 5, 499, 3, 6741},
                                                        {0, 0, 0, 1, 3000},
                                                        {0, 3, 5999, 1, 8999},
                                                        {1, 1, 1500, 2, 3000}}) {
        klub_testowy();
        ST.liga = liga;
        const std::string e = oferta(&boisko::nowy_lowca, {ile_los, koszt_los}, tak);
        EXPECT_NE(e.find("\n Lowca talentow oferuje " + std::to_string(ile) +
                         " propozycji co kolejke za stawke w wysokosci: " + std::to_string(koszt)),
                  std::string::npos);
        EXPECT_EQ(ST.propozycje_lowcy, ile);
        EXPECT_EQ(ST.koszt_lowcy, koszt);
        EXPECT_EQ(ST.kwota_sponsora, 20000);
        EXPECT_STREQ(ST.nazwa_sponsora, "Sponsorex");
    }
}

TEST(Oferty, OnlyUpThenSpaceSignsAndDecliningChangesNothing) {
    const int g = klawisze::gora, d = klawisze::dol, sp = klawisze::spacja;
    for (auto [klucze, podpisal] : {std::pair{std::vector{g, sp}, true},
                                    {{g, d, sp}, false},
                                    {{sp}, false},
                                    {{klawisze::strzalka, g, 'x', sp}, true},
                                    {{d, d, g, sp}, true}}) {
        klub_testowy();
        ST.kwota_sponsora = 0;
        const std::string e = oferta(&boisko::nowysponsor, {0, 0}, klucze);
        EXPECT_EQ(ST.kwota_sponsora, podpisal ? 3000 : 0);
        EXPECT_EQ(e.ends_with("\n Gratulacje! Podpisales kontrakt!"), podpisal) << e;
        EXPECT_EQ(e.ends_with("\n Szkoda, ale w nastepnej kolejce kolejna okazja!"), !podpisal);
        EXPECT_NE(e.find(podpisal ? " tak (gora/dol)+(space)" : " nie (gora/dol)+(space)"),
                  std::string::npos);
    }
}

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "club/klub_testowy.h"

namespace {
// Runs the stadium screen: the cursor taken down `wiersz` rows, then the keys, then space.
std::string stadion(int wiersz, std::vector<int> klucze) {
    skrypt s;
    for (int i = 0; i < wiersz; ++i) s.dodaj({klawisze::strzalka, klawisze::dol});
    for (int k : klucze) s.dodaj({k});
    s.dodaj({klawisze::spacja});
    ST.stadion();
    return s.migawki().back().tekst();
}
}  // namespace

TEST(Stadion, ShowsTheClubWithTheMarkerBesideTheSelectedRow) {
    klub_testowy();
    EXPECT_EQ(stadion(0, {}),
              "   S T A D I O N\n\n"
              " Kasa: 100000\n"
              " Pojemnosc 10000 krzeselek        <-\n"
              " Koszt 50 krzeselek: 15000\n"
              " Hot-Dog butki     : 3\n"
              " Policja           : 2\n"
              " Placa dla pilkarzy: 200 na mecz\n"
              " Wynagrodzenie: skromne\n"
              " Cena biletow: 6 zl - odpowiednia");
    const std::string e = stadion(9, {klawisze::gora});
    EXPECT_NE(e.find(" Wynagrodzenie: skromne           <-"), std::string::npos);
    EXPECT_EQ(e.find("<-"), e.rfind("<-"));
}

TEST(Stadion, SeatsAreBoughtOnlyBelowTheCashAndSoldBackForHalf) {
    klub_testowy();
    ST.kasa = 15000;
    stadion(0, {klawisze::lewo});
    EXPECT_EQ(ST.pojemnosc, 10000);
    ST.kasa = 15001;
    stadion(0, {klawisze::gora, klawisze::lewo});
    EXPECT_EQ(ST.pojemnosc, 10050);
    EXPECT_EQ(ST.kasa, 1);
    stadion(0, {klawisze::prawo});
    EXPECT_EQ(ST.pojemnosc, 10000);
    EXPECT_EQ(ST.kasa, 1 + 7500);
    for (auto [przed, po, zwrot] : {std::tuple{50, 50, 0}, {100, 50, 5012}}) {
        klub_testowy();
        ST.pojemnosc = przed;
        stadion(0, {klawisze::prawo, 'M'});
        EXPECT_EQ(ST.pojemnosc, po);
        EXPECT_EQ(ST.kasa, 100000 + zwrot);
    }
}

TEST(Stadion, StandsPoliceWageAndPriceMoveWithinTheirLimits) {
    struct przypadek {
        int wiersz;
        int boisko::*pole;
        int przed, kasa, klawisz, po, kasa_po;
    };
    const int l = klawisze::lewo, p = klawisze::prawo;
    for (auto [wiersz, pole, przed, kasa, klawisz, po, kasa_po] : {
             przypadek{2, &boisko::budki, 0, 50000, l, 0, 50000},
             {2, &boisko::budki, 0, 50001, l, 1, 1},
             {2, &boisko::budki, 0, 50000, p, 0, 50000},
             {2, &boisko::budki, 1, 50000, p, 0, 75000},
             {3, &boisko::policja, 0, 0, p, 0, 0},
             {3, &boisko::policja, 0, 0, l, 1, 0},
             {4, &boisko::placa, 100, 0, p, 50, 0},
             {4, &boisko::placa, 50, 0, p, 50, 0},
             {4, &boisko::placa, 75, 0, p, 25, 0},
             {4, &boisko::placa, 25, 0, p, 25, 0},
             {4, &boisko::placa, INT_MAX - 10, 0, l, INT_MAX, 0},
             {6, &boisko::poziom_ceny, 3, 0, l, 3, 0},
             {6, &boisko::poziom_ceny, 0, 0, p, 0, 0},
             {60, &boisko::poziom_ceny, 2, 0, l, 3, 0},
             {1, &boisko::pojemnosc, 10000, 50000, l, 10000, 50000},
             {5, &boisko::placa, 200, 0, p, 200, 0},
         }) {
        klub_testowy();
        ST.*pole = przed;
        ST.kasa = kasa;
        stadion(wiersz, {klawisz});
        EXPECT_EQ(ST.*pole, po) << wiersz << " " << przed;
        EXPECT_EQ(ST.kasa, kasa_po) << wiersz << " " << przed;
    }
}

TEST(Stadion, RatingsScaleWithTheTierAndNameTheWageAndPrice) {
    EXPECT_EQ((std::vector{wstawwsp(0), wstawwsp(1), wstawwsp(2), wstawwsp(7)}),
              (std::vector{12, 3, 1, 1}));
    const int ceny[3][3] = {{6, 10, 14}, {5, 8, 11}, {4, 6, 8}};
    const int progi[3][6] = {{720, 1440, 2880, 4320, 6600, 9120},
                             {180, 360, 720, 1080, 1650, 2280},
                             {60, 120, 240, 360, 550, 760}};
    for (int liga = 0; liga < 3; ++liga) {
        EXPECT_EQ(cena_biletu(liga, 0), 0);
        for (int poziom = 1; poziom <= 3; ++poziom)
            EXPECT_EQ(cena_biletu(liga, poziom), ceny[liga][poziom - 1]);
        for (int ocena = 0; ocena < 6; ++ocena) {
            EXPECT_EQ(zarobki(progi[liga][ocena] - 1, liga), ocena);
            EXPECT_EQ(zarobki(progi[liga][ocena], liga), ocena + 1);
        }
    }
    struct przypadek {
        int liga, placa, poziom, kasa;
        const char* tekst;
    };
    for (auto [liga, placa, poziom, kasa, tekst] :
         {przypadek{0, 700, 0, 5, " Wynagrodzenie: fatalne!\n Cena biletow: 0 zl to za darmo !"},
          {0, 720, 1, 5, " Wynagrodzenie: skompe\n Cena biletow: 6 zl - niska"},
          {1, 1080, 3, 5, " Wynagrodzenie: duze\n Cena biletow: 11 zl - duza"},
          {2, 760, 7, 5, " Wynagrodzenie: zajebiste!\n Cena biletow:"},
          {2, 550, 2, -500, " Kasa: -500\n"}}) {
        klub_testowy();
        ST.liga = liga;
        ST.placa = placa;
        ST.poziom_ceny = poziom;
        ST.kasa = kasa;
        const std::string e = stadion(0, {});
        EXPECT_NE(e.find(tekst), std::string::npos) << e;
        EXPECT_TRUE(poziom != 7 || e.ends_with(" Cena biletow:"));
    }
}

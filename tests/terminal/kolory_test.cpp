#include "terminal/kolory.h"

#include <gtest/gtest.h>

#include "league/zespoly.h"
#include "squad/gracze.h"
#include "terminal/konsola.h"

// clang-format off
TEST(Kolory, ConsoleAttributesOnTerminalsWithManyEightAndNoColoursAndPairsUpToTheLimit) {
    // Curses numbers red 1 and blue 4; the console the other way round.
    const int curses[8] = {0, 4, 2, 6, 1, 5, 3, 7};
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(wyglad_atrybutu(k, 256).znak, curses[k]) << k;
        EXPECT_EQ(wyglad_atrybutu(k << 4, 8).tlo, curses[k]) << k;
    }
    struct przypadek { int atrybut, kolorow; wyglad w; };
    for (auto [atrybut, kolorow, w] : {przypadek{66, 16, {2, 1}}, {79, 256, {15, 1}},
             {129, 16, {4, 8}}, {15, 8, {7, 0, true}}, {129, 8, {4, 0}}, {15, 0, {}},
             {66, 0, {7, 0, false, true}}})
        EXPECT_EQ(wyglad_atrybutu(atrybut, kolorow), w) << atrybut << " " << kolorow;
    pary_kolorow pary(3);
    std::vector<std::pair<int, bool>> wydane;
    for (bool nowa = false; auto [znak, tlo] : {std::pair{7, 0}, {2, 1}, {7, 0}, {4, 2}, {2, 1}})
        wydane.emplace_back(pary.para(znak, tlo, nowa), nowa);
    EXPECT_EQ(wydane, (std::vector<std::pair<int, bool>>{
                          {1, true}, {2, true}, {1, false}, {0, false}, {2, false}}));
}

// clang-format on

TEST(Kolory, WithoutColoursPositionsAndTableRowsStayApart) {
    struct przypadek {
        const char* nazwa;
        int atrybut;
        wyglad w;
    };
    const wyglad zwykly{};
    wyglad podkreslony, pogrubiony, odwrocony, odwrocony_podkreslony;
    podkreslony.podkreslony = pogrubiony.pogrubiony = odwrocony.odwrocony = true;
    odwrocony_podkreslony.odwrocony = odwrocony_podkreslony.podkreslony = true;
    for (auto p : {przypadek{"goalkeeper", gracze::kolor_pozycji(gracze::bramkarz), podkreslony},
                   {"defender", gracze::kolor_pozycji(gracze::obronca), pogrubiony},
                   {"midfielder", gracze::kolor_pozycji(gracze::pomocnik), odwrocony},
                   {"forward", gracze::kolor_pozycji(gracze::napastnik), zwykly},
                   {"text", kolor_tekstu, zwykly},
                   {"table zone", zespoly::kolor_strefy, odwrocony},
                   {"user's row", zespoly::kolor_twojej, odwrocony_podkreslony},
                   {"club name", 66, odwrocony},
                   {"season end", 129, odwrocony_podkreslony}}) {
        SCOPED_TRACE(p.nazwa);
        EXPECT_EQ(wyglad_atrybutu(p.atrybut, 0), p.w);
    }
}

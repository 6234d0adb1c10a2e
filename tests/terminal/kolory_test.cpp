#include "terminal/kolory.h"

#include <gtest/gtest.h>

namespace {
// Curses numbers of the console's eight base colours (console: 1 blue, 2 green, 4 red).
constexpr int czarny = 0, czerwony = 1, zielony = 2, zolty = 3, niebieski = 4, fioletowy = 5,
              turkusowy = 6, bialy = 7;
}  // namespace

TEST(Kolory, BaseColoursSwapRedAndBlueForEveryForegroundAndBackground) {
    const int curses[8] = {czarny,   niebieski, zielony, turkusowy,
                           czerwony, fioletowy, zolty,   bialy};
    for (int kolorow : {8, 16, 256}) {
        for (int k = 0; k < 8; ++k) {
            EXPECT_EQ(wyglad_atrybutu(k, kolorow).znak, curses[k]) << k;
            EXPECT_EQ(wyglad_atrybutu(k << 4, kolorow).tlo, curses[k]) << k;
        }
    }
}

TEST(Kolory, TheGamesAttributesOnSixteenAndMoreColours) {
    for (int kolorow : {16, 256}) {
        EXPECT_EQ(wyglad_atrybutu(66, kolorow), (wyglad{zielony, czerwony}));
        EXPECT_EQ(wyglad_atrybutu(15, kolorow), (wyglad{bialy + 8, czarny}));
        EXPECT_EQ(wyglad_atrybutu(79, kolorow), (wyglad{bialy + 8, czerwony}));
        EXPECT_EQ(wyglad_atrybutu(33, kolorow), (wyglad{niebieski, zielony}));
        EXPECT_EQ(wyglad_atrybutu(9, kolorow), (wyglad{niebieski + 8, czarny}));
        EXPECT_EQ(wyglad_atrybutu(11, kolorow), (wyglad{turkusowy + 8, czarny}));
        EXPECT_EQ(wyglad_atrybutu(13, kolorow), (wyglad{fioletowy + 8, czarny}));
        EXPECT_EQ(wyglad_atrybutu(129, kolorow), (wyglad{niebieski, czarny + 8}));
        EXPECT_EQ(wyglad_atrybutu(7, kolorow), (wyglad{bialy, czarny}));
    }
}

TEST(Kolory, EightColoursBrightenWithBoldAndDropABrightBackground) {
    EXPECT_EQ(wyglad_atrybutu(15, 8), (wyglad{bialy, czarny, true}));
    EXPECT_EQ(wyglad_atrybutu(79, 8), (wyglad{bialy, czerwony, true}));
    EXPECT_EQ(wyglad_atrybutu(129, 8), (wyglad{niebieski, czarny, false}));
    EXPECT_EQ(wyglad_atrybutu(66, 8), (wyglad{zielony, czerwony, false}));
}

TEST(Kolory, WithoutColoursOnlyAColouredBackgroundShowsReversed) {
    for (int atrybut : {7, 15, 9, 13}) EXPECT_EQ(wyglad_atrybutu(atrybut, 0), wyglad{}) << atrybut;
    for (int atrybut : {66, 79, 33, 129}) EXPECT_TRUE(wyglad_atrybutu(atrybut, 0).odwrocony);
}

TEST(Kolory, PairsAreHandedOutOnFirstUseReusedAndNeverPastTheLimit) {
    pary_kolorow pary(3);
    bool nowa = false;
    EXPECT_EQ(pary.para(bialy, czarny, nowa), 1);
    EXPECT_TRUE(nowa);
    EXPECT_EQ(pary.para(zielony, czerwony, nowa), 2);
    EXPECT_TRUE(nowa);
    EXPECT_EQ(pary.para(bialy, czarny, nowa), 1);
    EXPECT_FALSE(nowa);
    // Pair numbers stop below the terminal's count; the default pair stands in.
    EXPECT_EQ(pary.para(niebieski, zielony, nowa), 0);
    EXPECT_FALSE(nowa);
    EXPECT_EQ(pary.para(zielony, czerwony, nowa), 2);
}

#include "terminal/widok.h"

#include <gtest/gtest.h>

TEST(Widok, WindowScrollsOnlyAsFarAsTheCursorNeeds) {
    EXPECT_EQ(pierwszy_widoczny(0, 24), 0);
    EXPECT_EQ(pierwszy_widoczny(23, 24), 0);
    EXPECT_EQ(pierwszy_widoczny(24, 24), 1);
    // The market's offers reach row 40: the bottom 24 rows show, ending on the cursor's row.
    EXPECT_EQ(pierwszy_widoczny(40, 24), 17);
    EXPECT_EQ(pierwszy_widoczny(40, 50), 0);
}

TEST(Widok, WindowBelow80By24IsTooSmall) {
    EXPECT_FALSE(okno_za_male(80, 24));
    EXPECT_FALSE(okno_za_male(200, 60));
    EXPECT_TRUE(okno_za_male(79, 24));
    EXPECT_TRUE(okno_za_male(80, 23));
    EXPECT_TRUE(okno_za_male(0, 0));
    std::string prosba = prosba_o_wieksze_okno();
    EXPECT_NE(prosba.find("80"), std::string::npos);
    EXPECT_NE(prosba.find("24"), std::string::npos);
    for (char z : prosba) EXPECT_LT(static_cast<unsigned char>(z), 0x80);
}

TEST(Widok, PolishLettersLoseTheirMarksOnAPlainTerminal) {
    EXPECT_EQ(zamiennik_ascii(U'\u0119'), 'e');  // the e of "sie"
    EXPECT_EQ(zamiennik_ascii(U'\u0142'), 'l');
    EXPECT_EQ(zamiennik_ascii(U'\u017b'), 'Z');
    EXPECT_EQ(zamiennik_ascii(U'\u00f3'), 'o');
    EXPECT_EQ(zamiennik_ascii(U'x'), 'x');
    EXPECT_EQ(zamiennik_ascii(U'\u20ac'), '?');
    EXPECT_EQ(zamiennik_ascii(U'\u00e0'), '?');
}

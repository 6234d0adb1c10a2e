#include "terminal/ekran.h"

#include <gtest/gtest.h>

#include "terminal/widok.h"

TEST(Ekran, ConsoleRulesForTextAttributesControlsWrapGotoAndScroll) {
    ekran e;
    e.ustaw_atrybut(66);
    e.pisz("AB");
    e.ustaw_atrybut(15);
    e.pisz("C\nabc\rX\tY\n" + std::string(80, 'x') + "\nz");
    // Column 80 wraps at once, so the newline after it leaves an empty row.
    EXPECT_EQ(e.tekst(), "ABC\nX       Y\n" + std::string(80, 'x') + "\n\nz");
    EXPECT_EQ(std::vector({e.pole(1, 0).atrybut, e.pole(2, 0).atrybut, e.pole(3, 0).atrybut}),
              (std::vector<std::uint8_t>{66, 15, 7}));
    e.wyczysc();
    EXPECT_EQ(e.tekst(), "");
    for (auto [x, y] : {std::pair{14, 3}, {80, 3}, {-1, 0}, {0, ekran::wysokosc}}) e.idz(x, y);
    e.pisz("<--");
    EXPECT_EQ(e.wiersz(3), "              <--");
    EXPECT_EQ(std::pair(e.kursor_x(), e.kursor_y()), std::pair(17, 3));
    // Writing past the last row scrolls.
    for (int i = 0; i < ekran::wysokosc; ++i) e.pisz(std::to_string(i) + "\n");
    EXPECT_EQ(std::vector({e.wiersz(0), e.wiersz(ekran::wysokosc - 2)}),
              (std::vector<std::string>{"1", "299"}));
    EXPECT_EQ(e.kursor_y(), ekran::wysokosc - 1);
    // Words said for a row go with it as the buffer scrolls, and with the screen when cleared.
    e.opisz_wiersz("strefa spadku");
    e.pisz("\n");
    EXPECT_EQ(std::vector({e.opis(ekran::wysokosc - 2), e.opis(ekran::wysokosc - 1)}),
              (std::vector<std::string>{"strefa spadku", ""}));
    e.wyczysc();
    EXPECT_EQ(e.opis(ekran::wysokosc - 2), "");
}

TEST(Ekran, Utf8IsOneCellPerCharacterBadBytesQuestionMarksPlainStandIns) {
    ekran e;
    e.pisz("si\xc4\x99 x\n\xff\xc4");
    EXPECT_EQ(e.pole(2, 0).znak, U'\u0119');
    EXPECT_EQ(e.wiersz(0), "si\xc4\x99 x");
    EXPECT_EQ(e.wiersz(1), "??");
    std::string zamienione;
    for (char32_t z : {U'\u0119', U'\u0142', U'\u017b', U'\u00f3', U'x', U'\u20ac', U'\u00e0'})
        zamienione += zamiennik_ascii(z);
    EXPECT_EQ(zamienione, "elZox??");
}

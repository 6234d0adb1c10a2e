#include "terminal/windows/obraz.h"

#include <gtest/gtest.h>

#include <string>

#include "terminal/widok.h"

namespace {
const CHAR_INFO& pole(const std::vector<CHAR_INFO>& o, int kolumn, int k, int w) {
    return o[static_cast<std::size_t>(w) * kolumn + k];
}

std::string wiersz_obrazu(const std::vector<CHAR_INFO>& o, int kolumn, int w) {
    std::string s;
    for (int k = 0; k < kolumn; ++k) s += static_cast<char>(pole(o, kolumn, k, w).Char.UnicodeChar);
    return s.substr(0, s.find_last_not_of(' ') + 1);
}
}  // namespace

TEST(ObrazWindows, CellsKeepTheGamesAttributesAndPolishLettersAsOneUnit) {
    ekran e;
    e.ustaw_atrybut(66);
    e.pisz("Klub");
    e.ustaw_atrybut(15);
    e.pisz(" si\u0119");
    const auto o = obraz_okna(e, 80, 25);
    ASSERT_EQ(o.size(), 80u * 25u);
    EXPECT_EQ(pole(o, 80, 0, 0).Attributes, 66);
    EXPECT_EQ(pole(o, 80, 0, 0).Char.UnicodeChar, L'K');
    EXPECT_EQ(pole(o, 80, 4, 0).Attributes, 15);
    EXPECT_EQ(pole(o, 80, 7, 0).Char.UnicodeChar, L'\u0119');
}

// Under wine a grey blank resets the colours after it; grey text must stay grey.
TEST(ObrazWindows, GreyBlanksArePaintedWhiteButGreyTextStaysGrey) {
    ekran e;
    e.pisz("a");
    const auto o = obraz_okna(e, 80, 25);
    EXPECT_EQ(pole(o, 80, 0, 0).Attributes, 7);
    EXPECT_EQ(pole(o, 80, 1, 0).Attributes, 15);
    EXPECT_EQ(pole(o, 80, 79, 24).Attributes, 15);
}

TEST(ObrazWindows, AWindowShowsTheRowsUpToTheCursorAndBlanksPastColumn80) {
    ekran e;
    for (int i = 0; i < 30; ++i) e.pisz("wiersz " + std::to_string(i) + "\n");
    const auto o = obraz_okna(e, 100, 25);
    // The cursor is on row 30, the last of the window; the first shown is row 6.
    EXPECT_EQ(wiersz_obrazu(o, 100, 0), "wiersz 6");
    EXPECT_EQ(wiersz_obrazu(o, 100, 23), "wiersz 29");
    EXPECT_EQ(pole(o, 100, 90, 0).Char.UnicodeChar, L' ');
}

TEST(ObrazWindows, ATooSmallWindowShowsOnlyTheRequestForABiggerOne) {
    ekran e;
    e.pisz("menu");
    const auto o = obraz_okna(e, 79, 30);
    EXPECT_EQ(wiersz_obrazu(o, 79, 0), prosba_o_wieksze_okno());
    EXPECT_EQ(wiersz_obrazu(o, 79, 1), "");
}

TEST(ObrazWindows, ACharacterBeyondOneUtf16UnitGetsItsStandIn) {
    ekran::komorka k{U'\U0001F600', 15};
    EXPECT_EQ(komorka_konsoli(k).Char.UnicodeChar, L'?');
}

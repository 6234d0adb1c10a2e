#include "terminal/windows/obraz.h"

#include <gtest/gtest.h>

#include <string>

#include "terminal/widok.h"

namespace {
// The window's cells and the view that painted them, as the backend keeps both.
struct okno {
    int kolumn, wierszy;
    widok_okna widok;

    okno(int k, int w) : kolumn(k), wierszy(w) { widok.ustaw_wysokosc(w); }
    std::vector<CHAR_INFO> obraz(const ekran& e) const {
        return obraz_okna(e, widok, kolumn, wierszy);
    }
    COORD kursor(const ekran& e) const { return kursor_okna(e, widok, kolumn, wierszy); }
};

const CHAR_INFO& pole(const std::vector<CHAR_INFO>& o, int kolumn, int k, int w) {
    return o[static_cast<std::size_t>(w) * kolumn + k];
}

std::string wiersz_obrazu(const std::vector<CHAR_INFO>& o, int kolumn, int w) {
    std::string s;
    for (int k = 0; k < kolumn; ++k) s += static_cast<char>(pole(o, kolumn, k, w).Char.UnicodeChar);
    return s.substr(0, s.find_last_not_of(' ') + 1);
}

ekran wiersze(int ile) {
    ekran e;
    for (int i = 0; i < ile; ++i) e.pisz("wiersz " + std::to_string(i) + "\n");
    return e;
}
}  // namespace

TEST(ObrazWindows, CellsKeepTheGamesAttributesAndPolishLettersAsOneUnit) {
    ekran e;
    e.ustaw_atrybut(66);
    e.pisz("Klub");
    e.ustaw_atrybut(15);
    e.pisz(" si\u0119");
    const auto o = okno(80, 24).obraz(e);
    ASSERT_EQ(o.size(), 80u * 24u);
    EXPECT_EQ(pole(o, 80, 0, 0).Attributes, 66);
    EXPECT_EQ(pole(o, 80, 0, 0).Char.UnicodeChar, L'K');
    EXPECT_EQ(pole(o, 80, 4, 0).Attributes, 15);
    EXPECT_EQ(pole(o, 80, 7, 0).Char.UnicodeChar, L'\u0119');
}

// Under wine a grey blank resets the colours after it; grey text must stay grey.
TEST(ObrazWindows, GreyBlanksArePaintedWhiteButGreyTextStaysGrey) {
    ekran e;
    e.pisz("a");
    const auto o = okno(80, 24).obraz(e);
    EXPECT_EQ(pole(o, 80, 0, 0).Attributes, 7);
    EXPECT_EQ(pole(o, 80, 1, 0).Attributes, 15);
    EXPECT_EQ(pole(o, 80, 79, 22).Attributes, 15);
}

TEST(ObrazWindows, TheWindowFollowsTheCursorAndBlanksPastColumn80) {
    const ekran e = wiersze(30);
    const okno w(100, 24);
    const auto o = w.obraz(e);
    // The cursor is on row 30, the window's last; the first shown is row 7.
    EXPECT_EQ(wiersz_obrazu(o, 100, 0), "wiersz 7");
    EXPECT_EQ(wiersz_obrazu(o, 100, 22), "wiersz 29");
    EXPECT_EQ(pole(o, 100, 90, 0).Char.UnicodeChar, L' ');
    EXPECT_EQ(w.kursor(e).Y, 23);
}

TEST(ObrazWindows, From25RowsTheLastRowIsTheScreensKeyHelp) {
    ekran e = wiersze(3);
    e.ustaw_podpowiedz("spacja: wyjscie");
    const auto o = okno(80, 25).obraz(e);
    EXPECT_EQ(wiersz_obrazu(o, 80, 24).rfind("spacja: wyjscie", 0), 0u);
    EXPECT_EQ(wiersz_obrazu(o, 80, 2), "wiersz 2");
}

TEST(ObrazWindows, AScrolledViewShowsItsNoteAndParksTheCursorThere) {
    ekran e = wiersze(40);
    okno w(80, 25);
    ASSERT_EQ(w.widok.klawisz(nacisniecie::strona_w_gore, e), widok_okna::reakcja::przewin);
    const auto o = w.obraz(e);
    EXPECT_EQ(wiersz_obrazu(o, 80, 0), "wiersz 0");
    EXPECT_EQ(wiersz_obrazu(o, 80, 24), nota_przewiniecia(1, 24, 41));
    EXPECT_EQ(pole(o, 80, 0, 24).Attributes, widok_okna::atrybut_przewiniecia);
    EXPECT_EQ((std::pair{w.kursor(e).X, w.kursor(e).Y}), (std::pair<SHORT, SHORT>{0, 24}));
}

TEST(ObrazWindows, ATooSmallWindowShowsOnlyTheRequestForABiggerOne) {
    ekran e;
    e.pisz("menu");
    const okno w(79, 30);
    const auto o = w.obraz(e);
    EXPECT_EQ(wiersz_obrazu(o, 79, 0), prosba_o_wieksze_okno());
    EXPECT_EQ(wiersz_obrazu(o, 79, 1), "");
    EXPECT_EQ(w.kursor(e).Y, 0);
}

TEST(ObrazWindows, ACharacterBeyondOneUtf16UnitGetsItsStandIn) {
    ekran::komorka k{U'\U0001F600', 15};
    EXPECT_EQ(komorka_konsoli(k).Char.UnicodeChar, L'?');
}

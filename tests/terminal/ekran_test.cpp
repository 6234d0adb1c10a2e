#include "terminal/ekran.h"

#include <gtest/gtest.h>

TEST(Ekran, TextGoesAtTheCursorWithTheAttributeInForce) {
    ekran e;
    e.ustaw_atrybut(66);
    e.pisz("AB");
    e.ustaw_atrybut(15);
    e.pisz("C");
    EXPECT_EQ(e.wiersz(0), "ABC");
    EXPECT_EQ(e.pole(0, 0).atrybut, 66);
    EXPECT_EQ(e.pole(2, 0).atrybut, 15);
    EXPECT_EQ(e.kursor_x(), 3);
}

TEST(Ekran, NewlineCarriageReturnAndTab) {
    ekran e;
    e.pisz("abc\ndef\rX\tY");
    EXPECT_EQ(e.wiersz(0), "abc");
    EXPECT_EQ(e.wiersz(1), "X       Y");
    EXPECT_EQ(e.kursor_x(), 9);
    e.pisz("\n\r");
    EXPECT_EQ(e.kursor_y(), 2);
    EXPECT_EQ(e.kursor_x(), 0);
}

TEST(Ekran, Column80WrapsAtOnceSoANewlineAfterItLeavesAnEmptyRow) {
    ekran e;
    e.pisz(std::string(80, 'x'));
    EXPECT_EQ(e.kursor_y(), 1);
    EXPECT_EQ(e.kursor_x(), 0);
    e.pisz("\nz");
    EXPECT_EQ(e.wiersz(1), "");
    EXPECT_EQ(e.wiersz(2), "z");
}

TEST(Ekran, WritingPastTheLastRowScrolls) {
    ekran e;
    for (int i = 0; i < ekran::wysokosc; ++i) e.pisz(std::to_string(i) + "\n");
    EXPECT_EQ(e.wiersz(0), "1");
    EXPECT_EQ(e.wiersz(ekran::wysokosc - 2), "299");
    EXPECT_EQ(e.wiersz(ekran::wysokosc - 1), "");
    EXPECT_EQ(e.kursor_y(), ekran::wysokosc - 1);
}

TEST(Ekran, ClearBlanksAndHomesGotoOutsideIsIgnored) {
    ekran e;
    e.pisz("tekst");
    e.wyczysc();
    EXPECT_EQ(e.tekst(), "");
    EXPECT_EQ(e.kursor_x(), 0);
    e.idz(14, 3);
    e.idz(80, 3);
    e.idz(-1, 0);
    e.idz(0, ekran::wysokosc);
    EXPECT_EQ(e.kursor_x(), 14);
    EXPECT_EQ(e.kursor_y(), 3);
    e.pisz("<--");
    EXPECT_EQ(e.wiersz(3), "              <--");
}

TEST(Ekran, Utf8IsOneCellPerCharacterAndBadBytesShowAsQuestionMarks) {
    ekran e;
    e.pisz("si\xc4\x99 x");
    EXPECT_EQ(e.pole(2, 0).znak, U'\u0119');
    EXPECT_EQ(e.pole(4, 0).znak, U'x');
    EXPECT_EQ(e.wiersz(0), "si\xc4\x99 x");
    e.pisz("\n\xff\xc4");
    EXPECT_EQ(e.wiersz(1), "??");
}

#include "terminal/skrypt.h"

#include <gtest/gtest.h>

#include "terminal/konsola.h"

TEST(Skrypt, KeysComeInOrderWithASnapshotAtEveryRead) {
    biezacy_ekran() = ekran{};
    skrypt s{'a'};
    s.dodaj("bc");
    kolor(79);
    drukuj("%2d. %s", 1, "Legia");
    EXPECT_EQ(klawisz(), 'a');
    cls();
    linia("druga");
    EXPECT_EQ(klawisz(), 'b');
    EXPECT_EQ(klawisz(), 'c');
    ASSERT_EQ(s.migawki().size(), 3u);
    EXPECT_EQ(s.migawki()[0].tekst(), " 1. Legia");
    EXPECT_EQ(s.migawki()[0].atrybut(0, 0), 79);
    EXPECT_EQ(s.migawki()[1].tekst(), "druga");
    EXPECT_EQ(s.migawki()[1].kursor_y, 1);
}

TEST(Skrypt, RunningOutOfKeysThrowsUnlessAPilotAnswers) {
    skrypt s;
    EXPECT_THROW(klawisz(), brak_klawiszy);
    s.ustaw_pilota([](const ekran&) { return 32; });
    EXPECT_EQ(klawisz(), 32);
    czekaj(500);
    EXPECT_EQ(s.pauzy(), std::vector<int>{500});
}

TEST(Skrypt, TheConsoleHasNoTerminalOnceTheScriptIsGone) {
    { skrypt s{1}; }
    EXPECT_THROW(klawisz(), std::logic_error);
}

#include "terminal/kolejka_bajtow.h"

#include <gtest/gtest.h>

#include <vector>

#include "terminal/klawisze.h"

namespace {
std::vector<int> wszystkie(kolejka_bajtow& k) {
    std::vector<int> bajty;
    while (auto b = k.nastepny()) bajty.push_back(*b);
    return bajty;
}

// A screen taller than a 24-row window, the cursor on its last row.
ekran dlugi() {
    ekran e;
    for (int w = 0; w < 40; ++w) e.pisz("wiersz\n");
    return e;
}
}  // namespace

TEST(KolejkaBajtow, AnArrowIsTwoBytesAndAHeldKeyRepeats) {
    const ekran e = dlugi();
    widok_okna widok;
    kolejka_bajtow k;
    k.przyjmij({nacisniecie::dol}, widok, e);
    k.przyjmij({nacisniecie::znak, U'x'}, widok, e, 3);
    EXPECT_EQ(wszystkie(k), (std::vector<int>{klawisze::strzalka, klawisze::dol, 'x', 'x', 'x'}));
}

// A player scrolling back over a pause must not end it.
TEST(KolejkaBajtow, ScrollKeysAndResizesGiveTheGameNothingAndTheNextKeyBringsTheViewBack) {
    const ekran e = dlugi();
    widok_okna widok;
    kolejka_bajtow k;
    for (auto r :
         {nacisniecie::strona_w_gore, nacisniecie::kolko_w_gore, nacisniecie::zmiana_rozmiaru})
        k.przyjmij({r}, widok, e);
    EXPECT_TRUE(widok.przewiniety(e));
    EXPECT_FALSE(k.nastepny());
    k.przyjmij({nacisniecie::enter}, widok, e);
    EXPECT_FALSE(widok.przewiniety(e));
    EXPECT_EQ(wszystkie(k), std::vector<int>{klawisze::enter});
    // F1 opens the help and the key that closes it stays there too.
    k.przyjmij({nacisniecie::pomoc}, widok, e);
    k.przyjmij({nacisniecie::znak, U't'}, widok, e);
    EXPECT_FALSE(k.nastepny());
    k.przyjmij({nacisniecie::znak, U't'}, widok, e);
    EXPECT_EQ(wszystkie(k), std::vector<int>{'t'});
}

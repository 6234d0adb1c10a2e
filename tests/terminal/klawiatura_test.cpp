#include "terminal/klawiatura.h"

#include <gtest/gtest.h>

using v = std::vector<int>;

TEST(Klawiatura, ArrowsBecomeThePrefixAndTheConsoleCode) {
    EXPECT_EQ(bajty_konsoli({nacisniecie::gora}), (v{224, 72}));
    EXPECT_EQ(bajty_konsoli({nacisniecie::dol}), (v{224, 80}));
    EXPECT_EQ(bajty_konsoli({nacisniecie::lewo}), (v{224, 75}));
    EXPECT_EQ(bajty_konsoli({nacisniecie::prawo}), (v{224, 77}));
}

TEST(Klawiatura, EveryEnterIs13AndPlainCharactersPassUnchanged) {
    EXPECT_EQ(bajty_konsoli({nacisniecie::enter}), v{13});
    EXPECT_EQ(bajty_konsoli({nacisniecie::znak, U'\r'}), v{13});
    EXPECT_EQ(bajty_konsoli({nacisniecie::znak, U'\n'}), v{13});
    for (char32_t z : {U' ', U't', U'H', U'K', U'P', U'M', U'\x1b', U'\x7f'})
        EXPECT_EQ(bajty_konsoli({nacisniecie::znak, z}), v{static_cast<int>(z)});
}

TEST(Klawiatura, NonAsciiNeverBecomesTheArrowPrefixOrAGameKey) {
    // U+00E0 would be 224 if cut to a byte; U+0148 would be 'H' (72) after dropping a byte.
    for (char32_t z : {U'\u00e0', U'\u0105', U'\u0148', U'\u0150', U'\u20ac', U'\U0001f600'}) {
        auto b = bajty_konsoli({nacisniecie::znak, z});
        ASSERT_EQ(b.size(), 1u);
        for (int kod : {224, 72, 80, 75, 77, 13, 32, 116}) EXPECT_NE(b[0], kod);
    }
}

TEST(Klawiatura, ResizeIsNoKeyAndOtherSpecialKeysAreHarmlessSingleBytes) {
    EXPECT_TRUE(bajty_konsoli({nacisniecie::zmiana_rozmiaru}).empty());
    EXPECT_EQ(bajty_konsoli({nacisniecie::cofnij}), v{8});
    auto inny = bajty_konsoli({nacisniecie::inny_specjalny});
    ASSERT_EQ(inny.size(), 1u);
    for (int kod : {224, 72, 80, 75, 77, 13, 32, 116}) EXPECT_NE(inny[0], kod);
}

#include "terminal/kolory.h"

#include <gtest/gtest.h>

#include "terminal/klawiatura.h"

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

TEST(Klawiatura, ArrowsEnterAndResizeBecomeConsoleBytesNonAsciiNeverAGameKey) {
    using n = nacisniecie;
    using v = std::vector<int>;
    for (auto [r, bajty] : {std::pair{n::gora, v{224, 72}}, {n::dol, v{224, 80}},
             {n::lewo, v{224, 75}}, {n::prawo, v{224, 77}}, {n::enter, v{13}},
             {n::zmiana_rozmiaru, v{}}})
        EXPECT_EQ(bajty_konsoli({r}), bajty) << r;
    for (char32_t z : {U'\r', U'\n', U' ', U't', U'H', U'\x1b'})
        EXPECT_EQ(bajty_konsoli({n::znak, z}), v{z == U'\n' ? 13 : static_cast<int>(z)});
    // U+00E0 would be 224 cut to a byte; U+0148 would be 'H' (72) after dropping a byte.
    for (char32_t z : {U'\u00e0', U'\u0105', U'\u0148', U'\u20ac', U'\U0001f600', U'\0'}) {
        auto b = bajty_konsoli(z ? n{n::znak, z} : n{n::inny_specjalny});
        ASSERT_EQ(b.size(), 1u);
        for (int kod : {224, 72, 80, 75, 77, 13, 32, 116}) EXPECT_NE(b[0], kod) << int(z);
    }
}
// clang-format on

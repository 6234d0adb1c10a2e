#include "terminal/web/klawisze.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {
struct klawisz {
    const char* opis;
    std::string_view nazwa;  // KeyboardEvent.key
    std::vector<int> bajty;
};
}  // namespace

TEST(KlawiszePrzegladarki, ReachTheGameAsConsoleBytes) {
    const klawisz tabela[] = {
        {"arrow up", "ArrowUp", {224, 72}},
        {"arrow down", "ArrowDown", {224, 80}},
        {"arrow left", "ArrowLeft", {224, 75}},
        {"arrow right", "ArrowRight", {224, 77}},
        {"Enter", "Enter", {13}},
        {"space", " ", {32}},
        {"small t", "t", {116}},
        {"capital P acts as down in the game", "P", {80}},
        {"Backspace", "Backspace", {8}},
        {"Tab types a tab", "Tab", {9}},
        {"Escape types escape", "Escape", {27}},
        {"Polish letter has no console byte", "\xc5\x82", {'?'}},
        {"four-byte character", "\xf0\x9f\x98\x80", {'?'}},
        {"other named key", "Home", {0}},
        {"cut UTF-8 is no character", "\xc5", {0}},
        {"two characters are a name", "ab", {0}},
    };
    for (const klawisz& k : tabela) {
        SCOPED_TRACE(k.opis);
        EXPECT_EQ(bajty_konsoli(nacisniecie_przegladarki(k.nazwa)), k.bajty);
    }
}

TEST(KlawiszePrzegladarki, PageKeysTheWheelAndF1NeverReachTheGame) {
    struct przewiniecie {
        std::string_view nazwa;
        nacisniecie::rodzaj r;
    };
    const przewiniecie tabela[] = {
        {"PageUp", nacisniecie::strona_w_gore},
        {"PageDown", nacisniecie::strona_w_dol},
        {kolko_w_gore, nacisniecie::kolko_w_gore},
        {kolko_w_dol, nacisniecie::kolko_w_dol},
        {"F1", nacisniecie::pomoc},
    };
    for (const przewiniecie& p : tabela) {
        SCOPED_TRACE(p.nazwa);
        const nacisniecie n = nacisniecie_przegladarki(p.nazwa);
        EXPECT_EQ(n.r, p.r);
        EXPECT_TRUE(bajty_konsoli(n).empty());
    }
}

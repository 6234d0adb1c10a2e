#include "shell/menu.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "league/zespoly.h"
#include "pomoc/gra_testowa.h"
#include "terminal/skrypt.h"

using namespace klawisze;

namespace {
const char* const wpisy[] = {"NASTEPNY MECZ", "SKLAD", "KUPNO", "SPRZEDARZ", "TABELA",
                             "STADION",       "BANK",  "ZAPIS", "ODCZYT",    "INFO"};

// The entry the one "<--" marker stands beside, or -1 when there is none or more than one.
int znacznik(const migawka& m) {
    int znaleziony = -1;
    for (int w = 0; w < static_cast<int>(m.wiersze.size()); ++w) {
        if (m.wiersze[w].size() < 17 || m.wiersze[w].compare(14, 3, "<--") != 0) continue;
        if (znaleziony != -1) return -1;
        znaleziony = w - 3;
    }
    return znaleziony;
}

std::vector<int> znaczniki(const skrypt& s) {
    std::vector<int> wynik;
    for (const auto& m : s.migawki()) wynik.push_back(znacznik(m));
    return wynik;
}

// Passes of the menu until the script runs out of keys.
void przejdz() {
    try {
        for (;;) menu_raz();
    } catch (const brak_klawiszy&) {
    }
}

class Menu : public ::testing::Test {
  protected:
    void SetUp() override {
        czysta_gra();
        DR.sezon = 1995;
        DR.twojaliga = 1;
        DR.twojadruzyna = 7;
        std::strcpy(DR.nazwa[1][7], "Stal Mielec");
        menu_od_poczatku();
    }
};
}  // namespace

TEST_F(Menu, FirstPassShowsClubSeasonRoundEntriesAndTheMarkerOnTheFirstEntry) {
    DR.nr_kolejki = 0;
    skrypt s;
    przejdz();
    ASSERT_EQ(s.migawki().size(), 1u);
    const migawka& m = s.migawki()[0];
    EXPECT_EQ(m.wiersze[0], "Stal Mielec");
    EXPECT_EQ(m.atrybut(0, 0), 66);
    EXPECT_EQ(m.wiersze[1], "SEZON: 1995/1996 KOLEJKA LIGOWA: 1");
    EXPECT_EQ(m.atrybut(0, 1), 15);
    EXPECT_EQ(m.wiersze[2], "");
    for (int i = 0; i < 10; ++i) EXPECT_EQ(m.wiersze[3 + i].substr(0, 13).find(wpisy[i]), 0u) << i;
    EXPECT_EQ(m.wiersze[3], "NASTEPNY MECZ <--");
    EXPECT_EQ(znacznik(m), 0);
    EXPECT_EQ(m.kursor_x, 17);
    EXPECT_EQ(m.kursor_y, 3);
}

TEST_F(Menu, RoundIsShownOneUpAndTheMarkerStandsOnEveryEntryRow) {
    DR.nr_kolejki = 33;
    skrypt s;
    for (int i = 0; i < 9; ++i) s.dodaj({dol});
    przejdz();
    ASSERT_EQ(s.migawki().size(), 10u);
    EXPECT_EQ(s.migawki()[0].wiersze[1], "SEZON: 1995/1996 KOLEJKA LIGOWA: 34");
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(znacznik(s.migawki()[i]), i);
        EXPECT_EQ(s.migawki()[i].wiersze[3 + i].substr(14), "<--");
    }
}

TEST_F(Menu, UpAndDownWrapAtBothEnds) {
    skrypt s{gora, dol, dol, gora, gora};
    przejdz();
    EXPECT_EQ(znaczniki(s), (std::vector<int>{0, 9, 0, 1, 0, 9}));
}

TEST_F(Menu, ArrowPrefixCostsOneRedrawAndCapitalsActLikeArrows) {
    skrypt s{strzalka, dol, strzalka, dol, 'H', 'P', 'P', strzalka, gora};
    przejdz();
    EXPECT_EQ(znaczniki(s), (std::vector<int>{0, 0, 1, 1, 2, 1, 2, 3, 3, 2}));
}

TEST_F(Menu, EnterRightArrowAndOtherKeysOnlyRedraw) {
    skrypt s{enter, strzalka, prawo, 'M', 'h', 'p', 'k', 0, 255, '\n', 't'};
    przejdz();
    ASSERT_EQ(s.migawki().size(), 12u);
    for (const auto& m : s.migawki()) {
        EXPECT_EQ(znacznik(m), 0);
        EXPECT_EQ(m.tekst(), s.migawki()[0].tekst());
    }
}

TEST_F(Menu, MarkerIsKeptBetweenPassesAndResetWhenTheMenuStarts) {
    skrypt s{dol, dol, dol};
    przejdz();
    s.dodaj({'x'});
    przejdz();
    EXPECT_EQ(znacznik(s.migawki().back()), 3);
    s.dodaj({dol});
    EXPECT_THROW(menu(), brak_klawiszy);
    auto wszystkie = znaczniki(s);
    std::vector<int> po_starcie(wszystkie.end() - 2, wszystkie.end());
    EXPECT_EQ(po_starcie, (std::vector<int>{0, 1}));
}

TEST_F(Menu, TablesOfTheThreeTiersTopFirstEachWaitingForItsOwnKey) {
    for (bool strzalka_w_lewo : {false, true}) {
        SCOPED_TRACE(strzalka_w_lewo ? "left arrow" : "space");
        menu_od_poczatku();
        skrypt s{dol, dol, dol, dol};
        if (strzalka_w_lewo) {
            s.dodaj({strzalka, lewo});
        } else {
            s.dodaj({spacja});
        }
        s.dodaj("abc");
        przejdz();
        // Four moves, the run key (two bytes for the arrow), three tables, the menu again.
        const auto& m = s.migawki();
        ASSERT_EQ(m.size(), strzalka_w_lewo ? 10u : 9u);
        for (std::size_t liga = 0; liga < 3; ++liga) {
            const std::string& tytul = m[m.size() - 4 + liga].wiersze[0];
            EXPECT_NE(tytul.find("TABELA " + std::to_string(liga + 1) + " LIGI"), std::string::npos)
                << tytul;
        }
        EXPECT_EQ(znacznik(m.back()), 4);
    }
}

TEST(MenuZDanych, AfterAMatchDayTheMarkerIsStillOnTheNextMatch) {
    gra_z_danych();
    menu_od_poczatku();
    // Any key through the match day's screens; the second return to the menu ends the run.
    int powrotow = 0;
    skrypt s{spacja};
    s.ustaw_pilota([&](const ekran& e) {
        bool menu = e.wiersz(1).starts_with("SEZON: ") && e.wiersz(12).starts_with("INFO");
        if (menu && ++powrotow == 2) throw brak_klawiszy(e.tekst());
        return menu ? static_cast<int>(lewo) : static_cast<int>(spacja);
    });
    przejdz();
    std::vector<const migawka*> w_menu;
    for (const auto& m : s.migawki())
        if (m.wiersze[1].starts_with("SEZON: ") && m.wiersze[12].starts_with("INFO"))
            w_menu.push_back(&m);
    ASSERT_EQ(w_menu.size(), 3u);
    // Two match days (a cup leg does not advance the round, a league match does) move on.
    auto kolejka = [](const migawka* m) {
        return std::stoi(m->wiersze[1].substr(m->wiersze[1].rfind(' ') + 1));
    };
    EXPECT_EQ(kolejka(w_menu[0]), 1);
    EXPECT_GT(kolejka(w_menu[2]), kolejka(w_menu[0]));
    for (const migawka* m : w_menu) EXPECT_EQ(znacznik(*m), 0);
    EXPECT_GT(s.migawki().size(), w_menu.size());
}

#include <gtest/gtest.h>

#include <ranges>
#include <string>
#include <vector>

#include "jezyk/jezyk.h"
#include "pomoc/gra_testowa.h"
#include "shell/menu.h"
#include "terminal/klawisze.h"
#include "terminal/skrypt.h"

namespace {
// Each menu key with the keys of the screen it opens; the screens then get spaces. A season's
// first rounds (a cup leg among them), the line-up, the market, the sale, the tables, the
// stadium and the bank used, the save and load prompts declined, the info screen.
const std::vector<std::string> przebieg = {" ",  "P", " K",  "P", " ",      "P", " ",  "P",
                                           " ",  "P", " KK", "P", " PMM\r", "P", " n", "P",
                                           " n", "P", " ",   "P", " ",      " ", " ",  " "};

std::vector<migawka> zagraj_w(const std::string& kod) {
    gra_z_danych();
    ustaw_jezyk(kod);
    menu_od_poczatku();
    skrypt s;
    s.ustaw_pilota([](const ekran&) { return klawisze::spacja; });
    for (const std::string& klawisze : przebieg) {
        s.dodaj(klawisze);
        menu_raz();
    }
    ustaw_jezyk("pl");
    return s.migawki();
}

std::string kolumny(const std::string& wiersz, const std::string& znaki) {
    std::string k(wiersz.size(), ' ');
    for (std::size_t i = 0; i < wiersz.size(); ++i) {
        if (znaki.find(wiersz[i]) != std::string::npos) k[i] = '#';
    }
    return k.substr(0, k.find_last_not_of(' ') + 1);
}

void sprawdz_uklad(const std::vector<migawka>& pl, const std::vector<migawka>& tl, bool angielski) {
    ASSERT_EQ(pl.size(), tl.size());
    int tabel = 0, skladow = 0, bankow = 0, stadionow = 0;
    for (std::size_t m = 0; m < pl.size(); ++m) {
        const std::string ekran = pl[m].tekst();
        const bool liczby = ma(ekran, " LIGI PO ") || ma(ekran, "  imie  ") || ma(ekran, "B A N K");
        tabel += ma(ekran, " LIGI PO ");
        skladow += ma(ekran, "  imie  ");
        bankow += ma(ekran, "B A N K");
        stadionow += ma(ekran, "S T A D I O N");
        for (std::size_t w = 0; w < pl[m].wiersze.size(); ++w) {
            const std::string &a = pl[m].wiersze[w], &b = tl[m].wiersze[w];
            EXPECT_EQ(a.empty(), b.empty()) << "row " << w << " of\n"
                                            << ekran << "\n---\n"
                                            << tl[m].tekst();
            EXPECT_LE(b.size(), a.size()) << b;
            const std::string znaki = liczby ? "0123456789<" : "<";
            EXPECT_EQ(kolumny(b, znaki), kolumny(a, znaki)) << a << "\n" << b;
        }
        // English shares none of these Polish words; another language may.
        for (const char* polskie :
             {"Kasa", "mecz", "druzyn", "kolejk", " liga", "wyjdz", "gora/dol"})
            EXPECT_FALSE(angielski && ma(tl[m].tekst() + tl[m].podpowiedz, polskie))
                << polskie << " in\n"
                << tl[m].tekst();
    }
    EXPECT_GT(tabel * skladow * bankow * stadionow, 0);
}
}  // namespace

// The same keys on the same draws: every translated screen uses the Polish screen's rows, no
// row runs further, and positioned text keeps its columns: the numbers of the tables, the squad
// and the bank, the markers everywhere.
TEST(Uklad, EveryLanguagesScreensUseThePolishRowsAndColumns) {
    const std::vector<migawka> pl = zagraj_w("pl");
    for (const std::string& kod : jezyki() | std::views::drop(1)) {
        SCOPED_TRACE(kod);
        sprawdz_uklad(pl, zagraj_w(kod), kod == "en");
    }
}

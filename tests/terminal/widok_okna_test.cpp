#include "terminal/widok_okna.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {
// Rows 0..ostatni numbered "w0", "w1", ..., the cursor left on row kursor.
ekran zapisany(int ostatni, int kursor) {
    ekran e;
    for (int w = 0; w <= ostatni; ++w) e.pisz("w" + std::to_string(w) + "\n");
    e.idz(0, kursor);
    return e;
}

std::string tekst(const std::vector<ekran::komorka>& linia) {
    std::string s;
    for (auto k : linia) s += static_cast<char>(k.znak);
    return s.substr(0, s.find_last_not_of(' ') + 1);
}

// A line of the window's own: the text and, in its blank end, the F1 note.
std::string z_nota(std::string tekst) {
    tekst.resize(ekran::szerokosc - widok_okna::nota_pomocy.size(), ' ');
    return tekst + std::string(widok_okna::nota_pomocy);
}

using r = widok_okna::reakcja;
}  // namespace

// Below 25 rows the help takes the last row only when the game leaves it empty.
TEST(WidokOkna, FollowsTheCursorAndKeepsTheLastRowForHelpFrom25RowsOrWhenEmpty) {
    struct przypadek {
        const char* nazwa;
        int ostatni, wierszy, kursor, gora, wiersz_kursora;
        bool pomoc;
        std::string linia, ze_stanem;
    };
    const std::string pomoc = z_nota("spacja: wyjscie");
    const std::string stan = z_nota("Gra zapisana");
    std::string w23 = "w23";
    w23.resize(68, ' ');
    for (const auto& p :
         {przypadek{"menu, 24 rows", 12, 24, 5, 0, 5, true, pomoc, stan},
          {"full screen, 24 rows", 40, 24, 5, 0, 5, false, z_nota("w23"), w23 + "Gra zapisana"},
          {"market, 24 rows", 40, 24, 40, 17, 23, false, "", ""},
          {"market, 25 rows", 40, 25, 40, 17, 23, true, pomoc, stan},
          {"market, 50 rows", 40, 50, 40, 0, 40, true, pomoc, stan}}) {
        SCOPED_TRACE(p.nazwa);
        ekran e = zapisany(p.ostatni, p.kursor);
        e.ustaw_podpowiedz("spacja: wyjscie");
        widok_okna w;
        w.ustaw_wysokosc(p.wierszy);
        EXPECT_EQ(w.gora(e), p.gora);
        EXPECT_EQ(w.wiersz_kursora(e), p.wiersz_kursora);
        EXPECT_EQ(w.wiersz_bufora(p.wierszy - 1, e).has_value(), !p.pomoc);
        EXPECT_EQ(tekst(w.linia_wlasna(e)), p.linia);
        e.ustaw_stan("Gra zapisana");
        const auto linia = w.linia_wlasna(e);
        EXPECT_EQ(tekst(linia), p.ze_stanem);
        if (p.pomoc) {
            EXPECT_EQ(linia[0].atrybut, widok_okna::atrybut_stanu);
        }
    }
}

// F1, like PgUp, never reaches the game, and neither does the key that closes its help.
TEST(WidokOkna, F1OpensTheScreensHelpWithTheStatusAndAnyKeyClosesIt) {
    ekran e = zapisany(40, 40);
    e.ustaw_ekran_gry(ekran_gry::bank);
    e.ustaw_stan("Splata dopiero od 10. kolejki z dlugiem");
    widok_okna w;
    EXPECT_EQ(w.klawisz(nacisniecie::strona_w_gore, e), r::przewin);
    EXPECT_EQ(w.klawisz(nacisniecie::pomoc, e), r::pomoc);
    EXPECT_EQ(w.klawisz(nacisniecie::zmiana_rozmiaru, e), r::przemaluj);
    ASSERT_TRUE(w.pomoc_otwarta());
    const auto okno = w.komorki(e, 80);
    const auto linie = w.linie_pomocy(e);
    ASSERT_LE(linie.size(), 24u);
    for (std::size_t i = 0; i < linie.size(); ++i)
        EXPECT_EQ(tekst({okno.begin() + i * 80, okno.begin() + (i + 1) * 80}), linie[i]);
    EXPECT_EQ(linie[0].rfind("BANK", 0), 0u);
    EXPECT_NE(
        std::find(linie.begin(), linie.end(), "Komunikat: Splata dopiero od 10. kolejki z dlugiem"),
        linie.end());
    EXPECT_EQ(linie.back(), "Dowolny klawisz zamyka pomoc.");
    EXPECT_EQ(w.kursor(e).second, static_cast<int>(linie.size()) - 1);
    EXPECT_EQ(w.klawisz(nacisniecie::dol, e), r::pomoc);
    EXPECT_FALSE(w.pomoc_otwarta());
    EXPECT_EQ(w.gora(e), 0);
    EXPECT_EQ(w.klawisz(nacisniecie::dol, e), r::wroc_i_dostarcz);
}

// Every screen's help fits a window of 24 rows with the status, the way out and the close line.
TEST(WidokOkna, EveryScreensHelpFitsTheSmallestWindow) {
    for (int i = 0; i <= static_cast<int>(ekran_gry::info); ++i) {
        const auto linie = opis_ekranu_gry(static_cast<ekran_gry>(i));
        SCOPED_TRACE(linie.front());
        EXPECT_LE(linie.size() + 5, 24u);
        for (const auto& l : linie) EXPECT_LE(l.size(), 78u) << l;
    }
}

TEST(WidokOkna, PageUpShowsTheTopWithANoteAndAnotherKeyComesBackAndIsDelivered) {
    ekran e = zapisany(40, 40);
    widok_okna w;
    EXPECT_EQ(w.klawisz(nacisniecie::strona_w_gore, e), r::przewin);
    EXPECT_EQ(w.gora(e), 0);
    EXPECT_EQ(w.wiersz_bufora(0, e), 0);
    EXPECT_EQ(w.wiersz_bufora(23, e), std::nullopt);
    EXPECT_EQ(w.wiersz_kursora(e), std::nullopt);
    auto nota = w.linia_wlasna(e);
    EXPECT_EQ(tekst(nota), nota_przewiniecia(1, 23, 41));
    EXPECT_EQ(nota[0].atrybut, widok_okna::atrybut_przewiniecia);
    EXPECT_EQ(w.klawisz(nacisniecie::dol, e), r::wroc_i_dostarcz);
    EXPECT_EQ(std::pair(w.gora(e), w.przewiniety(e)), std::pair(17, false));
    EXPECT_EQ(w.klawisz(nacisniecie::znak, e), r::dostarcz);
}

TEST(WidokOkna, PageDownReachesRowsBelowTheCursorAndStopsAtTheLastWritten) {
    // The market: the cursor waits on row 3, the offers run on to row 40.
    ekran e = zapisany(40, 3);
    widok_okna w;
    w.ustaw_wysokosc(25);
    for (int gora : {17, 17}) {
        EXPECT_EQ(w.klawisz(nacisniecie::strona_w_dol, e), r::przewin);
        EXPECT_EQ(w.gora(e), gora);
    }
    EXPECT_EQ(w.wiersz_bufora(23, e), 40);
    EXPECT_EQ(tekst(w.linia_wlasna(e)), nota_przewiniecia(18, 41, 41));
    // Paging back up to the cursor's own view is no longer scrolled.
    EXPECT_EQ(w.klawisz(nacisniecie::strona_w_gore, e), r::przewin);
    EXPECT_FALSE(w.przewiniety(e));
    // Far from the ends a page is the window less its own line and one row kept in sight.
    const ekran dlugi = zapisany(80, 3);
    w.klawisz(nacisniecie::strona_w_dol, dlugi);
    EXPECT_EQ(w.gora(dlugi), 25 - 2);
}

TEST(WidokOkna, ScrollKeysOnAScreenThatFitsAreSwallowedAndChangeNothing) {
    ekran e = zapisany(10, 10);
    widok_okna w;
    for (auto k : {nacisniecie::strona_w_gore, nacisniecie::strona_w_dol, nacisniecie::kolko_w_gore,
                   nacisniecie::kolko_w_dol}) {
        EXPECT_EQ(w.klawisz(k, e), r::przewin);
        EXPECT_FALSE(w.przewiniety(e));
        EXPECT_TRUE(bajty_konsoli({k}).empty());
    }
    EXPECT_EQ(tekst(w.linia_wlasna(e)), z_nota(""));
}

TEST(WidokOkna, TheWheelMovesThreeRowsAndAResizeKeepsTheViewWithinTheBuffer) {
    ekran e = zapisany(40, 40);
    widok_okna w;
    EXPECT_EQ(w.klawisz(nacisniecie::kolko_w_gore, e), r::przewin);
    EXPECT_EQ(w.gora(e), 14);
    EXPECT_EQ(w.klawisz(nacisniecie::kolko_w_dol, e), r::przewin);
    EXPECT_EQ(w.klawisz(nacisniecie::kolko_w_dol, e), r::przewin);
    EXPECT_EQ(w.gora(e), 18);
    w.ustaw_wysokosc(40);
    EXPECT_EQ(w.klawisz(nacisniecie::zmiana_rozmiaru, e), r::przemaluj);
    EXPECT_EQ(w.gora(e), 2);
    EXPECT_EQ(w.wiersz_bufora(38, e), 40);
}

TEST(WidokOkna, RowsWrittenReachTheLowestTextOrTheCursor) {
    ekran e = zapisany(12, 3);
    EXPECT_EQ(zapisanych_wierszy(e), 13);
    e.idz(0, 30);
    EXPECT_EQ(zapisanych_wierszy(e), 31);
    e.wyczysc();
    EXPECT_EQ(zapisanych_wierszy(e), 1);
}

TEST(WidokOkna, OwnLinesSwitchAttributesOnMarksAndFitEightyColumns) {
    auto linia = komorki_linii("a{9}BR {15}x{bad}{999}", 7);
    ASSERT_EQ(linia.size(), 80u);
    EXPECT_EQ(tekst(linia), "aBR x{bad}{999}");
    EXPECT_EQ(
        std::vector({linia[0].atrybut, linia[1].atrybut, linia[4].atrybut, linia[79].atrybut}),
        (std::vector<std::uint8_t>{7, 9, 15, 15}));
    EXPECT_EQ(tekst(komorki_linii(std::string(100, 'x'), 7)), std::string(80, 'x'));
    EXPECT_LE(nota_przewiniecia(288, 300, 300).size(), 80u);
}

TEST(Klawiatura, AnEscapeSequenceIsOneKeyEndingAtItsLastCharacter) {
    struct przypadek {
        const char* nazwa;
        std::u32string po_esc;
        std::size_t dlugosc;
        nacisniecie::rodzaj r;
    };
    for (const auto& p : {przypadek{"Alt-x", U"xy", 1, nacisniecie::inny_specjalny},
                          {"Alt-[ alone", U"[", 1, nacisniecie::inny_specjalny},
                          {"ctrl-up", U"[1;5Ax", 5, nacisniecie::inny_specjalny},
                          {"F1 in SS3", U"OPx", 2, nacisniecie::pomoc},
                          {"F1 in CSI", U"[11~", 4, nacisniecie::pomoc},
                          {"Alt-Escape", U"\x1b[", 1, nacisniecie::inny_specjalny},
                          {"down in cursor mode", U"[Bx", 2, nacisniecie::dol},
                          {"left in keypad mode", U"OD", 2, nacisniecie::lewo},
                          {"page up", U"[5~", 3, nacisniecie::strona_w_gore}}) {
        SCOPED_TRACE(p.nazwa);
        sekwencja_esc s;
        std::size_t i = 0;
        while (i < p.po_esc.size() && s.dalej(p.po_esc[i])) ++i;
        EXPECT_EQ(std::min(i + 1, p.po_esc.size()), p.dlugosc);
        EXPECT_EQ(s.klawisz().r, p.r);
    }
}

// A browser has no Ctrl-C: each platform names its own way out where the menu's help asks.
TEST(WidokOkna, TheHelpLineNamesThisPlatformsWayOut) {
    ekran e = zapisany(3, 3);
    e.ustaw_podpowiedz("spacja: wejdz  {wyjscie}");
    widok_okna w;
    w.ustaw_wysokosc(25);
    EXPECT_EQ(tekst(w.linia_wlasna(e)), z_nota("spacja: wejdz  Ctrl-C: koniec gry bez zapisu"));
    w.ustaw_wyjscie("zamkniecie karty: koniec gry bez zapisu");
    EXPECT_EQ(tekst(w.linia_wlasna(e)),
              z_nota("spacja: wejdz  zamkniecie karty: koniec gry bez zapisu"));
    // No room for the note: the line ends as the screen named it.
    e.ustaw_podpowiedz(std::string(75, 'x'));
    EXPECT_EQ(tekst(w.linia_wlasna(e)), std::string(75, 'x'));
}

#include "terminal/transkrypt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using linie = std::vector<std::string>;

// A menu as the game draws it: cleared, the entries, the marker, the cursor after it.
void menu(ekran& e, int marker, const char* klawisze = "gora/dol: wybor  {wyjscie}") {
    e.wyczysc();
    e.ustaw_podpowiedz(klawisze);
    e.pisz("KLUB\n\n\n\nSKLAD\nKUPNO\nTABELA\n");
    e.idz(15, 4 + marker);
    e.pisz("<--");
}
}  // namespace

TEST(Transkrypt, ANewScreenComesWholeWithoutBlankRunsThenItsKeys) {
    ekran e;
    menu(e, 0);
    transkrypt t;
    t.ustaw_wyjscie("Ctrl-C: koniec");
    EXPECT_EQ(t.nowe_linie(e, {}), (linie{"KLUB", "", "SKLAD <--", "KUPNO", "TABELA",
                                          "Klawisze: gora/dol: wybor, Ctrl-C: koniec"}));
    EXPECT_EQ(t.calosc(e, {"POMOC"}).back(), "POMOC");
}

TEST(Transkrypt, AMarkerMoveInARedrawnMenuIsOneLineAndAnUnchangedRedrawNone) {
    ekran e;
    transkrypt t;
    menu(e, 0);
    t.nowe_linie(e, {});
    menu(e, 1);
    EXPECT_EQ(t.nowe_linie(e, {}), (linie{"KUPNO <--"}));
    menu(e, 1);
    EXPECT_EQ(t.nowe_linie(e, {}), linie{});
    EXPECT_EQ(t.nowe_linie(e, {"Zapisano"}), (linie{"Zapisano"}));
    menu(e, 1, "spacja: wyjdz");
    EXPECT_EQ(t.nowe_linie(e, {"Zapisano"}), (linie{"Klawisze: spacja: wyjdz"}));
}

TEST(Transkrypt, APartialChangeSaysTheMarkedRowFirstAndAnotherTitleIsANewScreen) {
    ekran e;
    transkrypt t;
    e.ustaw_podpowiedz("dol: kupujesz");
    e.pisz("KUPNO\n Imie : Nowak\n");
    t.nowe_linie(e, {});
    // Rows added under the same title are the screen growing, however many; the choice line
    // leaves the cursor on the empty row under it.
    e.pisz(" Wiek : 26\n Cena : 100\n nastepny (gora/dol)\n");
    EXPECT_EQ(t.nowe_linie(e, {}), (linie{"Wiek : 26", "Cena : 100", "nastepny (gora/dol)"}));
    // A marked row changed in place comes first.
    e.idz(0, 1);
    e.pisz(" Imie : Mazur\n\n\n kupujesz (gora/dol)\n");
    EXPECT_EQ(t.nowe_linie(e, {}), (linie{"kupujesz (gora/dol)", "Imie : Mazur"}));
    e.wyczysc();
    e.pisz("TABELA 2\n Imie : Mazur\n Wiek : 26\n Cena : 100\n kupujesz (gora/dol)\n");
    EXPECT_EQ(t.nowe_linie(e, {}).front(), "TABELA 2");
}

TEST(Transkrypt, RowsSayTheirColoursInWordsAndKeysLoseColourSwitches) {
    ekran e;
    e.ustaw_atrybut(9);
    e.pisz(" 1.  Kowalski");
    e.opisz_wiersz("bramkarz");
    e.pisz("\n");
    EXPECT_EQ(wiersz_tekstem(e, 0), "1. Kowalski, bramkarz");
    EXPECT_EQ(wiersz_tekstem(e, 1), "");
    // A squad row that loses the marker keeps its words after it: not said again.
    transkrypt t;
    e.pisz("\n 2.  Nowak\n 3.  Mazur\n");
    e.idz(20, 0);
    e.pisz("<-");
    t.nowe_linie(e, {});
    e.idz(20, 0);
    e.pisz("  ");
    EXPECT_EQ(t.nowe_linie(e, {}), linie{});
    EXPECT_EQ(klawisze_tekstem("a  {9}BR {15}NAP {x}   {wyjscie}", "Ctrl-C"),
              "a, BR NAP {x}, Ctrl-C");
}

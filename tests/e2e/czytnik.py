#!/usr/bin/python3
"""The plain-text mode for screen readers end to end in a pty: czytnik.py BINARY DATA_DIR"""
import os
import re
import shutil
import signal
import sys
import unittest

try:
    import okno
    from okno import STRZALKI, WPISY
except ImportError as brak:
    print("pominiete: brak modulu %s (zainstaluje go scripts/setup)" % brak.name)
    sys.exit(77)

BINARKA = DANE = None
POZYCJE = ("bramkarz", "obronca", "pomocnik", "napastnik")
G, D, P = STRZALKI["gora"], STRZALKI["dol"], STRZALKI["prawo"]
F2 = b"\x1bOQ"


def linie(bajty):
    return bajty.decode("ascii").replace("\r\n", "\n").splitlines()


class Czytnik(unittest.TestCase):
    def setUp(self):
        katalog = okno.kopia_danych(DANE)
        self.addCleanup(shutil.rmtree, katalog, True)
        self.gra = okno.Gra(BINARKA, katalog, term="dumb", zmienne={"BRAMKOWIEC_CZYTNIK": "1"})
        self.addCleanup(self.gra.zamknij)
        self.wpis = 0

    def menu(self, napisane):
        """A whole menu: every entry, the marker on the remembered one, then its keys."""
        tekst = "\n".join(linie(napisane))
        for i, wpis in enumerate(WPISY):
            self.assertRegex(tekst, "(?m)^%s%s$" % (wpis, " <--" if i == self.wpis else ""))
        klawisze = [w for w in linie(napisane) if w.startswith("Klawisze: ")]
        self.assertTrue(klawisze[-1].startswith("Klawisze: gora/dol: wybor, "), tekst)

    def otworz(self, wpis):
        """Walks the menu's marker to the entry, a move one line each, and runs it."""
        while self.wpis != wpis:
            self.wpis = (self.wpis + 1) % len(WPISY)
            self.assertEqual(linie(self.gra.nacisnij(D)), [WPISY[self.wpis] + " <--"])
        return linie(self.gra.nacisnij(b" "))

    def do_menu(self, klawisz=b" "):
        """Presses the key until the menu comes back whole."""
        for _ in range(300):
            napisane = self.gra.nacisnij(klawisz)
            if b"Klawisze: gora/dol: wybor, spacja" in napisane:
                self.menu(napisane)
                return
        self.fail("menu nie wrocilo\n" + self.gra.surowe.decode()[-3000:])

    def test_a_match_day_squad_purchase_save_and_load_in_plain_lines(self):
        poczatek = self.gra.uspokoj()
        self.menu(poczatek)
        self.assertEqual(linie(self.gra.nacisnij(F2)), linie(poczatek), "F2 repeats the screen")
        # F1: the screen's help as lines; the key that closes it reaches no one.
        self.assertEqual(linie(self.gra.nacisnij(b"\x1bOP"))[-1], "Dowolny klawisz zamyka pomoc.")
        self.assertEqual(linie(self.gra.nacisnij(D)), [])
        # The squad: every player line ends with its position in words.
        sklad = self.otworz(1)
        gracze = [w for w in sklad if re.match(r"\d+\.", w)]
        self.assertGreater(len(gracze), 11)
        for w in gracze:
            self.assertTrue(w.endswith(POZYCJE), w)
        # The first goalkeeper out, the second in: each key says only its marked row.
        self.assertRegex(" ".join(linie(self.gra.nacisnij(P))), r"^1\. \w+ .*\d <--, bramkarz$")
        self.assertEqual(len(linie(self.gra.nacisnij(D))), 1)
        self.assertRegex(" ".join(linie(self.gra.nacisnij(P))), r"^2\. .* gra <--, bramkarz$")
        self.do_menu()
        # The three tables: the coloured bands and the user's row in words, other rows none.
        tabele = self.otworz(4) + linie(self.gra.nacisnij(b"x")) + linie(self.gra.nacisnij(b"x"))
        wiersze = [w for w in tabele if re.match(r"\d+\. ", w)]
        self.assertEqual(len(wiersze), 54, tabele)
        for i, w in enumerate(wiersze):
            liga, miejsce = divmod(i, 18)
            pas = (("czolowa czworka", "strefa awansu")[liga > 0] if miejsce < 4 else
                   ("strefa spadku", "ostatnia czworka")[liga == 2] if miejsce >= 14 else None)
            twoja = "twoja druzyna" if "Radomiak_Radom" in w else None
            slowa = ", ".join(s for s in (twoja, pas) if s)
            self.assertRegex(w, (r"\d, " + slowa if slowa else r"\d") + "$")
        self.do_menu(b"x")
        # A purchase: the first offer bought (or refused for want of cash), the rest passed.
        kupno = self.otworz(2)
        self.assertIn("K U P N O", kupno)
        self.assertEqual(linie(self.gra.nacisnij(D)), ["kupujesz (gora/dol)"])
        self.assertRegex(self.gra.nacisnij(b" ").decode(), "Transfer udany!|Nie stac cie")
        self.do_menu()
        # A match day: the cup leg and the league round, every offer declined.
        for _ in range(2):
            self.otworz(0)
            self.do_menu()
        self.assertIn(b"KOLEJKA LIGOWA: 2", self.gra.surowe.rsplit(b"Radomiak", 1)[-1])
        # A save, and its load after one more squad change: the saved line-up is back.
        self.assertEqual(self.otworz(7)[0], "Zapisac gre? (t/n)")
        zapisana = self.gra.nacisnij(b"t")
        self.menu(zapisana)
        self.assertRegex(linie(zapisana)[-1], "^Komunikat: Gra zapisana w ")
        self.otworz(1)
        self.gra.nacisnij(P)
        self.do_menu()
        self.assertEqual(self.otworz(8)[0], "Zaladowac gre? (t/n)")
        self.menu(self.gra.nacisnij(b"t"))
        self.assertRegex(self.otworz(1)[2], r"^2\. .* gra <--, bramkarz$")
        self.do_menu()
        self.assertNotIn(b"\x1b", self.gra.surowe)
        self.gra.proces.send(b"\x03")
        self.assertEqual(self.gra.koniec(), (-signal.SIGINT, True))
        self.assertNotIn(b"\x1b", self.gra.surowe)


if __name__ == "__main__":
    BINARKA, DANE = os.path.realpath(sys.argv[1]), sys.argv[2]
    unittest.main(argv=[sys.argv[0], "-v"])

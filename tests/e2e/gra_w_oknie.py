#!/usr/bin/python3
"""The game end to end in a pseudo-terminal: gra_w_oknie.py BINARY DATA_DIR [TestGroup...]"""
import os
import re
import shutil
import subprocess
import sys
import unittest

try:
    import pexpect  # noqa: F401
    import pyte  # noqa: F401
except ImportError as brak:
    print("pominiete: brak modulu %s (zainstaluje go scripts/setup)" % brak.name)
    sys.exit(77)

import okno

BINARKA = None
DANE = None
STRZALKI = {"gora": b"\x1bOA", "dol": b"\x1bOB", "prawo": b"\x1bOC", "lewo": b"\x1bOD"}
WPISY = ["NASTEPNY MECZ", "SKLAD", "KUPNO", "SPRZEDARZ", "TABELA", "STADION", "BANK", "ZAPIS",
         "ODCZYT", "INFO"]


class Podstawa(unittest.TestCase):
    def setUp(self):
        self.katalog = okno.kopia_danych(DANE)
        self.addCleanup(shutil.rmtree, self.katalog, True)

    def start(self, **opcje):
        gra = okno.Gra(BINARKA, self.katalog, **opcje)
        self.addCleanup(gra.zamknij)
        return gra

    @staticmethod
    def znacznik_przy(gra, wpis):
        """The menu is up with its one marker beside the given entry."""
        def jest(g):
            wiersze = [g.wiersz(3 + i) for i in range(len(WPISY))]
            return all(w.startswith(WPISY[i]) for i, w in enumerate(wiersze)) and \
                [i for i, w in enumerate(wiersze) if w[14:17] == "<--"] == [wpis]
        gra.czekaj_na(jest, "znacznik przy " + WPISY[wpis])

    def zakoncz_i_sprawdz(self, gra, wyslij, status):
        wyslij()
        przed, po, kod = okno.ustawienia_tty(gra.czekaj_na_koniec())
        self.assertEqual(kod, status)
        self.assertIsNotNone(przed)
        self.assertEqual(przed, po, "ustawienia terminala nie wrocily")


class Menu(Podstawa):
    def test_first_menu_title_season_entries_and_marker(self):
        gra = self.start()
        self.znacznik_przy(gra, 0)
        self.assertTrue(gra.wiersz(0))
        tytul = gra.ekran.buffer[0][0]
        self.assertEqual((tytul.fg, tytul.bg), ("green", "red"))
        sezon = re.fullmatch(r"SEZON: (\d+)/(\d+) KOLEJKA LIGOWA: 1", gra.wiersz(1))
        self.assertIsNotNone(sezon, gra.wiersz(1))
        self.assertEqual(int(sezon.group(2)), int(sezon.group(1)) + 1)
        self.assertEqual((gra.ekran.cursor.x, gra.ekran.cursor.y), (17, 3))
        self.zakoncz_i_sprawdz(gra, lambda: gra.wyslij(b"\x03"), 130)

    def test_eight_colour_and_colourless_terminals(self):
        for term, tytul, tekst in (("xterm", ("green", "red", False), True),
                                   ("vt100", ("default", "default", True), False)):
            with self.subTest(term):
                gra = self.start(term=term)
                self.znacznik_przy(gra, 0)
                znak = gra.ekran.buffer[0][0]
                self.assertEqual((znak.fg, znak.bg, znak.reverse), tytul)
                # Bright white text is bold where only eight colours exist.
                self.assertEqual(gra.ekran.buffer[3][0].bold, tekst)
                self.zakoncz_i_sprawdz(gra, lambda: gra.wyslij(b"\x03"), 130)

    def test_arrows_and_capitals_move_the_marker_with_wrap_and_little_output(self):
        gra = self.start()
        self.znacznik_przy(gra, 0)
        gra.wyslij(STRZALKI["gora"])
        self.znacznik_przy(gra, 9)
        gra.wyslij(STRZALKI["dol"])
        self.znacznik_przy(gra, 0)
        gra.wyslij(b"PP")
        self.znacznik_przy(gra, 2)
        gra.wyslij(b"H")
        self.znacznik_przy(gra, 1)
        # Redraws of an unchanged menu send nothing; the marker's move only the change.
        przed = len(gra.surowe)
        gra.wyslij(b"\r" + STRZALKI["prawo"] + b"x" + STRZALKI["dol"])
        self.znacznik_przy(gra, 2)
        self.assertLess(len(gra.surowe) - przed, 120, gra.surowe[przed:])
        self.zakoncz_i_sprawdz(gra, lambda: gra.wyslij(b"\x03"), 130)

    def test_tables_of_the_three_tiers_one_key_each_then_back_to_the_menu(self):
        gra = self.start()
        self.znacznik_przy(gra, 0)
        gra.wyslij(STRZALKI["dol"] * 4)
        self.znacznik_przy(gra, 4)
        gra.wyslij(b" ")
        for liga in (1, 2, 3):
            gra.czekaj_na_tekst("TABELA %d LIGI PO 0 KOLEJKACH" % liga)
            gra.wyslij(b"x")
        self.znacznik_przy(gra, 4)
        self.zakoncz_i_sprawdz(gra, lambda: gra.wyslij(b"\x03"), 130)

    def test_info_shows_the_one_polish_letter_or_its_plain_stand_in(self):
        for jezyk, slowo in (("C.UTF-8", "si\u0119"), ("C", "sie")):
            with self.subTest(jezyk):
                gra = self.start(jezyk=jezyk)
                self.znacznik_przy(gra, 0)
                gra.wyslij(STRZALKI["gora"] + b" ")
                gra.czekaj_na_tekst("przestaje %s rozwijac" % slowo)
                gra.wyslij(b"x")
                self.znacznik_przy(gra, 9)
                self.zakoncz_i_sprawdz(gra, lambda: gra.wyslij(b"\x03"), 130)

    def test_a_market_taller_than_the_window_scrolls_to_keep_the_cursor_in_sight(self):
        # A scout bringing three extra offers: four offer blocks reach screen line 40.
        sciezka = os.path.join(self.katalog, "stadion.txt")
        with open(sciezka) as f:
            wiersze = f.read().split("\n")
        while wiersze and not wiersze[-1].strip():
            wiersze.pop()
        wiersze[-1] = "3"
        with open(sciezka, "w") as f:
            f.write("\n".join(wiersze) + "\n")
        gra = self.start()
        self.znacznik_przy(gra, 0)
        gra.wyslij(b"PP ")
        gra.czekaj_na(lambda g: "K U P N O" in g.wiersz(0) and
                      "nastepny (gora/dol)" in g.wiersz(9), "pierwsza oferta")
        gra.wyslij(b"   ")
        # The fourth choice line stands on line 40, the cursor under it on the window's last row.
        gra.czekaj_na(lambda g: "nastepny (gora/dol)" in g.wiersz(22) and g.ekran.cursor.y == 23,
                      "czwarta oferta na dole okna")
        self.assertNotIn("K U P N O", gra.tekst())
        # Seventeen rows are scrolled away: the choice lines 20 and 30 stand on rows 3 and 13.
        self.assertIn("nastepny (gora/dol)", gra.wiersz(2))
        self.assertIn("nastepny (gora/dol)", gra.wiersz(12))
        gra.wyslij(b" ")
        self.znacznik_przy(gra, 2)
        self.zakoncz_i_sprawdz(gra, lambda: gra.wyslij(b"\x03"), 130)


class Sygnaly(Podstawa):
    def test_sigterm_sighup_and_sigquit_end_the_game_and_restore_the_terminal(self):
        # SIGQUIT takes the crash path: the terminal is restored from inside the handler.
        for nazwa, status in (("SIGTERM", 143), ("SIGHUP", 129), ("SIGQUIT", 131)):
            with self.subTest(nazwa):
                gra = self.start()
                self.znacznik_przy(gra, 0)
                self.zakoncz_i_sprawdz(gra, lambda: gra.zabij(okno.SYGNALY[nazwa]), status)


class MaleOkno(Podstawa):
    def test_small_window_asks_for_more_and_swallows_keys_until_resized(self):
        gra = self.start(wiersze=20, kolumny=60)
        gra.czekaj_na_tekst("Okno jest za male")
        # A key the player could not see the result of is not handed to the game.
        gra.wyslij(STRZALKI["dol"] + b" ")
        gra.czekaj_az_przeczyta()
        gra.rozmiar(24, 79)
        gra.czekaj_na_tekst("Okno jest za male")
        gra.rozmiar(24, 80)
        self.znacznik_przy(gra, 0)
        self.zakoncz_i_sprawdz(gra, lambda: gra.wyslij(b"\x03"), 130)


class BezTerminala(Podstawa):
    def uruchom_bez_tty(self):
        return subprocess.run([BINARKA], cwd=self.katalog, stdin=subprocess.DEVNULL,
                              capture_output=True, env=okno.srodowisko(self.katalog, "xterm"),
                              timeout=okno.LIMIT)

    def test_without_a_terminal_one_polish_line_and_status_1(self):
        wynik = self.uruchom_bez_tty()
        self.assertEqual(wynik.returncode, 1)
        self.assertEqual(wynik.stdout, b"")
        bledy = wynik.stderr.decode()
        self.assertEqual(bledy.count("\n"), 1, bledy)
        self.assertIn("terminala", bledy)

    def test_a_missing_data_file_is_named_before_the_terminal_is_touched(self):
        os.remove(os.path.join(self.katalog, "stadion.txt"))
        wynik = self.uruchom_bez_tty()
        self.assertEqual(wynik.returncode, 1)
        self.assertIn("stadion.txt", wynik.stderr.decode())

    def test_unknown_or_dumb_terminal_refused_and_tty_untouched(self):
        for term in ("nieznany-terminal", "dumb"):
            with self.subTest(term):
                gra = self.start(term=term)
                przed, po, kod = okno.ustawienia_tty(gra.czekaj_na_koniec())
                self.assertEqual(kod, 1)
                self.assertEqual(przed, po)
                self.assertIn("TERM=" + term, gra.tekst())


if __name__ == "__main__":
    BINARKA, DANE = os.path.realpath(sys.argv[1]), sys.argv[2]
    unittest.main(argv=[sys.argv[0], "-v"] + sys.argv[3:])

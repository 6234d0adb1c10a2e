#!/usr/bin/python3
"""The game end to end in a pseudo-terminal: gra_w_oknie.py BINARY DATA_DIR [TestGroup...]"""
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time
import unittest

try:
    import okno
    from okno import STRZALKI, WPISY, czytaj
except ImportError as brak:
    print("pominiete: brak modulu %s (zainstaluje go scripts/setup)" % brak.name)
    sys.exit(77)

BINARKA = DANE = None
POLA_KLUBU = ("kasa", "pojemnosc", "dlug", "dni_dlugu", "kwota_sponsora", "nazwa_sponsora",
              "policja", "budki", "liga", "placa", "poziom_ceny", "koszt_lowcy", "propozycje_lowcy")
G, D, L, P = (STRZALKI[k] for k in ("gora", "dol", "lewo", "prawo"))


def w_menu(gra, wpis=None):
    """The menu is up with its one marker beside the given entry (any entry when None)."""
    wiersze = [gra.wiersz(3 + i) for i in range(len(WPISY))]
    znaczniki = [i for i, w in enumerate(wiersze) if w[14:17] == "<--"]
    return all(w.startswith(WPISY[i]) for i, w in enumerate(wiersze)) and \
        len(znaczniki) == 1 and wpis in (None, znaczniki[0])


def liczba(gra, wzor):
    """The number that follows the pattern on the screen, None when it is not there."""
    znalezione = re.search(wzor + r"\s*(-?\d+)", gra.tekst())
    return int(znalezione.group(1)) if znalezione else None


def sklad(gra):
    """The squad list on the screen: (name, price, playing) for each row, and the marked row."""
    wiersze, znacznik = [], None
    for y in range(1, 22):
        pola = gra.wiersz(y).split()
        if not pola or not pola[0][:-1].isdigit():
            break
        wiersze.append((pola[1], int(pola[7]), pola[8:9] == ["gra"]))
        znacznik = len(wiersze) - 1 if pola[-1] == "<--" else znacznik
    return wiersze, znacznik


def odpowiedz(gra):
    """The answer shown by the last yes/no question of an offer."""
    return re.findall(r"(tak|nie) \(gora/dol\)\+\(space\)", gra.tekst())[-1]


class Gra(unittest.TestCase):
    def setUp(self):
        self.katalog = okno.kopia_danych(DANE)
        self.addCleanup(shutil.rmtree, self.katalog, True)

    def start(self, menu=True, **opcje):
        gra = okno.Gra(BINARKA, self.katalog, **opcje)
        self.addCleanup(gra.zamknij)
        if menu:
            gra.uspokoj()
            self.assertTrue(w_menu(gra, 0), gra.tekst())
        return gra

    def otworz(self, gra, wpis, tytul):
        """From the first entry, runs the given one and checks its screen."""
        gra.nacisnij(STRZALKI["dol"] * wpis)
        self.assertTrue(w_menu(gra, wpis), gra.tekst())
        gra.nacisnij(b" ")
        self.assertIn(tytul, gra.tekst())

    def wyjdz(self, gra, klawisze, wpis):
        for k in klawisze:
            gra.nacisnij(k)
        self.assertTrue(w_menu(gra, wpis), gra.tekst())
        gra.nacisnij(STRZALKI["gora"] * wpis)

    def zakoncz(self, gra, sygnal=signal.SIGINT):
        gra.proces.send(b"\x03") if sygnal == signal.SIGINT else os.kill(gra.gra.pid, sygnal)
        self.assertEqual(gra.koniec(), (-sygnal, True), "status albo terminal nie wrocil")

    def test_one_session_through_every_screen_a_round_a_save_and_a_load(self):
        # A scout bringing three extra offers: the market's four offer blocks reach line 40.
        sciezka = os.path.join(self.katalog, "stadion.txt")
        stadion = czytaj(sciezka).split()[:-1] + ["3"]
        with open(sciezka, "w") as f:
            f.write("\n".join(stadion) + "\n")
        gra = self.start(menu=False, wiersze=20, kolumny=60)
        # Keys the player could not see the result of are not handed to the game.
        self.assertIn("Okno jest za male", gra.nacisnij(STRZALKI["dol"] + b" ").decode())
        gra.rozmiar(24, 79)
        self.assertIn("Okno jest za male", gra.uspokoj().decode())
        gra.rozmiar(24, 80)
        gra.uspokoj()
        # Marker moves write little, unchanged redraws nothing; no letter acts as an arrow.
        for klawisze, wpis, ruchow in ((STRZALKI["gora"], 9, 1), (STRZALKI["dol"], 0, 1),
                                       (b"PP", 2, 2), (b"HH", 0, 2),
                                       (b"\r" + STRZALKI["prawo"], 0, 0),
                                       # Cut to a byte, U+0148 would be 'H' and U+0150 'P'.
                                       ("\u0148\u0150".encode(), 0, 0)):
            wyslane = gra.nacisnij(klawisze)
            self.assertTrue(w_menu(gra, wpis), gra.tekst())
            self.assertLessEqual(len(wyslane), 64 * ruchow, wyslane)
        self.otworz(gra, 2, "K U P N O")
        gra.nacisnij(b"   ")
        # Seventeen rows scrolled away: choice lines 20, 30 and 40 stand on rows 3, 13 and 23.
        for wiersz in (2, 12, 22):
            self.assertIn("nastepny (gora/dol)", gra.wiersz(wiersz))
        self.assertEqual(gra.ekran.cursor.y, 23)
        self.wyjdz(gra, [b" "], 2)
        for wpis, tytul, klawisze in (
                (1, "imie       umie", [STRZALKI["dol"], b" "]), (3, "imie       umie", [b" "]),
                (4, "TABELA 1 LIGI", [b"x", b"y", b"z"]), (5, "S T A D I O N", [b" "]),
                (6, "B A N K", [b" "]), (7, "Zapisac gre? (t/n)", [b"n"]),
                (8, "Zaladowac gre? (t/n)", [b"n"]), (9, "B R A M K O W I E C", [b"x"])):
            self.otworz(gra, wpis, tytul)
            self.wyjdz(gra, klawisze, wpis)
        # The cup leg, then the league match, every key of the match day answered.
        for _ in range(60):
            if "KOLEJKA LIGOWA: 2" in gra.wiersz(1):
                break
            gra.nacisnij(b" ")
        self.assertTrue(w_menu(gra, 0) and "KOLEJKA LIGOWA: 2" in gra.wiersz(1), gra.tekst())
        self.otworz(gra, 7, "Zapisac")
        self.wyjdz(gra, [b"t"], 7)
        # Fifty seats more, seen in a larger window and then in the old one again.
        self.otworz(gra, 5, "S T A D I O N")
        miejsca = int(gra.wiersz(3).split()[1])
        gra.nacisnij(STRZALKI["lewo"])
        przed = gra.tekst()
        przed_gra = "\n".join(gra.wiersz(y) for y in range(23))
        self.assertIn("Pojemnosc %d krzeselek" % (miejsca + 50), przed)
        for wiersze, kolumny in ((30, 100), (24, 80)):
            gra.rozmiar(wiersze, kolumny)
            gra.uspokoj()
            # The window's last row is its own line (the stadium's status) at either size.
            gra_wiersze = "\n".join(gra.wiersz(y) for y in range(23))
            self.assertEqual((gra_wiersze, gra.wiersz(3)[34:]), (przed_gra, "<-"))
        self.wyjdz(gra, [b" "], 5)
        self.otworz(gra, 8, "Zaladowac")
        self.wyjdz(gra, [b"t"], 8)
        self.otworz(gra, 5, "Pojemnosc %d krzeselek" % miejsca)
        self.zakoncz(gra)

    def czekaj_na(self, gra, warunek, klawisz=b" ", prob=400):
        """Presses the key until the screen meets the condition; fails showing the screen."""
        for _ in range(prob):
            if warunek(gra.tekst()):
                return
            gra.nacisnij(klawisz)
        self.fail("nie doczekalem sie ekranu\n" + gra.tekst())

    def test_scrollback_at_the_season_end_and_pauses_that_scroll_keys_do_not_end(self):
        sciezka = os.path.join(self.katalog, "druzyny-1995.txt")
        druzyny = czytaj(sciezka).split("\n", 1)
        with open(sciezka, "w") as f:
            f.write(druzyny[0].replace("1995 0 ", "1995 33 ", 1) + "\n" + druzyny[1])
        gra = self.start(wiersze=25)
        self.czekaj_na(gra, lambda t: "KONIEC SEZONU" in t)
        # Scroll keys never reach the game; an Alt-letter is one key and ends one pause.
        for klawisz in (b"\x1b[5~", b"\x1b[6~", b"\x1b[5~"):
            gra.nacisnij(klawisz)
            self.assertIn("KONIEC SEZONU", gra.tekst())
        gra.nacisnij(b"\x1bx")
        self.assertIn("TABELA 1 LIGI", gra.tekst())
        # After the last table the offers push its title off the window.
        self.czekaj_na(gra, lambda t: "(gora/dol)+(space)" in t and "TABELA" not in t)
        self.assertIn("gora: tak", gra.wiersz(24))
        gra.nacisnij(b"\x1b[5~")
        self.assertIn("TABELA 3 LIGI", gra.tekst())
        self.assertIn("PRZEWINIETE", gra.wiersz(24))
        gra.nacisnij(STRZALKI["gora"])
        self.assertNotIn("PRZEWINIETE", gra.tekst())
        self.assertIn(" tak (gora/dol)+(space)", gra.tekst())

    def test_help_line_on_each_screen_at_25_rows_and_at_24_in_the_row_the_game_leaves(self):
        for wiersze in (24, 25):
            with self.subTest(wiersze=wiersze):
                gra = self.start(wiersze=wiersze)
                pomoc = [gra.wiersz(wiersze - 1)]
                for wpis, tytul, klawisze in (
                        (1, "imie       umie", [b" "]), (2, "K U P N O", [b"   "]),
                        (3, "imie       umie", [b" "]), (4, "TABELA 1 LIGI", [b"x", b"y", b"z"]),
                        (5, "S T A D I O N", [b" "]), (6, "B A N K", [b" "]),
                        (7, "Zapisac gre? (t/n)", [b"n"]), (8, "Zaladowac gre? (t/n)", [b"n"]),
                        (9, "B R A M K O W I E C", [b"x"])):
                    self.otworz(gra, wpis, tytul)
                    pomoc.append(gra.wiersz(wiersze - 1))
                    self.wyjdz(gra, klawisze, wpis)
                gra.nacisnij(b" ")
                pomoc.append(gra.wiersz(wiersze - 1))
                # The stadium's status names what Left and Right cost on the marked row.
                for tekst, slowo in zip(pomoc, ("Ctrl-C", "lewo/prawo", "dol: kupujesz",
                                                "ENTER SPRZEDAJE OD RAZU", "dowolny klawisz",
                                                "lewo: 50 krzeselek za", "enter: wykonaj",
                                                "t: tak", "t: tak", "powrot do menu",
                                                "dowolny klawisz")):
                    self.assertIn(slowo, tekst)
                # One game at a time runs in a folder.
                self.zakoncz(gra)

    def test_f1_help_and_the_status_of_a_save_and_a_load_at_24_rows(self):
        gra = self.start()
        gra.nacisnij(D + b"\x1bOP")
        self.assertIn("SKLAD: wybor", gra.tekst())
        self.assertEqual(gra.wiersz(0), "MENU GLOWNE: klub, sezon, kolejka i najblizsze mecze.")
        gra.nacisnij(b" ")
        self.assertTrue(w_menu(gra, 1), gra.tekst())
        gra.nacisnij(G)
        self.otworz(gra, 8, "Zaladowac")
        gra.nacisnij(b"t")
        self.assertIn("Brak zapisanej gry", gra.wiersz(23))
        gra.nacisnij(b" ")
        gra.nacisnij(G + b" t")
        self.assertTrue(w_menu(gra, 7) and "Gra zapisana w " in gra.wiersz(23), gra.tekst())
        gra.nacisnij(D + b" t")
        self.assertIn("Gra wczytana: sezon 1995/1996, kolejka 1", gra.wiersz(23))
        # A line-up with no fitness left: the menu warns before the match.
        with open(os.path.join(self.katalog, "save", "gracze.txt")) as f:
            gracze = f.read().split("\n")
        gracze[1:] = [re.sub(r"^(\S+ \d+) \d+", r"\1 0", w) for w in gracze[1:]]
        with open(os.path.join(self.katalog, "save", "gracze.txt"), "w") as f:
            f.write("\n".join(gracze))
        gra.nacisnij(b" t")
        gra.nacisnij(D)
        self.assertIn("Uwaga: sila linii obr:0 pom:0 at:0", gra.wiersz(23))

    def test_positions_without_colour_on_vt100(self):
        gra = self.start(term="vt100")
        self.otworz(gra, 1, "imie       umie")
        wyglady = set()
        for y in range(1, 22):
            znak = gra.ekran.buffer[y][0]
            if gra.wiersz(y) and not gra.wiersz(y).startswith("Wartosc"):
                wyglady.add((znak.bold, znak.underscore, znak.reverse))
            else:
                break
        self.assertEqual(len(wyglady), 4, gra.tekst())

    def test_job_control_ctrl_z_fg_then_down_moves_the_marker(self):
        gra = self.start(powloka=True)
        gra.proces.send(b"\x1a")
        koniec = time.monotonic() + okno.LIMIT
        while gra.stan() != "T":
            self.assertLess(time.monotonic(), koniec, "gra nie zatrzymala sie\n" + gra.tekst())
            gra.przyjmij(0.01)
        gra.proces.send(b"\n")
        gra.uspokoj()
        self.assertTrue(w_menu(gra, 0), gra.tekst())
        self.assertNotIn("Stopped", gra.tekst())
        gra.nacisnij(gra.strzalka("dol"))
        self.assertTrue(w_menu(gra, 1), gra.tekst())

    def test_colours_letters_and_ending_signals_on_each_kind_of_terminal(self):
        # SIGQUIT takes the crash path: the terminal is restored from inside the handler.
        for term, jezyk, tytul, wpis, tekst, sygnal in (
                ("xterm-256color", "C.UTF-8", ("green", "red", False), 9, "si\u0119 rozwijac",
                 signal.SIGINT),
                ("xterm", "C", ("green", "red", False), 9, "sie rozwijac", signal.SIGTERM),
                ("vt100", "C.UTF-8", ("default", "default", True), 6, "B A N K", signal.SIGHUP),
                ("xterm", "C.UTF-8", ("green", "red", False), 0, "pucharze", signal.SIGQUIT)):
            with self.subTest(term=term, sygnal=sygnal):
                gra = self.start(term=term, jezyk=jezyk)
                znak = gra.ekran.buffer[0][0]
                self.assertEqual((znak.fg, znak.bg, znak.reverse), tytul)
                self.otworz(gra, wpis, tekst)
                self.zakoncz(gra, sygnal)

    def test_refusals_print_one_polish_line_and_end_with_status_1(self):
        # A missing file adds one line saying where the game looks for its files, this
        # platform's own, word for word.
        gdzie = ("\nGra czyta swoje piec plikow z biezacego katalogu: uruchom ja przez make play "
                 "albo w katalogu data/.\n")
        # One game per folder: the second is refused while the first runs, and only then.
        pierwsza = self.start()
        zajety = "gra juz dziala w folderze %s; zakoncz" % os.path.realpath(self.katalog)
        # An English locale, installed or not, gets the refusal in English.
        for plik, tresc, slowo, wierszy, jezyk in (
                (None, None, zajety, 1, "C.UTF-8"), (None, None, "terminala", 1, "C.UTF-8"),
                (None, None, "the game needs a terminal", 1, "en_US.UTF-8"),
                ("stadion.txt", None, gdzie, 2, "C.UTF-8"),
                ("gracze.txt", "52 0\nKowal 4x 20\n", "plik gracze.txt, wiersz 2", 1, "C.UTF-8")):
            with self.subTest(plik=plik, tresc=tresc, jezyk=jezyk):
                if plik:
                    os.remove(os.path.join(self.katalog, plik))
                if tresc:
                    with open(os.path.join(self.katalog, plik), "w") as f:
                        f.write(tresc)
                wynik = subprocess.run([BINARKA], cwd=self.katalog, stdin=subprocess.DEVNULL,
                                       capture_output=True,
                                       env=okno.srodowisko(self.katalog, jezyk=jezyk))
                self.assertEqual((wynik.returncode, wynik.stdout), (1, b""))
                self.assertEqual(wynik.stderr.decode("ascii").count("\n"), wierszy, wynik.stderr)
                self.assertIn(slowo, wynik.stderr.decode())
                if slowo == zajety:
                    self.zakoncz(pierwsza)
        for term in ("nieznany-terminal", "dumb"):
            self.assertEqual(self.start(menu=False, term=term).koniec(), (1, True))
        # And with its files back, a game started with LANGUAGE=en plays in English.
        for plik in ("stadion.txt", "gracze.txt"):
            shutil.copy(os.path.join(DANE, plik), self.katalog)
        gra = self.start(menu=False, zmienne={"LANGUAGE": "en"})
        gra.uspokoj()
        self.assertIn("NEXT MATCH    <--\nSQUAD", gra.tekst())

    def test_a_save_killed_at_any_moment_leaves_a_whole_save(self):
        # Each pass loads the last save, adds or sells fifty seats, flips the first player's
        # place in the line-up and saves, killed at a random moment. The seats and the line-up
        # always change together, so any save read back shows both changes or neither.
        los, zapis = random.Random(1), os.path.join(self.katalog, "save")
        for przebieg in range(30):
            gra, miejsca = self.start(), 4000
            if os.path.exists(os.path.join(zapis, "stadion.txt")):
                self.otworz(gra, 8, "Zaladowac")
                self.wyjdz(gra, [b"t"], 8)
                miejsca = int(czytaj(os.path.join(zapis, "stadion.txt")).split()[1])
                gra_pierwszego = int(czytaj(os.path.join(zapis, "gracze.txt")).split()[10])
                self.assertEqual((miejsca - 4000) // 50, 1 - gra_pierwszego, przebieg)
            self.otworz(gra, 5, "Pojemnosc %d krzeselek" % miejsca)
            self.wyjdz(gra, [STRZALKI["prawo" if miejsca > 4000 else "lewo"], b" "], 5)
            self.otworz(gra, 1, "imie")
            self.wyjdz(gra, [STRZALKI["prawo"], b" "], 1)
            self.otworz(gra, 7, "Zapisac")
            gra.proces.send(b"t")
            time.sleep(los.random() * 0.02)
            os.kill(gra.gra.pid, signal.SIGKILL)
            gra.koniec()

    def klub(self, **pola):
        """Sets fields of the club file in the game's copy of the data."""
        sciezka = os.path.join(self.katalog, "stadion.txt")
        wartosci = czytaj(sciezka).split()
        for pole, wartosc in pola.items():
            wartosci[POLA_KLUBU.index(pole)] = str(wartosc)
        with open(sciezka, "w") as f:
            f.write("\n".join(wartosci) + "\n")

    def kasa(self, gra):
        """The club's cash as the bank shows it, from the menu's first entry and back."""
        self.otworz(gra, 6, "B A N K")
        kasa = liczba(gra, "Kasa :")
        self.wyjdz(gra, [b" "], 6)
        return kasa

    # The key table of the README, row by row, against the game. PgUp/PgDn are checked in the
    # scrollback case, Ctrl-Z in the job-control case.

    def test_key_table_line_up_arrows_toggle_enter_does_nothing_space_leaves_a_legal_eleven(self):
        with open(os.path.join(self.katalog, "gracze.txt"), "w") as f:
            f.write("50 0\nBramkarz 40 20 25 50 0 0 0 1\nRezerwowy 30 20 25 50 0 0 0 0\n")
            f.writelines("Polowy%d 40 20 25 50 0 0 1 %d\n" % (i, i <= 10) for i in range(1, 12))
        zapis = os.path.join(self.katalog, "save")
        w_zapisie = sorted(os.listdir(zapis))
        gra = self.start()
        self.otworz(gra, 1, "imie       umie")
        # Rows 0 and 1 are the goalkeepers, 2 to 12 field players; rows 0 and 2 to 11 play.
        graja0 = {0, *range(2, 12)}
        for krok, klawisze, znacznik, graja in (
                ("down moves the marker", D, 1, graja0),
                ("up moves it back", G, 0, graja0),
                ("Enter does nothing", b"\r", 0, graja0),
                ("right takes a player out", D + D + P, 2, graja0 - {2}),
                ("left puts the second goalkeeper in", G + L, 1, graja0 - {2} | {1}),
                ("space refuses two goalkeepers", b" ", 1, graja0 - {2} | {1}),
                ("left takes the first goalkeeper out", G + L, 0, graja0 - {0, 2} | {1}),
                ("right puts two players in", D + D + P + D * 10 + P, 12, graja0 - {0} | {1, 12}),
                ("space refuses twelve players", b" ", 12, graja0 - {0} | {1, 12})):
            gra.nacisnij(klawisze)
            wiersze, marker = sklad(gra)
            self.assertEqual((marker, {i for i, w in enumerate(wiersze) if w[2]}),
                             (znacznik, graja), krok + "\n" + gra.tekst())
        self.assertIn("Wybrano 12 zawodnikow, najwyzej 11", gra.wiersz(23))
        self.wyjdz(gra, [L + b" "], 1)
        # Ctrl-C ends the game and saves nothing.
        self.zakoncz(gra)
        self.assertEqual(sorted(os.listdir(zapis)), w_zapisie)

    def test_key_table_sale_enter_sells_at_once_other_arrows_sell_nothing(self):
        gra = self.start()
        kasa = self.kasa(gra)
        self.otworz(gra, 3, "imie       umie")
        wiersze, _ = sklad(gra)
        for krok, klawisze, znacznik in (("down moves the marker", D + D, 2),
                                         ("up moves it back", G, 1),
                                         ("left and right sell nothing", L + P, 1)):
            gra.nacisnij(klawisze)
            self.assertEqual(sklad(gra), (wiersze, znacznik), krok + "\n" + gra.tekst())
        gra.nacisnij(b"\r")
        self.assertEqual(sklad(gra), (wiersze[:1] + wiersze[2:], 1), gra.tekst())
        self.wyjdz(gra, [b" "], 3)
        self.assertEqual(self.kasa(gra), kasa + wiersze[1][1])

    def test_key_table_market_up_passes_down_buys_space_confirms(self):
        self.klub(kasa=100000000, propozycje_lowcy=1)
        gra = self.start()
        nazwiska = [w.split()[0] for w in czytaj(os.path.join(self.katalog, "gracze.txt"))
                    .splitlines()[1:]]
        self.otworz(gra, 2, "K U P N O")
        for krok, klawisze, wiersz, wybor in (("down chooses buying", D, 9, " kupujesz"),
                                              ("up chooses passing", G, 9, " nastepny"),
                                              ("space passes", b" ", 19, " nastepny"),
                                              ("down then space buys", D + b" ", 19, " kupujesz")):
            gra.nacisnij(klawisze)
            self.assertTrue(gra.wiersz(wiersz).startswith(wybor), krok + "\n" + gra.tekst())
        self.assertIn("Transfer udany!", gra.tekst())
        kasy = [int(k) for k in re.findall(r"KASA:(-?\d+)", gra.tekst())]
        kupiony = re.findall(r"Imie : (\S+)", gra.tekst())[1]
        cena = int(re.findall(r"Cena : (\d+)", gra.tekst())[1])
        self.assertEqual(kasy, [100000000] * 2, "pominiety zawodnik nic nie kosztuje")
        self.wyjdz(gra, [b"x"], 2)
        self.assertEqual(self.kasa(gra), 100000000 - cena)
        self.otworz(gra, 1, "imie       umie")
        self.assertEqual(sorted(w[0] for w in sklad(gra)[0]), sorted(nazwiska + [kupiony]))

    def test_key_table_stadium_arrows_change_the_marked_setting_space_leaves(self):
        gra = self.start()
        self.otworz(gra, 5, "S T A D I O N")
        for krok, klawisze, znacznik, budki, kasa in (
                ("down moves the marker", D + D, 5, 1, 150000),
                ("left raises: a stand bought", L, 5, 2, 100000),
                ("right lowers: a stand sold back", P, 5, 1, 125000),
                ("up moves the marker", G, 4, 1, 125000)):
            gra.nacisnij(klawisze)
            wiersz = [y for y in range(24) if gra.wiersz(y)[34:] == "<-"]
            self.assertEqual((wiersz, liczba(gra, r"butki\s*:"), liczba(gra, "Kasa:")),
                             ([znacznik], budki, kasa), krok + "\n" + gra.tekst())
        self.wyjdz(gra, [b" "], 5)

    def test_key_table_bank_modes_amount_enter_and_space(self):
        self.klub(dlug=50000, dni_dlugu=12)
        gra = self.start()
        self.otworz(gra, 6, "B A N K")
        for krok, klawisze, dlug, kasa, ile, tryb in (
                ("down chooses borrowing", D, 50000, 150000, 0, "Pobierasz"),
                ("right adds 10000", P + P, 50000, 150000, 20000, "Pobierasz"),
                ("left takes 10000 off", L, 50000, 150000, 10000, "Pobierasz"),
                ("Enter borrows", b"\r", 60000, 160000, 10000, "Pobierasz"),
                ("up chooses repaying", G, 60000, 160000, 10000, "Oddajesz"),
                ("Enter repays", b"\r", 50000, 150000, 10000, "Oddajesz"),
                ("left stops at 0", L + L, 50000, 150000, 0, "Oddajesz")):
            gra.nacisnij(klawisze)
            stan = (liczba(gra, "Dlug :"), liczba(gra, "Kasa :"), liczba(gra, "Ile  :"),
                    tryb + " (enter)" in gra.tekst())
            self.assertEqual(stan, (dlug, kasa, ile, True), krok + "\n" + gra.tekst())
        self.wyjdz(gra, [b" "], 6)

    def test_key_table_bank_repays_from_the_10th_match_in_debt_and_lends_until_the_19th(self):
        for dni, tryb, dlug in ((9, G, 50000), (10, G, 40000), (19, D, 60000), (20, D, 50000)):
            with self.subTest(dni_dlugu=dni):
                self.klub(dlug=50000, dni_dlugu=dni)
                gra = self.start()
                self.otworz(gra, 6, "B A N K")
                gra.nacisnij(tryb + P + b"\r")
                self.assertEqual(liczba(gra, "Dlug :"), dlug, gra.tekst())
                self.zakoncz(gra)

    def test_key_table_menu_offers_and_any_key_at_a_pause_an_arrow_being_two(self):
        gra = self.start()
        # Up wraps to the last entry, left runs it; an arrow at a pause ends it and acts on
        # the next screen as well, as on the console the game was made for.
        gra.nacisnij(G + L)
        self.assertIn("B R A M K O W I E C", gra.tekst())
        gra.nacisnij(D)
        self.assertTrue(w_menu(gra, 0), gra.tekst())
        self.otworz(gra, 4, "TABELA 1 LIGI")
        gra.nacisnij(D)
        self.assertIn("TABELA 3 LIGI", gra.tekst())
        self.wyjdz(gra, [b"x"], 4)
        self.otworz(gra, 7, "Zapisac gre? (t/n)")
        self.wyjdz(gra, [D], 8)
        # Without a save, yes to loading brings a message that any key ends.
        self.otworz(gra, 8, "Zaladowac gre? (t/n)")
        gra.nacisnij(b"t")
        self.assertIn("Nie wczytano gry", gra.tekst())
        self.wyjdz(gra, [b"x"], 8)
        # A letter goes on through the match, its accounts and the round; an offer waits.
        gra.nacisnij(b" ")
        self.czekaj_na(gra, lambda t: "(gora/dol)+(space)" in t, klawisz=b"x")
        for oferta, klawisze, odpowiedzi, wynik in (
                ("sponsor", (G,), ("tak",), "Gratulacje! Podpisales kontrakt!"),
                ("scout", (G, D), ("tak", "nie"), "Szkoda, ale w nastepnej kolejce")):
            self.assertEqual(odpowiedz(gra), "nie", oferta + " starts at no\n" + gra.tekst())
            for klawisz, slowo in zip(klawisze, odpowiedzi):
                gra.nacisnij(klawisz)
                self.assertEqual(odpowiedz(gra), slowo, oferta + "\n" + gra.tekst())
            gra.nacisnij(b" ")
            self.assertIn(wynik, gra.tekst(), oferta)
        # The sponsor signed, the scout declined: the next match offers only a scout.
        self.czekaj_na(gra, lambda _: w_menu(gra, 0), klawisz=b"x")
        gra.nacisnij(b" ")
        self.czekaj_na(gra, lambda t: "(gora/dol)+(space)" in t, klawisz=b"x")
        self.assertEqual(("Lowca talentow" in gra.tekst(), "oferuje kontrakt" in gra.tekst()),
                         (True, False), gra.tekst())
        gra.nacisnij(b" ")
        self.czekaj_na(gra, lambda t: "KOLEJKA LIGOWA: 2" in t, klawisz=b"x")
        self.assertTrue(w_menu(gra, 0), gra.tekst())


if __name__ == "__main__":
    BINARKA, DANE = os.path.realpath(sys.argv[1]), sys.argv[2]
    unittest.main(argv=[sys.argv[0], "-v"] + sys.argv[3:])

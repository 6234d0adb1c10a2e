"""The Windows game from its zip, played under wine in an 80x25 tmux window.

Wine draws the console straight into the terminal when there is no DISPLAY, so tmux's
send-keys and capture-pane drive and read it like a player would.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
import zipfile

ZIP = None
# Wine starts the desktop process on the first key a console reads, and holds that key up to
# about ten seconds when it is slow to come.
PIERWSZY_KLAWISZ_S = 40
KLAWISZ_S = 10
# The club's name in attribute 66: green (32) on red (41).
TYTUL = re.compile(r"\x1b\[32m\x1b\[41m(\w+)")


class Okno:
    def __init__(self, katalog):
        self.gniazdo = "bramkowiec-win-%d" % os.getpid()
        self.katalog = katalog

    def tmux(self, *argumenty):
        # UTF-8 whatever the caller's locale: wine writes the console's text to the terminal
        # in the locale's character set.
        return subprocess.run(["tmux", "-u", "-L", self.gniazdo] + list(argumenty), check=True,
                              capture_output=True, encoding="utf-8",
                              env=dict(os.environ, LC_ALL="C.UTF-8")).stdout

    def uruchom(self, program="bramkowiec.exe"):
        polecenie = ("env -u DISPLAY WINEDEBUG=-all wine %s; "
                     "echo STATUS:$?; sleep 600" % program)
        if self.tmux_dziala():
            self.tmux("respawn-pane", "-k", "-t", "g", "-c", self.katalog, polecenie)
        else:
            self.tmux("new-session", "-d", "-s", "g", "-x", "80", "-y", "25", "-c",
                      self.katalog, polecenie)

    def tmux_dziala(self):
        return subprocess.run(["tmux", "-L", self.gniazdo, "has-session", "-t", "g"],
                              capture_output=True).returncode == 0

    def zamknij(self):
        if self.tmux_dziala():
            self.tmux("kill-server")

    def tekst(self, kolory=False):
        return self.tmux("capture-pane", "-p", "-t", "g", *(["-e"] if kolory else []))

    def wiersz(self, n):
        wiersze = self.tekst().split("\n")
        return wiersze[n] if n < len(wiersze) else ""

    def czekaj(self, warunek, sekund=KLAWISZ_S):
        koniec = time.monotonic() + sekund
        while time.monotonic() < koniec:
            if warunek():
                return True
            time.sleep(0.05)
        return warunek()

    def nacisnij(self, klawisz, sekund=KLAWISZ_S):
        """Sends one key and waits until the screen has changed and settled."""
        przed = self.tekst()
        self.tmux("send-keys", "-t", "g", klawisz)
        zmiana = self.czekaj(lambda: self.tekst() != przed, sekund)
        self.uspokoj()
        return zmiana

    def uspokoj(self):
        ostatni, od = self.tekst(), time.monotonic()
        while time.monotonic() - od < 0.3:
            time.sleep(0.05)
            teraz = self.tekst()
            if teraz != ostatni:
                ostatni, od = teraz, time.monotonic()


def w_menu(okno, wpis):
    """The main menu with its marker beside entry wpis (rows 4 to 13, column 15)."""
    wiersze = okno.tekst().split("\n")
    return len(wiersze) > 13 and all(
        (wiersze[3 + i][14:17] == "<--") == (i == wpis) for i in range(10))


class GraWindows(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.mkdtemp(prefix="bramkowiec-win-e2e-")
        with zipfile.ZipFile(ZIP) as z:
            z.extractall(self.tmp)
        self.katalog = os.path.join(self.tmp, "bramkowiec")
        self.okno = Okno(self.katalog)

    def tearDown(self):
        self.okno.zamknij()
        shutil.rmtree(self.tmp)

    def start(self):
        self.okno.uruchom()
        self.assertTrue(self.okno.czekaj(lambda: w_menu(self.okno, 0), 60), self.okno.tekst())
        self.okno.uspokoj()

    def idz_do(self, wpis, obecny):
        for _ in range((wpis - obecny) % 10):
            self.okno.nacisnij("Down")
        self.assertTrue(w_menu(self.okno, wpis), self.okno.tekst())

    def test_one_session_in_the_console_then_ctrl_c_and_a_normal_start(self):
        okno = self.okno
        self.start()
        tytul = TYTUL.match(okno.tekst(kolory=True))
        self.assertTrue(tytul, okno.tekst(kolory=True))
        self.assertEqual(okno.wiersz(0).strip(), tytul.group(1))
        # The 25th row is the window's own: the menu's keys.
        self.assertIn("Ctrl-C", okno.wiersz(24))
        # One game per folder: a second one started there is refused while this one runs, in
        # the language its environment names.
        drugi = subprocess.run(["wine", "bramkowiec.exe"], cwd=self.katalog, timeout=60,
                               stdin=subprocess.DEVNULL, capture_output=True, env=dict(
                                   {k: v for k, v in os.environ.items() if k != "DISPLAY"},
                                   WINEDEBUG="-all", LANGUAGE="en"))
        self.assertEqual(drugi.returncode, 1, drugi.stderr)
        self.assertIn(b"the game runs in folder", drugi.stderr)
        self.assertTrue(okno.nacisnij("Down", PIERWSZY_KLAWISZ_S) and w_menu(okno, 1),
                        okno.tekst())
        # F1 shows the menu's help; the key that closes it does not move the marker.
        okno.nacisnij("F1")
        self.assertIn("MENU GLOWNE", okno.wiersz(0), okno.tekst())
        okno.nacisnij("Down")
        self.assertTrue(w_menu(okno, 1), okno.tekst())
        okno.nacisnij("Space")
        self.assertIn("imie       umie", okno.wiersz(0))
        self.assertEqual(okno.wiersz(1)[71:74], "<--")
        okno.nacisnij("Space")
        self.assertTrue(w_menu(okno, 1), okno.tekst())
        # The cup leg, then the league match: every screen of the match day answered.
        self.idz_do(0, 1)
        for _ in range(60):
            if "KOLEJKA LIGOWA: 2" in okno.wiersz(1) and w_menu(okno, 0):
                break
            okno.nacisnij("Space")
        self.assertIn("KOLEJKA LIGOWA: 2", okno.wiersz(1), okno.tekst())
        zapisany = okno.tekst()
        self.idz_do(7, 0)
        okno.nacisnij("Space")
        self.assertIn("Zapisac gre? (t/n)", okno.wiersz(0))
        okno.nacisnij("t")
        self.assertTrue(w_menu(okno, 7), okno.tekst())
        self.assertIn("Gra zapisana w ", okno.wiersz(24))
        zapis = os.path.join(self.katalog, "save")
        self.assertEqual(sorted(os.listdir(zapis)), ["druzyny.txt", "gracze.txt", "stadion.txt"])
        # One more match day, then the save brings the second round back.
        self.idz_do(0, 7)
        for _ in range(60):
            if "KOLEJKA LIGOWA: 3" in okno.wiersz(1) and w_menu(okno, 0):
                break
            okno.nacisnij("Space")
        self.assertIn("KOLEJKA LIGOWA: 3", okno.wiersz(1), okno.tekst())
        self.idz_do(8, 0)
        okno.nacisnij("Space")
        self.assertIn("Zaladowac gre? (t/n)", okno.wiersz(0))
        okno.nacisnij("t")
        self.assertTrue(w_menu(okno, 8), okno.tekst())
        self.assertIn("Gra wczytana: sezon 1995/1996, kolejka 2", okno.wiersz(24))
        self.assertEqual(okno.tekst().split("\n")[:2], zapisany.split("\n")[:2])
        self.assertEqual(okno.tekst().split("\n")[15:24], zapisany.split("\n")[15:24])
        # Ctrl-C ends the game with the console's own status for it (0xC000013A, low byte).
        okno.tmux("send-keys", "-t", "g", "C-c")
        self.assertTrue(okno.czekaj(lambda: "STATUS:" in okno.tekst()), okno.tekst())
        self.assertIn("STATUS:58", okno.tekst())
        self.start()
        self.assertIn("KOLEJKA LIGOWA: 1", okno.wiersz(1))
        self.assertTrue(okno.nacisnij("Up", PIERWSZY_KLAWISZ_S) and w_menu(okno, 9),
                        okno.tekst())
        # The one UTF-8 word of the game's texts, on the info screen.
        okno.nacisnij("Space")
        self.assertIn("przestaje si\u0119 rozwijac", okno.tekst())

    def test_the_cmd_file_plays_in_plain_lines_for_a_screen_reader(self):
        okno = self.okno
        okno.uruchom("cmd /c bramkowiec-czytnik.cmd")
        self.assertTrue(okno.czekaj(lambda: "F2: powtorz ekran" in okno.tekst(), 60),
                        okno.tekst())
        self.assertRegex(okno.tekst(), r"(?m)^NASTEPNY MECZ <--$")
        # A move down writes one line: the newly marked entry, under the keys.
        self.assertTrue(okno.nacisnij("Down", PIERWSZY_KLAWISZ_S), okno.tekst())
        wiersze = okno.tekst().rstrip().split("\n")
        self.assertEqual([w.rstrip() for w in wiersze[-2:]][1], "SKLAD <--")
        self.assertIn("F2: powtorz ekran", wiersze[-2])
        okno.tmux("send-keys", "-t", "g", "C-c")
        self.assertTrue(okno.czekaj(lambda: "STATUS:" in okno.tekst()), okno.tekst())

    def test_a_refusal_in_a_window_of_its_own_waits_for_a_key(self):
        # Under tmux the game is the only process of wine's console, as after a double click.
        okno = self.okno
        os.remove(os.path.join(self.katalog, "druzyny-1995.txt"))
        okno.uruchom()
        self.assertTrue(okno.czekaj(lambda: "Nacisnij dowolny klawisz" in okno.tekst(), 60),
                        okno.tekst())
        # Long lines wrap at the window's 80th column.
        tekst = okno.tekst().replace("\n", "")
        self.assertIn("bramkowiec: nie mozna wczytac gry: nie mozna otworzyc pliku "
                      "druzyny-1995.txt", tekst)
        self.assertIn("uruchom bramkowiec.exe w folderze rozpakowanego archiwum.", tekst)
        self.assertNotIn("make play", tekst)
        self.assertNotIn("STATUS:", tekst)
        okno.tmux("send-keys", "-t", "g", "x")
        self.assertTrue(okno.czekaj(lambda: "STATUS:" in okno.tekst(), PIERWSZY_KLAWISZ_S),
                        okno.tekst())
        self.assertIn("STATUS:1", okno.tekst())


if __name__ == "__main__":
    ZIP = os.path.realpath(sys.argv[1])
    unittest.main(argv=[sys.argv[0], "-v"] + sys.argv[2:])

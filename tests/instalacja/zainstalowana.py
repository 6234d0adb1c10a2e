#!/usr/bin/python3
"""The installed game through its launcher: zainstalowana.py FOLDER VERSION [Test...]

FOLDER holds what `make install PREFIX=/usr DESTDIR=FOLDER/korzen BUDOWA=FOLDER/budowa` made
from an empty build folder; every test gives the player a fresh HOME and XDG_DATA_HOME."""
import os
import pwd
import shutil
import signal
import subprocess
import sys
import tempfile
import unittest
from dataclasses import dataclass

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
try:
    import okno
    from okno import STRZALKI, czytaj
    from gra_w_oknie import w_menu
except ImportError as brak:
    print("pominiete: brak modulu %s (zainstaluje go scripts/setup)" % brak.name)
    sys.exit(77)

PLIKI = ["druzyny-1995.txt", "gracze.txt", "rynek.txt", "stadion.txt", "sponsorzy.txt"]
FOLDER = WERSJA = KORZEN = None


def setUpModule():
    global KORZEN
    KORZEN = os.path.join(FOLDER, "korzen")
    os.chmod(KORZEN, 0o755)  # the unwritable-home case runs the launcher as another user


def zainstalowany(sciezka):
    return os.path.join(KORZEN, "usr", sciezka)


def bajty(sciezka):
    with open(sciezka, "rb") as f:
        return f.read()


class Zainstalowana(unittest.TestCase):
    def setUp(self):
        self.dom = tempfile.mkdtemp(prefix="bramkowiec-install-dom-")
        self.addCleanup(shutil.rmtree, self.dom, True)
        self.dane = os.path.join(self.dom, "dane")
        self.folder = os.path.join(self.dane, "bramkowiec")
        self.zmienne = {"XDG_DATA_HOME": self.dane}
        self.launcher = zainstalowany("bin/bramkowiec")

    def start(self, **opcje):
        gra = okno.Gra(self.launcher, self.dom, zmienne=self.zmienne, **opcje)
        self.addCleanup(gra.zamknij)
        gra.uspokoj()
        self.assertTrue(w_menu(gra, 0), gra.tekst())
        return gra

    def bez_terminala(self, *argumenty, launcher=None, **popen):
        """The launcher without a terminal: what it printed and its status."""
        # A launcher waiting for the lock instead of refusing fails here, not at the test's end.
        return subprocess.run([launcher or self.launcher, *argumenty], **{"cwd": self.dom, **popen},
                              stdin=subprocess.DEVNULL, capture_output=True, timeout=okno.LIMIT,
                              env={**okno.srodowisko(self.dom), **self.zmienne})

    def odmowa(self, wynik, slowa):
        """One Polish line on stderr, nothing on stdout, status 1."""
        self.assertEqual((wynik.returncode, wynik.stdout), (1, b""), wynik.stderr)
        self.assertEqual(wynik.stderr.decode("ascii").count("\n"), 1, wynik.stderr)
        self.assertIn(slowa, wynik.stderr.decode())

    def otworz(self, gra, wpis, tytul):
        gra.nacisnij(STRZALKI["dol"] * wpis + b" ")
        self.assertIn(tytul, gra.tekst())

    def wyjdz(self, gra, klawisz, wpis):
        gra.nacisnij(klawisz)
        self.assertTrue(w_menu(gra, wpis), gra.tekst())
        gra.nacisnij(STRZALKI["gora"] * wpis)

    def zapisz_z_miejscami(self, gra):
        """Fifty seats more, then a save; returns the seats saved."""
        miejsca = int(czytaj(os.path.join(self.folder, "stadion.txt")).split()[1])
        self.otworz(gra, 5, "Pojemnosc %d krzeselek" % miejsca)
        gra.nacisnij(STRZALKI["lewo"])
        self.wyjdz(gra, b" ", 5)
        self.otworz(gra, 7, "Zapisac gre? (t/n)")
        self.wyjdz(gra, b"t", 7)
        return miejsca + 50

    def zapis(self):
        """The saved files with their contents and modification times."""
        katalog = os.path.join(self.folder, "save")
        return {p: (bajty(os.path.join(katalog, p)), os.stat(os.path.join(katalog, p)).st_mtime_ns)
                for p in os.listdir(katalog)}


class Gra(Zainstalowana):
    def test_first_start_makes_the_folder_and_runs_the_game_there_in_place_of_the_launcher(self):
        gra = self.start(argumenty=["--nieznana"])
        for plik in PLIKI:
            self.assertEqual(bajty(os.path.join(self.folder, plik)),
                             bajty(zainstalowany("share/bramkowiec/" + plik)), plik)
        self.assertEqual(os.listdir(os.path.join(self.folder, "save")), [])
        # exec: the process the terminal started is now the game, in the player's folder.
        self.assertEqual(os.readlink("/proc/%d/exe" % gra.gra.pid),
                         zainstalowany("libexec/bramkowiec/bramkowiec"))
        self.assertEqual(os.readlink("/proc/%d/cwd" % gra.gra.pid), self.folder)
        self.assertEqual(gra.proc("cmdline").split("\0")[1:], [""], "no argument passed on")
        gra.proces.send(b"\x03")
        self.assertEqual(gra.koniec(), (-signal.SIGINT, True))

    def test_czytnik_starts_the_plain_text_mode(self):
        gra = okno.Gra(self.launcher, self.dom, argumenty=["--czytnik"], zmienne=self.zmienne)
        self.addCleanup(gra.zamknij)
        self.assertIn(b"\r\nNASTEPNY MECZ <--\r\n", gra.uspokoj())
        self.assertNotIn(b"\x1b", gra.surowe)

    def test_a_save_lands_in_the_players_folder_and_the_next_start_loads_it(self):
        gra = self.start()
        miejsca = self.zapisz_z_miejscami(gra)
        self.assertEqual(sorted(self.zapis()), ["druzyny.txt", "gracze.txt", "stadion.txt"])
        self.assertEqual(int(czytaj(os.path.join(self.folder, "save/stadion.txt")).split()[1]),
                         miejsca)
        gra.proces.send(b"\x03")
        gra.koniec()
        gra = self.start()
        self.otworz(gra, 8, "Zaladowac gre? (t/n)")
        self.wyjdz(gra, b"t", 8)
        self.otworz(gra, 5, "Pojemnosc %d krzeselek" % miejsca)

    def test_a_second_start_refuses_while_the_game_runs_and_leaves_the_save_alone(self):
        gra = self.start()
        self.zapisz_z_miejscami(gra)
        przed = self.zapis()
        self.odmowa(self.bez_terminala(), "gra juz dziala w folderze " + self.folder)
        # So is the game itself started there without the launcher.
        self.odmowa(self.bez_terminala(launcher=zainstalowany("libexec/bramkowiec/bramkowiec"),
                                       cwd=self.folder), "gra juz dziala w folderze " + self.folder)
        self.assertEqual(self.zapis(), przed)
        gra.nacisnij(STRZALKI["dol"])
        self.assertTrue(w_menu(gra, 1), gra.tekst())

    def test_the_manifest_lists_every_installed_file_for_its_removal(self):
        with open(os.path.join(FOLDER, "budowa", "install_manifest.txt")) as f:
            wpisy = sorted(f.read().split())
        self.assertEqual(wpisy, sorted("/" + os.path.relpath(os.path.join(k, p), KORZEN)
                                       for k, _, n in os.walk(KORZEN) for p in n))

    def test_a_killed_game_leaves_no_lock_behind(self):
        gra = self.start()
        os.kill(gra.gra.pid, signal.SIGKILL)
        gra.koniec()
        self.start()

    def test_help_and_version_print_and_leave_the_terminal_and_the_home_alone(self):
        @dataclass
        class Wiersz:
            nazwa: str
            opcja: str
            poczatek: str
            jezyk: dict = None

        # The installed launcher carries po/en.po's translations: a list falls through to them.
        for w in (Wiersz("help", "--help",
                         "Uzycie: bramkowiec [--czytnik | --help | --version]\n"),
                  Wiersz("short help", "-h", "Uzycie: bramkowiec"),
                  Wiersz("help in English", "--help",
                         "Usage: bramkowiec [--czytnik | --help | --version]\n",
                         {"LANGUAGE": "qaa:en"}),
                  Wiersz("version", "--version", "bramkowiec %s\n" % WERSJA)):
            with self.subTest(w.nazwa):
                gra = okno.Gra(self.launcher, self.dom, argumenty=[w.opcja],
                               zmienne={**self.zmienne, **(w.jezyk or {})})
                self.addCleanup(gra.zamknij)
                self.assertEqual(gra.koniec(), (0, True))
                tekst = gra.surowe.decode("ascii")
                self.assertTrue(tekst.replace("\r\n", "\n").startswith(w.poczatek), tekst)
                self.assertNotIn("\x1b", tekst)
                self.assertFalse(os.path.exists(self.dane))


class Odmowy(Zainstalowana):
    def test_a_player_keeps_edited_files_and_gets_missing_ones_back(self):
        os.makedirs(self.folder)
        wlasny = czytaj(zainstalowany("share/bramkowiec/stadion.txt")).replace("4000", "4500")
        with open(os.path.join(self.folder, "stadion.txt"), "w") as f:
            f.write(wlasny)
        # Without a terminal the game refuses, but only after the launcher has done its part.
        self.odmowa(self.bez_terminala(), "terminala")
        self.assertEqual(czytaj(os.path.join(self.folder, "stadion.txt")), wlasny)
        for plik in PLIKI[:3] + PLIKI[4:]:
            self.assertEqual(bajty(os.path.join(self.folder, plik)),
                             bajty(zainstalowany("share/bramkowiec/" + plik)), plik)
        self.assertTrue(os.path.isdir(os.path.join(self.folder, "save")))

    def test_the_launcher_finds_the_game_through_a_link(self):
        link = os.path.join(self.dom, "bramkowiec")
        os.symlink(self.launcher, link)
        self.odmowa(self.bez_terminala(launcher=link), "terminala")

    def test_a_folder_that_cannot_be_made_gives_a_message_and_status_1(self):
        @dataclass
        class Wiersz:
            nazwa: str
            plik: str  # made a file where the launcher wants a folder, relative to the home
            zmienne: dict
            slowa: str

        for w in (Wiersz("file for the game folder", "dane/bramkowiec", self.zmienne,
                         "to plik, a ma tu byc folder gry"),
                  Wiersz("file for the save folder", "dane/bramkowiec/save", self.zmienne,
                         "to plik, a ma tu byc folder zapisu"),
                  Wiersz("relative XDG_DATA_HOME and no HOME", None,
                         {"XDG_DATA_HOME": "dane", "HOME": ""}, "brak zmiennej HOME")):
            with self.subTest(w.nazwa):
                if w.plik:
                    sciezka = os.path.join(self.dom, w.plik)
                    os.makedirs(os.path.dirname(sciezka), exist_ok=True)
                    with open(sciezka, "w") as f:
                        f.write("gracza\n")
                self.zmienne = w.zmienne
                self.odmowa(self.bez_terminala(), w.slowa)
                if w.plik:
                    self.assertEqual(czytaj(sciezka), "gracza\n")
                    os.remove(sciezka)

    def test_an_unwritable_home_gives_a_message_and_status_1(self):
        # Root writes anywhere: the launcher then runs as nobody, for whom the home is closed.
        popen = {}
        if os.geteuid() == 0:
            nikt = pwd.getpwnam("nobody")
            popen = {"user": nikt.pw_uid, "group": nikt.pw_gid, "extra_groups": []}
        else:
            os.chmod(self.dom, 0o555)
            self.addCleanup(os.chmod, self.dom, 0o755)
        self.zmienne = {}
        self.odmowa(self.bez_terminala(**popen),
                    "nie moge zalozyc folderu gry %s/.local/share/bramkowiec" % self.dom)
        self.assertEqual(os.listdir(self.dom), [])


if __name__ == "__main__":
    FOLDER, WERSJA = sys.argv[1:3]
    unittest.main(argv=[sys.argv[0], "-v"] + sys.argv[3:])

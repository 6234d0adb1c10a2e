#!/usr/bin/python3
"""The Debian package as `make deb` builds it from an empty build folder:
pakiet.py FOLDER SOURCE_DIR VERSION [Test...]"""
import glob
import gzip
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

FOLDER = ZRODLA = DANE = WERSJA = PAKIET = ROZPAKOWANY = WYJSCIE = None
PLIKI = ["druzyny-1995.txt", "gracze.txt", "rynek.txt", "stadion.txt", "sponsorzy.txt"]


def setUpModule():
    global PAKIET, ROZPAKOWANY, WYJSCIE
    shutil.rmtree(FOLDER, True)
    WYJSCIE = subprocess.run(["make", "-C", ZRODLA, "deb", "BUDOWA=" + FOLDER], check=True,
                             capture_output=True, text=True).stdout
    (PAKIET,) = glob.glob(os.path.join(FOLDER, "bramkowiec_%s_*.deb" % WERSJA))
    ROZPAKOWANY = os.path.join(FOLDER, "drzewo")
    subprocess.run(["dpkg-deb", "-x", PAKIET, ROZPAKOWANY], check=True)


def pole(nazwa):
    return subprocess.run(["dpkg-deb", "-f", PAKIET, nazwa], check=True, capture_output=True,
                          text=True).stdout.strip()


def bajty(sciezka):
    with open(sciezka, "rb") as f:
        return f.read()


class Pakiet(unittest.TestCase):
    def test_make_deb_builds_only_what_it_packs(self):
        testy = os.path.join(FOLDER, "tests")
        self.assertEqual([p for _, _, n in os.walk(testy) for p in n if p.endswith(".o")], [])
        self.assertNotIn("npm", WYJSCIE)

    def test_the_package_holds_exactly_the_games_files(self):
        pliki = sorted(os.path.relpath(os.path.join(katalog, p), ROZPAKOWANY)
                       for katalog, _, nazwy in os.walk(ROZPAKOWANY) for p in nazwy)
        self.assertEqual(pliki, sorted(
            ["usr/games/bramkowiec", "usr/libexec/bramkowiec/bramkowiec",
             "usr/share/applications/bramkowiec.desktop", "usr/share/doc/bramkowiec/changelog.gz",
             "usr/share/doc/bramkowiec/copyright", "usr/share/man/man6/bramkowiec.6.gz"] +
            ["usr/share/bramkowiec/" + p for p in PLIKI]))
        for p in PLIKI:
            self.assertEqual(bajty(os.path.join(ROZPAKOWANY, "usr/share/bramkowiec", p)),
                             bajty(os.path.join(DANE, p)), p)
        for program in ("usr/games/bramkowiec", "usr/libexec/bramkowiec/bramkowiec"):
            self.assertTrue(os.access(os.path.join(ROZPAKOWANY, program), os.X_OK), program)

    def test_the_metadata_names_the_game_its_version_and_its_libraries(self):
        self.assertEqual([pole(p) for p in ("Package", "Version", "Section", "Architecture")],
                         ["bramkowiec", WERSJA, "games", subprocess.run(
                             ["dpkg", "--print-architecture"], capture_output=True,
                             text=True).stdout.strip()])
        # dpkg-shlibdeps found the curses the binary links, not a hand-written list.
        self.assertRegex(pole("Depends"), r"libncursesw6 \(>= [0-9.]+\)")
        wpis = bajty(os.path.join(ROZPAKOWANY, "usr/share/applications/bramkowiec.desktop"))
        self.assertIn(b"\nTerminal=true\n", wpis)
        self.assertIn(b"\nExec=/usr/games/bramkowiec\n", wpis)

    def test_compressed_documents_are_reproducible_and_carry_the_version(self):
        for plik, slowa in (("usr/share/man/man6/bramkowiec.6.gz", "bramkowiec %s" % WERSJA),
                            ("usr/share/doc/bramkowiec/changelog.gz", "bramkowiec (%s)" % WERSJA)):
            with self.subTest(plik):
                surowe = bajty(os.path.join(ROZPAKOWANY, plik))
                # No time stamp (bytes 4 to 7) and the best compression (2 in byte 8), as
                # Debian asks, so two builds give the same package.
                self.assertEqual((surowe[:2], surowe[4:9]), (b"\x1f\x8b", b"\0\0\0\0\x02"))
                self.assertIn(slowa, gzip.decompress(surowe).decode("ascii").split("\n")[0])

    def test_the_manuals_keys_are_the_readmes_key_table_row_by_row(self):
        # The README's table is the one e2e.key_table plays through.
        with open(os.path.join(ZRODLA, "README.md")) as f:
            tabela = f.read().split("| Screen | Key | What it does there |\n|---|---|---|\n")[1]
        wiersze = [w.strip("| ").replace("`", "").split(" | ")
                   for w in tabela.split("\n\n")[0].split("\n")]
        podrecznik = gzip.decompress(bajty(os.path.join(
            ROZPAKOWANY, "usr/share/man/man6/bramkowiec.6.gz"))).decode("ascii")
        klawisze = podrecznik.split(".SH KEYS")[1].split(".SH ")[0].replace("\\-", "-")
        self.assertGreater(len(wiersze), 20)
        self.assertEqual(klawisze.split(".TP\n")[1:],
                         [".B %s\n%s: %s\n" % (klawisz, ekran, co) for ekran, klawisz, co in wiersze])

    def test_the_packaged_launcher_runs_the_packaged_game_in_the_players_folder(self):
        dom = tempfile.mkdtemp(prefix="bramkowiec-install-deb-dom-")
        self.addCleanup(shutil.rmtree, dom, True)
        wynik = subprocess.run([os.path.join(ROZPAKOWANY, "usr/games/bramkowiec")],
                               stdin=subprocess.DEVNULL, capture_output=True, text=True, timeout=15,
                               env={"PATH": "/usr/bin:/bin", "HOME": dom, "TERM": "xterm"})
        # Without a terminal the game itself refuses: the launcher found it and its files.
        self.assertEqual(wynik.returncode, 1)
        self.assertIn("terminala", wynik.stderr)
        self.assertEqual(sorted(os.listdir(os.path.join(dom, ".local/share/bramkowiec"))),
                         sorted(PLIKI + [".blokada", "save"]))

    def test_lintian_finds_no_error(self):
        if not shutil.which("lintian"):
            self.skipTest("brak lintiana (zainstaluje go scripts/setup)")
        wynik = subprocess.run(["lintian", "--fail-on", "error", PAKIET], capture_output=True,
                               text=True)
        self.assertEqual(wynik.returncode, 0, wynik.stdout + wynik.stderr)
        self.assertNotRegex(wynik.stdout, r"(?m)^E: ")


if __name__ == "__main__":
    if not shutil.which("dpkg-deb") or not shutil.which("dpkg-shlibdeps"):
        print("pominiete: brak dpkg-dev (zainstaluje go scripts/setup)")
        sys.exit(77)
    FOLDER, ZRODLA, WERSJA = sys.argv[1:4]
    DANE = os.path.join(ZRODLA, "data")
    unittest.main(argv=[sys.argv[0], "-v"] + sys.argv[4:])

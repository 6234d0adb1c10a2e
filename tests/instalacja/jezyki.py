#!/usr/bin/python3
"""The launcher's language: jezyki.py LAUNCHER [LAUNCHER...]

The first LAUNCHER is built from po/*.po and tests/instalacja/xx.po, a made-up third language;
each is run by dash, with a fresh HOME and only the variables a case sets."""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

LAUNCHERY = []
UZYCIE = {"pl": "Uzycie: bramkowiec", "en": "Usage: bramkowiec", "xx": "Xx: bramkowiec"}


class Jezyki(unittest.TestCase):
    def setUp(self):
        self.dom = tempfile.mkdtemp(prefix="bramkowiec-jezyki-")
        self.addCleanup(shutil.rmtree, self.dom, True)

    def uruchom(self, zmienne, *argumenty):
        return subprocess.run(["dash", LAUNCHERY[0], *argumenty], cwd=self.dom,
                              stdin=subprocess.DEVNULL, capture_output=True, text=True, timeout=30,
                              env={"PATH": "/usr/bin:/bin", "HOME": self.dom, **zmienne})

    def test_the_first_set_variable_and_its_first_entry_spoken_here_choose(self):
        # A file named en beside the launcher: a * in a list must not become it.
        open(os.path.join(self.dom, "en"), "w").close()
        for zmienne, jezyk in (
                ({}, "pl"),
                ({"LANG": "en_US.UTF-8"}, "en"),
                ({"LANGUAGE": "en@quot"}, "en"),
                ({"LANGUAGE": "de:en", "LANG": "xx"}, "en"),
                ({"LANGUAGE": "en:pl"}, "en"),
                ({"LANGUAGE": "pl:en"}, "pl"),
                ({"LANGUAGE": "*:de::xx_XX.UTF-8@euro"}, "xx"),
                ({"LANGUAGE": "", "LC_ALL": "xx.UTF-8", "LANG": "en"}, "xx"),
                ({"LC_ALL": "en", "LC_MESSAGES": "xx", "LANG": "xx"}, "en"),
                ({"LC_MESSAGES": "xx", "LANG": "en"}, "xx"),
                ({"LANGUAGE": "eo", "LANG": "en_US.UTF-8"}, "pl"),
                ({"LC_ALL": "C", "LANG": "en_US.UTF-8"}, "pl"),
                ({"LANG": "POSIX"}, "pl"),
                ({"LANG": "english"}, "pl"),
                ({"LANG": "xxx"}, "pl")):
            with self.subTest(**zmienne):
                wynik = self.uruchom(zmienne, "--help")
                self.assertEqual((wynik.returncode, wynik.stderr), (0, ""))
                self.assertEqual(wynik.stdout.split("\n")[0],
                                 UZYCIE[jezyk] + " [--czytnik | --help | --version]")

    def test_a_language_gets_its_own_translations_and_polish_where_it_has_none(self):
        pomoc = self.uruchom({"LANG": "xx"}, "--help").stdout.split("\n")
        self.assertEqual(pomoc[2:6], [
            "Menedzer klubu pilkarskiego w terminalu (co najmniej 80 x 24 znaki).",  # fuzzy
            "Gra, jej pliki startowe i zapisana gra leza w folderze gracza:",  # empty
            "  %s/.local/share/bramkowiec" % self.dom,
            "xx's; \"${XDG_DATA_HOME}\" \\ $(false) `false`"])
        # The other languages keep their own: English has no branch of xx's.
        self.assertEqual(self.uruchom({"LANG": "en"}, "--help").stdout.split("\n")[2],
                         "A football club manager in the terminal (at least 80 x 24 chars).")
        for jezyk, slowa in (("pl", "brak zainstalowanej gry: "), ("en", "no installed game: "),
                             ("xx", "xx gry: ")):
            with self.subTest(jezyk):
                wynik = self.uruchom({"LANGUAGE": jezyk})
                self.assertEqual((wynik.returncode, wynik.stdout), (1, ""))
                self.assertRegex(wynik.stderr, "^bramkowiec: %s/.*/bramkowiec\n$" % slowa)

    @unittest.skipUnless(shutil.which("shellcheck"), "brak programu shellcheck")
    def test_every_launcher_the_build_makes_is_shellcheck_clean(self):
        for launcher in LAUNCHERY:
            with self.subTest(launcher):
                wynik = subprocess.run(["shellcheck", "--shell=sh", launcher],
                                       capture_output=True, text=True, timeout=30)
                self.assertEqual(wynik.returncode, 0, wynik.stdout + wynik.stderr)


if __name__ == "__main__":
    LAUNCHERY = [os.path.abspath(p) for p in sys.argv[1:]]
    unittest.main(argv=[sys.argv[0], "-v"])

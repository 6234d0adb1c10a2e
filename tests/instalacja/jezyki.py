#!/usr/bin/python3
"""The launcher's language: jezyki.py LAUNCHER [LAUNCHER...], the first one built with a made-up
third language from tests/instalacja/xx.po; run by dash with only the variables a case sets."""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

LAUNCHERY = []
UZYCIE = {"pl": "Uzycie", "en": "Usage", "xx": "Xx"}


class Jezyki(unittest.TestCase):
    def setUp(self):
        self.dom = tempfile.mkdtemp(prefix="bramkowiec-jezyki-")
        self.addCleanup(shutil.rmtree, self.dom, True)

    def uruchom(self, zmienne, *argumenty):
        return subprocess.run(["dash", LAUNCHERY[0], *argumenty], cwd=self.dom,
                              stdin=subprocess.DEVNULL, capture_output=True, text=True, timeout=30,
                              env={"PATH": "/usr/bin:/bin", "HOME": self.dom, **zmienne})

    def test_the_first_set_variable_and_its_first_entry_spoken_here_choose(self):
        # A file named en where the launcher runs: a * in a list must not become it. qaa is
        # reserved for local use, so no translator's catalogue can ever be it.
        open(os.path.join(self.dom, "en"), "w").close()
        for zmienne, jezyk in (
                ({}, "pl"), ({"LANG": "en_US.UTF-8"}, "en"), ({"LANGUAGE": "en@quot"}, "en"),
                ({"LANGUAGE": "qaa:en", "LANG": "xx"}, "en"), ({"LANGUAGE": "pl:en"}, "pl"),
                ({"LANGUAGE": "*:qaa::xx.UTF-8"}, "xx"),
                ({"LANGUAGE": "", "LC_ALL": "xx", "LC_MESSAGES": "en"}, "xx"),
                ({"LC_MESSAGES": "xx", "LANG": "en"}, "xx"),
                ({"LANGUAGE": "qaa", "LC_ALL": "en_US.UTF-8"}, "pl"),
                ({"LC_ALL": "C", "LANG": "en"}, "pl"), ({"LANG": "english"}, "pl")):
            with self.subTest(**zmienne):
                wynik = self.uruchom(zmienne, "--help")
                self.assertEqual((wynik.returncode, wynik.stderr), (0, ""))
                self.assertEqual(wynik.stdout.split("\n")[0],
                                 UZYCIE[jezyk] + ": bramkowiec [--czytnik | --help | --version]")

    def test_a_language_gets_its_own_translations_and_polish_where_it_has_none(self):
        self.assertEqual(self.uruchom({"LANG": "xx"}, "--help").stdout.split("\n")[2:6], [
            "Menedzer klubu pilkarskiego w terminalu (co najmniej 80 x 24 znaki).",  # fuzzy
            "Gra, jej pliki startowe i zapisana gra leza w folderze gracza:",  # empty
            "  %s/.local/share/bramkowiec" % self.dom,
            "xx's; \"${XDG_DATA_HOME}\" \\ $(false) `false`"])
        # A refusal's format is a message too.
        for jezyk, slowa in (("pl", "brak zainstalowanej gry"), ("xx", "xx gry")):
            self.assertRegex(self.uruchom({"LANGUAGE": jezyk}).stderr,
                             "^bramkowiec: %s: /.*/bramkowiec\n$" % slowa)

    @unittest.skipUnless(shutil.which("shellcheck"), "brak programu shellcheck")
    def test_every_launcher_the_build_makes_is_shellcheck_clean(self):
        for launcher in LAUNCHERY:
            wynik = subprocess.run(["shellcheck", "--shell=sh", launcher], capture_output=True,
                                   text=True, timeout=30)
            self.assertEqual(wynik.returncode, 0, wynik.stdout + wynik.stderr)


if __name__ == "__main__":
    LAUNCHERY = [os.path.abspath(p) for p in sys.argv[1:]]
    unittest.main(argv=[sys.argv[0], "-v"])

"""The game run in a pseudo-terminal, its screen kept by a terminal emulator."""
import fcntl
import os
import re
import shutil
import struct
import tempfile
import termios
import time

import pexpect
import pyte

LIMIT = 15  # seconds to wait for a screen before the test fails
STRZALKI = {"gora": b"\x1bOA", "dol": b"\x1bOB", "prawo": b"\x1bOC", "lewo": b"\x1bOD"}


class Ekran(pyte.Screen):
    """pyte with the xterm commands curses uses that it lacks: scroll (CSI S, T), repeat (CSI b)."""
    ostatni = ""

    def draw(self, data):
        super().draw(data)
        self.ostatni = data[-1:] or self.ostatni

    def repeat_character(self, ile=1, *_, **__):
        self.draw(self.ostatni * max(ile, 1))

    def przewin(self, ile, w_gore):
        y, x = self.cursor.y, self.cursor.x
        gora, dol = self.margins or (0, self.lines - 1)
        for _ in range(max(ile, 1)):
            self.cursor.y = dol if w_gore else gora
            self.index() if w_gore else self.reverse_index()
        self.cursor.y, self.cursor.x = y, x

    def scroll_up(self, ile=1, *_, **__):
        self.przewin(ile, True)

    def scroll_down(self, ile=1, *_, **__):
        self.przewin(ile, False)


class Strumien(pyte.ByteStream):
    csi = dict(pyte.ByteStream.csi, S="scroll_up", T="scroll_down", b="repeat_character")


def kopia_danych(dane):
    katalog = tempfile.mkdtemp(prefix="bramkowiec-e2e-")
    shutil.copytree(dane, katalog, dirs_exist_ok=True)
    return katalog


def srodowisko(katalog, term="xterm-256color", jezyk="C.UTF-8"):
    return {"PATH": "/usr/bin:/bin", "HOME": katalog, "TERM": term, "LANG": jezyk, "LC_ALL": jezyk}


def czytaj(sciezka):
    with open(sciezka) as f:
        return f.read()


class Gra:
    """bramkowiec started by a shell that prints the tty settings before and after it."""

    def __init__(self, binarka, katalog, wiersze=24, kolumny=80, **opcje):
        polecenie = ('ulimit -c 0; trap : INT; echo "PRZED=$(stty -g)"; "$0"; '
                     'echo "STATUS=$?"; echo "PO=$(stty -g)"')
        self.binarka, self.pid, self.surowe = os.path.realpath(binarka), None, b""
        self.proces = pexpect.spawn("/bin/bash", ["--norc", "-c", polecenie, self.binarka],
                                    cwd=katalog, env=srodowisko(katalog, **opcje),
                                    dimensions=(wiersze, kolumny))
        self.proces.delaybeforesend = None
        self.ekran = Ekran(kolumny, wiersze)
        self.strumien = Strumien(self.ekran)

    def przyjmij(self, limit):
        """Feeds what the game wrote within the limit; False on silence, None at the end."""
        try:
            dane = self.proces.read_nonblocking(65536, timeout=limit)
        except pexpect.TIMEOUT:
            return False
        except pexpect.EOF:
            return None
        self.surowe += dane
        self.strumien.feed(dane)
        return True

    def czekaj_na(self, warunek, opis):
        koniec = time.monotonic() + LIMIT
        while not warunek(self):
            if time.monotonic() > koniec or self.przyjmij(0.2) is None and not warunek(self):
                raise AssertionError("nie doczekano sie: %s\nekran:\n%s" % (opis, self.tekst()))

    def koniec(self):
        """Reads up to the end of the shell: the tty settings before and after, the status."""
        self.czekaj_na(lambda g: g.przyjmij(0.2) is None, "koniec gry")
        wyjscie = self.surowe.decode("utf-8", "replace")
        return [int(x) if x.isdigit() else x for x in
                (re.search(r"%s=([0-9a-f:]+)" % n, wyjscie).group(1) for n in ("PRZED", "PO", "STATUS"))]

    def wiersz(self, y):
        return self.ekran.display[y].rstrip()

    def tekst(self):
        return "\n".join(w.rstrip() for w in self.ekran.display)

    def rozmiar(self, wiersze, kolumny):
        self.ekran.resize(wiersze, kolumny)
        self.proces.setwinsize(wiersze, kolumny)
        return self.uspokoj()

    def pid_gry(self):
        """The game process: the shell's child running the binary."""
        koniec = time.monotonic() + LIMIT
        while self.pid is None and time.monotonic() < koniec:
            for p in filter(str.isdigit, os.listdir("/proc")):
                try:
                    if czytaj("/proc/%s/stat" % p).rsplit(")", 1)[1].split()[1] == \
                            str(self.proces.pid) and os.readlink("/proc/%s/exe" % p) == self.binarka:
                        self.pid = int(p)
                except (OSError, IndexError):
                    continue
        return self.pid

    def proc(self, plik):
        return czytaj("/proc/%d/%s" % (self.pid_gry(), plik))

    def czeka(self, fd, przeczytanych):
        """The game has read that many bytes, every key sent, and sleeps reading its tty."""
        if struct.unpack("i", fcntl.ioctl(fd, termios.FIONREAD, b"\0" * 4))[0]:
            return False
        try:
            czyta = self.proc("syscall").split()[:2] == ["0", "0x0"]
            return czyta and self.proc("stat").rsplit(")", 1)[1].split()[0] == "S" and \
                self.proc("syscall").split()[:2] == ["0", "0x0"] and self.przeczytane() >= przeczytanych
        except OSError:
            return True  # the game has ended

    def przeczytane(self):
        return int(self.proc("io").split()[1])

    def uspokoj(self, przeczytanych=0):
        """Waits until the game has drawn its answer to every key; returns what it wrote."""
        poczatek, koniec = len(self.surowe), time.monotonic() + LIMIT
        fd = os.open("/proc/%d/fd/0" % self.pid_gry(), os.O_RDONLY | os.O_NOCTTY | os.O_NONBLOCK)
        try:
            while not self.czeka(fd, przeczytanych):
                if time.monotonic() > koniec:
                    raise AssertionError("gra nie czeka na klawisz\nekran:\n" + self.tekst())
                self.przyjmij(0.001)  # a game blocked writing to a full terminal goes on
        finally:
            os.close(fd)
        self.chwila = time.monotonic()  # when the answer stood complete
        while self.przyjmij(0.02):
            pass
        return self.surowe[poczatek:]

    def nacisnij(self, bajty):
        """Sends the keys and returns what the game wrote in answer."""
        przed = self.przeczytane()
        self.proces.send(bajty)
        return self.uspokoj(przed + len(bajty))

    def zamknij(self):
        self.proces.terminate(force=True)

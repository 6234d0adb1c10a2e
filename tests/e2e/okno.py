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
    """pyte's screen with the xterm commands curses uses that pyte lacks: scroll up and down
    (CSI n S, CSI n T) and repeat the last character (CSI n b)."""
    ostatni = ""

    def draw(self, data):
        super().draw(data)
        self.ostatni = data[-1:] or self.ostatni

    def repeat_character(self, ile=1, *_, **__):
        self.draw(self.ostatni * max(ile, 1) if self.ostatni else "")

    def _przewin(self, ile, w_gore):
        y, x = self.cursor.y, self.cursor.x
        gora, dol = self.margins or pyte.screens.Margins(0, self.lines - 1)
        for _ in range(max(ile, 1)):
            self.cursor.y = dol if w_gore else gora
            self.index() if w_gore else self.reverse_index()
        self.cursor.y, self.cursor.x = y, x

    def scroll_up(self, ile=1, *_, **__):
        self._przewin(ile, True)

    def scroll_down(self, ile=1, *_, **__):
        self._przewin(ile, False)


class Strumien(pyte.ByteStream):
    csi = dict(pyte.ByteStream.csi, S="scroll_up", T="scroll_down", b="repeat_character")


def kopia_danych(dane):
    """A throw-away working directory with the shipped data files."""
    katalog = tempfile.mkdtemp(prefix="bramkowiec-e2e-")
    shutil.copytree(dane, katalog, dirs_exist_ok=True)
    return katalog


def srodowisko(katalog, term="xterm-256color", jezyk="C.UTF-8"):
    return {"PATH": "/usr/bin:/bin", "HOME": katalog, "TERM": term, "LANG": jezyk, "LC_ALL": jezyk}


class Gra:
    """bramkowiec started by a shell that prints the tty settings before and after it."""

    def __init__(self, binarka, katalog, wiersze=24, kolumny=80, **opcje):
        polecenie = ('ulimit -c 0; trap : INT; echo "PRZED=$(stty -g)"; "$0"; '
                     'echo "STATUS=$?"; echo "PO=$(stty -g)"')
        self.binarka = os.path.realpath(binarka)
        self.proces = pexpect.spawn("/bin/bash", ["--norc", "--noprofile", "-c", polecenie, self.binarka],
                                    cwd=katalog, env=srodowisko(katalog, **opcje),
                                    dimensions=(wiersze, kolumny))
        self.ekran = Ekran(kolumny, wiersze)
        self.strumien = Strumien(self.ekran)
        self.surowe = b""
        self.pid = None

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
            zostalo = koniec - time.monotonic()
            if zostalo <= 0 or self.przyjmij(min(zostalo, 0.5)) is None and not warunek(self):
                raise AssertionError("nie doczekano sie: %s\nekran:\n%s" % (opis, self.tekst()))

    def czekaj_na_tekst(self, tekst):
        self.czekaj_na(lambda g: tekst in g.tekst(), repr(tekst))

    def czekaj_na_koniec(self):
        """Reads everything up to the end of the shell; returns its raw output."""
        koniec = time.monotonic() + LIMIT
        while time.monotonic() < koniec:
            if self.przyjmij(0.5) is None:
                return self.surowe.decode("utf-8", "replace")
        raise AssertionError("gra sie nie zakonczyla\nekran:\n" + self.tekst())

    def wiersz(self, y):
        return self.ekran.display[y].rstrip()

    def tekst(self):
        return "\n".join(w.rstrip() for w in self.ekran.display)

    def wyslij(self, bajty):
        self.proces.send(bajty)

    def rozmiar(self, wiersze, kolumny):
        self.ekran.resize(wiersze, kolumny)
        self.proces.setwinsize(wiersze, kolumny)

    def pid_gry(self):
        """The game process: the shell's child running the binary."""
        koniec = time.monotonic() + LIMIT
        while self.pid is None and time.monotonic() < koniec:
            for nazwa in filter(str.isdigit, os.listdir("/proc")):
                try:
                    with open("/proc/%s/stat" % nazwa) as f:
                        rodzic = int(f.read().rsplit(")", 1)[1].split()[1])
                    if rodzic == self.proces.pid and \
                            os.path.realpath("/proc/%s/exe" % nazwa) == self.binarka:
                        self.pid = int(nazwa)
                except (OSError, IndexError, ValueError):
                    continue
            time.sleep(0.001)
        if self.pid is None:
            raise AssertionError("nie znaleziono procesu gry")
        return self.pid

    def czeka_na_klawisz(self, fd):
        """The game sleeps in a read of its terminal and every key sent has been read."""
        if struct.unpack("i", fcntl.ioctl(fd, termios.FIONREAD, b"\0" * 4))[0]:
            return False
        try:
            with open("/proc/%d/syscall" % self.pid) as f:
                wywolanie = f.read().split()[:2]
            with open("/proc/%d/stat" % self.pid) as f:
                stan = f.read().rsplit(")", 1)[1].split()[0]
            with open("/proc/%d/syscall" % self.pid) as f:
                return wywolanie == ["0", "0x0"] == f.read().split()[:2] and stan == "S"
        except OSError:
            return True  # the game has ended

    def przeczytane(self):
        """Bytes the game has read so far: its keys (and files it loaded after a key)."""
        try:
            with open("/proc/%d/io" % self.pid_gry()) as f:
                return int(f.read().split()[1])
        except OSError:
            return float("inf")  # the game has ended

    def uspokoj(self, przeczytanych=0):
        """Waits until the game has read that many bytes, taken every key sent and drawn its
        answer; returns the bytes it wrote meanwhile."""
        poczatek = len(self.surowe)
        fd = os.open("/proc/%d/fd/0" % self.pid_gry(), os.O_RDONLY | os.O_NOCTTY | os.O_NONBLOCK)
        try:
            koniec = time.monotonic() + LIMIT
            while not self.czeka_na_klawisz(fd) or self.przeczytane() < przeczytanych:
                if time.monotonic() > koniec:
                    raise AssertionError("gra nie czeka na klawisz\nekran:\n" + self.tekst())
                self.przyjmij(0.001)  # a game blocked writing to a full terminal goes on
        finally:
            os.close(fd)
        while self.przyjmij(0.02):
            pass
        return self.surowe[poczatek:]

    def nacisnij(self, bajty):
        """Sends the keys and returns once the game has answered them."""
        przed = self.przeczytane()
        self.wyslij(bajty)
        return self.uspokoj(przed + len(bajty))

    def zamknij(self):
        if self.proces.isalive():
            self.proces.terminate(force=True)


def ustawienia_tty(wyjscie):
    """The tty settings the shell printed before and after the game, and the game's status."""
    przed = re.search(r"PRZED=([0-9a-f:]+)", wyjscie)
    po = re.search(r"PO=([0-9a-f:]+)", wyjscie)
    status = re.search(r"STATUS=(\d+)", wyjscie)
    return (przed and przed.group(1), po and po.group(1), status and int(status.group(1)))

"""The game run in a pseudo-terminal, its screen kept by a terminal emulator."""
import fcntl
import os
import re
import shutil
import signal
import struct
import tempfile
import termios
import time

import pexpect
import pyte

LIMIT = 15  # seconds to wait for a screen before the test fails


class Ekran(pyte.Screen):
    """pyte's screen with the xterm commands curses uses that pyte lacks: scroll up and down
    (CSI n S, CSI n T) and repeat the last character (CSI n b)."""

    ostatni = ""

    def draw(self, data):
        super().draw(data)
        if data:
            self.ostatni = data[-1]

    def repeat_character(self, ile=1, *_, **__):
        if self.ostatni:
            self.draw(self.ostatni * max(ile, 1))

    def _przewin(self, ile, w_gore):
        y, x = self.cursor.y, self.cursor.x
        gora, dol = self.margins or pyte.screens.Margins(0, self.lines - 1)
        for _ in range(max(ile, 1)):
            if w_gore:
                self.cursor.y = dol
                self.index()
            else:
                self.cursor.y = gora
                self.reverse_index()
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


def srodowisko(katalog, term, jezyk="C.UTF-8"):
    return {"PATH": "/usr/bin:/bin", "HOME": katalog, "TERM": term, "LANG": jezyk, "LC_ALL": jezyk}


class Gra:
    """bramkowiec started by a shell that prints the tty settings before and after it."""

    def __init__(self, binarka, katalog, wiersze=24, kolumny=80, term="xterm-256color",
                 jezyk="C.UTF-8"):
        polecenie = ('ulimit -c 0; trap : INT; echo "PRZED=$(stty -g)"; "$0"; '
                     'echo "STATUS=$?"; echo "PO=$(stty -g)"')
        self.proces = pexpect.spawn("/bin/bash", ["--norc", "--noprofile", "-c", polecenie, binarka],
                                    cwd=katalog, env=srodowisko(katalog, term, jezyk),
                                    dimensions=(wiersze, kolumny))
        self.ekran = Ekran(kolumny, wiersze)
        self.strumien = Strumien(self.ekran)
        self.surowe = b""
        self.binarka = os.path.realpath(binarka)

    def _przyjmij(self, limit):
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
            if zostalo <= 0 or self._przyjmij(min(zostalo, 0.5)) is None and not warunek(self):
                raise AssertionError("nie doczekano sie: %s\nekran:\n%s" % (opis, self.tekst()))

    def czekaj_na_tekst(self, tekst):
        self.czekaj_na(lambda g: tekst in g.tekst(), repr(tekst))

    def czekaj_na_koniec(self):
        """Reads everything up to the end of the shell; returns its raw output."""
        koniec = time.monotonic() + LIMIT
        while time.monotonic() < koniec:
            if self._przyjmij(0.5) is None:
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
        def pid():
            for nazwa in os.listdir("/proc"):
                if not nazwa.isdigit():
                    continue
                try:
                    with open("/proc/%s/stat" % nazwa) as f:
                        pola = f.read().rsplit(")", 1)[1].split()
                    if int(pola[1]) == self.proces.pid and \
                            os.path.realpath("/proc/%s/exe" % nazwa) == self.binarka:
                        return int(nazwa)
                except (OSError, IndexError, ValueError):
                    continue
            return None
        koniec = time.monotonic() + LIMIT
        while time.monotonic() < koniec:
            p = pid()
            if p is not None:
                return p
            time.sleep(0.05)
        raise AssertionError("nie znaleziono procesu gry")

    def czekaj_az_przeczyta(self):
        """Waits until the game has read every key sent so far (its tty's input is empty)."""
        fd = os.open("/proc/%d/fd/0" % self.pid_gry(), os.O_RDONLY | os.O_NOCTTY | os.O_NONBLOCK)
        try:
            def czeka():
                return struct.unpack("i", fcntl.ioctl(fd, termios.FIONREAD, b"\0" * 4))[0]
            koniec = time.monotonic() + LIMIT
            while czeka() > 0:
                if time.monotonic() > koniec:
                    raise AssertionError("gra nie czyta klawiszy")
                time.sleep(0.01)
        finally:
            os.close(fd)

    def zabij(self, sygnal):
        os.kill(self.pid_gry(), sygnal)

    def zamknij(self):
        if self.proces.isalive():
            self.proces.terminate(force=True)


def ustawienia_tty(wyjscie):
    """The tty settings the shell printed before and after the game, and the game's status."""
    przed = re.search(r"PRZED=([0-9a-f:]+)", wyjscie)
    po = re.search(r"PO=([0-9a-f:]+)", wyjscie)
    status = re.search(r"STATUS=(\d+)", wyjscie)
    return (przed and przed.group(1), po and po.group(1), status and int(status.group(1)))


SYGNALY = {"SIGINT": signal.SIGINT, "SIGTERM": signal.SIGTERM, "SIGHUP": signal.SIGHUP,
           "SIGQUIT": signal.SIGQUIT}

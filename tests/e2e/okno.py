"""The game run in a pseudo-terminal, its screen kept by a terminal emulator."""
import fcntl
import os
import pty
import resource
import shutil
import struct
import subprocess
import tempfile
import termios
import time

import pexpect.fdpexpect
import pyte

LIMIT = 15  # seconds to wait for a screen before the test fails
WPISY = ["NASTEPNY MECZ", "SKLAD", "KUPNO", "SPRZEDARZ", "TABELA", "STADION", "BANK", "ZAPIS",
         "ODCZYT", "INFO"]
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


def przejmij_tty():
    """In the game's process: its terminal becomes its controlling one; no core files."""
    fcntl.ioctl(0, termios.TIOCSCTTY, 0)
    resource.setrlimit(resource.RLIMIT_CORE, (0, 0))


def czytaj(sciezka):
    with open(sciezka) as f:
        return f.read()


class Gra:
    """bramkowiec in a fresh pseudo-terminal, by default its controlling terminal."""

    def __init__(self, binarka, katalog, wiersze=24, kolumny=80, sterujacy=True, powloka=False,
                 argumenty=(), zmienne=None, **opcje):
        """With powloka the game is a job of a shell with job control, which answers a line
        typed after Ctrl-Z with fg."""
        self.surowe, glowny, self.tty = b"", *pty.openpty()
        self.ekran, self.start = Ekran(kolumny, wiersze), time.monotonic()
        self.strumien = Strumien(self.ekran)
        self.rozmiar(wiersze, kolumny)
        self.przed = termios.tcgetattr(self.tty)
        polecenie = [os.path.realpath(binarka), *argumenty]
        if powloka:
            polecenie = ["/bin/bash", "-c", 'set -m; "$0" "$@"; read x; fg'] + polecenie
        self.gra = subprocess.Popen(polecenie, cwd=katalog, stdin=self.tty,
                                    stdout=self.tty, stderr=self.tty, start_new_session=True,
                                    env={**srodowisko(katalog, **opcje), **(zmienne or {})},
                                    preexec_fn=przejmij_tty if sterujacy else None)
        self.pid = self.dziecko() if powloka else self.gra.pid
        self.proces = pexpect.fdpexpect.fdspawn(glowny)
        self.proces.delaybeforesend = None

    def dziecko(self):
        koniec = time.monotonic() + LIMIT
        while time.monotonic() < koniec:
            sciezka = "/proc/%d/task/%d/children" % (self.gra.pid, self.gra.pid)
            dzieci = czytaj(sciezka).split()
            if dzieci:
                return int(dzieci[0])
            time.sleep(0.01)
        raise AssertionError("powloka nie uruchomila gry")

    def stan(self):
        return self.proc("stat").rsplit(")", 1)[1].split()[0]

    def strzalka(self, nazwa):
        """An arrow as the terminal sends it in the cursor mode the game last asked for."""
        aplikacji = self.surowe.rfind(b"\x1b[?1h") > self.surowe.rfind(b"\x1b[?1l")
        return STRZALKI[nazwa] if aplikacji else STRZALKI[nazwa].replace(b"O", b"[")

    def przyjmij(self, limit):
        """Feeds what the game wrote within the limit; False on silence."""
        try:
            dane = self.proces.read_nonblocking(65536, timeout=limit)
        except (pexpect.TIMEOUT, pexpect.EOF):
            return False
        self.surowe += dane
        self.strumien.feed(dane)
        return True

    def dobierz(self):
        """Takes in what the game still writes, until it falls silent for 20 ms."""
        koniec = time.monotonic() + LIMIT
        while self.przyjmij(0.02):
            if time.monotonic() > koniec:
                raise AssertionError("gra pisze bez konca\nekran:\n" + self.tekst())

    def koniec(self):
        """Waits for the game's end: its status and whether the tty settings came back."""
        try:
            status = self.gra.wait(LIMIT)
        except subprocess.TimeoutExpired:
            raise AssertionError("gra nie konczy sie\nekran:\n" + self.tekst()) from None
        self.dobierz()
        return status, termios.tcgetattr(self.tty) == self.przed

    def wiersz(self, y):
        return self.ekran.display[y].rstrip()

    def tekst(self):
        return "\n".join(w.rstrip() for w in self.ekran.display)

    def rozmiar(self, wiersze, kolumny):
        self.ekran.resize(wiersze, kolumny)
        fcntl.ioctl(self.tty, termios.TIOCSWINSZ, struct.pack("HHHH", wiersze, kolumny, 0, 0))

    def proc(self, plik):
        return czytaj("/proc/%d/%s" % (self.pid, plik))

    def czeka(self, przeczytanych):
        """The game has read that many bytes, every key sent, and sleeps reading its tty."""
        if struct.unpack("i", fcntl.ioctl(self.tty, termios.FIONREAD, b"\0" * 4))[0]:
            return False
        czyta = self.proc("syscall").startswith("0 0x0 ")
        return czyta and self.proc("stat").rsplit(")", 1)[1].split()[0] == "S" and \
            self.proc("syscall").startswith("0 0x0 ") and self.przeczytane() >= przeczytanych

    def przeczytane(self):
        return int(self.proc("io").split()[1])

    def uspokoj(self, przeczytanych=0):
        """Waits until the game has drawn its answer to every key; returns what it wrote."""
        poczatek, koniec = len(self.surowe), time.monotonic() + LIMIT
        while not self.czeka(przeczytanych):
            if time.monotonic() > koniec:
                raise AssertionError("gra nie czeka na klawisz\nekran:\n" + self.tekst())
            self.przyjmij(0.001)  # a game blocked writing to a full terminal goes on
        self.chwila = time.monotonic()  # when the answer stood complete
        self.dobierz()
        return self.surowe[poczatek:]

    def nacisnij(self, bajty):
        """Sends the keys and returns what the game wrote in answer."""
        przed = self.przeczytane()
        self.proces.send(bajty)
        return self.uspokoj(przed + len(bajty))

    def zamknij(self):
        if self.pid != self.gra.pid and os.path.exists("/proc/%d" % self.pid):
            os.kill(self.pid, 9)
        if self.gra.poll() is None:
            self.gra.kill()
            self.gra.wait()
        self.proces.close()
        os.close(self.tty)

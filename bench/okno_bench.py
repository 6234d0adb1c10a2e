#!/usr/bin/python3
"""The real binary in a pseudo-terminal: bytes written and time until the screen settles.
okno_bench.py BINARY DATA_DIR"""
import os
import shutil
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import okno  # noqa: E402
from okno import STRZALKI  # noqa: E402

POWTORZEN = 20


def zmierz(gra, klawisze):
    poczatek = time.monotonic()
    bajty = len(gra.nacisnij(klawisze))
    return bajty, (gra.chwila - poczatek) * 1000


def main():
    binarka, dane = sys.argv[1], sys.argv[2]
    katalog = okno.kopia_danych(dane)
    wyniki = {}
    try:
        for _ in range(POWTORZEN):
            gra = okno.Gra(binarka, katalog, sterujacy=False)
            bajty = len(gra.uspokoj())
            wyniki.setdefault("start do menu", []).append((bajty, (gra.chwila - gra.start) * 1000))
            # Menu: down, then up again; squad: in, down, up, out; tables there and back.
            for opis, klawisze in (
                    ("ruch znacznika w menu", STRZALKI["dol"]), (None, STRZALKI["gora"]),
                    ("przerysowanie bez zmian", b"x"), (None, STRZALKI["dol"] + b" "),
                    ("ruch znacznika w skladzie", STRZALKI["dol"]),
                    (None, STRZALKI["gora"] + b" " + STRZALKI["dol"] * 3),
                    ("otwarcie tabeli", b" "), (None, b"abc" + STRZALKI["gora"] * 4)):
                wynik = zmierz(gra, klawisze)
                if opis:
                    wyniki.setdefault(opis, []).append(wynik)
            gra.zamknij()
            # With a help line the marker move must cost no more.
            gra = okno.Gra(binarka, katalog, wiersze=25, sterujacy=False)
            gra.uspokoj()
            wyniki.setdefault("ruch znacznika, 80x25", []).append(zmierz(gra, STRZALKI["dol"]))
            gra.zamknij()
    finally:
        shutil.rmtree(katalog, True)
    cele = {"start do menu": (None, 50), "ruch znacznika w menu": (64, None),
            "ruch znacznika w skladzie": (64, None),
            "ruch znacznika, 80x25": (64, None), "przerysowanie bez zmian": (0, None)}
    print("\n%-27s %8s %8s %12s %8s  %s" % ("przypadek", "bajty", "ms (min)", "ms (mediana)",
                                           "ms (max)", "cel"))
    chybione = 0
    for opis, pomiary in wyniki.items():
        bajty = max(b for b, _ in pomiary)
        czasy = [t for _, t in pomiary]
        cel_bajtow, cel_ms = cele.get(opis, (None, None))
        trafiony = (cel_bajtow is None or bajty <= cel_bajtow) and \
            (cel_ms is None or statistics.median(czasy) < cel_ms)
        chybione += not trafiony
        cel = " ".join(filter(None, ["<= %d B" % cel_bajtow if cel_bajtow is not None else "",
                                     "< %d ms" % cel_ms if cel_ms else ""]))
        print("%-27s %8d %8.2f %12.2f %8.2f  %s %s" % (
            opis, bajty, min(czasy), statistics.median(czasy), max(czasy), cel,
            "" if not cel else "ok" if trafiony else "CHYBIONY"))
    return 1 if chybione else 0


if __name__ == "__main__":
    sys.exit(main())

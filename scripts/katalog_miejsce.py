#!/usr/bin/env python3
"""Checks that every translation in a .po file fits where its Polish message stands: plain
ASCII, the same line breaks, carriage returns and tabs in the same order, and no piece between
them longer than the Polish one. A longer text would push the screen's rows or run into
positioned text."""
import re
import sys

STERUJACE = re.compile(r"(\\[nrt])")


def napisy(blok, slowo):
    m = re.search(r"^%s ((?:\".*\"\n?)+)" % slowo, blok, re.M)
    return "".join(re.findall(r'"(.*)"', m.group(1))) if m else None


def dlugosc(kawalek):
    return len(re.sub(r'\\(["\\])', r"\1", kawalek))


def main(sciezka):
    bledy = []
    for blok in open(sciezka, encoding="utf-8").read().split("\n\n"):
        blok = "\n".join(l for l in blok.splitlines() if not l.startswith("#~"))
        pl, en = napisy(blok, "msgid"), napisy(blok, "msgstr")
        if not pl or not en:
            continue
        # The console's cells hold one byte each: a letter of two would take two columns.
        if not en.isascii():
            bledy.append("not plain ASCII: %r" % en)
            continue
        kawalki_pl, kawalki_en = STERUJACE.split(pl), STERUJACE.split(en)
        if kawalki_pl[1::2] != kawalki_en[1::2]:
            bledy.append("different line breaks, returns or tabs: %r" % pl)
            continue
        for a, b in zip(kawalki_pl[::2], kawalki_en[::2]):
            if dlugosc(b) > dlugosc(a):
                bledy.append("longer than the Polish (%d > %d): %r -> %r" % (dlugosc(b), dlugosc(a), a, b))
    for b in bledy:
        print(sciezka + ": " + b, file=sys.stderr)
    return 1 if bledy else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))

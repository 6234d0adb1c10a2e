#!/usr/bin/env python3
"""Writes the site's icons, a pitch seen from above: python3 ikony.py SITE_DIR.

Drawn here so the build needs no image tools and no binary files live in the repository."""
import struct
import sys
import zlib
from pathlib import Path

ROZMIARY = (192, 512)
TLO = (0, 0, 0)
TRAWA = (0, 170, 0)
LINIA = (255, 255, 255)


def kolor(x, y, n):
    """The pixel at (x, y) of an n x n icon: a pitch with its touch lines, halfway line and centre circle."""
    margines = n // 12
    gruby = max(2, n // 64)
    if not (margines <= x < n - margines and margines <= y < n - margines):
        return TLO
    wewnatrz = margines + gruby <= x < n - margines - gruby and margines + gruby <= y < n - margines - gruby
    polowa = abs(x - n // 2) < gruby // 2 + 1
    r = ((x - n / 2) ** 2 + (y - n / 2) ** 2) ** 0.5
    okrag = abs(r - n / 6) < gruby / 2
    return LINIA if not wewnatrz or polowa or okrag else TRAWA


def png(n):
    wiersze = b''.join(b'\0' + bytes(c for x in range(n) for c in kolor(x, y, n)) for y in range(n))

    def kawalek(typ, dane):
        return struct.pack('>I', len(dane)) + typ + dane + struct.pack('>I', zlib.crc32(typ + dane))

    return (b'\x89PNG\r\n\x1a\n' + kawalek(b'IHDR', struct.pack('>IIBBBBB', n, n, 8, 2, 0, 0, 0)) +
            kawalek(b'IDAT', zlib.compress(wiersze, 9)) + kawalek(b'IEND', b''))


if __name__ == '__main__':
    for n in ROZMIARY:
        Path(sys.argv[1], f'ikona-{n}.png').write_bytes(png(n))

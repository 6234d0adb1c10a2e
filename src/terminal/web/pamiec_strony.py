#!/usr/bin/env python3
"""Writes the service worker for a built site: python3 pamiec_strony.py TEMPLATE SITE_DIR.

The worker lists every file of the site and names its cache after a hash of their contents, so
a new build is a new worker with a new cache and the browser never mixes two builds."""
import hashlib
import json
import sys
from pathlib import Path

WORKER = 'sw.js'


def main(szablon, strona):
    pliki = sorted(p.name for p in strona.iterdir() if p.is_file() and p.name != WORKER)
    skrot = hashlib.sha256()
    for nazwa in pliki:
        skrot.update(nazwa.encode() + b'\0' + (strona / nazwa).read_bytes())
    tekst = szablon.read_text().replace('@WERSJA@', skrot.hexdigest()[:16]).replace('@PLIKI@', json.dumps(pliki))
    (strona / WORKER).write_text(tekst)


if __name__ == '__main__':
    main(Path(sys.argv[1]), Path(sys.argv[2]))

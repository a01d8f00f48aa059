#!/usr/bin/env python3
"""Puts an edition's dated figures into one of its sources.

Usage: figures.py TABLE SOURCE OUTPUT

TABLE is the edition's figures.tsv: one figure a row, tab-separated, with the columns
key, text, year and source (a header row naming them first; lines beginning with "#" are
comments). Every "{{KEY}}" in SOURCE becomes that figure's text in OUTPUT. A key the table
does not have, a row without a year or a source, and a key given twice are refused, so a
figure can never reach a page undated or unsourced. Only the Python standard library is
used; the bytes of SOURCE outside the places are copied unchanged.
"""

import os
import re
import sys

PLACE = re.compile(rb"\{\{([A-Z0-9_]+)\}\}")
COLUMNS = ["key", "text", "year", "source"]


def read_table(path):
    figures = {}
    with open(path, encoding="ascii") as f:
        rows = [line.rstrip("\r\n") for line in f]
    rows = [r for r in rows if r.strip() and not r.startswith("#")]
    if not rows or rows[0].split("\t")[:4] != COLUMNS:
        raise SystemExit("%s: the first row must name the columns %s" % (path, " ".join(COLUMNS)))
    for number, row in enumerate(rows[1:], 2):
        cells = row.split("\t")
        if len(cells) < 4 or not all(c.strip() for c in cells[:4]):
            raise SystemExit("%s: row %d needs a key, a text, a year and a source" % (path, number))
        key, text, year, source = (c.strip() for c in cells[:4])
        if not re.fullmatch(r"[A-Z0-9_]+", key):
            raise SystemExit("%s: row %d: the key %r is not in capitals" % (path, number, key))
        if not re.fullmatch(r"(19|20)[0-9][0-9]", year):
            raise SystemExit("%s: row %d: %r is not a year" % (path, number, year))
        if key in figures:
            raise SystemExit("%s: %s is given twice" % (path, key))
        if "{{" in text or "@" in text:
            raise SystemExit("%s: the text of %s holds a place or an at sign" % (path, key))
        figures[key] = text.encode("ascii")
    return figures


def main(argv):
    if len(argv) != 4:
        raise SystemExit("usage: figures.py TABLE SOURCE OUTPUT")
    table, source, output = argv[1:]
    figures = read_table(table)
    with open(source, "rb") as f:
        data = f.read()
    missing = sorted({m.group(1).decode() for m in PLACE.finditer(data)} - set(figures))
    if missing:
        raise SystemExit("%s: no figure in %s for %s" % (source, table, ", ".join(missing)))
    data = PLACE.sub(lambda m: figures[m.group(1).decode()], data)
    if b"{{" in data:
        raise SystemExit("%s: a place that is not {{KEY}}" % source)
    os.makedirs(os.path.dirname(os.path.abspath(output)), exist_ok=True)
    with open(output + ".tmp", "wb") as f:
        f.write(data)
    os.replace(output + ".tmp", output)


if __name__ == "__main__":
    main(sys.argv)

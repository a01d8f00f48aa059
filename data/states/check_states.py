#!/usr/bin/env python3
"""Checks the state chapters of an edition whose facts carry their years.

Usage: check_states.py SOURCE_FOLDER   (the edition's states/ folder)

Writes the 51 chapters and STATE_FIGURES.TXT into a scratch folder with make_states.py,
then checks, state by state, that
  - each chapter states its own dated figures, each older than the edition's tax year
    followed closely by the year it is for;
  - where a figure differs between states, no chapter shows another state's figure in the
    section that states it;
  - no chapter holds a passage that presents a rule of an earlier year as current;
  - STATE_FIGURES.TXT has one row for every dated figure, none after the tax year.
An edition whose facts carry no years (the 2012 edition) is skipped (exit code 77).
"""

import html
import os
import re
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
SKIP = 77

# Passages that presented a rule of 2012 as current. None may appear in a later edition.
STALE = [
    "payroll-tax holiday", "payroll tax holiday", "$110,100", "$455 a week", "Catamount",
    "fair share contribution", "Board of Equalization", "Michigan business tax",
    "single business tax", "From 2014", "coming in 2014", "will bring health insurance exchanges",
    "mid-2012", "for 2012", "in 2012", "as of 2012", "(2012", "$95,585", "$30,300", "$10.24",
    "$8.00 an hour", "35% and 38%", "39% brackets", "withhold 10% of the price",
    "8.5% business profits tax", "0.75% business enterprise tax", "minimum tax of $150",
    "gross receipts of $150,000", "Michigan is a right-to-work state",
    "even when no tax is due", "total revenue of $1 million or less", "between about $50 and $200",
    "two hours of sexual-harassment training every two years", "no more than five employees",
    "Public Regulation Commission, Corporations Bureau", "interest and dividends only",
    "7.1% of entire net income", "8.85% of entire net income",
]

# The section of a chapter that states each figure compared between states.
COMPARED = {
    "minwage_note": "MINWAGE", "pit_top": "TAX_SOLE", "cit_rate": "TAX_CORP",
    "sales": "SALES TAX", "nexus": "SALES TAX", "ui_base": "UI TAX", "lp_fee": "LIM_PSHIP",
    "llc_fee": "LLC FORM", "corp_fee": "C CORP FORM",
}
TOKEN = re.compile(r"\$[0-9][0-9,]*(?:\.[0-9]+)?(?: million)?|(?<![0-9.])[0-9]+(?:\.[0-9]+)?%")


def load_generator():
    sys.dont_write_bytecode = True  # keeps the source folder clean when run as a test
    sys.path.insert(0, HERE)
    import make_states
    return make_states


def tokens(text):
    return set(TOKEN.findall(html.unescape(text)))


def section(chapter, key):
    """The lines after the anchor line holding KEY, to the next anchor line."""
    lines = chapter.split("\r\n")
    for n, line in enumerate(lines):
        if '<A NAME="%s">' % key in line:
            end = n + 1
            while end < len(lines) and not lines[end].startswith("<A NAME="):
                end += 1
            return "\n".join(lines[n + 1:end])
    return ""


def main(argv):
    if len(argv) != 2:
        raise SystemExit("usage: check_states.py SOURCE_FOLDER")
    source = argv[1]
    gen = load_generator()
    facts = gen.read_facts(os.path.join(source, "facts.tsv"))
    if not gen.has_years(facts):
        print("the facts of %s carry no years: nothing to check" % source)
        return SKIP
    year = gen.tax_year(source)
    problems = []
    with tempfile.TemporaryDirectory() as out:
        gen.main(["make_states.py", out, source])
        chapters = {}
        for row in facts:
            with open(os.path.join(out, row["code"] + ".htm"), encoding="ascii", newline="") as f:
                chapters[row["code"]] = f.read()
        with open(os.path.join(out, "STATE_FIGURES.TXT"), encoding="ascii") as f:
            table = [l.rstrip("\r\n") for l in f if l.strip() and not l.startswith("#")]

    # A figure that a section shows in most chapters belongs to its shared wording (the
    # federal minimum wage, the FUTA credit); one shown in a few only is a state's own.
    common = {}
    for key in set(COMPARED.values()):
        counts = {}
        for text in chapters.values():
            for t in tokens(section(text, key)):
                counts[t] = counts.get(t, 0) + 1
        common[key] = {t for t, n in counts.items() if n > len(chapters) // 2}

    for row in facts:
        code, text = row["code"], chapters[row["code"]]
        flat = re.sub(r"\s+", " ", text)
        for column, year_column, _, _ in gen.DATED:
            value = row[column]
            if not value or value == "none" or (column == "sales" and value == "0"):
                continue
            places = [m.start() for m in re.finditer(re.escape(value), flat)]
            marked = "for %s, the latest" % row[year_column]
            if not places:
                problems.append("%s: the chapter does not state %s (%r)" % (code, column, value))
            elif row[year_column] != year and not any(
                    marked in flat[at:at + len(value) + 400] for at in places):
                problems.append("%s: %s is for %s but the chapter does not say so" % (code, column, row[year_column]))
        own = set()
        for v in row.values():
            own |= tokens(v)
        for column, key in COMPARED.items():
            allowed = own | common[key]
            foreign = set()
            for other in facts:
                if other[column] != row[column]:
                    foreign |= {t for t in TOKEN.findall(html.unescape(other[column]))[:1]}
            shown = tokens(section(text, key)) & (foreign - allowed)
            if shown:
                problems.append("%s: %s shows another state's %s: %s" % (code, key, column, ", ".join(sorted(shown))))
        for phrase in STALE:
            if phrase.lower() in html.unescape(flat).lower():
                problems.append("%s: presents an old rule as current: %r" % (code, phrase))

    # Faults once found in the shared passages, each checked where it belongs.
    def must(code, key, phrase):
        if phrase not in html.unescape(re.sub(r"\s+", " ", section(chapters[code], key))):
            problems.append("%s: %s does not say %r" % (code, key, phrase))
    must("TX", "LIM_PSHIP", "$750")
    must("TX", "NEWHIRE", "Office of the Attorney General")
    must("CA", "OSHA", "Cal/OSHA")
    must("NY", "TDI", "from the first employee")
    must("MI", "MISC LABOR", "no longer a right-to-work state")
    must("TX", "FRANCH TAX", "no-tax-due report is abolished")

    if not table or table[0].split("\t") != ["state", "key", "text", "year", "source"]:
        problems.append("STATE_FIGURES.TXT: the header row is missing")
    else:
        dated = sum(1 for row in facts for c, _, _, _ in gen.DATED if row[c])
        if len(table) - 1 != dated:
            problems.append("STATE_FIGURES.TXT: %d rows for %d dated figures" % (len(table) - 1, dated))
        for line in table[1:]:
            cells = line.split("\t")
            if len(cells) != 5 or not all(cells) or not cells[3].isdigit() or cells[3] > year:
                problems.append("STATE_FIGURES.TXT: bad row %r" % line)

    for p in problems:
        print(p)
    print("%d state chapters checked, %d problems" % (len(facts), len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

#!/usr/bin/env python3
"""Writes the 51 state chapters of the book (plain HTML, ASCII, CR LF line ends).

Usage: make_states.py OUTPUT_FOLDER [SOURCE_FOLDER]

SOURCE_FOLDER is the edition's states/ folder (this folder when not given).

The facts of every state live in facts.tsv (one row per state, in the order of the
program's state table); the wording of every section lives in sections.txt, with
places for the facts ({name}, {sales}, ...) and conditions on them:

    [if EXPR]      a passage written only when EXPR holds (EXPR is a Python
    [elif EXPR]    expression over the facts of the state, for example
    [else]         pit == 'none' or st('CA', 'NY'))
    [end]

Conditions may nest. Each state chapter gets every section, in the order of SECTIONS
below, each opened by its anchor line. Only the Python standard library is used.
"""

import csv
import html
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

# The sections of a state chapter, in order: (anchor names on the opening line,
# heading level, heading, text block in sections.txt, states that have it or None).
# The names of one anchor line stand together; the first anchor of a line holding a
# section key is the outline's name for the place, the second the section key.
SECTIONS = [
    (["NTRO"], 3, "Doing business in {name}", "NTRO", None),
    (["II(a)", "SOLEPROP FORM"], 3, "Sole proprietorships", "SOLEPROP FORM", None),
    (["II(b)", "TRADE NAMES"], 3, "Trade names and assumed names", "TRADE NAMES", None),
    (["II(c)", "PSHIP FORM"], 3, "Partnerships", "PSHIP FORM", None),
    (["GEN_PSHIP"], 4, "General partnerships: registration and fees", "GEN_PSHIP", None),
    (["LIM_PSHIP"], 4, "Limited partnerships: registration and fees", "LIM_PSHIP", None),
    (["LLP_PSHIP"], 4, "Limited liability partnerships: registration and fees", "LLP_PSHIP", None),
    (["II(d)", "C CORP FORM"], 3, "Incorporation: procedure and fees", "C CORP FORM", None),
    (["II(e)", "S CORP FORM"], 3, "S corporations", "S CORP FORM", None),
    (["II(f)", "LLC FORM"], 3, "Limited liability companies: formation and fees", "LLC FORM", None),
    (["BULKSALES"], 3, "Buying a business: bulk sales and successor liability", "BULKSALES", None),
    (["TAXREL"], 4, "Tax clearance when a business changes hands", "TAXREL", None),
    (["III(a)", "LICENSES"], 3, "Licences and permits", "LICENSES", None),
    (["III(b)", "EMP WITH"], 3, "Withholding state income tax from wages", "EMP WITH", None),
    (["NEWHIRE"], 4, "Reporting new hires", "NEWHIRE", None),
    (["III(c)", "MINWAGE"], 3, "Minimum wage, hours and overtime", "MINWAGE", None),
    (["WAGEPAY"], 4, "Paying wages: paydays, final pay and deductions", "WAGEPAY", None),
    (["III(d)", "CHILD"], 3, "Child labour", "CHILD", None),
    (["III(e)", "DISCRIM"], 3, "Discrimination and fair employment", "DISCRIM", None),
    (["III(f)", "MISC LABOR"], 3, "Other labour laws", "MISC LABOR", None),
    (["OSHA"], 4, "Workplace safety and health", "OSHA", None),
    (["SMOKE_FREE"], 4, "Smoke-free workplaces", "SMOKE_FREE", ["CA"]),
    (["WARN"], 4, "Plant closings and mass layoffs", "WARN", None),
    (["LIE_DETECTOR"], 4, "Lie detector tests", "LIE_DETECTOR", None),
    (["WCOMP"], 3, "Workers&rsquo; compensation", "WCOMP", None),
    (["TDI"], 4, "Temporary disability insurance", "TDI", None),
    (["IV(a)", "TAXES"], 3, "State taxes: an overview", "TAXES", None),
    (["IV(b)", "SALES TAX"], 3, "Sales and use taxes", "SALES TAX", None),
    (["IV(c)", "FRANCH TAX"], 3, "Income and franchise taxes", "FRANCH TAX", None),
    (["TAX_SOLE"], 4, "Taxation of sole proprietors and partnerships", "TAX_SOLE", None),
    (["TAX_CORP"], 4, "Taxation of corporations", "TAX_CORP", None),
    (["TAX_LLC"], 4, "Taxation of LLCs", "TAX_LLC", None),
    (["IV(d)", "PROPTAX"], 3, "Property taxes", "PROPTAX", None),
    (["REALTY W-H"], 4, "Withholding on sales of real estate", "REALTY W-H", None),
    (["IV(e)", "UI TAX"], 3, "Unemployment insurance tax", "UI TAX", None),
    (["UI RATING"], 4, "Your unemployment tax rate and how to lower it", "UI RATING", None),
    (["IV(f)", "OTHER TAX"], 3, "Other state taxes", "OTHER TAX", None),
    (["NYC_CORPTAX"], 4, "New York City general corporation tax", "NYC_CORPTAX", ["NY"]),
    (["NYC_UBT"], 4, "New York City unincorporated business tax", "NYC_UBT", ["NY"]),
    (["V(a)", "FAMLEAVE"], 3, "State disability, health and family leave insurance", "FAMLEAVE", None),
    (["V(b)", "TELEMARKET"], 3, "Telemarketing rules", "TELEMARKET", None),
    (["FINANCING"], 3, "Financing help in {name}", "FINANCING", None),
    (["VI(a)", "AGENCIES"], 3, "State agencies", "AGENCIES", None),
    (["VI(b)"], 3, "Contacts for business information", "CONTACTS", None),
    (["VI(c)", "SBDC"], 3, "SBA offices and small business development centers", "SBDC", None),
    (["VI(d)", "WEB URLS"], 3, "State web sites", "WEB URLS", None),
]

# The 39 section keys that every state chapter must carry.
SECTION_KEYS = [
    "SOLEPROP FORM", "PSHIP FORM", "C CORP FORM", "S CORP FORM", "LLC FORM", "BULKSALES",
    "TAXREL", "UI RATING", "LICENSES", "FRANCH TAX", "SALES TAX", "PROPTAX", "OTHER TAX",
    "TRADE NAMES", "EMP WITH", "UI TAX", "WCOMP", "MINWAGE", "CHILD", "OSHA", "MISC LABOR",
    "WAGEPAY", "DISCRIM", "NEWHIRE", "AGENCIES", "SBDC", "WEB URLS", "FINANCING",
    "REALTY W-H", "TAXES", "FAMLEAVE", "NTRO", "WARN", "LIE_DETECTOR", "GEN_PSHIP",
    "LIM_PSHIP", "LLP_PSHIP", "TDI", "TELEMARKET",
]

LINK_FIELDS = ["sos", "rev", "labor", "ui", "wc", "sbdc"]

# The dated figures of a facts table that has year columns: (figure column, its year
# column, the agency that publishes it as (name column, web site column), key in
# STATE_FIGURES.TXT). A table without year columns has none.
REV_INCOME, REV_SALES = ("rev_income", "rev_income_url"), ("rev_sales", "rev_sales_url")
DATED = [
    ("pit_top", "pit_year", REV_INCOME, "INCOME_TAX_TOP_RATE"),
    ("cit_rate", "cit_year", REV_INCOME, "BUSINESS_TAX_RATE"),
    ("cit_threshold", "cit_threshold_year", REV_INCOME, "BUSINESS_TAX_THRESHOLD"),
    ("sales", "sales_year", REV_SALES, "SALES_TAX_STATE_RATE"),
    ("local_range", "local_year", REV_SALES, "SALES_TAX_LOCAL_RATES"),
    ("nexus", "nexus_year", REV_SALES, "SALES_TAX_ECONOMIC_NEXUS"),
    ("ui_base", "ui_year", ("ui", "ui_url"), "UI_WAGE_BASE"),
    ("ui_new", "ui_year", ("ui", "ui_url"), "UI_NEW_EMPLOYER_RATE"),
    ("minwage_note", "minwage_year", ("labor", "labor_url"), "MINIMUM_WAGE"),
    ("paid_leave", "leave_year", ("leave_agency", "leave_url"), "PAID_FAMILY_LEAVE"),
    ("sick_leave", "sick_year", ("labor", "labor_url"), "PAID_SICK_LEAVE"),
    ("tdi_note", "tdi_year", ("tdi_agency", "tdi_url"), "DISABILITY_INSURANCE"),
    ("ptet", "ptet_year", REV_INCOME, "PASS_THROUGH_ENTITY_TAX"),
    ("corp_fee", "fees_year", ("sos", "sos_url"), "FEE_CORPORATION"),
    ("llc_fee", "fees_year", ("sos", "sos_url"), "FEE_LLC"),
    ("lp_fee", "fees_year", ("sos", "sos_url"), "FEE_LIMITED_PARTNERSHIP"),
    ("annual_fee", "fees_year", ("sos", "sos_url"), "FEE_ANNUAL_REPORT"),
]


def agency_of(row, agency):
    """Name and web site of the agency that publishes a figure (the revenue department
    where the table names no particular one)."""
    name, url = row[agency[0]], row.get(agency[1])
    if agency[0].startswith("rev_"):
        name, url = name or row["rev"], url or row["rev_url"]
    if not url:
        raise SystemExit("facts.tsv: %s: %s has no web site" % (row["code"], agency[1]))
    return name, url.split(" and ")[0]


def has_years(rows):
    """True when the facts table gives each dated figure its year (the current edition's)."""
    return bool(rows) and "pit_year" in rows[0]


def read_facts(path):
    with open(path, newline="", encoding="ascii") as f:
        rows = list(csv.DictReader(f, delimiter="\t"))
    if rows and None in rows[0]:
        raise SystemExit("facts.tsv: %s has more cells than the header has columns" % rows[0]["code"])
    if len(rows) != 51:
        raise SystemExit("facts.tsv: expected 51 states, found %d" % len(rows))
    for number, row in enumerate(rows, 1):
        if int(row["row"]) != number:
            raise SystemExit("facts.tsv: %s is in row %d, not %s" % (row["code"], number, row["row"]))
    if has_years(rows):
        for row in rows:
            for column, year_column, _, _ in DATED:
                year = row[year_column].strip()
                if row[column] and not re.fullmatch(r"(19|20)[0-9][0-9]", year):
                    raise SystemExit("facts.tsv: %s: %s has no year in %s"
                                     % (row["code"], column, year_column))
    return rows


def tax_year(source):
    """The edition's tax year, from edition.txt beside its states/ folder."""
    path = os.path.join(source, os.pardir, "edition.txt")
    with open(path, encoding="ascii") as f:
        for line in f:
            key, _, value = line.partition(":")
            if key.strip() == "tax year":
                return value.strip()
    raise SystemExit("%s: no tax year" % path)


def dated(facts, row, year):
    """Adds {COLUMN_when} for every dated figure: "for 2026" when the figure is for the
    edition's year, otherwise the year it is for and where to find the current one."""
    for column, year_column, agency, _ in DATED:
        when = row[year_column]
        if when == year or not row[column]:
            facts[column + "_when"] = "for " + when
        else:
            facts[column + "_when"] = (
                "for %s, the latest year we can confirm; see %s for the current figure"
                % (when, link(agency_of(row, agency)[1])))


ASCII_OF = {"\u2018": "'", "\u2019": "'", "\u201c": '"', "\u201d": '"', "\u2013": "-", "\u2014": "--"}


def plain(text):
    """A cell as plain ASCII text, for STATE_FIGURES.TXT."""
    out = "".join(ASCII_OF.get(c, c) for c in html.unescape(re.sub(r"<[^>]*>", "", text)))
    if any(ord(c) > 126 for c in out):
        raise SystemExit("facts.tsv: %r has a character STATE_FIGURES.TXT cannot hold" % text)
    return out


def figure_rows(rows):
    """The rows of STATE_FIGURES.TXT: every dated figure with its state, year and source."""
    out = ["# The dated figures of the state chapters, one a row: the state, the figure's key,",
           "# its text, the year it is for and the agency that publishes it.",
           "state\tkey\ttext\tyear\tsource"]
    for row in rows:
        for column, year_column, agency, key in DATED:
            if row[column]:
                name, url = agency_of(row, agency)
                out.append("\t".join([row["code"], key, plain(row[column]), row[year_column],
                                      "%s (%s)" % (plain(name), url)]))
    return out


def read_texts(path):
    texts, name = {}, None
    with open(path, encoding="ascii") as f:
        for line in f:
            line = line.rstrip("\r\n")
            if line.startswith("=== "):
                name = line[4:].strip()
                if name in texts:
                    raise SystemExit("sections.txt: block %s twice" % name)
                texts[name] = []
            elif line.startswith("#"):
                continue
            elif name is not None:
                texts[name].append(line)
    return texts


def link(url):
    return " and ".join('<a href="http://%s">%s</a>' % (u, u) for u in url.split(" and "))


def facts_of(row):
    facts = dict(row)
    code = row["code"]
    facts["row2"] = "%02d" % int(row["row"])
    facts["county"] = {"LA": "parish", "AK": "borough"}.get(code, "county")
    facts["counties"] = {"LA": "parishes", "AK": "boroughs"}.get(code, "counties")
    facts["County"] = facts["county"].capitalize()
    for field in LINK_FIELDS:
        facts[field + "_link"] = link(row[field + "_url"])
    for column in row:
        if column.endswith("_url") and column[:-4] not in LINK_FIELDS:
            facts[column[:-4] + "_link"] = link(row[column]) if row[column] else ""
    try:
        facts["mw"] = float(row["minwage"])
    except ValueError:
        facts["mw"] = 0.0
    facts["has_sales"] = row["sales"] != "0"
    facts["has_pit"] = row["pit"] in ("graduated", "flat")
    facts["has_cit"] = row["cit"] != "none"
    name, _, host = row["sbdc"].partition(" (")
    facts["sbdc_name"], facts["sbdc_host"] = name, host.rstrip(")")
    facts["sbdc_hosted"] = ", hosted by the " + facts["sbdc_host"] if host else ""
    items, seen = [], set()
    for field in LINK_FIELDS:
        if (row[field], row[field + "_url"]) not in seen:
            seen.add((row[field], row[field + "_url"]))
            items.append("<li>%s: %s</li>" % (row[field], facts[field + "_link"]))
    facts["web_items"] = "\n".join(items)
    facts["rev_sales"] = row["rev_sales"] or row["rev"]
    facts["rev_income"] = row["rev_income"] or row["rev"]
    local = row["local"] == "yes"
    facts["localword"] = ", plus local sales taxes in many places" if local else ""
    facts["localsentence"] = (
        ". Cities, %s and special districts add their own sales taxes in many places, so the"
        " rate you collect depends on where the sale takes place." % facts["counties"]
        if local else ". Local governments do not add general sales taxes of their own.")
    facts["akword"] = {
        "AK": " (boroughs and cities may levy local sales taxes)",
        "DE": " (Delaware levies a gross receipts tax on businesses instead)",
        "NH": " (New Hampshire does tax meals, rooms and rental cars)",
        "MT": " (Montana does tax lodging)",
    }.get(code, "")
    facts["tdiword"] = (", and temporary disability insurance contributions"
                        if row["tdi"] == "yes" else "")
    return facts


def render(lines, facts, where):
    """Evaluates the conditions of a text block and fills in the facts."""
    out = []
    stack = []  # (this branch is on, some branch was taken, the block's parent is on)
    on = True
    namespace = dict(facts)
    namespace["st"] = lambda *codes: facts["code"] in codes
    namespace["int"] = int

    def test(expr):
        try:
            return bool(eval(expr, {"__builtins__": {}}, namespace))
        except Exception as e:  # a wrong condition is an error of the texts
            raise SystemExit("%s: condition %r: %s" % (where, expr, e))

    for line in lines:
        s = line.strip()
        m = re.fullmatch(r"\[(if|elif) (.+)\]", s)
        if m and m.group(1) == "if":
            taken = on and test(m.group(2))
            stack.append((on, taken))
            on = taken
        elif m:
            if not stack:
                raise SystemExit("%s: [elif] without [if]" % where)
            parent, taken = stack[-1]
            now = parent and not taken and test(m.group(2))
            stack[-1] = (parent, taken or now)
            on = now
        elif s == "[else]":
            if not stack:
                raise SystemExit("%s: [else] without [if]" % where)
            parent, taken = stack[-1]
            on = parent and not taken
            stack[-1] = (parent, True)
        elif s == "[end]":
            if not stack:
                raise SystemExit("%s: [end] without [if]" % where)
            on = stack.pop()[0]
        elif on:
            try:
                out.extend(line.format_map(facts).split("\n"))
            except (KeyError, ValueError, IndexError) as e:
                raise SystemExit("%s: %r: %s" % (where, line, e))
    if stack:
        raise SystemExit("%s: [if] without [end]" % where)
    return out


def anchor_line(names, level, heading):
    anchors = "".join('<A NAME="%s"></A>' % n for n in names)
    return "%s<H%d>%s</H%d>" % (anchors, level, heading, level)


def headings(texts):
    """An edition may word the headings its own way: a HEADINGS block of "BLOCK: heading"
    lines, one for each section whose heading it changes."""
    own = {}
    for line in texts.get("HEADINGS", []):
        if line.strip():
            block, _, heading = line.partition(":")
            if block.strip() not in {s[3] for s in SECTIONS}:
                raise SystemExit("sections.txt: HEADINGS names no section %r" % block.strip())
            own[block.strip()] = heading.strip()
    return own


def chapter(facts, texts, own):
    """The state's chapter; own holds the edition's own headings (headings(texts))."""
    code = facts["code"]
    lines = render(texts["HEAD"], facts, code + " HEAD")
    lines.append('<A NAME="LEGAL0%s"></A>' % facts["row2"])
    lines += render(texts["TOP"], facts, code + " TOP")
    lines.append('<A NAME="I"></A>')
    lines += render(texts["TITLE"], facts, code + " TITLE")
    for names, level, heading, block, states in SECTIONS:
        if states is not None and code not in states:
            continue
        body = render(texts[block], facts, "%s %s" % (code, block))
        if not any(l.strip() for l in body):
            raise SystemExit("%s: section %s is empty" % (code, block))
        lines.append(anchor_line(names, level, own.get(block, heading).format_map(facts)))
        lines += body
    lines.append('<A NAME="PAKEND"></A>')
    lines += render(texts["FOOT"], facts, code + " FOOT")
    return lines


def check(code, lines):
    """Refuses a chapter that the book engine would read wrongly."""
    problems = []
    text = "\n".join(lines)
    for n, line in enumerate(lines, 1):
        if any(ord(c) > 126 or (ord(c) < 32 and c != "\t") for c in line):
            problems.append("line %d: a character outside printable ASCII" % n)
        if "@" in line or "<!--@@" in line or "@@-->" in line:
            problems.append("line %d: an at sign" % n)
        if "<A NAME=" in line.upper() and not line.startswith("<A NAME="):
            problems.append("line %d: an anchor not at the start of its line" % n)
    names = re.findall(r'<A NAME="([^"]*)">', text)
    for key in SECTION_KEYS:
        if names.count(key) != 1:
            problems.append("section key %s appears %d times" % (key, names.count(key)))
    for name in set(names):
        if names.count(name) != 1:
            problems.append("anchor %s appears twice" % name)
        if ("TDI" in name or "_6A" in name) and name != "TDI":
            problems.append("anchor %s would not end a section" % name)
    order = [names.index(n) for n in ("I", "NTRO", "FINANCING", "PAKEND")]
    if order != sorted(order) or not names[0].startswith("LEGAL0"):
        problems.append("anchors LEGAL0nn, I, NTRO, FINANCING, PAKEND out of order")
    for target in re.findall(r'href="#([^"]*)"', text):
        if target not in names:
            problems.append("link to missing anchor #%s" % target)
    if problems:
        raise SystemExit("%s: %s" % (code, "; ".join(problems)))


def main(argv):
    if len(argv) not in (2, 3):
        raise SystemExit("usage: make_states.py OUTPUT_FOLDER [SOURCE_FOLDER]")
    out_dir = argv[1]
    source = argv[2] if len(argv) == 3 else HERE
    os.makedirs(out_dir, exist_ok=True)
    facts = read_facts(os.path.join(source, "facts.tsv"))
    texts = read_texts(os.path.join(source, "sections.txt"))
    dated_table = has_years(facts)
    year = tax_year(source) if dated_table else None
    own = headings(texts)
    for row in facts:
        f = facts_of(row)
        if dated_table:
            dated(f, row, year)
        lines = chapter(f, texts, own)
        check(f["code"], lines)
        write_ascii(os.path.join(out_dir, f["code"] + ".htm"),
                    "".join(l.rstrip() + "\r\n" for l in lines))
    if dated_table:
        write_ascii(os.path.join(out_dir, "STATE_FIGURES.TXT"),
                    "".join(l + "\r\n" for l in figure_rows(facts)))


def write_ascii(path, data):
    """Writes the file whole or not at all: a build stopped midway leaves the old one."""
    with open(path + ".tmp", "w", encoding="ascii", newline="") as out:
        out.write(data)
    os.replace(path + ".tmp", path)


if __name__ == "__main__":
    main(sys.argv)

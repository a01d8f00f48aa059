#!/usr/bin/env python3
"""Draws the book's pictures: the logo, the ornament, the yellow rule, the charts and the
worksheets and forms, as small GIF (and one JPEG) files in this folder.

Each picture is described below as a list of drawing steps; the script writes an
ImageMagick drawing (MVG) for it and lets ImageMagick's `convert` turn it into the
picture. The generated files are committed beside this script, so building the program
needs no image tools; run it again (python3 make_pictures.py) after changing a picture.
The PDF on the S corporation election is made by make_fed2553.py.
"""

import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
CONVERT = os.environ.get("CONVERT", "convert")

NAVY = "#1F3A68"
PALE = "#DCE4F0"
SECTION = "#EEF2F8"
TOTAL = "#FFF4C8"
LINE = "#7F8895"
TEXT = "#111111"
GREY = "#555555"

FONT = "Liberation-Sans"
BOLD = "Liberation-Sans-Bold"
ITALIC = "Liberation-Sans-Italic"

# Advance widths (1/1000 em) of the ASCII characters 32..126 in a Helvetica-metric font,
# used to wrap and fit text.
_WIDTHS = [
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,
    333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,
    556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584,
]


def text_width(text, size, bold=False):
    total = 0
    for ch in text:
        code = ord(ch)
        total += _WIDTHS[code - 32] if 32 <= code <= 126 else 556
    return total * size / 1000.0 * (1.1 if bold else 1.05)


def wrap(text, size, width, bold=False):
    lines = []
    for para in text.split("\n"):
        words = para.split()
        line = ""
        for word in words:
            trial = word if not line else line + " " + word
            if text_width(trial, size, bold) <= width or not line:
                line = trial
            else:
                lines.append(line)
                line = word
        lines.append(line)
    return lines


def q(text):
    """Quotes a text for the drawing."""
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


class Picture:
    """A drawing of a given width whose height follows from what is drawn."""

    def __init__(self, width, margin=18):
        self.w = width
        self.m = margin
        self.y = margin
        self.cmds = []

    # --- primitives ---------------------------------------------------------------
    def rect(self, x0, y0, x1, y1, fill, stroke=None, sw=1):
        s = "stroke %s stroke-width %s" % (q(stroke), sw) if stroke else "stroke none"
        self.cmds.append("push graphic-context %s fill %s rectangle %d,%d %d,%d pop graphic-context"
                         % (s, q(fill), x0, y0, x1, y1))

    def line(self, x0, y0, x1, y1, color=LINE, sw=1):
        self.cmds.append("push graphic-context stroke %s stroke-width %s fill none line %s,%s %s,%s"
                         " pop graphic-context" % (q(color), sw, x0, y0, x1, y1))

    def text(self, x, y, s, size=11, font=FONT, color=TEXT, anchor="start"):
        self.cmds.append("push graphic-context font %s font-size %s fill %s stroke none "
                         "text-anchor %s text %s,%s %s pop graphic-context"
                         % (q(font), size, q(color), anchor, x, y, q(s)))

    def box(self, x, y, size=10):
        self.rect(x, y, x + size, y + size, "white", stroke="#333333")

    # --- building blocks -------------------------------------------------------------
    def header(self, title, label, subtitle=None):
        self.rect(0, 0, self.w, 44, NAVY)
        self.text(self.m, 29, title, size=19, font=BOLD, color="white")
        self.text(self.w - self.m, 28, label, size=11, font=FONT, color="#C9D6EA", anchor="end")
        self.y = 44
        if subtitle:
            self.y += 8
            for ln in wrap(subtitle, 11, self.w - 2 * self.m):
                self.y += 14
                self.text(self.m, self.y, ln, size=11, font=ITALIC, color=GREY)
        self.y += 14

    def heading(self, s, size=13):
        self.y += size + 4
        self.text(self.m, self.y, s, size=size, font=BOLD, color=NAVY)
        self.y += 7

    def para(self, s, size=11, font=FONT, color=TEXT, indent=0):
        for ln in wrap(s, size, self.w - 2 * self.m - indent, bold=(font == BOLD)):
            self.y += size + 3
            self.text(self.m + indent, self.y, ln, size=size, font=font, color=color)
        self.y += 4

    def fields(self, labels, per_row=2, gap=14, size=11):
        """Labelled lines to fill in, `per_row` to a row."""
        span = (self.w - 2 * self.m - gap * (per_row - 1)) / per_row
        for i in range(0, len(labels), per_row):
            self.y += 24
            for j, label in enumerate(labels[i:i + per_row]):
                x = self.m + j * (span + gap)
                lw = text_width(label, size) + 6
                self.text(x, self.y, label, size=size)
                self.line(x + lw, self.y + 2, x + span, self.y + 2, color="#333333")
        self.y += 8

    def table(self, cols, rows, size=10.5, row_h=19, head_size=10.5):
        """cols: (title, width, align) with widths adding up to the text width.
        rows: tuples of cell texts; a first cell beginning with '#' is a section row,
        with '=' a total row. A cell '[ ]' is a box to tick; '___' a line to fill in."""
        x0 = self.m
        total_w = sum(c[1] for c in cols)
        scale = (self.w - 2 * self.m) / total_w
        widths = [c[1] * scale for c in cols]
        xs = [x0]
        for w in widths:
            xs.append(xs[-1] + w)
        # header row
        head_lines = [wrap(c[0], head_size, w - 8, bold=True) for c, w in zip(cols, widths)]
        hh = max(len(h) for h in head_lines) * (head_size + 3) + 9
        top = self.y
        self.rect(xs[0], top, xs[-1], top + hh, PALE)
        for (c, w, lines, x) in zip(cols, widths, head_lines, xs):
            for k, ln in enumerate(lines):
                ty = top + 5 + (k + 1) * (head_size + 3) - 2
                if c[2] == "left":
                    self.text(x + 5, ty, ln, size=head_size, font=BOLD, color=NAVY)
                else:
                    self.text(x + w / 2, ty, ln, size=head_size, font=BOLD, color=NAVY,
                              anchor="middle")
        y = top + hh
        spans = [(top, y, False)]
        for row in rows:
            row = tuple(row)
            first = row[0] if row else ""
            if first.startswith("#"):
                lines = wrap(first[1:], size, xs[-1] - xs[0] - 10, bold=True)
                h = max(row_h, len(lines) * (size + 3) + 7)
                self.rect(xs[0], y, xs[-1], y + h, SECTION)
                for k, ln in enumerate(lines):
                    self.text(xs[0] + 5, y + (k + 1) * (size + 3) + 1, ln, size=size, font=BOLD,
                              color=NAVY)
                spans.append((y, y + h, True))
                y += h
                continue
            total = first.startswith("=")
            cells = list(row) + [""] * (len(cols) - len(row))
            if total:
                cells[0] = cells[0][1:]
            font = BOLD if total else FONT
            wrapped = []
            for cell, w, c in zip(cells, widths, cols):
                indent = 0
                while cell.startswith("  "):
                    cell = cell[2:]
                    indent += 12
                if cell in ("[ ]", "___"):
                    wrapped.append((cell, indent, [cell]))
                else:
                    wrapped.append((cell, indent, wrap(cell, size, w - 10 - indent, bold=total)
                                    if cell else []))
            n = max([1] + [len(wr[2]) for wr in wrapped])
            h = max(row_h, n * (size + 3) + 7)
            if total:
                self.rect(xs[0], y, xs[-1], y + h, TOTAL)
            for (cell, indent, lines), x, w, c in zip(wrapped, xs, widths, cols):
                if cell == "[ ]":
                    self.box(x + w / 2 - 5, y + h / 2 - 5)
                    continue
                if cell == "___":
                    self.line(x + 6, y + h - 5, x + w - 6, y + h - 5, color="#999999")
                    continue
                for k, ln in enumerate(lines):
                    ty = y + (k + 1) * (size + 3) + 1
                    if c[2] == "left":
                        self.text(x + 5 + indent, ty, ln, size=size, font=font)
                    elif c[2] == "right":
                        self.text(x + w - 5, ty, ln, size=size, font=font, anchor="end")
                    else:
                        self.text(x + w / 2, ty, ln, size=size, font=font, anchor="middle")
            spans.append((y, y + h, False))
            y += h
        # grid: outer frame, a line under every row, column lines except across section rows
        self.rect(xs[0], top, xs[-1], y, "none", stroke=LINE)
        for (a, b, section) in spans:
            self.line(xs[0], b, xs[-1], b)
            if not section:
                for x in xs[1:-1]:
                    self.line(x, a, x, b)
        self.y = y + 10

    def footer(self, s):
        self.y += 16
        self.line(self.m, self.y - 12, self.w - self.m, self.y - 12, color="#BBBBBB")
        self.text(self.m, self.y, s, size=9, font=ITALIC, color=GREY)
        self.y += 10

    def render(self, name, colors=32, extra=()):
        h = int(self.y + self.m / 2)
        mvg = ["viewbox 0 0 %d %d" % (self.w, h),
               "push graphic-context fill white stroke none rectangle 0,0 %d,%d pop graphic-context"
               % (self.w, h)] + self.cmds
        write_picture(name, self.w, h, "\n".join(mvg), colors, extra)


def write_picture(name, w, h, mvg, colors=32, extra=()):
    with tempfile.NamedTemporaryFile("w", suffix=".mvg", delete=False) as f:
        f.write(mvg + "\n")
        path = f.name
    out = os.path.join(HERE, name)
    try:
        cmd = [CONVERT, "-size", "%dx%d" % (w, h), "mvg:" + path]
        if name.endswith(".gif"):
            cmd += ["+dither", "-colors", str(colors)]
        else:
            cmd += ["-quality", "85"]
        cmd += ["-strip"] + list(extra) + [out]
        subprocess.run(cmd, check=True)
    finally:
        os.unlink(path)
    print("%-14s %4dx%-4d %6d bytes" % (name, w, h, os.path.getsize(out)))


FOOT = "Opusgrand worksheet. Figures are your own estimates; have your accountant review them."
MONTHS = ["M1", "M2", "M3", "M4", "M5", "M6", "M7", "M8", "M9", "M10", "M11", "M12"]


# ---------------------------------------------------------------------------------------
# Decorations
# ---------------------------------------------------------------------------------------

def logo():
    w, h = 420, 110
    cmds = [
        "viewbox 0 0 %d %d" % (w, h),
        "push graphic-context fill white rectangle 0,0 %d,%d pop graphic-context" % (w, h),
        # a gold band with a navy frame
        "push graphic-context fill %s stroke none rectangle 0,0 %d,%d pop graphic-context"
        % (q(NAVY), w, h),
        "push graphic-context fill none stroke \"#E2B93B\" stroke-width 2 "
        "rectangle 6,6 %d,%d pop graphic-context" % (w - 7, h - 7),
        "push graphic-context font %s font-size 52 fill \"#F4D35E\" stroke none text-anchor middle "
        "text %d,66 \"Opusgrand\" pop graphic-context" % (q("Liberation-Serif-Bold-Italic"), w // 2),
        "push graphic-context stroke \"#E2B93B\" stroke-width 1.5 line 60,78 %d,78 pop graphic-context"
        % (w - 60),
        "push graphic-context font %s font-size 13 fill white stroke none text-anchor middle "
        "text %d,97 \"The guide book for small business owners\" pop graphic-context"
        % (q("Liberation-Serif-Italic"), w // 2),
    ]
    write_picture("klogotxt.jpg", w, h, "\n".join(cmds))


def ornament():
    """A small symmetric flourish: a diamond between two rules that end in corner scrolls, so
    that it serves as a centered divider between passages."""
    w, h = 160, 24
    gold = "#B8860B"
    cy = h // 2
    cmds = [
        "viewbox 0 0 %d %d" % (w, h),
        "push graphic-context fill white rectangle 0,0 %d,%d pop graphic-context" % (w, h),
        "push graphic-context fill none stroke %s stroke-width 1.5" % q(gold),
        "line 22,%d 68,%d" % (cy, cy),
        "line 92,%d 138,%d" % (cy, cy),
        # corner scrolls at both ends
        "path 'M 22,%d C 12,%d 6,%d 6,%d C 6,%d 14,%d 14,%d'" % (cy, cy, cy - 4, cy - 8, cy - 12, cy - 11, cy - 6),
        "path 'M 22,%d C 12,%d 6,%d 6,%d C 6,%d 14,%d 14,%d'" % (cy, cy, cy + 4, cy + 8, cy + 12, cy + 11, cy + 6),
        "path 'M 138,%d C 148,%d 154,%d 154,%d C 154,%d 146,%d 146,%d'" % (cy, cy, cy - 4, cy - 8, cy - 12, cy - 11, cy - 6),
        "path 'M 138,%d C 148,%d 154,%d 154,%d C 154,%d 146,%d 146,%d'" % (cy, cy, cy + 4, cy + 8, cy + 12, cy + 11, cy + 6),
        "pop graphic-context",
        "push graphic-context fill %s stroke none" % q(NAVY),
        "polygon 80,%d 90,%d 80,%d 70,%d" % (cy - 9, cy, cy + 9, cy),
        "pop graphic-context",
        "push graphic-context fill %s stroke none" % q(gold),
        "polygon 80,%d 85,%d 80,%d 75,%d" % (cy - 4, cy, cy + 4, cy),
        "circle 64,%d 64,%d" % (cy, cy + 2),
        "circle 96,%d 96,%d" % (cy, cy + 2),
        "pop graphic-context",
    ]
    write_picture("corners1.gif", w, h, "\n".join(cmds), colors=16)


def yellow_rule():
    w, h = 650, 19
    cmds = [
        "viewbox 0 0 %d %d" % (w, h),
        "push graphic-context fill white rectangle 0,0 %d,%d pop graphic-context" % (w, h),
        "push graphic-context fill \"#F2C230\" stroke none roundrectangle 2,6 %d,12 3,3 "
        "pop graphic-context" % (w - 3),
        "push graphic-context fill \"#FFE680\" stroke none rectangle 8,7 %d,8 pop graphic-context"
        % (w - 9),
        "push graphic-context fill \"#C99A10\" stroke none rectangle 8,11 %d,12 pop graphic-context"
        % (w - 9),
        "push graphic-context fill \"#C99A10\" stroke none circle 4,9 4,12 circle %d,9 %d,12 "
        "pop graphic-context" % (w - 5, w - 5),
    ]
    write_picture("horiyell.gif", w, h, "\n".join(cmds), colors=8)
    # The printable book describes this picture as "horiyell.gif (1505 bytes)"; a GIF comment
    # brings the file to exactly that size.
    base = os.path.getsize(os.path.join(HERE, "horiyell.gif"))
    note = "Opusgrand yellow rule. "
    for length in range(1505 - base - 4, 0, -1):
        comment = (note * 100)[:length]
        write_picture("horiyell.gif", w, h, "\n".join(cmds), colors=8,
                      extra=("-set", "comment", comment))
        if os.path.getsize(os.path.join(HERE, "horiyell.gif")) <= 1505:
            break


# ---------------------------------------------------------------------------------------
# Employment charts and forms
# ---------------------------------------------------------------------------------------

def discrim():
    p = Picture(650)
    p.header("Protected classes under federal law", "Chart",
             "Who is protected, by which law, and from what size of employer the law applies. "
             "Counts are employees on the payroll in 20 or more weeks of this or last year.")
    p.table([("Protected characteristic", 34, "left"), ("Federal law", 36, "left"),
             ("Applies to employers with", 22, "center"), ("Agency", 12, "center")], [
        ("Race, color, religion, sex, national origin", "Title VII of the Civil Rights Act of 1964",
         "15 or more employees", "EEOC"),
        ("Pregnancy, childbirth and related conditions", "Pregnancy Discrimination Act (Title VII)",
         "15 or more employees", "EEOC"),
        ("Disability (qualified individuals)", "Americans with Disabilities Act, Title I (as amended 2008)",
         "15 or more employees", "EEOC"),
        ("Age 40 and over", "Age Discrimination in Employment Act", "20 or more employees", "EEOC"),
        ("Genetic information, family medical history", "Genetic Information Nondiscrimination Act, Title II",
         "15 or more employees", "EEOC"),
        ("Sex (equal pay for equal work)", "Equal Pay Act of 1963 (part of the FLSA)",
         "Virtually all employers", "EEOC"),
        ("Citizenship status, national origin", "Immigration Reform and Control Act (IRCA)",
         "4 or more (citizenship); 4 to 14 (national origin)", "DOJ"),
        ("Race and ethnicity in contracts and hiring", "Civil Rights Act of 1866 (42 U.S.C. 1981)",
         "All employers", "Courts"),
        ("Military service, veterans", "USERRA", "All employers", "DOL VETS"),
        ("Union activity, concerted activity", "National Labor Relations Act",
         "Most private employers", "NLRB"),
        ("Filing a complaint or taking part in an inquiry", "Retaliation provisions of all the laws above",
         "As the law concerned", "EEOC, DOL"),
    ], size=10)
    p.para("State and local laws often reach smaller employers (some from one employee) and add "
           "classes such as marital status, sexual orientation, or arrest record. Ask the state's "
           "fair employment agency; federal contractors have further duties (OFCCP).", size=10,
           font=ITALIC, color=GREY)
    p.footer("Opusgrand chart, 2012. General information, not legal advice.")
    p.render("discrim.gif")


def eeocpost():
    p = Picture(650)
    p.header("Federal workplace posters", "Chart",
             "Posters an employer must display where employees (and applicants) can readily see "
             "them. All are free from the agency named; no one needs to buy a poster kit.")
    p.table([("Poster", 34, "left"), ("Who must post it", 34, "left"), ("Get it from", 18, "center")], [
        ("Equal Employment Opportunity is THE LAW", "Employers with 15 or more employees (20 for age); "
         "federal contractors", "EEOC / OFCCP"),
        ("Employee Rights under the Fair Labor Standards Act (minimum wage)",
         "Every employer with employees covered by the FLSA", "DOL Wage and Hour"),
        ("Job Safety and Health: It's the Law", "Private employers covered by OSHA (or the state plan "
         "poster)", "OSHA"),
        ("Employee Rights under the Family and Medical Leave Act", "Employers with 50 or more employees "
         "in 20 or more weeks", "DOL Wage and Hour"),
        ("Employee Polygraph Protection Act", "Most private employers", "DOL Wage and Hour"),
        ("Your Rights under USERRA", "All employers (may be posted or handed out)", "DOL VETS"),
        ("Employee Rights under the National Labor Relations Act", "Federal contractors (a rule for "
         "other private employers is on hold in the courts)", "NLRB / DOL"),
        ("Davis-Bacon, Service Contract Act, Walsh-Healey", "Federal contractors of those kinds",
         "DOL Wage and Hour"),
        ("#State posters (always check)", "", ""),
        ("State minimum wage, wage payment and hours", "Most employers in the state", "State labor dept."),
        ("Unemployment insurance", "Employers liable for state UI tax", "State workforce agency"),
        ("Workers' compensation coverage", "Employers required to carry it", "Insurer / state board"),
        ("State fair employment and safety notices", "As the state law says", "State agencies"),
    ], size=10)
    p.para("Tip: the Department of Labor's online \"FirstStep Poster Advisor\" lists the federal "
           "posters that fit your business; the state labor department lists the state ones.",
           size=10, font=ITALIC, color=GREY)
    p.footer("Opusgrand chart, 2012. Poster rules change; check with DOL and the state labor department.")
    p.render("eeocpost.gif")


def notice():
    # a notice board with the cards an employer pins up
    w = 650
    p = Picture(w)
    p.header("Required workplace notices", "Chart",
             "A typical employee notice board. Keep every notice current and where all employees "
             "pass by, such as the break room or time clock.")
    top = p.y + 4
    bh = 330
    p.rect(p.m, top, w - p.m, top + bh, "#8B5A2B")
    p.rect(p.m + 10, top + 10, w - p.m - 10, top + bh - 10, "#D9B27C")
    cards = [
        ("EEO is THE LAW", "Federal, 15+ employees", "#FFFFFF"),
        ("Minimum Wage (FLSA)", "Federal, all covered employers", "#FFFFFF"),
        ("OSHA: It's the Law", "Federal or state plan", "#FFFFFF"),
        ("FMLA Rights", "Federal, 50+ employees", "#FFFFFF"),
        ("Polygraph Protection", "Federal, most employers", "#FFFFFF"),
        ("USERRA Rights", "Federal, all employers", "#FFFFFF"),
        ("State Minimum Wage", "State labor department", "#FFF8D0"),
        ("Unemployment Insurance", "State workforce agency", "#FFF8D0"),
        ("Workers' Compensation", "Carrier and state board", "#FFF8D0"),
        ("State Fair Employment", "State civil rights agency", "#FFF8D0"),
        ("Payday / Wage Notice", "State labor department", "#FFF8D0"),
        ("Emergency Exits and Contacts", "Your own safety plan", "#E4F1E4"),
    ]
    cw, ch = 180, 88
    for i, (title, sub, color) in enumerate(cards):
        col, row = i % 3, i // 3
        x = p.m + 24 + col * (cw + 12)
        y = top + 24 + row * (ch - 14)
        x += (i * 7) % 5 - 2
        p.rect(x + 3, y + 3, x + cw + 3, y + ch - 24 + 3, "#7A5230")
        p.rect(x, y, x + cw, y + ch - 24, color, stroke="#999999")
        p.text(x + cw / 2, y + 22, title, size=11.5, font=BOLD, color=NAVY, anchor="middle")
        p.text(x + cw / 2, y + 40, sub, size=9.5, font=ITALIC, color=GREY, anchor="middle")
        p.line(x + 20, y + 50, x + cw - 20, y + 50, color="#CCCCCC")
        p.cmds.append("push graphic-context fill \"#C0392B\" stroke none circle %d,%d %d,%d "
                      "pop graphic-context" % (x + cw / 2, y + 6, x + cw / 2 + 3, y + 6))
    p.y = top + bh + 8
    p.para("White cards: federal posters. Yellow cards: state notices (they differ by state; the "
           "state chapter names the agencies). Post notices in Spanish or other languages where many "
           "employees read them better.", size=10, font=ITALIC, color=GREY)
    p.footer("Opusgrand chart, 2012. General information, not legal advice.")
    p.render("notice.gif")


def jobquery():
    p = Picture(650)
    p.header("Interview questions to avoid", "Chart",
             "Ask only what bears on the job. Questions in the left column invite discrimination "
             "claims; the right column gets the information you may lawfully need.")
    p.table([("Subject", 17, "left"), ("Avoid asking", 40, "left"), ("Ask instead", 43, "left")], [
        ("Age", "How old are you? When did you graduate?",
         "Are you at least 18 (or the age the job requires)?"),
        ("National origin, citizenship", "Where were you born? Is English your first language? "
         "Are you a citizen?", "Are you legally authorized to work in the United States? "
         "(Form I-9 comes after the offer.)"),
        ("Family, marital status", "Are you married? Do you have or plan to have children? Who "
         "looks after your children?", "Can you work the hours and travel this job requires?"),
        ("Sex, pregnancy", "Are you pregnant? Would your spouse mind you traveling?",
         "Describe the duties of the job and ask whether the applicant can perform them."),
        ("Religion", "What church do you attend? Which holidays do you observe?",
         "This job requires weekend work; can you meet the schedule? (Accommodation may be due.)"),
        ("Disability, health", "Do you have a disability? How many sick days did you take last "
         "year? What medications do you take?", "Can you perform the essential functions of "
         "this job, with or without reasonable accommodation?"),
        ("Arrests, convictions", "Have you ever been arrested?",
         "Convictions only where job-related; many states limit even that (EEOC 2012 guidance)."),
        ("Military service", "What type of discharge did you receive?",
         "What training or experience from the service fits this job?"),
        ("Name, affiliations", "What was your maiden name? What clubs do you belong to?",
         "Have you worked under another name we need to check references? Relevant "
         "professional groups?"),
        ("Money, property", "Do you own a home? Have you filed for bankruptcy?",
         "Credit checks only with written consent (FCRA) and where state law allows."),
    ], size=10)
    p.footer("Opusgrand chart, 2012. State laws add more limits; ask the state's fair employment agency.")
    p.render("jobquery.gif")


def emp_app():
    p = Picture(650)
    p.header("Application for Employment", "Sample form",
             "We are an equal opportunity employer and consider applicants without regard to race, "
             "color, religion, sex, national origin, age, disability, genetic information, veteran "
             "status or any other status protected by law.")
    p.heading("Personal information")
    p.fields(["Name (last, first, middle):", "Date:", "Street address:", "City, state, ZIP:",
              "Telephone:", "E-mail:"])
    p.table([("Question", 76, "left"), ("Yes", 12, "center"), ("No", 12, "center")], [
        ("Are you legally authorized to work in the United States?", "[ ]", "[ ]"),
        ("Are you at least 18 years old? (If not, a work permit may be required.)", "[ ]", "[ ]"),
        ("Can you perform the essential functions of the job, with or without reasonable "
         "accommodation?", "[ ]", "[ ]"),
        ("Have you worked for this company before? If yes, when:", "[ ]", "[ ]"),
    ], size=10)
    p.heading("Position")
    p.fields(["Position applied for:", "Date available:", "Full time / part time:",
              "Desired pay:"])
    p.heading("Education and training")
    p.table([("School or program", 40, "left"), ("City, state", 24, "left"),
             ("Completed? Degree or certificate", 36, "left")],
            [("High school",), ("College or university",), ("Trade, technical or other",)], size=10,
            row_h=22)
    p.heading("Employment history (most recent first)")
    p.table([("Employer, city, telephone", 32, "left"), ("Dates (from - to)", 16, "center"),
             ("Position and duties", 28, "left"), ("Reason for leaving", 24, "left")],
            [("",), ("",), ("",)], row_h=30)
    p.heading("References (not relatives)")
    p.table([("Name", 34, "left"), ("Relationship", 30, "left"), ("Telephone", 36, "left")],
            [("",), ("",)], row_h=22)
    p.heading("Please read and sign")
    p.para("I certify that the information on this application is true and complete. I understand "
           "that false or missing information may be grounds for not hiring me or for ending my "
           "employment. I authorize the company to check my references and past employment. I "
           "understand that, unless a written contract says otherwise, employment is at will and "
           "either party may end it at any time.", size=10)
    p.fields(["Signature:", "Date:"])
    p.footer("Opusgrand sample form, 2012. Have a lawyer adapt it to your state before use.")
    p.render("emp_app1.gif")


def erisa():
    p = Picture(650)
    p.header("ERISA reporting and disclosure", "Chart",
             "What a small employer's plans must file with the government and give to participants "
             "(plan years of 2012).")
    p.table([("Plan", 25, "left"), ("Annual return", 31, "left"),
             ("Participant documents", 27, "left"), ("Other", 17, "left")], [
        ("401(k) or profit-sharing plan, 100 or more participants",
         "Form 5500 with audited financial statements, filed electronically (EFAST2)",
         "SPD; summary annual report; fee disclosures; benefit statements", "Fidelity bond"),
        ("401(k) or profit-sharing plan, fewer than 100 participants",
         "Form 5500-SF if eligible (else Form 5500), electronically",
         "SPD; summary annual report; fee disclosures; benefit statements", "Fidelity bond"),
        ("One-participant plan (owner, or owner and spouse)",
         "Form 5500-EZ once plan assets top $250,000, and in the final year",
         "Not needed", "None"),
        ("SEP", "None (if the model form or the alternative method is used)",
         "Copy of the SEP and yearly contribution notice", "None"),
        ("SIMPLE IRA plan", "None", "Summary description; notice of the 60-day election period",
         "Deposit deadlines"),
        ("Welfare plan (health, life, disability), fewer than 100 participants, insured or unfunded",
         "None", "SPD; summary of benefits and coverage (from Sept. 2012)", "COBRA notices (20+)"),
        ("Welfare plan, 100 or more participants", "Form 5500 with schedules",
         "SPD; summary annual report", "COBRA notices"),
    ], size=10)
    p.heading("Deadlines", size=12)
    p.table([("Item", 45, "left"), ("Due", 55, "left")], [
        ("Form 5500, 5500-SF, 5500-EZ", "Last day of the 7th month after the plan year "
         "(July 31 for a calendar year); Form 5558 extends 2 1/2 months"),
        ("Summary plan description (SPD)", "Within 120 days after the plan starts, or 90 days "
         "after a person becomes a participant"),
        ("Summary annual report", "Within 9 months after the plan year (2 months after an "
         "extended Form 5500 is due)"),
    ], size=10)
    p.footer("Opusgrand chart, 2012. Ask the DOL's EBSA or the IRS about your own plan; rules change.")
    p.render("erisa.gif")


# ---------------------------------------------------------------------------------------
# Worksheets A: starting up
# ---------------------------------------------------------------------------------------

def workshA1():
    p = Picture(650)
    p.header("One-time start-up costs", "Worksheet A1",
             "Everything you must pay once, before or at opening. Carry the total to the cash needs "
             "summary (worksheet A7).")
    p.table([("Item", 40, "left"), ("Estimate", 15, "right"), ("Actual", 15, "right"),
             ("Notes, supplier, due date", 30, "left")], [
        ("Formation and filing fees (state, county, city)",),
        ("Licenses and permits",),
        ("Legal and accounting fees",),
        ("Deposits: rent, utilities, telephone",),
        ("Leasehold improvements and remodeling",),
        ("Furniture, fixtures and equipment (worksheet A4)",),
        ("Opening inventory (worksheet A5)",),
        ("Computers, software, point-of-sale system",),
        ("Signs, logo, stationery, printing",),
        ("Web site and domain",),
        ("Grand-opening advertising",),
        ("Insurance: first premiums and deposits",),
        ("Initial supplies",),
        ("Pre-opening wages and training",),
        ("Franchise fee (if any)",),
        ("Other:",),
        ("Other:",),
        ("=Total one-time start-up costs",),
    ])
    p.footer(FOOT)
    p.render("workshA1.gif")


def workshA2():
    p = Picture(650)
    p.header("Monthly operating expenses", "Worksheet A2",
             "Estimate a normal month, then the reserve to carry you until sales cover costs "
             "(three to six months is common; longer for a slow-starting business).")
    p.table([("Expense", 40, "left"), ("Per month", 16, "right"), ("Months of reserve", 16, "center"),
             ("Cash needed", 16, "right"), ("Basis of estimate", 12, "left")], [
        ("Owner's salary or draw",),
        ("Wages of employees",),
        ("Payroll taxes, workers' comp, benefits",),
        ("Rent or mortgage payment",),
        ("Utilities",),
        ("Telephone and internet",),
        ("Advertising and promotion",),
        ("Insurance",),
        ("Loan payments (principal and interest)",),
        ("Supplies and postage",),
        ("Repairs and maintenance",),
        ("Vehicle and travel",),
        ("Legal and accounting",),
        ("Taxes and license renewals",),
        ("Dues, subscriptions, bank and card fees",),
        ("Miscellaneous (about 10% of the above)",),
        ("=Total",),
    ])
    p.footer(FOOT)
    p.render("workshA2.gif")


def workshA4():
    p = Picture(650)
    p.header("Equipment, furniture and fixtures", "Worksheet A4",
             "List what you need to open. Compare buying, leasing and buying used; note what "
             "qualifies for the section 179 deduction (limit $139,000 for 2012).")
    rows = []
    for section in ("Furniture and fixtures", "Machinery, tools and equipment",
                    "Computers, telephones and office equipment", "Vehicles"):
        rows.append(("#" + section,))
        rows += [("",)] * 3
    rows.append(("=Total",))
    p.table([("Item", 34, "left"), ("Qty", 7, "center"), ("Unit price", 13, "right"),
             ("Total", 13, "right"), ("Buy / lease / used", 15, "center"),
             ("Supplier", 18, "left")], rows)
    p.footer(FOOT)
    p.render("workshA4.gif")


def workshA5():
    p = Picture(650)
    p.header("Opening inventory", "Worksheet A5",
             "Stock you need on opening day, by product line. Ask suppliers about minimum orders, "
             "terms (net 30?) and how fast they can restock.")
    p.table([("Product line or item", 30, "left"), ("Units", 9, "center"), ("Unit cost", 12, "right"),
             ("Total cost", 13, "right"), ("Supplier and terms", 22, "left"),
             ("Reorder point", 14, "center")], [("",)] * 14 + [("=Total opening inventory",)])
    p.footer(FOOT)
    p.render("workshA5.gif")


def workshA6():
    p = Picture(650)
    p.header("Personal financial statement", "Worksheet A6",
             "Lenders, landlords and the SBA ask for this from every owner of 20% or more. "
             "Values as of:  ____________________")
    p.table([("Assets", 34, "left"), ("Amount", 16, "right"), ("Liabilities", 34, "left"),
             ("Amount", 16, "right")], [
        ("Cash on hand and in banks", "", "Credit card balances"),
        ("Savings accounts, CDs", "", "Auto loans"),
        ("Stocks and bonds", "", "Mortgage on home"),
        ("IRA, 401(k), other retirement", "", "Other real estate loans"),
        ("Cash value of life insurance", "", "Notes payable to banks, others"),
        ("Home (market value)", "", "Student loans"),
        ("Other real estate", "", "Unpaid taxes"),
        ("Automobiles", "", "Other debts"),
        ("Other personal property", "", ""),
        ("Business interests", "", ""),
        ("=Total assets", "", "Total liabilities"),
        ("=", "", "Net worth (assets less liabilities)"),
    ])
    p.heading("Annual income and contingent liabilities", size=12)
    p.table([("Income", 34, "left"), ("Amount", 16, "right"), ("Contingent liabilities", 34, "left"),
             ("Amount", 16, "right")], [
        ("Salary", "", "As endorser or co-maker"),
        ("Investment income", "", "Legal claims and judgments"),
        ("Real estate income", "", "Provision for federal income tax"),
        ("Other income", "", "Other"),
    ])
    p.fields(["Signature:", "Date:"])
    p.footer("Opusgrand worksheet. Lenders rely on this statement; make it complete and accurate.")
    p.render("workshA6.gif")


def workshA7():
    p = Picture(650)
    p.header("Cash needs summary", "Worksheet A7",
             "How much money the business needs to open and survive the first months, and where "
             "it will come from.")
    p.table([("Cash needed", 70, "left"), ("Amount", 30, "right")], [
        ("A. One-time start-up costs (worksheet A1, without lines carried below)",),
        ("B. Equipment, furniture and fixtures (worksheet A4)",),
        ("C. Opening inventory (worksheet A5)",),
        ("D. Operating reserve (worksheet A2, cash needed)",),
        ("E. Contingency, 10% to 20% of A to D",),
        ("=Total cash needed (A + B + C + D + E)",),
    ])
    p.table([("Sources of cash", 70, "left"), ("Amount", 30, "right")], [
        ("Owner's cash and savings",),
        ("Loans from family and friends (in writing)",),
        ("Investors (stock or membership interests)",),
        ("Bank loan, SBA-guaranteed loan or microloan",),
        ("Equipment leases and vendor financing",),
        ("Other:",),
        ("=Total sources",),
        ("=Surplus (shortfall): total sources less total cash needed",),
    ])
    p.footer(FOOT)
    p.render("workshA7.gif")


def workshA9():
    p = Picture(650)
    p.header("Break-even analysis", "Worksheet A9",
             "The sales at which the business neither makes nor loses money.")
    p.table([("Line", 8, "center"), ("Item", 62, "left"), ("Amount", 30, "right")], [
        ("1", "Fixed costs per month (rent, salaries, insurance, loan payments...)"),
        ("2", "Average selling price per unit (or per sale)"),
        ("3", "Variable cost per unit (goods, commissions, shipping...)"),
        ("4", "Contribution margin per unit (line 2 less line 3)"),
        ("5", "Contribution margin ratio (line 4 divided by line 2)"),
        ("=6", "Break-even units per month (line 1 divided by line 4)"),
        ("=7", "Break-even sales per month (line 1 divided by line 5)"),
        ("8", "Profit wanted per month"),
        ("9", "Sales needed for that profit ((line 1 + line 8) divided by line 5)"),
    ])
    # a small chart
    x0, y0 = p.m + 60, p.y + 16
    cw, ch = 430, 200
    p.rect(x0, y0, x0 + cw, y0 + ch, "#FAFBFD", stroke=LINE)
    fixed = y0 + ch - 60
    p.line(x0, fixed, x0 + cw, fixed, color="#888888", sw=2)
    p.line(x0, fixed, x0 + cw, y0 + 30, color="#C0392B", sw=2)
    p.line(x0, y0 + ch, x0 + cw, y0 + 2, color="#1E7B34", sw=2)
    # intersection of revenue and total cost
    # revenue: y = y0+ch - (ch-2)/cw * t ; cost: y = fixed - (fixed-(y0+30))/cw * t
    a = (ch - 2) / cw
    b = (fixed - (y0 + 30)) / cw
    t = ((y0 + ch) - fixed) / (a - b)
    bx, by = x0 + t, y0 + ch - a * t
    p.cmds.append("push graphic-context fill %s stroke none circle %d,%d %d,%d pop graphic-context"
                  % (q(NAVY), bx, by, bx + 5, by))
    p.line(bx, by, bx, y0 + ch, color=NAVY)
    p.text(bx + 8, by + 18, "Break-even point", size=10.5, font=BOLD, color=NAVY)
    for k, (label, color) in enumerate((("Sales", "#1E7B34"), ("Total costs", "#C0392B"),
                                        ("Fixed costs", "#888888"))):
        ly = y0 + 16 + k * 15
        p.line(x0 + 10, ly - 4, x0 + 30, ly - 4, color=color, sw=2)
        p.text(x0 + 36, ly, label, size=10, font=BOLD, color=color)
    p.text(x0 + 100, y0 + 133, "Loss", size=10, font=ITALIC, color=GREY)
    p.text(x0 + cw - 12, y0 + 30, "Profit", size=10, font=ITALIC, color=GREY, anchor="end")
    p.text(x0 + cw / 2, y0 + ch + 16, "Units sold per month", size=10, color=GREY, anchor="middle")
    p.cmds.append("push graphic-context font %s font-size 10 fill %s translate %d,%d rotate -90 "
                  "text-anchor middle text 0,0 \"Dollars\" pop graphic-context"
                  % (q(FONT), q(GREY), x0 - 12, y0 + ch / 2))
    p.y = y0 + ch + 22
    p.footer(FOOT)
    p.render("workshA9.gif")


# ---------------------------------------------------------------------------------------
# Worksheets B: financial statements and control
# ---------------------------------------------------------------------------------------

def month_table(p, rows, first=22):
    cols = [("", first, "left")] + [(m, 5.4, "center") for m in MONTHS] + [("Total", 6.2, "center")]
    p.table(cols, rows, size=9.5, row_h=17, head_size=9.5)


def workshB1():
    p = Picture(700)
    p.header("Sales forecast, first year", "Worksheet B1",
             "Forecast units and dollars by product or service line, month by month. Allow for "
             "seasons, a slow start, and the time credit customers take to pay.")
    rows = []
    for n in (1, 2, 3):
        rows += [("#Product or service line %d: ______________________" % n,),
                 ("Units",), ("Price per unit",), ("=Sales",)]
    rows += [("#All lines",), ("=Total sales",), ("Cash sales",), ("Credit sales",),
             ("Growth vs. prior month %",)]
    month_table(p, rows)
    p.footer(FOOT)
    p.render("workshB1.gif")


def workshB2():
    p = Picture(700)
    p.header("Cash-flow projection", "Worksheet B2",
             "Cash in and out when it actually moves, not when it is earned. Ending cash of one "
             "month is the beginning cash of the next; a negative ending balance is a month to "
             "finance now.")
    rows = [("Cash at start of month",), ("#Cash receipts",), ("  Cash sales",),
            ("  Collections on credit sales",), ("  Loans received",), ("  Owner's investment",),
            ("=Total cash available",), ("#Cash paid out",), ("  Purchases, inventory",),
            ("  Wages (net)",), ("  Payroll taxes, benefits",), ("  Rent",), ("  Utilities, phone",),
            ("  Advertising",), ("  Insurance",), ("  Professional fees",), ("  Supplies, other",),
            ("  Loan principal and interest",), ("  Estimated taxes",), ("  Equipment purchases",),
            ("  Owner's draw",), ("=Total paid out",), ("=Cash at end of month",)]
    month_table(p, rows)
    p.footer(FOOT)
    p.render("workshB2.gif")


def workshB4():
    p = Picture(650)
    p.header("Projected income statement", "Worksheet B4",
             "Profit and loss for the first three years. Percentages of sales make the years "
             "easy to compare with each other and with industry figures.")
    p.table([("", 34, "left"), ("Year 1", 12, "right"), ("% of sales", 10, "center"),
             ("Year 2", 12, "right"), ("Year 3", 12, "right"), ("Assumptions", 20, "left")], [
        ("Net sales (from B1)",), ("Cost of goods sold",), ("=Gross profit",),
        ("#Operating expenses",), ("  Salaries and wages",), ("  Payroll taxes and benefits",),
        ("  Rent",), ("  Utilities and telephone",), ("  Advertising",), ("  Insurance",),
        ("  Depreciation",), ("  Professional fees",), ("  Supplies, repairs, other",),
        ("=Total operating expenses",), ("=Operating income",), ("Interest expense",),
        ("=Income before taxes",), ("Income taxes",), ("=Net income",)])
    p.footer(FOOT)
    p.render("workshB4.gif")


def workshB5():
    p = Picture(650)
    p.header("Balance sheet", "Worksheet B5",
             "What the business owns and owes on one date. Assets always equal liabilities plus "
             "owners' equity.")
    p.fields(["As of (date):", "Prepared by:"])
    p.table([("", 56, "left"), ("This date", 22, "right"), ("A year earlier", 22, "right")], [
        ("#Current assets",), ("  Cash",), ("  Accounts receivable (less allowance)",),
        ("  Inventory",), ("  Prepaid expenses",), ("=Total current assets",),
        ("#Fixed assets",), ("  Land and buildings",), ("  Equipment, furniture, vehicles",),
        ("  Less accumulated depreciation",), ("=Net fixed assets",), ("Other assets",),
        ("=TOTAL ASSETS",),
        ("#Liabilities",), ("  Accounts payable",), ("  Accrued wages and payroll taxes",),
        ("  Sales tax and income tax payable",), ("  Current part of long-term debt",),
        ("=Total current liabilities",), ("  Long-term debt",), ("=Total liabilities",),
        ("#Owners' equity",), ("  Capital invested (stock, capital accounts)",),
        ("  Retained earnings (less draws or dividends)",), ("=Total owners' equity",),
        ("=TOTAL LIABILITIES AND EQUITY",)], row_h=18)
    p.footer(FOOT)
    p.render("workshB5.gif")


def workshB6():
    p = Picture(650)
    p.header("Ratio analysis", "Worksheet B6",
             "Compare each ratio with last year and with your industry (trade associations and "
             "your banker can give industry figures).")
    p.table([("Ratio", 19, "left"), ("How to compute it", 37, "left"), ("Yours", 11, "center"),
             ("Last year", 11, "center"), ("Industry", 11, "center"), ("Trend", 11, "center")], [
        ("#Liquidity",),
        ("Current ratio", "Current assets / current liabilities"),
        ("Quick ratio", "(Cash + receivables) / current liabilities"),
        ("#Activity",),
        ("Inventory turnover", "Cost of goods sold / average inventory"),
        ("Days in receivables", "Receivables / (credit sales / 365)"),
        ("Days in payables", "Accounts payable / (purchases / 365)"),
        ("#Leverage",),
        ("Debt to equity", "Total liabilities / owners' equity"),
        ("Interest coverage", "Operating income / interest expense"),
        ("#Profitability",),
        ("Gross margin", "Gross profit / net sales"),
        ("Net profit margin", "Net income / net sales"),
        ("Return on assets", "Net income / total assets"),
        ("Return on equity", "Net income / owners' equity"),
    ])
    p.footer(FOOT)
    p.render("workshB6.gif")


def workshB7():
    p = Picture(650)
    p.header("Accounts receivable aging", "Worksheet B7",
             "Who owes you, and for how long. Follow up every account past due; the older a debt, "
             "the less likely it is to be paid.")
    p.fields(["As of (date):", "Prepared by:"])
    p.table([("Customer", 26, "left"), ("Total owed", 13, "right"), ("Current", 12, "right"),
             ("31-60 days", 12, "right"), ("61-90 days", 12, "right"), ("Over 90 days", 12, "right"),
             ("Action taken", 13, "left")], [("",)] * 12 + [
        ("=Totals",), ("=Percent of total",)])
    p.footer(FOOT)
    p.render("workshB7.gif")


def workshB9():
    p = Picture(650)
    p.header("Budget compared with actual", "Worksheet B9",
             "Each month, compare results with the budget. Explain every variance over 10% and "
             "decide what to change.")
    p.fields(["Month:", "Prepared by:"])
    p.table([("", 30, "left"), ("Budget", 12, "right"), ("Actual", 12, "right"),
             ("Variance $", 12, "right"), ("Variance %", 11, "center"), ("Year to date", 12, "right"),
             ("Explanation", 11, "left")], [
        ("Sales",), ("Cost of goods sold",), ("=Gross profit",), ("#Expenses",), ("  Wages and payroll taxes",),
        ("  Rent and utilities",), ("  Advertising",), ("  Insurance",), ("  Professional fees",),
        ("  Supplies and other",), ("  Interest",), ("=Total expenses",), ("=Net income",)])
    p.footer(FOOT)
    p.render("workshB9.gif")


# ---------------------------------------------------------------------------------------
# Worksheets C and D, and the numbered worksheets
# ---------------------------------------------------------------------------------------

def workshC2():
    p = Picture(650)
    p.header("Site selection checklist", "Worksheet C2",
             "Give each factor a weight (1 to 3) and each site a score (1 poor to 5 excellent); "
             "multiply and add. Visit at different hours and days before you decide.")
    p.table([("Factor", 46, "left"), ("Weight", 9, "center"), ("Site A", 15, "center"),
             ("Site B", 15, "center"), ("Site C", 15, "center")], [
        ("Zoning allows your use; permits obtainable",), ("Customers live or pass nearby",),
        ("Traffic, visibility and signs allowed",), ("Parking for customers and staff",),
        ("Access for deliveries and public transit",), ("Competitors nearby (and how strong)",),
        ("Neighbors that draw your customers",), ("Rent and charges per square foot",),
        ("Build-out and remodeling cost",), ("Accessibility (ADA) and building codes",),
        ("Utilities, internet, loading capacity",), ("Safety, crime, lighting",),
        ("Room to grow",), ("Workers available nearby",), ("Local taxes, fees and incentives",),
        ("Lease terms offered (see worksheet C7)",), ("=Weighted total",)])
    p.footer(FOOT)
    p.render("workshC2.gif")


def workshC7():
    p = Picture(650)
    p.header("Lease checklist", "Worksheet C7",
             "Points to settle before you sign a commercial lease. Everything is negotiable until "
             "you sign; have a lawyer review the lease.")
    p.table([("Lease term", 56, "left"), ("Agreed", 9, "center"), ("Open", 9, "center"),
             ("Notes", 26, "left")], [
        ("Premises, square footage and how it is measured", "[ ]", "[ ]"),
        ("Term, start date and renewal options", "[ ]", "[ ]"),
        ("Base rent and yearly increases", "[ ]", "[ ]"),
        ("Gross, net or triple net: taxes, insurance, common area charges", "[ ]", "[ ]"),
        ("Security deposit and when it comes back", "[ ]", "[ ]"),
        ("Permitted use and exclusive-use protection", "[ ]", "[ ]"),
        ("Tenant improvements: who builds, who pays, allowance", "[ ]", "[ ]"),
        ("Free rent during build-out", "[ ]", "[ ]"),
        ("Repairs: roof, structure, heating and air conditioning", "[ ]", "[ ]"),
        ("Signs, hours and parking", "[ ]", "[ ]"),
        ("Assignment and subletting (selling the business)", "[ ]", "[ ]"),
        ("Personal guarantee and its limits", "[ ]", "[ ]"),
        ("Insurance required of the tenant", "[ ]", "[ ]"),
        ("Compliance with ADA and codes: who pays", "[ ]", "[ ]"),
        ("Default, notice and time to cure", "[ ]", "[ ]"),
        ("Early termination; what you must restore at the end", "[ ]", "[ ]"),
    ], size=10.5)
    p.footer("Opusgrand worksheet. General information; have a lawyer review any lease before signing.")
    p.render("workshC7.gif")


def workshD2():
    p = Picture(650)
    p.header("Insurance coverage checklist", "Worksheet D2",
             "Review with an independent agent each year and whenever the business changes.")
    p.table([("Coverage", 30, "left"), ("Need?", 8, "center"), ("Insurer", 18, "left"),
             ("Limit", 13, "right"), ("Deductible", 13, "right"), ("Yearly premium", 18, "right")], [
        ("Property (building, contents, inventory)", "[ ]"), ("Business interruption", "[ ]"),
        ("General liability", "[ ]"), ("Product liability", "[ ]"),
        ("Professional liability (errors and omissions)", "[ ]"), ("Commercial auto", "[ ]"),
        ("Workers' compensation", "[ ]"), ("Employment practices liability", "[ ]"),
        ("Umbrella liability", "[ ]"), ("Crime, employee dishonesty, bonds", "[ ]"),
        ("Data breach, cyber liability", "[ ]"), ("Flood or earthquake", "[ ]"),
        ("Key person life insurance", "[ ]"), ("Owner's disability income", "[ ]"),
        ("Group health insurance", "[ ]"), ("=Total yearly premiums",)])
    p.footer("Opusgrand worksheet. Coverage needs differ; an independent agent can compare insurers.")
    p.render("workshD2.gif")


def workshD7():
    p = Picture(650)
    p.header("Business valuation worksheet", "Worksheet D7",
             "Three common ways to value a small business. Use several and compare; for a sale, "
             "gift or estate, hire a qualified appraiser.")
    p.table([("Method and line", 72, "left"), ("Amount", 28, "right")], [
        ("#1. Adjusted book value",),
        ("  Assets at fair market value",), ("  Less all liabilities",), ("=Adjusted book value",),
        ("#2. Capitalized earnings",),
        ("  Net income before taxes (average of recent years)",),
        ("  Add owner's pay above a market salary",), ("  Add one-time and non-business expenses",),
        ("  Add interest and depreciation (as appropriate)",), ("  Normalized earnings",),
        ("  Capitalization rate (risk-based, e.g. 20% to 35%)",),
        ("=Value: normalized earnings divided by the rate",),
        ("#3. Multiple of seller's discretionary earnings (SDE)",),
        ("  SDE: normalized earnings plus one owner's pay and benefits",),
        ("  Multiple usual in the industry (ask a business broker)",),
        ("=Value: SDE times the multiple",),
        ("#Conclusion",), ("  Weighted value of the methods above",),
        ("  Adjustments: lack of marketability, minority interest",),
        ("=Estimated value",)])
    p.footer("Opusgrand worksheet. For estate and gift tax values the IRS expects a qualified appraisal.")
    p.render("workshD7.gif")


def worksh3():
    p = Picture(650)
    p.header("Franchise evaluation", "Worksheet 3",
             "Compare franchises item by item from each Franchise Disclosure Document (FDD), which "
             "the FTC rule says you must get at least 14 days before signing or paying.")
    p.table([("Question (FDD item)", 46, "left"), ("Franchise A", 18, "center"),
             ("Franchise B", 18, "center"), ("Notes", 18, "left")], [
        ("Initial franchise fee (Item 5)",), ("Royalty and advertising fees (Item 6)",),
        ("Total initial investment (Item 7)",), ("Required purchases from the franchisor (Item 8)",),
        ("Financing offered (Item 10)",), ("Training and support (Item 11)",),
        ("Territory protection (Item 12)",), ("Term, renewal, transfer, termination (Item 17)",),
        ("Financial performance figures given? (Item 19)",),
        ("Outlets opened, closed, transferred (Item 20)",), ("Audited financial statements (Item 21)",),
        ("Litigation and bankruptcy history (Items 3, 4)",),
        ("Current and former franchisees called",), ("State registration (if required)",),
        ("Reviewed by a franchise lawyer and accountant",), ("=Overall rating",)])
    p.footer("Opusgrand worksheet. Ask the FTC and your state's franchise regulator about a franchisor.")
    p.render("worksh3.gif")


def worksh8():
    p = Picture(650)
    p.header("Employee or independent contractor?", "Worksheet 8",
             "Tick the answer that fits each factor. No single factor decides; the IRS looks at the "
             "whole relationship. When in doubt, ask the IRS for a ruling on Form SS-8.")
    p.table([("Factor", 62, "left"), ("Employee", 19, "center"), ("Contractor", 19, "center")], [
        ("#Behavioral control",),
        ("You tell the worker how, when and where to do the work", "[ ]", ""),
        ("You train the worker in your methods", "[ ]", ""),
        ("The worker decides how the result is achieved", "", "[ ]"),
        ("#Financial control",),
        ("The worker has a real chance of profit or loss", "", "[ ]"),
        ("The worker invests in own tools, equipment and workplace", "", "[ ]"),
        ("You reimburse the worker's business expenses", "[ ]", ""),
        ("You pay by the hour, week or month", "[ ]", ""),
        ("The worker is paid a flat fee per job and sends invoices", "", "[ ]"),
        ("The worker offers services to the public and other clients", "", "[ ]"),
        ("#Relationship of the parties",),
        ("You give benefits: insurance, paid leave, retirement plan", "[ ]", ""),
        ("The relationship is expected to go on indefinitely", "[ ]", ""),
        ("The work is a key part of your regular business", "[ ]", ""),
        ("A written contract sets a project and end date", "", "[ ]"),
        ("=Number of ticks",),
    ])
    p.para("State unemployment and wage laws may use stricter tests (some presume employment); ask "
           "the state's labor and workforce agencies.", size=10, font=ITALIC, color=GREY)
    p.footer("Opusgrand worksheet. General information, not legal or tax advice.")
    p.render("worksh8.gif")


def worksh10():
    p = Picture(650)
    p.header("Home office worksheet", "Worksheet 10",
             "For a space used regularly and only for business, as your principal place of "
             "business or to meet clients. Sole proprietors report it on Form 8829.")
    p.table([("Part 1: business share of the home", 70, "left"), ("Amount", 30, "right")], [
        ("1. Area used regularly and exclusively for business (square feet)",),
        ("2. Total area of the home (square feet)",),
        ("=3. Business percentage (line 1 divided by line 2)",)])
    p.table([("Part 2: expenses", 40, "left"), ("Direct (office only)", 18, "right"),
             ("Indirect (whole home)", 18, "right"), ("Business part", 24, "right")], [
        ("Mortgage interest",), ("Real estate taxes",), ("Rent",), ("Insurance",),
        ("Utilities",), ("Repairs and maintenance",), ("Security system, other",),
        ("Depreciation of the home (business part)",), ("=Total",)])
    p.para("The deduction cannot exceed the business's gross income less its other expenses; the "
           "excess carries forward. Depreciation claimed may be taxed when the home is sold. Keep "
           "receipts and a sketch of the office.", size=10, font=ITALIC, color=GREY)
    p.footer("Opusgrand worksheet. Tax year 2012; see IRS Publication 587.")
    p.render("worksh10.gif")


def worksh11():
    p = Picture(650)
    p.header("Vehicle expense log", "Worksheet 11",
             "Record each business trip when you make it. The IRS expects a log kept at the time, "
             "not rebuilt later.")
    p.fields(["Vehicle (make, model):", "Tax year:"])
    p.table([("Date", 10, "center"), ("Odometer start", 12, "right"), ("Odometer end", 12, "right"),
             ("Miles", 8, "right"), ("Destination", 20, "left"), ("Business purpose", 26, "left"),
             ("Parking, tolls", 12, "right")], [("",)] * 14 + [("=Totals",)])
    p.table([("Summary for the year", 70, "left"), ("Amount", 30, "right")], [
        ("Total miles driven (odometer at year end less start)",), ("Business miles",),
        ("Business percentage",),
        ("Standard mileage rate: business miles x 55.5 cents (2012)",),
        ("Plus business parking and tolls",),
        ("=Deduction (or use actual costs x business percentage)",)])
    p.footer("Opusgrand worksheet. Tax year 2012; see IRS Publication 463. Commuting is not business.")
    p.render("worksh11.gif")


ALL = [logo, ornament, yellow_rule, discrim, eeocpost, notice, jobquery, emp_app, erisa,
       workshA1, workshA2, workshA4, workshA5, workshA6, workshA7, workshA9,
       workshB1, workshB2, workshB4, workshB5, workshB6, workshB7, workshB9,
       workshC2, workshC7, workshD2, workshD7, worksh3, worksh8, worksh10, worksh11]

if __name__ == "__main__":
    wanted = sys.argv[1:]
    for make in ALL:
        if not wanted or make.__name__ in wanted:
            make()

#!/usr/bin/env python3
"""Writes FED_2553.pdf, the book's two-page sheet that explains the S corporation election
(IRS Form 2553). The PDF is written by hand (text in the standard Helvetica fonts, which
every PDF reader has), so no PDF library is needed. Run: python3 make_fed2553.py
"""

import os

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "FED_2553.pdf")

PAGE_W, PAGE_H = 612, 792  # US Letter, in points
LEFT, RIGHT, TOP, BOTTOM = 60, 60, 64, 64

# Helvetica advance widths (1/1000 em) for ASCII 32..126.
_W = [
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,
    333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,
    556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584,
]
FONTS = {"F1": "Helvetica", "F2": "Helvetica-Bold", "F3": "Helvetica-Oblique"}


def width(text, size, font):
    w = sum(_W[ord(c) - 32] if 32 <= ord(c) <= 126 else 556 for c in text)
    return w * size / 1000.0 * (1.08 if font == "F2" else 1.0)


def wrap(text, size, font, avail):
    lines, line = [], ""
    for word in text.split():
        trial = word if not line else line + " " + word
        if line and width(trial, size, font) > avail:
            lines.append(line)
            line = word
        else:
            line = trial
    if line:
        lines.append(line)
    return lines


def esc(text):
    return text.replace("\\", "\\\\").replace("(", "\\(").replace(")", "\\)")


# The sheet: (kind, text). Kinds: title, sub, h (heading), p (paragraph), b (bullet).
SHEET = [
    ("title", "The S corporation election (IRS Form 2553), explained"),
    ("sub", "A companion sheet to the Opusgrand guide book, for tax year 2012. General information "
            "only, not legal or tax advice: check the current Form 2553 and its instructions at "
            "irs.gov, call the IRS Business and Specialty Tax Line (1-800-829-4933), or ask your "
            "tax adviser before you file."),
    ("h", "1. What the election does"),
    ("p", "A corporation that elects S status generally pays no federal income tax itself. Its "
          "income, losses, deductions and credits pass through to the shareholders, who report "
          "their shares on their own returns whether or not the money is paid out. The corporation "
          "files Form 1120S each year and gives each shareholder a Schedule K-1. Shareholders who "
          "work in the business must be paid a reasonable salary, with payroll taxes withheld; "
          "profits paid out beyond that salary are not subject to self-employment or payroll "
          "tax, which is the main attraction of the election and a point the IRS examines closely."),
    ("h", "2. Who may elect"),
    ("b", "A domestic corporation, or an LLC or other eligible business entity that is treated as "
          "a corporation for tax purposes. An LLC that files a timely Form 2553 is treated as "
          "having elected to be taxed as a corporation, so it normally need not file Form 8832 too."),
    ("b", "No more than 100 shareholders. Members of one family (a common ancestor, the lineal "
          "descendants and their spouses) may count as one shareholder; a husband and wife always "
          "count as one."),
    ("b", "Only permitted shareholders: individuals who are U.S. citizens or residents, estates, "
          "certain trusts (grantor trusts, qualified subchapter S trusts, electing small business "
          "trusts) and certain tax-exempt organizations. A partnership, a corporation or a "
          "nonresident alien as shareholder makes the corporation ineligible."),
    ("b", "Only one class of stock. Differences in voting rights alone are allowed; differences "
          "in rights to distributions or to proceeds on liquidation are not."),
    ("b", "Not an ineligible corporation, such as a bank that uses the reserve method for bad "
          "debts, an insurance company taxed under subchapter L, or a present or former DISC."),
    ("b", "A permitted tax year: the calendar year, unless the corporation shows a business "
          "purpose (Form 2553, Part II) or makes a section 444 election (Form 8716)."),
    ("h", "3. When to file: the 75-day deadline"),
    ("p", "To take effect for a tax year, Form 2553 must be filed no more than 2 months and 15 "
          "days (about 75 days) after the start of that tax year, or at any time during the "
          "tax year before it. An election filed later takes effect the following year, unless "
          "the IRS grants relief (section 5)."),
    ("b", "A calendar-year corporation that wants S status for 2013 may file at any time during "
          "2012 or up to March 15, 2013."),
    ("b", "A new corporation's first tax year begins on the earliest of the dates it first has "
          "shareholders, acquires assets or begins doing business. A corporation that first does "
          "any of these on June 1, 2012 must file by August 15, 2012 for S status from its start."),
    ("b", "If the deadline falls on a Saturday, Sunday or legal holiday, filing on the next "
          "business day is on time."),
    ("h", "4. Shareholder consents"),
    ("p", "Every person who is a shareholder when the election is made must consent, by signing "
          "the consent column of Form 2553 or a separate consent statement attached to it. If "
          "the election is to take effect for the current tax year, anyone who held shares "
          "earlier in that year and has since sold them must consent too. Where shares are owned "
          "together (community property, joint tenancy, tenancy in common), every co-owner signs: "
          "in a community property state, both spouses. A minor's consent is signed by the minor "
          "or a legal representative, an estate's by its executor. An officer authorized to sign "
          "for the corporation signs the election itself. A missing consent can often be "
          "supplied later if there was reasonable cause and every shareholder joins in."),
    ("h", "5. Late-election relief"),
    ("p", "A missed deadline need not be final. The IRS publishes relief procedures; in 2012 "
          "Revenue Procedure 2003-43 gives relief without a user fee when the corporation failed "
          "to qualify only because Form 2553 was late, there was reasonable cause for the delay, "
          "and the request is generally made within 24 months of the original due date of the "
          "election. Write \"FILED PURSUANT TO REV. PROC. 2003-43\" at the top of the form and attach "
          "a statement explaining the reasonable cause. Revenue Procedure 2007-62 offers a "
          "similar route to some corporations that file the late election with their first "
          "Form 1120S. In other cases relief requires a private letter ruling, with a user fee; "
          "ask a tax adviser. These procedures change from time to time: read the current Form "
          "2553 instructions before you rely on them."),
    ("h", "6. Where and how to file"),
    ("p", "Mail or fax the signed form to the IRS service center that the current Form 2553 "
          "instructions name for the state of the corporation's principal place of business "
          "(in 2012, either Cincinnati, Ohio, or Ogden, Utah). Use certified mail with a return "
          "receipt, or keep the fax confirmation. The IRS should answer within about 60 days "
          "with a letter accepting the election; keep it with the corporate records for good. "
          "If you hear nothing within two or three months, call the IRS. Many states follow the "
          "federal election automatically, but some require their own election form or tax S "
          "corporations differently (for example New York and New Jersey require a separate "
          "state election): ask the state's revenue department."),
    ("h", "7. Before you sign: a checklist"),
    ("b", "The corporation has its employer identification number (Form SS-4); use the name and "
          "address exactly as the IRS has them."),
    ("b", "The effective date and the tax year are chosen; the date the corporation began doing "
          "business is known."),
    ("b", "Each shareholder is listed with name, address, taxpayer identification number, "
          "number of shares or percentage owned, date acquired and tax year end, and has signed."),
    ("b", "A qualified subchapter S trust that owns shares has made its own election (Form 2553, "
          "Part III, or a separate statement)."),
    ("b", "Copies of everything, and proof of mailing, are kept with the minute book."),
    ("h", "8. Ending the election"),
    ("p", "The election continues until it is revoked or ends. Shareholders holding more than "
          "half of the shares may revoke it. It ends automatically when the corporation stops "
          "qualifying, for example when it issues a second class of stock, a partnership buys "
          "shares or the shareholders exceed 100, and also when a corporation with earnings "
          "left over from C corporation years has passive investment income of more than 25% "
          "of gross receipts for three years in a row. After a revocation or termination the "
          "corporation generally must wait five years to elect again unless the IRS consents."),
]


def layout():
    """Returns pages, each a list of (font, size, x, y, text)."""
    pages, ops = [], []
    y = PAGE_H - TOP
    avail = PAGE_W - LEFT - RIGHT

    def need(h):
        nonlocal ops, y
        if y - h < BOTTOM:
            pages.append(ops)
            ops = []
            y = PAGE_H - TOP

    for kind, text in SHEET:
        if kind == "title":
            for ln in wrap(text, 17, "F2", avail):
                need(22)
                y -= 20
                ops.append(("F2", 17, LEFT, y, ln))
            y -= 6
            ops.append(("rule", 0, LEFT, y, ""))
            y -= 4
        elif kind == "sub":
            for ln in wrap(text, 9.5, "F3", avail):
                need(13)
                y -= 12.5
                ops.append(("F3", 9.5, LEFT, y, ln))
            y -= 4
        elif kind == "h":
            need(46)
            y -= 20
            ops.append(("F2", 12, LEFT, y, text))
            y -= 3
        elif kind in ("p", "b"):
            indent = 14 if kind == "b" else 0
            lines = wrap(text, 10, "F1", avail - indent)
            for k, ln in enumerate(lines):
                need(13)
                y -= 13
                if kind == "b" and k == 0:
                    ops.append(("F1", 10, LEFT + 3, y, "-"))
                ops.append(("F1", 10, LEFT + indent, y, ln))
            y -= 4
    pages.append(ops)
    return pages


def page_stream(ops, number, count):
    out = []
    for font, size, x, y, text in ops:
        if font == "rule":
            out.append("0.12 0.23 0.41 RG 1.2 w %.1f %.1f m %.1f %.1f l S" % (x, y, PAGE_W - RIGHT, y))
            continue
        out.append("BT /%s %.1f Tf %.1f %.1f Td (%s) Tj ET" % (font, size, x, y, esc(text)))
    foot = "Opusgrand -- the S corporation election explained -- page %d of %d" % (number, count)
    out.append("0.5 0.5 0.5 RG 0.5 w %d %d m %d %d l S" % (LEFT, BOTTOM - 22, PAGE_W - RIGHT,
                                                          BOTTOM - 22))
    out.append("0.35 0.35 0.35 rg BT /F3 8 Tf %d %d Td (%s) Tj ET" % (LEFT, BOTTOM - 34, esc(foot)))
    return "\n".join(out).encode("ascii")


def build():
    pages = layout()
    objects = []  # object bodies, numbered from 1

    def add(body):
        objects.append(body)
        return len(objects)

    catalog = add(None)
    pages_obj = add(None)
    fonts = {}
    for key, name in FONTS.items():
        fonts[key] = add(("<< /Type /Font /Subtype /Type1 /BaseFont /%s "
                          "/Encoding /WinAnsiEncoding >>" % name).encode("ascii"))
    info = add(b"<< /Title (The S corporation election explained) /Author (Opusgrand) "
               b"/Subject (IRS Form 2553, S corporation election) /Producer (make_fed2553.py) >>")
    kids = []
    for n, ops in enumerate(pages, 1):
        stream = page_stream(ops, n, len(pages))
        content = add(b"<< /Length %d >>\nstream\n" % len(stream) + stream + b"\nendstream")
        font_dict = " ".join("/%s %d 0 R" % (k, v) for k, v in fonts.items())
        kids.append(add(("<< /Type /Page /Parent %d 0 R /MediaBox [0 0 %d %d] "
                         "/Resources << /Font << %s >> >> /Contents %d 0 R >>"
                         % (pages_obj, PAGE_W, PAGE_H, font_dict, content)).encode("ascii")))
    objects[catalog - 1] = ("<< /Type /Catalog /Pages %d 0 R >>" % pages_obj).encode("ascii")
    objects[pages_obj - 1] = ("<< /Type /Pages /Kids [%s] /Count %d >>"
                              % (" ".join("%d 0 R" % k for k in kids), len(kids))).encode("ascii")

    data = bytearray(b"%PDF-1.4\n%\xe2\xe3\xcf\xd3\n")
    offsets = []
    for n, body in enumerate(objects, 1):
        offsets.append(len(data))
        data += b"%d 0 obj\n" % n + body + b"\nendobj\n"
    xref = len(data)
    data += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
    for off in offsets:
        data += b"%010d 00000 n \n" % off
    data += (b"trailer\n<< /Size %d /Root %d 0 R /Info %d 0 R >>\nstartxref\n%d\n%%%%EOF\n"
             % (len(objects) + 1, catalog, info, xref))
    with open(OUT, "wb") as f:
        f.write(data)
    print("FED_2553.pdf: %d pages, %d bytes" % (len(pages), len(data)))


if __name__ == "__main__":
    build()

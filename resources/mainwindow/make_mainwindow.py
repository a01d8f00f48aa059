#!/usr/bin/env python3
"""Draws the main window's pictures (the banner and the picture buttons) and the program
icon, as PNG files: each main window picture at 1x (NAME.png) and 2x (NAME@2x.png), the
icon at 16, 32, 48 and 256 pixels in ../icons.

Every picture is a list of drawing steps in 1x coordinates; the script scales them to
the wanted size, writes an ImageMagick drawing (MVG) and lets `convert` turn it into the
picture, so text is rendered at its final size rather than stretched. The generated files
are committed beside this script, so building the program needs no image tools; run it
again (python3 make_mainwindow.py) after changing a picture.
"""

import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ICONS = os.path.join(HERE, "..", "icons")
sys.dont_write_bytecode = True  # nothing left behind in the pictures folder
sys.path.insert(0, os.path.join(HERE, "..", "..", "data", "pictures"))
from make_pictures import text_width, wrap, q  # noqa: E402  (the book's own text metrics)

CONVERT = os.environ.get("CONVERT", "convert")

# One palette for the window, its buttons and the icon: the book's navy and gold.
NAVY = "#1F3A68"
NAVY_DARK = "#142849"
BLUE = "#2E5C9A"
BLUE_DARK = "#1F4272"
GOLD = "#E2B93B"
GOLD_LIGHT = "#F4D35E"
GOLD_DARK = "#B8901F"
PAGE = "#F4F6FA"
PAGE_LINE = "#B9C4D6"
PALE = "#C9D6EA"

SANS_BOLD = "Liberation-Sans-Bold"
SANS = "Liberation-Sans"
SERIF_BOLD_ITALIC = "Liberation-Serif-Bold-Italic"
SERIF_ITALIC = "Liberation-Serif-Italic"

BUTTON_W, BUTTON_H = 216, 50  # 144 x 31 dialog units
BANNER_W, BANNER_H = 756, 135  # 504 x 83 dialog units


class Drawing:
    """Drawing steps in 1x coordinates, written out at a scale."""

    def __init__(self, w, h, s):
        self.w, self.h, self.s = w, h, s
        self.cmds = []

    def n(self, v):
        return "%.2f" % (v * self.s)

    def pts(self, points):
        return " ".join("%s,%s" % (self.n(x), self.n(y)) for x, y in points)

    def _style(self, fill, stroke, sw, opacity):
        s = "fill %s " % q(fill) if fill else "fill none "
        s += "stroke %s stroke-width %s " % (q(stroke), self.n(sw)) if stroke else "stroke none "
        if opacity is not None:
            s += "fill-opacity %s " % opacity
        return s + "stroke-linecap round stroke-linejoin round "

    def add(self, body, fill=None, stroke=None, sw=1, opacity=None):
        self.cmds.append("push graphic-context %s%s pop graphic-context"
                         % (self._style(fill, stroke, sw, opacity), body))

    def rect(self, x0, y0, x1, y1, r=0, **kw):
        if r:
            self.add("roundrectangle %s,%s %s,%s %s,%s" % (self.n(x0), self.n(y0), self.n(x1),
                                                        self.n(y1), self.n(r), self.n(r)), **kw)
        else:
            self.add("rectangle %s,%s %s,%s" % (self.n(x0), self.n(y0), self.n(x1), self.n(y1)), **kw)

    def circle(self, cx, cy, r, **kw):
        self.add("circle %s,%s %s,%s" % (self.n(cx), self.n(cy), self.n(cx + r), self.n(cy)), **kw)

    def ellipse(self, cx, cy, rx, ry, a0, a1, **kw):
        self.add("ellipse %s,%s %s,%s %d,%d" % (self.n(cx), self.n(cy), self.n(rx), self.n(ry), a0, a1),
                 **kw)

    def polygon(self, points, **kw):
        self.add("polygon " + self.pts(points), **kw)

    def polyline(self, points, **kw):
        self.add("polyline " + self.pts(points), **kw)

    def line(self, x0, y0, x1, y1, color, sw=1):
        self.add("line %s,%s %s,%s" % (self.n(x0), self.n(y0), self.n(x1), self.n(y1)),
                 stroke=color, sw=sw)

    def text(self, x, y, s, size, font, color, anchor="start", kerning=0):
        kern = "kerning %s " % self.n(kerning) if kerning else ""
        self.cmds.append("push graphic-context font %s font-size %s fill %s stroke none %s"
                         "text-anchor %s text %s,%s %s pop graphic-context"
                         % (q(font), self.n(size), q(color), kern, anchor, self.n(x), self.n(y), q(s)))

    def write(self, path):
        w, h = round(self.w * self.s), round(self.h * self.s)
        mvg = ["viewbox 0 0 %d %d" % (w, h)] + self.cmds
        with tempfile.NamedTemporaryFile("w", suffix=".mvg", delete=False) as f:
            f.write("\n".join(mvg) + "\n")
            tmp = f.name
        try:
            subprocess.run([CONVERT, "-background", "none", "-size", "%dx%d" % (w, h),
                            "mvg:" + tmp, "-strip", "PNG32:" + path], check=True)
        finally:
            os.unlink(tmp)
        print("%-28s %4dx%-4d %6d bytes" % (os.path.basename(path), w, h, os.path.getsize(path)))


# ---------------------------------------------------------------------------------------
# Glyphs: small white line drawings centred on (cx, cy), about 20 x 20 at 1x
# ---------------------------------------------------------------------------------------

def open_book(d, x, y, w, h, lines=True, ribbon=True):
    """An open book seen from the front: two pages meeting at the spine."""
    mid = x + w / 2
    dip = h * 0.08
    d.polygon([(x, y + dip), (mid, y + dip * 2), (mid, y + h), (x, y + h - dip)], fill=PAGE)
    d.polygon([(mid, y + dip * 2), (x + w, y + dip), (x + w, y + h - dip), (mid, y + h)],
              fill="#E3E8F1")
    d.line(mid, y + dip * 2, mid, y + h, PAGE_LINE, max(0.6, w / 120))
    if lines:
        for k in range(1, 6):
            ly = y + dip * 2 + k * (h - dip * 3) / 6.5
            d.line(x + w * 0.08, ly - dip * 0.5, mid - w * 0.06, ly, PAGE_LINE, max(0.6, h / 70))
            d.line(mid + w * 0.06, ly, x + w * 0.92, ly - dip * 0.5, PAGE_LINE, max(0.6, h / 70))
    if ribbon:
        rx = mid + w * 0.22
        d.polygon([(rx, y + dip * 1.6), (rx + w * 0.07, y + dip * 1.45), (rx + w * 0.07, y + h * 0.55),
                   (rx + w * 0.035, y + h * 0.47), (rx, y + h * 0.55)], fill=GOLD)


def glyph_pin(d, cx, cy, c):
    d.add("path 'M %s,%s L %s,%s A %s,%s 0 1,1 %s,%s Z'" % (
        d.n(cx), d.n(cy + 10), d.n(cx - 6.2), d.n(cy + 0.5), d.n(7.5), d.n(7.5),
        d.n(cx + 6.2), d.n(cy + 0.5)), fill=c)
    d.circle(cx, cy - 3.5, 2.8, fill=NAVY)


def glyph_pencil(d, cx, cy, c):
    d.polygon([(cx + 4, cy - 10), (cx + 9, cy - 5), (cx - 4, cy + 8), (cx - 9, cy + 3)], fill=c)
    d.polygon([(cx - 9, cy + 3), (cx - 4, cy + 8), (cx - 10.5, cy + 9.5)], fill=GOLD_LIGHT)
    d.line(cx - 8, cy + 8, cx + 9, cy + 8, c, 1.2)


def glyph_document(d, cx, cy, c):
    d.polygon([(cx - 7, cy - 10), (cx + 3, cy - 10), (cx + 8, cy - 5), (cx + 8, cy + 10),
               (cx - 7, cy + 10)], fill=c)
    d.polygon([(cx + 3, cy - 10), (cx + 3, cy - 5), (cx + 8, cy - 5)], fill=PALE)
    for k in range(4):
        d.line(cx - 4, cy - 3 + k * 4, cx + 5, cy - 3 + k * 4, NAVY, 1.3)


def glyph_check(d, cx, cy, c):
    d.rect(cx - 9, cy - 9, cx + 9, cy + 9, r=3, stroke=c, sw=1.8)
    d.polyline([(cx - 5, cy), (cx - 1, cy + 4.5), (cx + 6, cy - 5)], stroke=GOLD_LIGHT, sw=2.6)


def glyph_go(d, cx, cy, c):
    d.polygon([(cx - 5, cy - 9), (cx + 9, cy), (cx - 5, cy + 9)], fill=c)


def glyph_talk(d, cx, cy, c):
    d.rect(cx - 10, cy - 9, cx + 7, cy + 3, r=3.5, fill=c)
    d.polygon([(cx - 6, cy + 2), (cx - 7, cy + 8), (cx - 1, cy + 2)], fill=c)
    d.rect(cx - 2, cy - 2, cx + 11, cy + 8, r=3, fill=PALE)
    d.polygon([(cx + 7, cy + 7), (cx + 8, cy + 11), (cx + 3, cy + 7)], fill=PALE)


def glyph_list(d, cx, cy, c):
    for k in range(3):
        y = cy - 7 + k * 7
        d.rect(cx - 10, y - 2.5, cx - 5, y + 2.5, r=1, stroke=c, sw=1.3)
        d.line(cx - 1, y, cx + 10, y, c, 1.8)
    d.polyline([(cx - 9, cy - 7.5), (cx - 7.5, cy - 5.5), (cx - 4, cy - 10)], stroke=GOLD_LIGHT, sw=1.8)
    d.polyline([(cx - 9, cy - 0.5), (cx - 7.5, cy + 1.5), (cx - 4, cy - 3)], stroke=GOLD_LIGHT, sw=1.8)


def glyph_dollar(d, cx, cy, c):
    d.text(cx, cy + 8, "$", 23, SANS_BOLD, c, anchor="middle")


def glyph_scales(d, cx, cy, c):
    d.line(cx, cy - 9, cx, cy + 8, c, 1.8)
    d.line(cx - 6, cy + 9, cx + 6, cy + 9, c, 2)
    d.line(cx - 9, cy - 6, cx + 9, cy - 6, c, 1.8)
    for sx in (-7, 7):
        d.line(cx + sx, cy - 6, cx + sx - 3.5, cy + 2, c, 1)
        d.line(cx + sx, cy - 6, cx + sx + 3.5, cy + 2, c, 1)
        d.ellipse(cx + sx, cy + 2, 4.5, 2.8, 0, 180, fill=c)
    d.circle(cx, cy - 9.5, 1.8, fill=GOLD_LIGHT)


def glyph_people(d, cx, cy, c):
    d.circle(cx + 4.5, cy - 4.5, 3.4, fill=PALE)
    d.ellipse(cx + 4.5, cy + 8, 6.5, 7, 180, 360, fill=PALE)
    d.circle(cx - 3, cy - 3.5, 4, fill=c)
    d.ellipse(cx - 3, cy + 10, 7.5, 8.5, 180, 360, fill=c)


def glyph_chart(d, cx, cy, c):
    d.line(cx - 10, cy + 9, cx + 10, cy + 9, c, 1.5)
    for k, hgt in enumerate((7, 12, 17)):
        x = cx - 8 + k * 6.5
        d.rect(x, cy + 8 - hgt, x + 4.5, cy + 8, fill=c if k < 2 else GOLD_LIGHT)


def glyph_dots(d, cx, cy, c):
    for dx in (-7, 0, 7):
        d.circle(cx + dx, cy, 2.4, fill=c)


# ---------------------------------------------------------------------------------------
# Pictures
# ---------------------------------------------------------------------------------------

def fit_text(text, width, size=13):
    """Lines of the face at one size for every button: one line if it fits, else two;
    smaller only if two lines at that size still overflow."""
    while size > 10:
        lines = wrap(text, size, width, bold=True)
        if len(lines) <= 2 and all(text_width(ln, size, bold=True) <= width for ln in lines):
            return [(ln, size) for ln in lines]
        size -= 0.5
    return [(ln, 10) for ln in wrap(text, 10, width, bold=True)[:2]]


def button(name, face, glyph, scale, style="main"):
    body, edge, disc, ink, text = {
        "main": (NAVY, NAVY_DARK, BLUE, "white", "white"),
        "subject": (BLUE, BLUE_DARK, NAVY, "white", "white"),
        "go": (GOLD, GOLD_DARK, NAVY, GOLD_LIGHT, NAVY_DARK),
    }[style]
    d = Drawing(BUTTON_W, BUTTON_H, scale)
    # a flat face on a slightly darker lower edge, so it reads as something to press
    d.rect(0.5, 0.5, BUTTON_W - 0.5, BUTTON_H - 0.5, r=7, fill=edge)
    d.rect(0.5, 0.5, BUTTON_W - 0.5, BUTTON_H - 3, r=7, fill=body)
    d.circle(25, 23.5, 16, fill=disc)
    glyph(d, 25, 23.5, ink)
    left, right = 50, BUTTON_W - 8
    # a face given as lines of (text, size) is set as given; the words stay those of the face
    lines = face if isinstance(face, list) else fit_text(face, right - left)
    heights = [size + 3 for _, size in lines]
    y = 23.5 - (sum(heights) - 3) / 2
    for (ln, size), hgt in zip(lines, heights):
        y += size * 0.74
        d.text(left, y, ln, size, SANS_BOLD, text)
        y += hgt - size * 0.74
    d.write(os.path.join(HERE, name + ("@2x" if scale == 2 else "") + ".png"))


def banner(scale):
    d = Drawing(BANNER_W, BANNER_H, scale)
    d.rect(0, 0, BANNER_W, BANNER_H, fill=NAVY)
    # quiet discs on the right, echoing the picture menus
    d.circle(640, 30, 95, fill="white", opacity=0.05)
    d.circle(720, 120, 80, fill="white", opacity=0.05)
    d.circle(560, 125, 55, fill="white", opacity=0.04)
    d.rect(0, BANNER_H - 5, BANNER_W, BANNER_H, fill=GOLD)
    open_book(d, 34, 28, 104, 74)
    x = 168
    d.text(x, 38, "CORVANTA", 13, SANS_BOLD, PALE, kerning=4.5)
    d.text(x - 2, 88, "Opusgrand", 54, SERIF_BOLD_ITALIC, GOLD_LIGHT)
    d.line(x, 99, x + 300, 99, GOLD, 1.2)
    d.text(x, 118, "Your guide to starting and running a small business",
           14, SERIF_ITALIC, "white")
    d.write(os.path.join(HERE, "FORM1_PICTURE1_BMP" + ("@2x" if scale == 2 else "") + ".png"))


def icon(size):
    """The program icon: the open book on a navy tile. Drawn on a 32 unit grid; the
    smallest size leaves out the page lines, which would only blur."""
    d = Drawing(32, 32, size / 32.0)
    d.rect(0.5, 0.5, 31.5, 31.5, r=6, fill=GOLD)
    d.rect(0.5, 0.5, 31.5, 28.5, r=6, fill=NAVY)
    d.rect(0.5, 20, 31.5, 28.5, fill=NAVY)  # squares off the navy above the gold edge
    open_book(d, 4.5, 6, 23, 17.5, lines=size >= 32, ribbon=size >= 32)
    os.makedirs(ICONS, exist_ok=True)
    d.write(os.path.join(ICONS, "PROGRAM_%d.png" % size))


BUTTONS = [
    ("FORM1_PICTURE2_BMP", "Select State Edition", glyph_pin, "main"),
    ("FORM1_PICTURE3_BMP", "Change Company Interview data", glyph_pencil, "main"),
    ("FORM1_PICTURE4_BMP", "View Company Data Set", glyph_document, "main"),
    ("FORM1_PICTURE5_BMP", "Entrepreneur Self-Test", glyph_check, "main"),
    ("FORM1_PICTURE6_BMP", [("GO!", 17), ("(Open Table Of Contents)", 11.5)], glyph_go, "go"),
    ("FORM1_PICTURE7A_BMP", "Rud Izazozodur", glyph_talk, "main"),
    ("FORM1_PICTURE8_BMP", "Business Startup Checklist", glyph_list, "subject"),
    ("FORM1_PICTURE14_BMP", "Small Business Checklist", glyph_list, "subject"),
    ("FORM1_PICTURE9_BMP", "Tax Matters", glyph_dollar, "subject"),
    ("FORM1_PICTURE10_BMP", "Legal Matters", glyph_scales, "subject"),
    ("FORM1_PICTURE11_BMP", "Employees", glyph_people, "subject"),
    ("FORM1_PICTURE12_BMP", "Accounting", glyph_chart, "subject"),
    ("FORM1_PICTURE13_BMP", "Other Matters", glyph_dots, "subject"),
]

if __name__ == "__main__":
    wanted = sys.argv[1:]
    for scale in (1, 2):
        if not wanted or "FORM1_PICTURE1_BMP" in wanted:
            banner(scale)
        for name, face, glyph, style in BUTTONS:
            if not wanted or name in wanted:
                button(name, face, glyph, scale, style)
    if not wanted or "PROGRAM" in wanted:
        for size in (16, 32, 48, 256):
            icon(size)

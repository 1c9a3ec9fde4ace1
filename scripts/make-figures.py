#!/usr/bin/env python3
"""Draws the pictures of the bundled course into sample/data/ with ImageMagick.

Each figure is a list of ImageMagick draw primitives computed here (curves are
polylines of computed points), so the pictures can be redrawn and reviewed
without any drawing program. The formats are mixed on purpose (PNG, GIF, JPEG,
BMP, and one upper-case file name) so that the course exercises every picture
loader and the case-insensitive look-up of picture names.

Run it again after editing a figure; it replaces the files it wrote before.
"""
import math
import pathlib
import subprocess

ROOT = pathlib.Path(__file__).resolve().parent.parent
DATA = ROOT / "sample" / "data"
FONT = "DejaVu-Sans"


def convert(name, width, height, primitives, extra=()):
    args = ["convert", "-size", "%dx%d" % (width, height), "xc:white", "-font", FONT,
            "-strokewidth", "1"]
    for p in primitives:
        args += p
    args += list(extra) + [str(DATA / name)]
    subprocess.run(args, check=True)


def line(x1, y1, x2, y2, colour="black", width=1):
    return ["-fill", "none", "-stroke", colour, "-strokewidth", str(width),
            "-draw", "line %g,%g %g,%g" % (x1, y1, x2, y2)]


def poly(points, colour, width=2):
    pts = " ".join("%.1f,%.1f" % p for p in points)
    return ["-fill", "none", "-stroke", colour, "-strokewidth", str(width), "-draw", "polyline " + pts]


def text(x, y, s, size=12, colour="black"):
    return ["-stroke", "none", "-fill", colour, "-pointsize", str(size),
            "-draw", "text %g,%g '%s'" % (x, y, s.replace("'", "\\'"))]


def rect(x1, y1, x2, y2, colour="black", fill="white", width=1):
    return ["-fill", fill, "-stroke", colour, "-strokewidth", str(width),
            "-draw", "rectangle %g,%g %g,%g" % (x1, y1, x2, y2)]


def arrow_axes(x0, y0, x1, y1, xlabel, ylabel):
    """Axes with their origin at (x0, y0), x to x1 and y up to y1."""
    return [line(x0, y0, x1, y0), line(x1 - 7, y0 - 4, x1, y0), line(x1 - 7, y0 + 4, x1, y0),
            line(x0, y0, x0, y1), line(x0 - 4, y1 + 7, x0, y1), line(x0 + 4, y1 + 7, x0, y1),
            text(x1 - 40, y0 + 16, xlabel), text(x0 + 6, y1 + 4, ylabel)]


def wave():
    """A periodic wave along a rope at one date, with its wavelength."""
    w, h = 360, 150
    x0, y0 = 20, 75
    lam = 120
    pts = [(x, y0 - 40 * math.sin(2 * math.pi * (x - x0) / lam)) for x in range(x0, 340)]
    prims = arrow_axes(x0, y0, 350, 10, "x", "y") + [poly(pts, "#1f5fbf")]
    # The wavelength between two crests.
    c1 = x0 + lam / 4
    prims.append(line(c1, 30, c1, 22, "#c0392b"))
    prims.append(line(c1 + lam, 30, c1 + lam, 22, "#c0392b"))
    prims.append(line(c1, 26, c1 + lam, 26, "#c0392b"))
    prims.append(text(c1 + lam / 2 - 4, 20, "λ", 14, "#c0392b"))
    prims.append(text(150, 142, "aspect de la corde à la date t", 11, "#444444"))
    convert("onde.png", w, h, prims)


def circuit_rc():
    """A generator E, a switch K, a resistor R and a capacitor C in series."""
    w, h = 300, 170
    p = []
    # Outer loop.
    p.append(line(40, 30, 260, 30))
    p.append(line(40, 140, 260, 140))
    p.append(line(40, 30, 40, 70))
    p.append(line(40, 100, 40, 140))
    # Generator: long and short plates.
    p.append(line(25, 70, 55, 70, width=2))
    p.append(line(32, 100, 48, 100, width=3))
    p.append(text(8, 90, "E", 14))
    # Switch K on the top wire.
    p.append(["-fill", "white", "-stroke", "white", "-draw", "line 90,30 120,30"])
    p.append(line(90, 30, 118, 18, width=2))
    p.append(text(100, 14, "K", 13))
    # Resistor R on the right side.
    p.append(["-fill", "white", "-stroke", "white", "-draw", "line 260,50 260,100"])
    p.append(line(260, 30, 260, 50))
    p.append(line(260, 100, 260, 140))
    p.append(rect(252, 50, 268, 100, width=2))
    p.append(text(274, 80, "R", 14))
    # Capacitor C on the bottom wire.
    p.append(["-fill", "white", "-stroke", "white", "-draw", "line 144,140 156,140"])
    p.append(line(144, 125, 144, 155, width=3))
    p.append(line(156, 125, 156, 155, width=3))
    p.append(text(143, 120, "C", 14))
    # The capacitor's voltage in the receptor convention: against the current,
    # which runs from right to left through C.
    p.append(line(132, 160, 168, 160, "#1f5fbf", 2))
    p.append(line(161, 155, 168, 160, "#1f5fbf", 2))
    p.append(line(161, 165, 168, 160, "#1f5fbf", 2))
    p.append(text(172, 166, "u", 12, "#1f5fbf"))
    p.append(text(179, 168, "C", 9, "#1f5fbf"))
    # The current's direction.
    p.append(line(190, 30, 200, 30, "#c0392b", 2))
    p.append(line(193, 25, 200, 30, "#c0392b", 2))
    p.append(line(193, 35, 200, 30, "#c0392b", 2))
    p.append(text(192, 46, "i", 13, "#c0392b"))
    convert("CIRCUITRC.PNG", w, h, p)


def titration():
    """pH of a weak acid titrated by sodium hydroxide, with the equivalence."""
    w, h = 360, 220
    x0, y0 = 40, 190
    sx, sy = 12, 12            # pixels per mL, per pH unit
    veq, pka = 10.0, 4.8
    pts = []
    v = 0.2
    while v <= 24:
        if v < veq - 0.05:
            ph = pka + math.log10(v / (veq - v))
        elif v > veq + 0.05:
            ph = 14 + math.log10(0.1 * (v - veq) / (20 + v))
        else:
            ph = 8.7
        pts.append((x0 + sx * v, y0 - sy * min(max(ph, 0), 13.5)))
        v += 0.1
    p = arrow_axes(x0, y0, 350, 15, "V (mL)", "pH")
    for k in range(0, 15, 2):
        p.append(line(x0 - 3, y0 - sy * k, x0, y0 - sy * k))
        p.append(text(18, y0 - sy * k + 4, str(k), 9))
    for k in range(0, 25, 5):
        p.append(line(x0 + sx * k, y0, x0 + sx * k, y0 + 3))
        p.append(text(x0 + sx * k - 4, y0 + 14, str(k), 9))
    p.append(poly(pts, "#2e8b57"))
    # Equivalence point and half-equivalence.
    xe, ye = x0 + sx * veq, y0 - sy * 8.7
    p.append(["-stroke", "#c0392b", "-fill", "none", "-draw", "circle %g,%g %g,%g" % (xe, ye, xe + 3, ye)])
    p.append(line(xe, ye, xe, y0, "#c0392b"))
    p.append(text(xe + 6, ye + 4, "E", 12, "#c0392b"))
    xh, yh = x0 + sx * veq / 2, y0 - sy * pka
    p.append(line(x0, yh, xh, yh, "#8e44ad"))
    p.append(line(xh, yh, xh, y0, "#8e44ad"))
    p.append(text(x0 + 4, yh - 4, "pKa", 10, "#8e44ad"))
    convert("titrage.gif", w, h, p)


def charge_rc():
    """u_C(t) = E (1 - exp(-t / tau)) while the capacitor charges, with tau and 5 tau."""
    w, h = 360, 200
    x0, y0 = 40, 170
    tau = 50                       # pixels per time constant
    top = 130                      # pixels for E
    pts = [(x0 + x, y0 - top * (1 - math.exp(-x / tau))) for x in range(0, 300)]
    p = arrow_axes(x0, y0, 350, 15, "t", "u")
    p.append(text(x0 + 13, 19, "C", 9))
    # The asymptote u_C = E.
    p.append(line(x0, y0 - top, 340, y0 - top, "#888888"))
    p.append(text(x0 - 16, y0 - top + 4, "E", 12))
    # The tangent at the origin meets the asymptote at t = tau.
    p.append(line(x0, y0, x0 + tau, y0 - top, "#1f5fbf"))
    # 63 % of E at t = tau.
    y63 = y0 - top * (1 - math.exp(-1))
    p.append(line(x0, y63, x0 + tau, y63, "#888888"))
    p.append(line(x0 + tau, y63, x0 + tau, y0, "#888888"))
    p.append(text(x0 - 36, y63 + 4, "0,63 E", 10))
    p.append(poly(pts, "#c0392b"))
    p.append(line(x0 + 5 * tau, y0 - top, x0 + 5 * tau, y0, "#888888"))
    p.append(text(x0 + tau - 3, y0 + 16, "τ", 12))
    p.append(text(x0 + 5 * tau - 8, y0 + 16, "5τ", 12))
    p.append(text(x0 + 2 * tau + 10, y0 - top + 30, "charge du condensateur", 11, "#444444"))
    convert("chargerc.png", w, h, p)


def decay():
    """N(t) = N0 exp(-t ln2 / t½), with the half-lives marked."""
    w, h = 360, 200
    x0, y0 = 40, 170
    half = 60                      # pixels per half-life
    top = 140                      # pixels for N0
    pts = [(x0 + x, y0 - top * 0.5 ** (x / half)) for x in range(0, 300)]
    p = arrow_axes(x0, y0, 350, 15, "t", "N")
    p.append(poly(pts, "#c0392b"))
    for k, label in ((1, "N0/2"), (2, "N0/4")):
        x, y = x0 + k * half, y0 - top * 0.5 ** k
        p.append(line(x0, y, x, y, "#888888"))
        p.append(line(x, y, x, y0, "#888888"))
        p.append(text(x0 + 4, y - 3, label, 10, "#444444"))
    p.append(text(x0 + half - 8, y0 + 16, "t½", 11))
    p.append(text(x0 + 2 * half - 10, y0 + 16, "2t½", 11))
    p.append(text(x0 - 26, y0 - top + 4, "N0", 11))
    convert("decroissance.jpg", w, h, p, ["-quality", "92"])


def spring():
    """A solid on a horizontal spring, for the illustration area (BMP)."""
    w, h = 170, 110
    p = [line(10, 20, 10, 90, width=3), line(10, 90, 165, 90, width=2)]
    pts, x = [(10, 55)], 10
    for i in range(10):
        x += 7
        pts.append((x, 45 if i % 2 == 0 else 65))
    pts.append((x + 6, 55))
    p.append(poly(pts, "#1f5fbf", 2))
    p.append(rect(x + 6, 38, x + 46, 89, "#243b63", "#d6e4f5", 2))
    p.append(text(x + 20, 68, "m", 14))
    p.append(line(x + 26, 100, x + 60, 100, "#c0392b", 1))
    p.append(text(x + 62, 104, "x", 11, "#c0392b"))
    convert("ressort.bmp", w, h, p, ["-type", "TrueColor"])


if __name__ == "__main__":
    DATA.mkdir(parents=True, exist_ok=True)
    wave()
    circuit_rc()
    titration()
    charge_rc()
    decay()
    spring()
    print("make-figures: 6 pictures in", DATA)

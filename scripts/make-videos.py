#!/usr/bin/env python3
"""Draws the experiment videos of the bundled course into sample/data/.

Each clip is a sequence of frames computed here (positions from the physics,
curves as polylines of computed points), drawn with ImageMagick and encoded
with FFmpeg as AVI. Two codecs of the period are used (Motion JPEG, Cinepak),
so that the course exercises more than one decoder.

- chute.avi   a ball falling freely, with the stroboscopic trail of its past
              positions every 0.05 s in front of a scale (page 60);
- corde.avi   a transverse wave running along a rope from its source, one point
              of the rope marked (page 66);
- charge.avi  the charge of a capacitor through a resistor: the curve u_C(t)
              traced as time goes by, then its time constant (page 67).

Run it again after editing a clip; it replaces the files it wrote before.
"""
import math
import pathlib
import shutil
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
DATA = ROOT / "sample" / "data"
FONT = "DejaVu-Sans"
BLUE = "#1f5fbf"
RED = "#c0392b"
GREY = "#8a94a6"


def line(x1, y1, x2, y2, colour="black", width=1):
    return ["-fill", "none", "-stroke", colour, "-strokewidth", str(width),
            "-draw", "line %g,%g %g,%g" % (x1, y1, x2, y2)]


def poly(points, colour, width=2):
    """An open curve, drawn segment by segment: ImageMagick 6.9 closes the
    stroke of a polyline or path."""
    if len(points) < 2:
        return []
    segments = " ".join("line %.1f,%.1f %.1f,%.1f" % (a + b) for a, b in zip(points, points[1:]))
    return ["-fill", "none", "-stroke", colour, "-strokewidth", str(width),
            "-draw", "stroke-linecap round " + segments]


def disc(x, y, r, fill, stroke="none"):
    return ["-fill", fill, "-stroke", stroke, "-strokewidth", "1",
            "-draw", "circle %g,%g %g,%g" % (x, y, x + r, y)]


def text(x, y, s, size=12, colour="black"):
    return ["-stroke", "none", "-fill", colour, "-pointsize", str(size),
            "-draw", "text %g,%g '%s'" % (x, y, s.replace("'", "\\'"))]


def dashed(x1, y1, x2, y2, colour=GREY):
    return ["-fill", "none", "-stroke", colour, "-strokewidth", "1", "-draw",
            "stroke-dasharray 4 3 line %g,%g %g,%g" % (x1, y1, x2, y2)]


def comma(value, digits):
    return ("%.*f" % (digits, value)).replace(".", ",")


def draw(path, width, height, primitives):
    args = ["convert", "-size", "%dx%d" % (width, height), "xc:white", "-font", FONT]
    args += primitives
    args.append(str(path))
    subprocess.run(args, check=True)


def encode(frames_dir, rate, codec_args, name):
    out = DATA / name
    subprocess.run(["ffmpeg", "-y", "-loglevel", "error", "-framerate", str(rate),
                    "-i", str(frames_dir / "f%03d.png")] + codec_args + [str(out)], check=True)
    print("%s  %d bytes" % (out.relative_to(ROOT), out.stat().st_size))


def chute(frames):
    """Free fall from rest, slowed down four times, trail every 0.05 s."""
    w, h = 240, 320
    top, metre = 30, 260          # pixels of the scale: 0 m at y=30, 1 m at y=290
    g = 9.8
    rate = 10
    slow = 4                      # 0.025 s of fall per frame
    fall = math.sqrt(2 * 1.0 / g) # 1 m of fall
    count = int(fall / (1 / rate / slow)) + 1
    for k in range(count + 15):   # the last image stays 1.5 s
        t = min(k / rate / slow, fall)
        p = []
        # The scale, graduated every 10 cm.
        p += line(40, top, 40, top + metre, "#444444")
        for i in range(11):
            y = top + metre * i / 10
            p += line(34 if i % 5 == 0 else 37, y, 40, y, "#444444")
            if i % 5 == 0:
                p += text(4, y + 4, comma(i / 10, 1), 10, "#444444")
        p += text(4, 16, "z (m)", 10, "#444444")
        # Stroboscopic trail: every 0.05 s before t.
        n = 0
        while n * 0.05 < t - 1e-9:
            z = 0.5 * g * (n * 0.05) ** 2
            p += disc(130, top + metre * z, 7, "#d5dbe5", GREY)
            n += 1
        z = 0.5 * g * t * t
        p += disc(130, top + metre * z, 8, RED, "#7b241c")
        p += text(150, 22, "t = %s s" % comma(t, 3), 12)
        p += text(150, 310, "ralenti x4", 10, GREY)
        draw(frames / ("f%03d.png" % k), w, h, p)
    return rate


def corde(frames):
    """A sinusoidal source at the left end; the front runs at 0.5 m/s."""
    w, h = 320, 240
    x0, x1, y0 = 20, 300, 110
    metre = 280                    # the rope is 1 m long
    v, period, amp = 0.5, 0.4, 38  # m/s, s, pixels
    lam = v * period
    rate = 12
    count = int(2.6 * rate) + 1
    mx = x0 + 0.6 * metre          # the marked point M, 0.6 m from the source
    for k in range(count):
        t = k / rate
        front = v * t
        pts = []
        for x in range(x0, x1 + 1):
            d = (x - x0) / metre
            y = amp * math.sin(2 * math.pi * (t / period - d / lam)) if d < front else 0
            pts.append((x, y0 - y))
        p = []
        p += line(x0 - 8, y0 - 50, x0 - 8, y0 + 50, "#444444", 3)
        p += dashed(x0, y0, x1, y0)
        p += poly(pts, BLUE, 3)
        dm = 0.6
        ym = amp * math.sin(2 * math.pi * (t / period - dm / lam)) if dm < front else 0
        p += dashed(mx, y0 - amp - 6, mx, y0 + amp + 6, RED)
        p += disc(mx, y0 - ym, 5, RED)
        p += text(mx + 8, y0 - amp - 2, "M", 12, RED)
        if front < 1:
            fx = x0 + front * metre
            p += line(fx, y0 + 58, fx + 22, y0 + 58, "#444444")
            p += line(fx + 16, y0 + 54, fx + 22, y0 + 58, "#444444")
            p += line(fx + 16, y0 + 62, fx + 22, y0 + 58, "#444444")
            p += text(fx - 6, y0 + 76, "front", 10, "#444444")
        p += text(20, 24, "t = %s s" % comma(t, 2), 12)
        p += text(170, 24, "v = 0,50 m/s", 12, "#444444")
        p += text(20, 226, "M monte et descend : l'onde est transversale", 11, GREY)
        draw(frames / ("f%03d.png" % k), w, h, p)
    return rate


def charge(frames):
    """u_C = E (1 - exp(-t / tau)), E = 6 V, tau = 10 ms, 60 ms shown."""
    w, h = 320, 240
    ox, oy = 44, 200               # origin
    sx, sy = 255 / 60.0, 150 / 6.0 # pixels per ms, per volt
    e, tau = 6.0, 10.0
    rate = 12
    trace = 3 * rate               # 3 s to trace the curve
    count = trace + 12             # then the time constant for 1 s
    for k in range(count):
        tmax = min(60.0, 60.0 * k / trace)
        p = []
        # Axes and graduations.
        p += line(ox, oy, ox + 265, oy, "#444444")
        p += line(ox, oy, ox, oy - 165, "#444444")
        for ms in range(10, 61, 10):
            x = ox + ms * sx
            p += line(x, oy, x, oy + 4, "#444444")
            p += text(x - 6, oy + 16, str(ms), 9, "#444444")
        for volt in range(1, 7):
            y = oy - volt * sy
            p += line(ox - 4, y, ox, y, "#444444")
            p += text(ox - 14, y + 3, str(volt), 9, "#444444")
        p += text(ox + 215, oy + 32, "t (ms)", 10, "#444444")
        p += text(4, 22, "uC (V)", 10, "#444444")
        p += dashed(ox, oy - e * sy, ox + 260, oy - e * sy)
        p += text(ox + 232, oy - e * sy - 4, "E", 11, GREY)
        pts = []
        steps = int(tmax * 4)
        for i in range(steps + 1):
            t = tmax * i / steps if steps else 0
            pts.append((ox + t * sx, oy - e * (1 - math.exp(-t / tau)) * sy))
        p += poly(pts, BLUE, 2)
        u = e * (1 - math.exp(-tmax / tau))
        p += disc(ox + tmax * sx, oy - u * sy, 4, RED)
        p += text(150, 120, "uC = %s V" % comma(u, 2), 12)
        if k >= trace:
            # The tangent at the origin meets E at t = tau.
            p += line(ox, oy, ox + tau * sx * 1.15, oy - e * sy * 1.15, RED)
            p += dashed(ox + tau * sx, oy, ox + tau * sx, oy - e * sy, RED)
            p += text(ox + tau * sx + 4, oy - 8, "τ = RC", 11, RED)
        draw(frames / ("f%03d.png" % k), w, h, p)
    return rate


CLIPS = [
    ("chute.avi", chute, ["-c:v", "mjpeg", "-q:v", "3", "-pix_fmt", "yuvj420p"]),
    ("corde.avi", corde, ["-c:v", "mjpeg", "-q:v", "3", "-pix_fmt", "yuvj420p"]),
    ("charge.avi", charge, ["-c:v", "cinepak"]),
]


def main():
    wanted = set(sys.argv[1:])
    for name, make, codec in CLIPS:
        if wanted and name not in wanted:
            continue
        frames = pathlib.Path(tempfile.mkdtemp(prefix="vorlane-video-"))
        try:
            rate = make(frames)
            encode(frames, rate, codec, name)
        finally:
            shutil.rmtree(frames)


if __name__ == "__main__":
    main()

"""Draws the backgrounds of the alert windows' pictures: a mosque at sunset, a golden sunset over
the sea and a grey panel. A tiny supersampling rasteriser over the standard library. The words
are written on these backgrounds afterwards by tools/assets/calligraphy, which shapes them with a
real Arabic font (see tools/assets/make_pictures.sh).
"""

import math
import random
import struct
import zlib


class Canvas:
    """An RGB picture drawn at `ss` times its size in each direction and averaged down."""

    def __init__(self, width, height, ss=3):
        self.width, self.height, self.ss = width, height, ss
        self.w, self.h = width * ss, height * ss
        self.px = [[0.0, 0.0, 0.0] for _ in range(self.w * self.h)]

    def _span(self, x0, y0, x1, y1):
        s = self.ss
        return (max(0, int(math.floor(x0 * s))), max(0, int(math.floor(y0 * s))),
                min(self.w, int(math.ceil(x1 * s)) + 1), min(self.h, int(math.ceil(y1 * s)) + 1))

    def shade(self, fn):
        """Sets every pixel from fn(x, y) -> (r, g, b), in picture coordinates."""
        s = self.ss
        for j in range(self.h):
            y = (j + 0.5) / s
            row = j * self.w
            for i in range(self.w):
                self.px[row + i] = list(fn((i + 0.5) / s, y))

    def fill(self, bbox, inside, colour, alpha=1.0):
        """Paints `colour` (a triple or fn(x, y)) wherever inside(x, y) holds, inside bbox."""
        x0, y0, x1, y1 = self._span(*bbox)
        s = self.ss
        for j in range(y0, y1):
            y = (j + 0.5) / s
            row = j * self.w
            for i in range(x0, x1):
                x = (i + 0.5) / s
                if inside(x, y):
                    c = colour(x, y) if callable(colour) else colour
                    p = self.px[row + i]
                    p[0] += (c[0] - p[0]) * alpha
                    p[1] += (c[1] - p[1]) * alpha
                    p[2] += (c[2] - p[2]) * alpha

    def blend(self, bbox, weight, colour):
        """Mixes `colour` in by weight(x, y) in 0..1 (glows, soft clouds)."""
        x0, y0, x1, y1 = self._span(*bbox)
        s = self.ss
        for j in range(y0, y1):
            y = (j + 0.5) / s
            row = j * self.w
            for i in range(x0, x1):
                a = weight((i + 0.5) / s, y)
                if a > 0:
                    a = min(a, 1.0)
                    p = self.px[row + i]
                    p[0] += (colour[0] - p[0]) * a
                    p[1] += (colour[1] - p[1]) * a
                    p[2] += (colour[2] - p[2]) * a

    # Shapes ---------------------------------------------------------------------------------

    def rect(self, x0, y0, x1, y1, colour, alpha=1.0):
        self.fill((x0, y0, x1, y1), lambda x, y: x0 <= x < x1 and y0 <= y < y1, colour, alpha)

    def ellipse(self, cx, cy, rx, ry, colour, alpha=1.0, clip=None):
        def inside(x, y):
            if clip and not clip(x, y):
                return False
            dx, dy = (x - cx) / rx, (y - cy) / ry
            return dx * dx + dy * dy <= 1.0
        self.fill((cx - rx, cy - ry, cx + rx, cy + ry), inside, colour, alpha)

    def polygon(self, points, colour, alpha=1.0):
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        n = len(points)

        def inside(x, y):
            c = False
            for k in range(n):
                ax, ay = points[k]
                bx, by = points[k - 1]
                if (ay > y) != (by > y) and x < (bx - ax) * (y - ay) / (by - ay) + ax:
                    c = not c
            return c
        self.fill((min(xs), min(ys), max(xs), max(ys)), inside, colour, alpha)

    def disc(self, cx, cy, r, colour):
        self.fill((cx - r, cy - r, cx + r, cy + r),
                  lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r, colour)

    # Output ---------------------------------------------------------------------------------

    def rgb_rows(self):
        s = self.ss
        n = s * s
        rows = []
        for y in range(self.height):
            row = bytearray()
            for x in range(self.width):
                r = g = b = 0.0
                for j in range(s):
                    base = (y * s + j) * self.w + x * s
                    for i in range(s):
                        p = self.px[base + i]
                        r += p[0]
                        g += p[1]
                        b += p[2]
                row += bytes(max(0, min(255, int(round(v / n)))) for v in (r, g, b))
            rows.append(bytes(row))
        return rows

    def save_png(self, path):
        rows = self.rgb_rows()
        raw = b"".join(b"\x00" + r for r in rows)

        def chunk(tag, data):
            body = tag + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                      chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def lerp(a, b, t):
    return tuple(a[k] + (b[k] - a[k]) * t for k in range(3))


def gradient(stops, t):
    """stops: (position, colour) in rising order."""
    t = max(stops[0][0], min(stops[-1][0], t))
    for k in range(1, len(stops)):
        if t <= stops[k][0]:
            p0, c0 = stops[k - 1]
            p1, c1 = stops[k]
            return lerp(c0, c1, (t - p0) / (p1 - p0) if p1 > p0 else 0)
    return stops[-1][1]


# --- The pictures ----------------------------------------------------------------------------

def mosque_sunset(path):
    """321 x 246: a mosque against a sunset sky, with dark sky above it left for a line of
    words."""
    w, h = 321, 246
    c = Canvas(w, h)
    horizon = 200.0
    sky = [(0.0, (28, 22, 70)), (0.30, (88, 40, 110)), (0.55, (190, 70, 90)),
           (0.75, (245, 130, 60)), (0.90, (255, 190, 90)), (1.0, (255, 222, 150))]
    c.shade(lambda x, y: gradient(sky, y / horizon))
    # The sun low behind the dome, with its glow.
    sx, sy, sr = 160.0, 168.0, 36.0
    c.blend((0, 60, w, horizon),
            lambda x, y: 0.55 * math.exp(-((x - sx) ** 2 + (y - sy) ** 2) / (2 * 70.0 ** 2)),
            (255, 200, 120))
    c.ellipse(sx, sy, sr, sr, lambda x, y: gradient([(0, (255, 244, 200)), (1, (255, 196, 110))],
                                                      (y - (sy - sr)) / (2 * sr)))
    # Thin clouds across the glow.
    rng = random.Random(7)
    for _ in range(7):
        cx, cy = rng.uniform(10, w - 10), rng.uniform(95, 160)
        rx, ry = rng.uniform(35, 80), rng.uniform(2.0, 4.0)
        c.blend((cx - rx, cy - ry * 3, cx + rx, cy + ry * 3),
                lambda x, y, cx=cx, cy=cy, rx=rx, ry=ry:
                0.55 * max(0.0, 1 - ((x - cx) / rx) ** 2 - ((y - cy) / (ry * 1.6)) ** 2),
                (150, 60, 100))
    # A few early stars in the dark top of the sky.
    for _ in range(18):
        x, y = rng.uniform(0, w), rng.uniform(64, 95)
        c.disc(x, y, rng.uniform(0.35, 0.6), (255, 240, 210))

    dark = (32, 20, 42)
    # The ground, a low wall and a line of dark trees either side.
    c.rect(0, horizon, w, h, (24, 14, 30))
    for tx in [8, 30, 46, 272, 292, 312]:
        c.ellipse(tx, horizon - 8, 13, 14, dark)
    # Minarets: shaft, two balconies, a cone, a finial.
    for mx in (62.0, 259.0):
        c.rect(mx - 6, 92, mx + 6, horizon, dark)
        for by in (120, 150):
            c.polygon([(mx - 10, by), (mx + 10, by), (mx + 7, by + 5), (mx - 7, by + 5)], dark)
        c.polygon([(mx - 7, 92), (mx + 7, 92), (mx, 66)], dark)
        c.rect(mx - 0.7, 58, mx + 0.7, 67, dark)
        c.disc(mx, 58, 1.8, dark)
    # The prayer hall, its side domes and the great dome on its drum.
    c.rect(92, 168, 229, horizon, dark)
    c.rect(78, 180, 243, horizon, dark)
    for dx in (107.0, 214.0):
        c.ellipse(dx, 168, 15, 16, dark, clip=lambda x, y: y <= 168)
        c.rect(dx - 0.6, 146, dx + 0.6, 153, dark)
    c.rect(122, 150, 199, 170, dark)
    c.ellipse(160.5, 152, 40, 44, dark, clip=lambda x, y: y <= 152)
    c.polygon([(150, 112), (171, 112), (160.5, 96)], dark)
    c.rect(160, 84, 161, 100, dark)
    # A crescent on the finial.
    c.ellipse(160.5, 82, 4.2, 4.2, dark,
              clip=lambda x, y: (x - 162.0) ** 2 + (y - 80.8) ** 2 > 3.6 ** 2)
    # Lit arched windows.
    def lamp(x, y):
        return gradient([(0, (255, 214, 130)), (1, (230, 150, 70))], (y - 176) / 18)
    for wx in [100, 116, 132, 148, 173, 189, 205, 221]:
        c.rect(wx - 3, 180, wx + 3, 194, lamp)
        c.ellipse(wx, 180, 3, 3.5, lamp, clip=lambda x, y: y <= 180)
    door = (255, 200, 110)
    c.rect(155, 182, 166, horizon, door)
    c.ellipse(160.5, 182, 5.5, 6, door, clip=lambda x, y: y <= 182)
    for wx in (125.0, 140.0, 160.5, 181.0, 196.0):
        c.rect(wx - 1.6, 156, wx + 1.6, 164, lamp)
    # The reflection of the lights on the ground.
    c.blend((80, horizon, 240, h),
            lambda x, y: 0.22 * math.exp(-((x - 160) / 60) ** 2) * math.exp(-(y - horizon) / 14),
            (255, 170, 90))
    c.save_png(path)


def reminder_sunset(path):
    """115 x 115: a golden sunset over a dark sea, its light sky left for the words."""
    w = h = 115
    c = Canvas(w, h, ss=4)
    stops = [(0.0, (255, 236, 160)), (0.35, (250, 190, 80)), (0.7, (220, 110, 40)),
             (1.0, (120, 40, 30))]
    c.shade(lambda x, y: gradient(stops, math.hypot(x - 57.5, y - 92) / 110))
    # The sun setting at the bottom, and a dark sea line.
    c.ellipse(57.5, 100, 22, 22, (255, 246, 205), clip=lambda x, y: y <= 100)
    c.rect(0, 100, w, h, (90, 40, 40))
    for k in range(5):
        y = 103 + k * 2.4
        half = 20 - k * 3.5
        c.rect(57.5 - half, y, 57.5 + half, y + 0.9, (250, 200, 120))
    c.save_png(path)


def reminder_verses(path):
    """185 x 57: a grey panel for two lines of words."""
    w, h = 185, 57
    c = Canvas(w, h, ss=4)
    c.shade(lambda x, y: gradient([(0, (206, 206, 204)), (1, (184, 184, 182))], y / h))
    c.save_png(path)

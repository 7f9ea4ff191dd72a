#!/usr/bin/python3
"""Draws the program's pictures and writes them beside this script.

Run it with Debian's python3 (python3-pil): `resources/generate.py`.
The outputs are committed; the drawing makes no random or time-dependent
choice, so running it again on the same fonts and Pillow gives the same bytes.
`--preview DIR` also writes every picture enlarged as PNG into DIR.
"""

import argparse
import io
import math
import os
import struct
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
FONT_DIR = "/usr/share/fonts/truetype/dejavu"
SUPERSAMPLE = 8

# The colour the buttons and menus key on (bottom-left pixel of each glyph).
GLYPH_KEY = (255, 0, 255)


# --- drawing helpers -------------------------------------------------------


class Canvas:
    """An RGBA surface drawn at SUPERSAMPLE times the size, in output-pixel units."""

    def __init__(self, width, height, ss=SUPERSAMPLE):
        self.width, self.height, self.ss = width, height, ss
        self.image = Image.new("RGBA", (width * ss, height * ss), (0, 0, 0, 0))

    def _pts(self, points):
        return [(x * self.ss, y * self.ss) for x, y in points]

    def _box(self, box):
        x0, y0, x1, y1 = box
        s = self.ss
        return (x0 * s, y0 * s, x1 * s - 1, y1 * s - 1)

    def mask(self):
        return Image.new("L", self.image.size, 0)

    def paint(self, source, mask):
        """Lays `source` (a colour or an image of the canvas size) through `mask`."""
        if isinstance(source, tuple):
            source = Image.new("RGBA", self.image.size, rgba(source))
        self.image.paste(source, (0, 0), mask)

    def polygon_mask(self, points):
        m = self.mask()
        ImageDraw.Draw(m).polygon(self._pts(points), fill=255)
        return m

    def rect_mask(self, box, radius=0):
        m = self.mask()
        ImageDraw.Draw(m).rounded_rectangle(self._box(box), radius=radius * self.ss, fill=255)
        return m

    def ellipse_mask(self, box):
        m = self.mask()
        ImageDraw.Draw(m).ellipse(self._box(box), fill=255)
        return m

    def stroke_mask(self, samples):
        """Round-ended stroke through (x, y, width) samples."""
        m = self.mask()
        d = ImageDraw.Draw(m)
        s = self.ss
        for i, (x, y, w) in enumerate(samples):
            r = w * s / 2
            d.ellipse((x * s - r, y * s - r, x * s + r, y * s + r), fill=255)
            if i:
                px, py, pw = samples[i - 1]
                d.line((px * s, py * s, x * s, y * s), fill=255, width=max(1, int(min(w, pw) * s)))
        return m

    def vertical_gradient(self, top_colour, bottom_colour, y0, y1):
        g = Image.new("RGBA", self.image.size)
        d = ImageDraw.Draw(g)
        s = self.ss
        for row in range(self.image.size[1]):
            t = min(1.0, max(0.0, (row / s - y0) / max(1e-6, y1 - y0)))
            d.line((0, row, self.image.size[0], row), fill=rgba(mix(top_colour, bottom_colour, t)))
        return g

    def downsampled(self):
        # Pillow averages RGBA in premultiplied form, so edges do not darken.
        return self.image.resize((self.width, self.height), Image.BOX)


def rgba(colour):
    return colour if len(colour) == 4 else colour + (255,)


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(len(a)))


def box_filtered(mask, radius):
    """A box blur that treats everything beyond the edges as empty."""
    padded = Image.new("L", (mask.width + 2 * radius, mask.height + 2 * radius), 0)
    padded.paste(mask, (radius, radius))
    blurred = padded.filter(ImageFilter.BoxBlur(radius))
    return blurred.crop((radius, radius, radius + mask.width, radius + mask.height))


def grow(mask, pixels, ss=SUPERSAMPLE):
    """The mask widened by `pixels` output pixels (a square brush)."""
    radius = int(round(pixels * ss))
    return box_filtered(mask, radius).point(lambda v: 255 if v > 0 else 0) if radius else mask


def shrink(mask, pixels, ss=SUPERSAMPLE):
    """The mask narrowed by `pixels` output pixels."""
    radius = int(round(pixels * ss))
    return box_filtered(mask, radius).point(lambda v: 255 if v >= 255 else 0) if radius else mask


def subtract(a, b):
    return ImageChops.subtract(a, b)


def catmull_rom(points, steps=24):
    """Samples a smooth curve through (x, y, w) points; ends are repeated."""
    pts = [points[0]] + list(points) + [points[-1]]
    out = []
    for i in range(1, len(pts) - 2):
        p0, p1, p2, p3 = pts[i - 1], pts[i], pts[i + 1], pts[i + 2]
        for k in range(steps):
            t = k / steps
            t2, t3 = t * t, t * t * t
            out.append(
                tuple(
                    0.5
                    * (
                        2 * p1[j]
                        + (-p0[j] + p2[j]) * t
                        + (2 * p0[j] - 5 * p1[j] + 4 * p2[j] - p3[j]) * t2
                        + (-p0[j] + 3 * p1[j] - 3 * p2[j] + p3[j]) * t3
                    )
                    for j in range(3)
                )
            )
    out.append(tuple(points[-1]))
    return out


def font(name, size):
    return ImageFont.truetype(os.path.join(FONT_DIR, name), size)


# --- file writers ----------------------------------------------------------


def bmp_bytes(image, palette=None):
    """A Windows BMP: 24-bit from an RGB image, or 4-bit from indices plus a palette."""
    width, height = image.size
    if palette is None:
        bits, colour_table = 24, b""
        row_data = [
            b"".join(struct.pack("BBB", b, g, r) for r, g, b in (image.getpixel((x, y)) for x in range(width)))
            for y in range(height)
        ]
    else:
        assert len(palette) <= 16
        bits = 4
        table = list(palette) + [(0, 0, 0)] * (16 - len(palette))
        colour_table = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in table)
        row_data = []
        for y in range(height):
            idx = [image.getpixel((x, y)) for x in range(width)] + [0]
            row_data.append(bytes((idx[x] << 4) | idx[x + 1] for x in range(0, width, 2)))
    stride = (width * bits + 31) // 32 * 4
    pixels = b"".join(r.ljust(stride, b"\0") for r in reversed(row_data))
    header = struct.pack(
        "<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(pixels), 3780, 3780, 16 if bits == 4 else 0, 0
    )
    offset = 14 + len(header) + len(colour_table)
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + header + colour_table + pixels


def ico_bytes(images):
    """An icon file of 32-bit BMP entries (colour with alpha, and the AND mask)."""
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for im in images:
        w, h = im.size
        xor = b"".join(
            b"".join(struct.pack("BBBB", b, g, r, a) for r, g, b, a in (im.getpixel((x, y)) for x in range(w)))
            for y in reversed(range(h))
        )
        # The AND mask is set where transparent, for renderers that ignore alpha.
        mask = b""
        for y in reversed(range(h)):
            row = bytearray((w + 31) // 32 * 4)
            for x in range(w):
                if im.getpixel((x, y))[3] < 128:
                    row[x // 8] |= 0x80 >> (x % 8)
            mask += bytes(row)
        header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        blob = header + xor + mask
        entries.append(struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    return struct.pack("<HHH", 0, 1, len(images)) + b"".join(entries) + b"".join(blobs)


def jpeg_bytes(image):
    out = io.BytesIO()
    image.save(out, "JPEG", quality=95, subsampling=0, progressive=False, optimize=False, dpi=(96, 96))
    return out.getvalue()


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


# --- the application icon --------------------------------------------------

# The treble clef as one calligraphic stroke: (x, y, relative width) in a
# box of unit height, from the bottom hook up the spine, over the top loop,
# round the belly and into the curl about the G line.
CLEF_PATH = [
    (0.30, 0.86, 1.0),
    (0.33, 0.93, 0.8),
    (0.42, 0.96, 0.7),
    (0.50, 0.92, 0.7),
    (0.52, 0.80, 0.8),
    (0.49, 0.58, 0.9),
    (0.46, 0.38, 0.8),
    (0.48, 0.20, 0.6),
    (0.55, 0.07, 0.45),
    (0.60, 0.03, 0.35),
    (0.60, 0.12, 0.55),
    (0.48, 0.25, 0.85),
    (0.34, 0.38, 1.0),
    (0.26, 0.52, 1.0),
    (0.30, 0.66, 0.9),
    (0.44, 0.73, 0.7),
    (0.60, 0.70, 0.7),
    (0.66, 0.59, 0.9),
    (0.58, 0.49, 0.8),
    (0.45, 0.50, 0.6),
    (0.40, 0.58, 0.5),
]
CLEF_DOT = (0.31, 0.86, 0.075)  # centre and radius of the ball on the hook

# At 16 pixels no stroke survives scaling, so that size is drawn by hand:
# '#' ink, '+' half ink.
CLEF_16 = [
    "............#...",
    "...........#.#..",
    "...........#.#..",
    "...........#.#..",
    "...........#+#..",
    "...........##...",
    "..........##....",
    ".........#.#....",
    "........#..###..",
    ".......#...#..#.",
    ".......#...#..#.",
    ".......#...#..#.",
    "........#..#.#..",
    ".........####...",
    ".........##.#...",
    ".........###....",
]


def clef_samples(x0, y0, height, stroke, widen=1.0):
    pen = math.radians(-35)
    samples = []
    raw = catmull_rom(CLEF_PATH, steps=32)
    for i, (x, y, w) in enumerate(raw):
        nx, ny = raw[min(i + 1, len(raw) - 1)][:2]
        px, py = raw[max(i - 1, 0)][:2]
        angle = math.atan2(ny - py, nx - px)
        nib = 0.35 + 0.65 * abs(math.sin(angle - pen))
        samples.append((x0 + x * height * widen, y0 + y * height, max(0.9, stroke * w * nib)))
    return samples


ICON_INK = (20, 20, 36)
ICON_HALO = (255, 255, 255, 235)


def draw_folder(c, size):
    """The red folder: the back with its tab, a sheet of paper, the front."""
    px = lambda u: round(u * size)  # keeps straight edges on whole pixels
    line = max(1.0, size / 32)
    edge = (96, 8, 8)
    left, right, bottom = px(0.03), px(0.80), px(0.93)
    tab_top, back_top, front_top = px(0.24), px(0.32), px(0.46)
    radius = max(1, size / 24)

    back = c.rect_mask((left, back_top, right, bottom), radius)
    back.paste(255, (0, 0), c.rect_mask((left, tab_top, px(0.36), back_top + radius * 2), radius))
    c.paint(edge, back)
    c.paint(c.vertical_gradient((176, 36, 30), (120, 16, 16), tab_top, bottom), shrink(back, line))

    paper = c.rect_mask((px(0.10), px(0.36), px(0.72), bottom - line))
    c.paint((214, 214, 206), paper)
    c.paint((250, 250, 246), shrink(paper, line))

    front = c.rect_mask((left, front_top, right, bottom), radius)
    c.paint(edge, front)
    inner = shrink(front, line)
    c.paint(c.vertical_gradient((236, 78, 60), (178, 26, 22), front_top, bottom), inner)
    c.paint((250, 140, 120), subtract(inner, c.rect_mask((left, front_top + 2 * line, right, bottom))))


def draw_clef(c, size):
    """The clef in front, right of centre, with a pale halo to part it from the red."""
    # Small sizes get a wider clef with hairline strokes, or the belly closes up.
    small = size <= 24
    widen = 1.3 if small else 1.0
    x0 = size * (0.14 if small else 0.28)
    stroke = 1.25 if small else size * 0.075
    clef = c.stroke_mask(clef_samples(x0, 0.0, size, stroke, widen))
    cx, cy, r = CLEF_DOT
    clef.paste(255, (0, 0), c.ellipse_mask((x0 + (cx * widen - r) * size, (cy - r) * size,
                                             x0 + (cx * widen + r) * size, (cy + r) * size)))
    c.paint(ICON_HALO, grow(clef, 0.7 if small else max(0.8, size / 48)))
    c.paint(ICON_INK, clef)


def draw_clef_16(image):
    """Lays the hand-drawn 16-pixel clef, with a one-pixel halo, over the image."""
    ink = {"#": 255, "+": 128}
    halo = Image.new("RGBA", image.size, (0, 0, 0, 0))
    glyph = Image.new("RGBA", image.size, (0, 0, 0, 0))
    for y, row in enumerate(CLEF_16):
        for x, ch in enumerate(row):
            if ch not in ink:
                continue
            glyph.putpixel((x, y), ICON_INK + (ink[ch],))
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                if 0 <= x + dx < image.width and 0 <= y + dy < image.height:
                    halo.putpixel((x + dx, y + dy), ICON_HALO)
    out = image.copy()
    out.alpha_composite(halo)
    out.alpha_composite(glyph)
    return out


def draw_icon(size):
    c = Canvas(size, size)
    draw_folder(c, size)
    if size == 16:
        return draw_clef_16(c.downsampled())
    draw_clef(c, size)
    return c.downsampled()


ICON_SIZES = (16, 24, 32, 48, 64, 72, 128)


# --- button and menu glyphs ------------------------------------------------
#
# The buttons draw a glyph keyed on its bottom-left pixel, so the silhouette
# has hard edges on the key colour (nothing blends into it) while the inside
# is antialiased.


def keyed(c):
    """The canvas as an RGB glyph on GLYPH_KEY; a pixel is art when half covered."""
    small = c.downsampled()
    out = Image.new("RGB", small.size, GLYPH_KEY)
    for y in range(small.height):
        for x in range(small.width):
            r, g, b, a = small.getpixel((x, y))
            if a >= 128:
                assert (r, g, b) != GLYPH_KEY
                out.putpixel((x, y), (r, g, b))
    assert out.getpixel((0, out.height - 1)) == GLYPH_KEY
    return out


def sixteen_colours(glyph):
    """Indices and palette: the key first, then 15 colours fitted to the art."""
    art = [p for p in glyph.getdata() if p != GLYPH_KEY]
    strip = Image.new("RGB", (len(art), 1))
    strip.putdata(art)
    fitted = strip.quantize(colors=15, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    colours = fitted.getpalette()[: 3 * 15]
    palette = [GLYPH_KEY] + [tuple(colours[i : i + 3]) for i in range(0, len(colours), 3)]
    assert GLYPH_KEY not in palette[1:]
    lookup = Image.new("P", (1, 1))
    lookup.putpalette([v for rgb in palette[1:] for v in rgb] + [0] * 3 * (256 - 15))
    mapped = glyph.quantize(palette=lookup, dither=Image.Dither.NONE)
    indices = Image.new("P", glyph.size)
    for y in range(glyph.height):
        for x in range(glyph.width):
            art_pixel = glyph.getpixel((x, y)) != GLYPH_KEY
            indices.putpixel((x, y), mapped.getpixel((x, y)) + 1 if art_pixel else 0)
    return indices, palette


def outlined(c, mask, edge, fill, line=1.0):
    """Fills a shape with `fill` (a colour or a gradient image) inside an `edge` line."""
    c.paint(edge, mask)
    c.paint(fill, shrink(mask, line))


def arrow_head(tip, direction, length, half_width):
    dx, dy = math.cos(direction), math.sin(direction)
    bx, by = tip[0] - dx * length, tip[1] - dy * length
    return [tip, (bx - dy * half_width, by + dx * half_width), (bx + dy * half_width, by - dx * half_width)]


def arc_points(cx, cy, radius, start, stop, width, steps=40):
    return [
        (cx + radius * math.cos(math.radians(a)), cy + radius * math.sin(math.radians(a)), width)
        for a in (start + (stop - start) * i / steps for i in range(steps + 1))
    ]


YELLOW_EDGE = (150, 104, 0)


def draw_choose_file():
    """An open yellow folder with a curved blue arrow coming out of it."""
    c = Canvas(18, 16)
    back = c.polygon_mask([(0.5, 4.5), (5, 4.5), (6.5, 6), (13.5, 6), (13.5, 15), (0.5, 15)])
    outlined(c, back, YELLOW_EDGE, c.vertical_gradient((255, 226, 130), (222, 170, 40), 4, 15))
    paper = c.rect_mask((2.5, 7, 12, 12))
    outlined(c, paper, (196, 196, 196), (255, 255, 255))
    flap = c.polygon_mask([(4, 9), (17.5, 9), (14, 15), (0.5, 15)])
    outlined(c, flap, YELLOW_EDGE, c.vertical_gradient((255, 240, 160), (240, 190, 50), 9, 15))

    glyph = keyed(c)
    # The arrow is too small to survive scaling, so it is laid pixel by pixel.
    overlay(glyph, CHOOSE_FILE_ARROW, {"b": (10, 40, 140), "L": (50, 120, 235), "H": (130, 185, 255)})
    return glyph


# A curved arrow rising from the folder and pointing down at its right.
CHOOSE_FILE_ARROW = [
    ".........bbbb.....",
    ".......bbHHHHbb...",
    "......bHHbbbbLLb..",
    "......bHb....bLb..",
    "......bLb..bbbLbbb",
    "......bbb...bLLLb.",
    ".............bLb..",
    "..............b...",
]


def overlay(glyph, rows, legend):
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch in legend:
                glyph.putpixel((x, y), legend[ch])


def draw_open_folder():
    """A cyan arrow pointing down into an open yellow box."""
    c = Canvas(18, 19)
    # The box: its far rim, the dark inside, the front face.
    rim = c.polygon_mask([(1, 10), (5, 7.5), (17, 7.5), (17, 11), (1, 11)])
    outlined(c, rim, YELLOW_EDGE, (120, 84, 10))
    inside = c.polygon_mask([(3.5, 10.5), (6, 9), (15.5, 9), (15.5, 10.5)])
    c.paint((70, 46, 0), inside)
    side = c.polygon_mask([(13.5, 10.5), (17, 7.5), (17, 15.5), (13.5, 18.5)])
    outlined(c, side, YELLOW_EDGE, c.vertical_gradient((236, 180, 30), (196, 140, 10), 8, 18))
    front = c.rect_mask((1, 10.5, 14, 18.5))
    outlined(c, front, YELLOW_EDGE, c.vertical_gradient((255, 236, 120), (240, 190, 40), 10, 18))

    shape = c.rect_mask((6.5, 0.5, 11.5, 7))
    shape.paste(255, (0, 0), c.polygon_mask(arrow_head((9, 13.5), math.radians(90), 7.0, 6.0)))
    outlined(c, shape, (0, 110, 140), (0, 224, 255))
    return keyed(c)


def draw_convert():
    """A grey mains plug, pins up, on a yellow cord that curls away to the left."""
    c = Canvas(16, 16)
    cord = catmull_rom([(9.75, 10, 0), (9.4, 13.2, 0), (6.5, 14, 0), (4, 12.6, 0), (1.6, 13.4, 0)], steps=16)
    outlined(c, c.stroke_mask([(x, y, 2.8) for x, y, _ in cord]), YELLOW_EDGE, (255, 222, 50), 0.7)
    for left in (6.5, 11):
        outlined(c, c.rect_mask((left, 0.5, left + 1.6, 5)), (110, 70, 20), (236, 178, 84), 0.5)
    body = c.polygon_mask([(4.5, 4), (15, 4), (15, 8), (12.5, 11.5), (7, 11.5), (4.5, 8)])
    outlined(c, body, (48, 48, 56), c.vertical_gradient((240, 240, 244), (136, 136, 146), 4, 11.5))
    c.paint((255, 255, 255), c.rect_mask((5.6, 5, 14, 5.8)))
    return keyed(c)


def draw_about():
    """A blue letter i in a grey ring."""
    c = Canvas(16, 16)
    outlined(c, c.ellipse_mask((0.5, 0.5, 15.5, 15.5)), (96, 96, 104),
             c.vertical_gradient((220, 220, 224), (150, 150, 158), 1, 15))
    outlined(c, c.ellipse_mask((2.6, 2.6, 13.4, 13.4)), (120, 120, 128), (255, 255, 255), 0.6)
    blue = (20, 70, 210)
    c.paint(blue, c.ellipse_mask((6.4, 3, 9.6, 6.2)))
    c.paint(blue, c.rect_mask((6.5, 7, 9.5, 12.5)))
    c.paint(blue, c.rect_mask((5.5, 7, 9.5, 8)))
    c.paint(blue, c.rect_mask((5.5, 11.5, 10.5, 12.5)))
    return keyed(c)


# --- the about window's background -----------------------------------------
#
# White is cut away from the window, so the picture is white outside the
# frame and nowhere else; the outer edge is left hard (an edge blended with
# white would show a pale fringe over whatever lies beneath the window).

ABOUT_SIZE = (518, 181)
PANEL = (212, 208, 200)
TAB_FACE = (192, 192, 192)  # the labels on the tabs have a silver background
PIPE = 10  # thickness
# Centre line of the frame's pipe: left, top, right, bottom, corner radius.
PIPE_PATH = (5, 26, 512, 175, 16)
# Tabs along the top edge: left, top, right, bottom. They carry "About" at
# (16, 16), the web address at (248, 16) and the close button at (485, 10).
TABS = [(8, 7, 60, 37), (240, 7, 382, 37), (478, 3, 511, 37)]
ABOUT_SS = 3


def rounded_rect_distance(x, y, box):
    """Signed distance from the rounded rectangle's outline, and its outward normal."""
    left, top, right, bottom, radius = box
    cx, cy = (left + right) / 2, (top + bottom) / 2
    hx, hy = (right - left) / 2 - radius, (bottom - top) / 2 - radius
    dx, dy = x - cx, y - cy
    qx, qy = abs(dx) - hx, abs(dy) - hy
    sx, sy = (1 if dx >= 0 else -1), (1 if dy >= 0 else -1)
    if qx > 0 and qy > 0:
        length = math.hypot(qx, qy)
        return length - radius, (sx * qx / length, sy * qy / length)
    if qx > qy:
        return qx - radius, (sx, 0.0)
    return qy - radius, (0.0, sy)


def pipe_colour(t, normal):
    """A dark metal tube lit from the top left; t runs -1..1 across the tube."""
    z = math.sqrt(max(0.0, 1 - t * t))
    nx, ny, nz = normal[0] * t, normal[1] * t, z
    lx, ly, lz = -0.42, -0.52, 0.74
    diffuse = max(0.0, nx * lx + ny * ly + nz * lz)
    # Reflection of the light about the normal, seen from straight ahead.
    rz = 2 * diffuse * nz - lz
    specular = max(0.0, rz) ** 8
    base = (58, 64, 78)
    return tuple(min(240, int(c * (0.28 + 0.9 * diffuse) + 150 * specular)) for c in base)


def draw_about_background():
    w, h = ABOUT_SIZE
    ss = ABOUT_SS
    art = Image.new("RGBA", (w * ss, h * ss), (0, 0, 0, 0))
    left, top, right, bottom, radius = PIPE_PATH
    ImageDraw.Draw(art).rounded_rectangle(
        (left * ss, top * ss, right * ss, bottom * ss), radius=radius * ss, fill=PANEL + (255,)
    )
    # The tube, sampled ABOUT_SS times per pixel and only near its centre line.
    half = PIPE / 2
    pixels = art.load()
    for y in range(h):
        for x in range(w):
            if abs(rounded_rect_distance(x + 0.5, y + 0.5, PIPE_PATH)[0]) > half + 1.5:
                continue
            for sy in range(y * ss, y * ss + ss):
                for sx in range(x * ss, x * ss + ss):
                    d, normal = rounded_rect_distance((sx + 0.5) / ss, (sy + 0.5) / ss, PIPE_PATH)
                    if abs(d) <= half:
                        pixels[sx, sy] = pipe_colour(d / half, normal) + (255,)

    draw = ImageDraw.Draw(art)
    for left, top, right, bottom in TABS:
        box = [v * ss for v in (left, top, right, bottom)]
        draw.rounded_rectangle(box, radius=5 * ss, fill=(40, 44, 52, 255))
        box = [box[0] + ss, box[1] + ss, box[2] - ss, box[3] - ss]
        draw.rounded_rectangle(box, radius=4 * ss, fill=(232, 232, 232, 255))
        box = [box[0] + ss, box[1] + ss, box[2], box[3]]
        draw.rounded_rectangle(box, radius=4 * ss, fill=(128, 128, 128, 255))
        box = [box[0], box[1], box[2] - ss, box[3] - ss]
        draw.rounded_rectangle(box, radius=3 * ss, fill=TAB_FACE + (255,))

    small = art.resize((w, h), Image.BOX)
    out = Image.new("RGB", (w, h), (255, 255, 255))
    for y in range(h):
        for x in range(w):
            r, g, b, a = small.getpixel((x, y))
            if a >= 128:
                out.putpixel((x, y), (min(r, 254), min(g, 254), min(b, 254)))
    check_no_holes(out)
    return out


def check_no_holes(image):
    """Every white pixel must reach the border through white: no holes in the window."""
    w, h = image.size
    white = (255, 255, 255)
    assert image.getpixel((0, 0)) == white
    seen = set()
    todo = [(x, y) for x in range(w) for y in (0, h - 1)] + [(x, y) for y in range(h) for x in (0, w - 1)]
    todo = [p for p in todo if image.getpixel(p) == white]
    seen.update(todo)
    while todo:
        x, y = todo.pop()
        for n in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
            if 0 <= n[0] < w and 0 <= n[1] < h and n not in seen and image.getpixel(n) == white:
                seen.add(n)
                todo.append(n)
    holes = sum(1 for p in image.getdata() if p == white) - len(seen)
    assert holes == 0, "%d white pixels inside the frame" % holes


# --- the logo --------------------------------------------------------------

LOGO_SIZE = (138, 49)


def draw_logo():
    """Our wordmark beside an abstract sound wave, on a pale card."""
    w, h = LOGO_SIZE
    c = Canvas(w, h, ss=4)
    c.paint(PANEL, c.rect_mask((0, 0, w, h)))
    # The holder shows 137 columns: the card stays clear of the last one.
    card = c.rect_mask((0, 0, 137, h), 6)
    c.paint((88, 96, 120), card)
    c.paint(c.vertical_gradient((255, 255, 255), (204, 218, 240), 1, h - 1), shrink(card, 1, c.ss))

    # The wave: bars under a rising and falling envelope, navy to blue.
    heights = [3, 6, 11, 17, 12, 19, 14, 8, 15, 9, 5, 2]
    for i, bar in enumerate(heights):
        x = 7 + i * 2.5
        colour = mix((20, 40, 130), (40, 120, 230), i / (len(heights) - 1))
        c.paint(colour, c.rect_mask((x, 24.5 - bar, x + 1.5, 24.5 + bar), 0.75))

    d = ImageDraw.Draw(c.image)
    d.text((39 * c.ss, 8 * c.ss), "Converter", font=font("DejaVuSans-Bold.ttf", 15 * c.ss), fill=(16, 32, 96))
    d.text((40 * c.ss, 29 * c.ss), "AMR \u2194 WAV", font=font("DejaVuSans.ttf", 8 * c.ss), fill=(70, 80, 110))
    return c.downsampled().convert("RGB")


def preview(image, path, scale):
    big = image.resize((image.width * scale, image.height * scale), Image.NEAREST)
    if big.mode == "RGBA":
        board = Image.new("RGBA", big.size, (255, 255, 255, 255))
        d = ImageDraw.Draw(board)
        step = 4 * scale
        for y in range(0, big.height, step):
            for x in range(0, big.width, step):
                if (x // step + y // step) % 2:
                    d.rectangle((x, y, x + step - 1, y + step - 1), fill=(204, 204, 204, 255))
        board.alpha_composite(big)
        big = board.convert("RGB")
    big.save(path)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--preview", metavar="DIR", help="also write enlarged PNGs into DIR")
    args = parser.parse_args()

    icons = [draw_icon(s) for s in ICON_SIZES]
    write("mainicon.ico", ico_bytes(icons))
    choose_file = draw_choose_file()
    write("glyph-choose-file.bmp", bmp_bytes(choose_file))
    sixteen = {
        "glyph-open-folder": draw_open_folder(),
        "glyph-convert": draw_convert(),
        "menu-about": draw_about(),
    }
    for name, glyph in sixteen.items():
        write(name + ".bmp", bmp_bytes(*sixteen_colours(glyph)))
    background = draw_about_background()
    write("about-background.bmp", bmp_bytes(background))
    logo = draw_logo()
    write("about-logo.jpg", jpeg_bytes(logo))

    if args.preview:
        os.makedirs(args.preview, exist_ok=True)
        strip = Image.new("RGBA", (sum(ICON_SIZES) + 8 * len(ICON_SIZES), 128), (0, 0, 0, 0))
        x = 0
        for im in icons:
            strip.paste(im, (x, 0))
            x += im.width + 8
        preview(strip, os.path.join(args.preview, "mainicon.png"), 4)
        for im in icons:
            preview(im, os.path.join(args.preview, "mainicon-%d.png" % im.width), max(1, 256 // im.width))
        for name in ["glyph-choose-file"] + list(sixteen):
            shown = Image.open(os.path.join(HERE, name + ".bmp")).convert("RGB")
            preview(shown, os.path.join(args.preview, name + ".png"), 16)
        preview(background, os.path.join(args.preview, "about-background.png"), 2)
        preview(Image.open(os.path.join(HERE, "about-logo.jpg")), os.path.join(args.preview, "about-logo.png"), 4)
    return 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Draws the welcome page's banner, banner.bmp, next to itself.

An open white software box in perspective with a disc leaning against it on a soft
sky gradient, and along the foot the slogan and the web address. The shapes are
drawn here at 4x and averaged down; the two text lines are rasterised by ImageMagick
with the WenQuanYi font. The result is a 163 x 291 BMP, 24 bits, uncompressed, the
form LoadImage reads.
"""
import math
import os
import struct
import subprocess

WIDTH, HEIGHT = 163, 291
SS = 4  # supersampling factor
FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
SLOGAN = "青禾音乐盒 · 好音乐随身听"
ADDRESS = "www.qinghe-music.example"
FOOT_TOP = 238


def lerp(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


class Canvas:
    """RGB floats at SS times the final size."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[(0.0, 0.0, 0.0)] * w for _ in range(h)]

    def blend(self, x, y, colour, alpha=1.0):
        old = self.px[y][x]
        self.px[y][x] = lerp(old, colour, alpha)

    def fill_rows(self, y0, y1, span_of_row, shade, alpha=1.0):
        for y in range(max(0, y0), min(self.h, y1)):
            span = span_of_row(y + 0.5)
            if span is None:
                continue
            for x in range(max(0, span[0]), min(self.w, span[1])):
                self.blend(x, y, shade(x + 0.5, y + 0.5), alpha)

    def polygon(self, pts, shade, alpha=1.0):
        pts = [(x * SS, y * SS) for x, y in pts]
        ys = [p[1] for p in pts]

        def span(y):
            xs = []
            for (x0, y0), (x1, y1) in zip(pts, pts[1:] + pts[:1]):
                if (y0 <= y < y1) or (y1 <= y < y0):
                    xs.append(x0 + (y - y0) * (x1 - x0) / (y1 - y0))
            if len(xs) < 2:
                return None
            return (round(min(xs)), round(max(xs)))

        self.fill_rows(int(min(ys)), int(max(ys)) + 1, span, scaled(shade), alpha)

    def ellipse(self, cx, cy, rx, ry, angle, shade, alpha=1.0):
        """Filled ellipse with semi-axes rx, ry, rotated by angle (radians)."""
        cx, cy, rx, ry = cx * SS, cy * SS, rx * SS, ry * SS
        ca, sa = math.cos(angle), math.sin(angle)
        reach = max(rx, ry)
        s = scaled(shade)
        for y in range(max(0, int(cy - reach)), min(self.h, int(cy + reach) + 1)):
            for x in range(max(0, int(cx - reach)), min(self.w, int(cx + reach) + 1)):
                dx, dy = x + 0.5 - cx, y + 0.5 - cy
                u, v = (dx * ca + dy * sa) / rx, (-dx * sa + dy * ca) / ry
                if u * u + v * v <= 1.0:
                    self.blend(x, y, s(x + 0.5, y + 0.5), alpha)

    def downsample(self):
        out = []
        for y in range(0, self.h, SS):
            row = []
            for x in range(0, self.w, SS):
                acc = [0.0, 0.0, 0.0]
                for yy in range(y, y + SS):
                    for xx in range(x, x + SS):
                        for c in range(3):
                            acc[c] += self.px[yy][xx][c]
                row.append(tuple(min(255, max(0, round(a / (SS * SS)))) for a in acc))
            out.append(row)
        return out


def scaled(shade):
    """Shades are written in final-pixel coordinates."""
    if isinstance(shade, tuple):
        return lambda x, y: shade
    return lambda x, y: shade(x / SS, y / SS)


def vertical(top_y, top, bottom_y, bottom):
    def shade(x, y):
        t = min(1.0, max(0.0, (y - top_y) / (bottom_y - top_y)))
        return lerp(top, bottom, t)

    return shade


# --- the box, as a 3D model seen from the front right and a little above ---

BOX_W, BOX_H, BOX_D = 1.0, 1.25, 0.42
YAW, PITCH = math.radians(28), math.radians(16)
SCALE, ORIGIN = 78.0, (70.0, 196.0)


def project(p):
    x, y, z = p[0] - BOX_W / 2, p[1], p[2] - BOX_D / 2
    x, z = x * math.cos(YAW) + z * math.sin(YAW), z * math.cos(YAW) - x * math.sin(YAW)
    y = y * math.cos(PITCH) + z * math.sin(PITCH)
    return (ORIGIN[0] + x * SCALE, ORIGIN[1] - y * SCALE)


def quad(*corners):
    return [project(c) for c in corners]


def flap(hinge_a, hinge_b, out, length, lift):
    """A flap hinged on a top edge, opened outwards by direction out and tilted up."""
    dx, dz = out
    tip = lambda p: (p[0] + dx * length * math.cos(lift), p[1] + length * math.sin(lift),
                     p[2] + dz * length * math.cos(lift))
    return quad(hinge_a, hinge_b, tip(hinge_b), tip(hinge_a))


def draw_box(cv):
    w, h, d = BOX_W, BOX_H, BOX_D
    # Shadow on the ground.
    cx, cy = project((w / 2, 0, d / 2))
    cv.ellipse(cx + 8, cy + 2, 70, 11, 0.0, (60, 80, 110), 0.25)
    # Back and left flaps, seen from their inner (grey) side.
    cv.polygon(flap((0, h, d), (w, h, d), (0, 1), d * 0.95, math.radians(62)),
               vertical(120, (214, 220, 230), 160, (236, 240, 246)))
    cv.polygon(flap((0, h, 0), (0, h, d), (-1, 0), w * 0.42, math.radians(48)),
               vertical(110, (226, 231, 239), 150, (205, 212, 224)))
    # Inside walls through the open top.
    cv.polygon(quad((0, h, d), (w, h, d), (w, h * 0.6, d), (0, h * 0.6, d)), (150, 160, 176))
    cv.polygon(quad((0, h, 0), (0, h, d), (0, h * 0.6, d), (0, h * 0.6, 0)), (122, 132, 150))
    # Outer faces: the lit front and the shaded right side.
    cv.polygon(quad((0, 0, 0), (w, 0, 0), (w, h, 0), (0, h, 0)),
               vertical(95, (255, 255, 255), 200, (233, 237, 243)))
    cv.polygon(quad((w, 0, 0), (w, 0, d), (w, h, d), (w, h, 0)),
               vertical(90, (206, 213, 225), 200, (178, 188, 204)))
    draw_box_print(cv)
    # Right and front flaps, outer side up.
    cv.polygon(flap((w, h, 0), (w, h, d), (1, 0), w * 0.42, math.radians(38)),
               vertical(90, (238, 242, 248), 130, (214, 221, 232)))
    cv.polygon(flap((0, h, 0), (w, h, 0), (0, -1), d * 0.95, math.radians(-18)),
               vertical(100, (250, 251, 253), 130, (226, 231, 239)))


def draw_box_print(cv):
    """The artwork printed on the box front: a green band and a note."""
    w, h = BOX_W, BOX_H
    on_front = lambda u, v: (u * w, v * h, 0)
    cv.polygon(quad(on_front(0, 0.58), on_front(1, 0.70), on_front(1, 0.80), on_front(0, 0.68)),
               vertical(110, (70, 170, 95), 150, (40, 130, 70)))
    cv.polygon(quad(on_front(0, 0.52), on_front(1, 0.64), on_front(1, 0.66), on_front(0, 0.54)),
               (140, 205, 150))
    # An eighth note on the upper right of the front.
    head = project(on_front(0.70, 0.36))
    cv.ellipse(head[0], head[1], 5.2, 3.8, math.radians(-25), (40, 130, 70))
    top = project(on_front(0.76, 0.56))
    cv.polygon([(head[0] + 3.6, head[1] - 1), (head[0] + 5.2, head[1] - 1.6),
                (top[0] + 1.2, top[1]), (top[0] - 0.4, top[1] + 0.6)], (40, 130, 70))
    cv.polygon([(top[0] - 0.4, top[1] + 0.6), (top[0] + 1.2, top[1]), (top[0] + 9, top[1] + 8),
                (top[0] + 7, top[1] + 9)], (40, 130, 70))


def draw_disc(cv):
    """A disc leaning against the front, seen a little from the side."""
    cx, cy, r, tilt = 116.0, 194.0, 30.0, math.radians(-12)
    squash = 0.86
    cv.ellipse(cx + 6, cy + 27, 24, 5, 0.0, (60, 80, 110), 0.25)
    cv.ellipse(cx, cy, r * squash, r, tilt, (150, 156, 168))

    def silver(x, y):
        a = math.atan2(y - cy, x - cx)
        shine = 0.5 + 0.5 * math.cos(2 * (a - math.radians(35)))
        base = lerp((176, 184, 198), (246, 248, 252), shine)
        hue = lerp((255, 220, 170), (170, 210, 255), 0.5 + 0.5 * math.sin(a * 3))
        return lerp(base, hue, 0.22 * shine)

    cv.ellipse(cx, cy, r * squash - 1.2, r - 1.2, tilt, silver)
    cv.ellipse(cx, cy, r * squash * 0.36, r * 0.36, tilt, (214, 220, 230))
    cv.ellipse(cx, cy, r * squash * 0.30, r * 0.30, tilt, (236, 240, 246))
    cv.ellipse(cx, cy, r * squash * 0.13, r * 0.13, tilt, (120, 130, 146))
    cv.ellipse(cx, cy, r * squash * 0.10, r * 0.10, tilt, background_at)
    # A soft glint on the rim.
    cv.ellipse(cx - 12, cy - 15, 7, 2.2, math.radians(-50), (255, 255, 255), 0.6)


def background_at(x, y):
    sky = lerp((78, 140, 205), (222, 238, 250), min(1.0, y / FOOT_TOP))
    glow = max(0.0, 1.0 - math.hypot(x - 95, y - 70) / 90.0)
    return lerp(sky, (255, 255, 255), 0.35 * glow * glow)


def draw_background(cv):
    cv.polygon([(0, 0), (WIDTH, 0), (WIDTH, FOOT_TOP), (0, FOOT_TOP)], background_at)
    cv.polygon([(0, FOOT_TOP), (WIDTH, FOOT_TOP), (WIDTH, HEIGHT), (0, HEIGHT)],
               vertical(FOOT_TOP, (52, 148, 86), HEIGHT, (24, 96, 56)))
    cv.polygon([(0, FOOT_TOP), (WIDTH, FOOT_TOP), (WIDTH, FOOT_TOP + 2), (0, FOOT_TOP + 2)],
               (150, 214, 160))


def text_mask(text, size, height):
    """Antialiased coverage of one centred line of text, one byte per pixel."""
    raw = subprocess.run(
        ["convert", "-size", "%dx%d" % (WIDTH, height), "xc:black", "-font", FONT,
         "-pointsize", str(size), "-fill", "white", "-gravity", "center",
         "-annotate", "+0+0", text, "-depth", "8", "gray:-"],
        check=True, capture_output=True).stdout
    assert len(raw) == WIDTH * height
    return [raw[y * WIDTH:(y + 1) * WIDTH] for y in range(height)]


def stamp(pixels, mask, top, colour):
    for dy, row in enumerate(mask):
        for x, cover in enumerate(row):
            if cover:
                y = top + dy
                pixels[y][x] = tuple(round(c) for c in lerp(pixels[y][x], colour, cover / 255))


def write_bmp(path, pixels):
    stride = (WIDTH * 3 + 3) & ~3
    body = bytearray()
    for row in reversed(pixels):  # bottom-up
        for r, g, b in row:
            body += bytes((b, g, r))
        body += b"\0" * (stride - WIDTH * 3)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + body)


def main():
    cv = Canvas(WIDTH * SS, HEIGHT * SS)
    draw_background(cv)
    draw_box(cv)
    draw_disc(cv)
    pixels = cv.downsample()
    stamp(pixels, text_mask(SLOGAN, 12, 20), FOOT_TOP + 8, (255, 255, 255))
    stamp(pixels, text_mask(ADDRESS, 10, 16), FOOT_TOP + 30, (255, 236, 150))
    write_bmp(os.path.join(os.path.dirname(os.path.abspath(__file__)), "banner.bmp"), pixels)


if __name__ == "__main__":
    main()

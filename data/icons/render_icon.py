#!/usr/bin/env python3
"""Renders kelvarin.svg's shapes into the PNG sizes of the application icon.

The icon is made of circles and rotated ellipses only, so it is drawn here directly, with
4 x 4 supersampling, using nothing but the standard library. Keep the shapes below in step
with kelvarin.svg. Run from this folder: python3 render_icon.py
"""
import math
import struct
import zlib

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
SAMPLES = 4


def hex_colour(text):
    return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))


# (kind, parameters, colour) in painting order, in the 256 x 256 design space. A stroke of
# width w is an outer shape grown by w/2 in the stroke colour under the fill shrunk by w/2.
def shapes():
    out = []

    def circle(cx, cy, r, fill, stroke=None, width=0):
        if stroke:
            out.append(("circle", (cx, cy, r + width / 2), hex_colour(stroke)))
            out.append(("circle", (cx, cy, r - width / 2), hex_colour(fill)))
        else:
            out.append(("circle", (cx, cy, r), hex_colour(fill)))

    def ellipse(cx, cy, rx, ry, angle, fill, stroke, width):
        out.append(("ellipse", (cx, cy, rx + width / 2, ry + width / 2, angle), hex_colour(stroke)))
        out.append(("ellipse", (cx, cy, rx - width / 2, ry - width / 2, angle), hex_colour(fill)))

    circle(128, 128, 117, "#dbe9f7", "#5b7fa6", 6)
    for cx in (186, 70):
        ellipse(cx, 128, 58, 19, -30, "#a8733b", "#5e3b17", 4)
    circle(128, 128, 22, "#4a4a4a")
    circle(128, 128, 8, "#c8c8c8")
    return out


def inside(kind, p, x, y):
    if kind == "circle":
        cx, cy, r = p
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    cx, cy, rx, ry, angle = p
    # The ellipse's own centre turns with the group about (128, 128).
    a = math.radians(angle)
    ox, oy = cx - 128, cy - 128
    ex = 128 + ox * math.cos(a) - oy * math.sin(a)
    ey = 128 + ox * math.sin(a) + oy * math.cos(a)
    dx, dy = x - ex, y - ey
    u = dx * math.cos(a) + dy * math.sin(a)
    v = -dx * math.sin(a) + dy * math.cos(a)
    return (u / rx) ** 2 + (v / ry) ** 2 <= 1.0


def render(size, layers):
    scale = 256.0 / size
    rows = []
    for py in range(size):
        row = bytearray([0])
        for px in range(size):
            r = g = b = a = 0.0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) * scale
                    y = (py + (sy + 0.5) / SAMPLES) * scale
                    colour = None
                    for kind, p, c in layers:
                        if inside(kind, p, x, y):
                            colour = c
                    if colour:
                        r += colour[0]
                        g += colour[1]
                        b += colour[2]
                        a += 1
            n = SAMPLES * SAMPLES
            if a:
                row += bytes((round(r / a), round(g / a), round(b / a), round(255 * a / n)))
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return b"".join(rows)


def png(size, pixels):
    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(pixels, 9)) + chunk(b"IEND", b""))


def main():
    layers = shapes()
    for size in SIZES:
        with open("kelvarin-%d.png" % size, "wb") as f:
            f.write(png(size, render(size, layers)))


if __name__ == "__main__":
    main()

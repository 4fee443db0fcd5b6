#!/usr/bin/env python3
"""Writes the application icon as SVG and as 48 and 256 pixel PNGs from one list of shapes,
so the three stay the same picture. Run it after changing the shapes; the outputs are kept in
the repository beside it."""

import os
import struct
import zlib

# A handheld with a form on its screen, and a quill. Coordinates on a 256 × 256 grid, drawn
# in order; rectangles are (x0, y0, x1, y1), polygons lists of points.
SHAPES = [
    ("rect", (44, 12, 212, 244), "#3b4048"),          # body
    ("rect", (52, 20, 204, 236), "#555b65"),          # bezel
    ("rect", (64, 34, 192, 162), "#c9d7a6"),          # screen
    ("rect", (64, 34, 192, 54), "#1e2119"),           # form title bar
    ("rect", (72, 40, 132, 48), "#c9d7a6"),           # title text
    ("rect", (76, 70, 176, 78), "#1e2119"),           # label
    ("rect", (76, 88, 150, 96), "#1e2119"),           # label
    ("rect", (76, 108, 90, 122), "#1e2119"),          # check box frame
    ("rect", (79, 111, 87, 119), "#c9d7a6"),
    ("rect", (96, 111, 160, 119), "#1e2119"),         # its text
    ("rect", (76, 132, 128, 152), "#1e2119"),         # button frame
    ("rect", (79, 135, 125, 149), "#c9d7a6"),
    ("rect", (88, 140, 116, 144), "#1e2119"),         # button text
    ("rect", (74, 184, 102, 212), "#2a2e35"),         # hard buttons
    ("rect", (114, 184, 142, 212), "#2a2e35"),
    ("rect", (154, 184, 182, 212), "#2a2e35"),
    ("poly", [(236, 18), (250, 30), (170, 150), (150, 170), (158, 138)], "#f2efe6"),  # quill
    ("poly", [(236, 18), (250, 30), (200, 92), (190, 84)], "#d8d2c0"),
    ("poly", [(158, 138), (170, 150), (150, 170)], "#7a5c2e"),                      # nib
]


def rgb(color):
    return tuple(int(color[i:i + 2], 16) for i in (1, 3, 5))


def inside(shape, x, y):
    kind, geometry, _ = shape
    if kind == "rect":
        x0, y0, x1, y1 = geometry
        return x0 <= x < x1 and y0 <= y < y1
    points = geometry
    hit = False
    for i, (ax, ay) in enumerate(points):
        bx, by = points[i - 1]
        if (ay > y) != (by > y) and x < (bx - ax) * (y - ay) / (by - ay) + ax:
            hit = not hit
    return hit


def render(size, samples=4):
    scale = 256 / size
    rows = []
    for py in range(size):
        row = bytearray([0])  # filter: none
        for px in range(size):
            r = g = b = a = 0
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) * scale
                    y = (py + (sy + 0.5) / samples) * scale
                    colour = None
                    for shape in SHAPES:
                        if inside(shape, x, y):
                            colour = rgb(shape[2])
                    if colour:
                        r, g, b, a = r + colour[0], g + colour[1], b + colour[2], a + 1
            n = samples * samples
            if a:
                row += bytes([r // a, g // a, b // a, 255 * a // n])
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return rows


def png(size):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    data = zlib.compress(b"".join(render(size)), 9)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", data) + chunk(b"IEND", b"")


def svg():
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">']
    for kind, geometry, colour in SHAPES:
        if kind == "rect":
            x0, y0, x1, y1 = geometry
            lines.append(f'  <rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}" fill="{colour}"/>')
        else:
            points = " ".join(f"{x},{y}" for x, y in geometry)
            lines.append(f'  <polygon points="{points}" fill="{colour}"/>')
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "quillboard.svg"), "w") as out:
        out.write(svg())
    for size in (48, 256):
        with open(os.path.join(here, f"quillboard-{size}.png"), "wb") as out:
            out.write(png(size))

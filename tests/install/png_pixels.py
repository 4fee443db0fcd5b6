#!/usr/bin/env python3
"""Compares two 8-bit RGB or RGBA PNG files pixel by pixel: exit 0 when every pixel is the
same, 1 with the first difference otherwise. A checker of its own, independent of the program's
PNG code."""

import struct
import sys
import zlib


def pixels(path):
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path}: not a PNG")
    pos, idat, width, height, channels = 8, b"", 0, 0, 0
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if depth != 8 or colour not in (2, 6) or interlace:
                raise ValueError(f"{path}: not 8-bit RGB(A) without interlace")
            channels = 3 if colour == 2 else 4
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, prior = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - channels] if i >= channels else 0
            b = prior[i]
            c = prior[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append([tuple(line[x * channels:x * channels + 3]) for x in range(width)])
        prior = line
    return width, height, rows


def main():
    expected, actual = pixels(sys.argv[1]), pixels(sys.argv[2])
    if expected[:2] != actual[:2]:
        print(f"size {actual[0]} x {actual[1]}, expected {expected[0]} x {expected[1]}")
        return 1
    for y, (want, got) in enumerate(zip(expected[2], actual[2])):
        for x, (w, g) in enumerate(zip(want, got)):
            if w != g:
                print(f"first wrong pixel at ({x}, {y}): expected {w}, got {g}")
                return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())

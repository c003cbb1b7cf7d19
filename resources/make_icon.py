#!/usr/bin/env python3
"""Writes the product's logo, a white eighth note on a red square, next to itself.

logo.ico: one 16 x 16 image, 24 bits per pixel, every pixel opaque (the AND mask is all
zero), so the file is 6 + 16 + 40 + 768 + 64 = 894 bytes.
logo.dib: that image alone (872 bytes), as the executable stores it: setup.rc builds the
icon group by hand around it, so that the image keeps its fixed resource number.
"""
import os
import struct

GLYPH = [  # top row first; '#' is white, '.' is the red ground
    "................",
    "................",
    "........##......",
    "........###.....",
    "........#.##....",
    "........#..##...",
    "........#...#...",
    "........#...#...",
    "........#..#....",
    "........#.......",
    ".....####.......",
    "....#####.......",
    "....#####.......",
    ".....###........",
    "................",
    "................",
]
RED = (0xD0, 0x10, 0x20)
WHITE = (0xFF, 0xFF, 0xFF)
SIZE = 16


def image():
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 24, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for line in reversed(GLYPH):  # bitmaps are stored bottom row first
        for cell in line:
            r, g, b = WHITE if cell == "#" else RED
            xor += bytes((b, g, r))
    and_mask = bytes(4 * SIZE)  # 16 bits a row, padded to 32: all opaque
    return header + bytes(xor) + and_mask


def main():
    assert len(GLYPH) == SIZE and all(len(line) == SIZE for line in GLYPH)
    data = image()
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 24, len(data), 6 + 16)
    ico = directory + entry + data
    assert len(ico) == 894, len(ico)
    folder = os.path.dirname(os.path.abspath(__file__))
    for name, content in (("logo.ico", ico), ("logo.dib", data)):
        with open(os.path.join(folder, name), "wb") as out:
            out.write(content)


if __name__ == "__main__":
    main()

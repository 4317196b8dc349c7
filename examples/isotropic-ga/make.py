#!/usr/bin/env python3
"""Writes seeds.png, the example input of the Isotropic GA rule.

Film seeds (red) on empty space (white): a small square, a horizontal bar
and a diagonal line, whose growth under the fixed 256-entry rule shows how
nearly isotropic (and where not) the evolved rule is. Standard library only.
"""
import os
import struct
import zlib

WIDTH, HEIGHT = 128, 128
FILM = (255, 0, 0)
EMPTY = (255, 255, 255)


def pixel(x, y):
    if 30 <= x < 34 and 30 <= y < 34:
        return FILM                   # a 4 x 4 square
    if y == 90 and 20 <= x < 50:
        return FILM                   # a horizontal bar
    if x == y + 10 and 70 <= x < 100:
        return FILM                   # a diagonal line
    return EMPTY


def png(width, height, colour_of):
    rows = b"".join(
        b"\x00" + bytes(c for x in range(width) for c in colour_of(x, y)) for y in range(height))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    folder = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, "seeds.png"), "wb") as out:
        out.write(png(WIDTH, HEIGHT, pixel))

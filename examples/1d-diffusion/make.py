#!/usr/bin/env python3
"""Writes row.png, the example input of the 1D diffusion models.

One row of 200 sites: a dense band of particles (black) in the middle of an
empty (white) row, with a few scattered particles near the ends. Every
particle starts moving right; the random reversals spread the band out.
Standard library only.
"""
import os
import struct
import zlib

WIDTH = 200
PARTICLE = (0, 0, 0)
EMPTY = (255, 255, 255)
SCATTERED = {4, 12, 185, 195}


def pixel(x, y):
    if 90 <= x < 110 or x in SCATTERED:
        return PARTICLE
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
    with open(os.path.join(folder, "row.png"), "wb") as out:
        out.write(png(WIDTH, 1, pixel))

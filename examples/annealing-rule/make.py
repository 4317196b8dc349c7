#!/usr/bin/env python3
"""Writes noise.png, the example input of the annealing rule.

A 128 x 128 black-and-white picture: each pixel black with probability 0.5,
from a fixed seed so the picture is the same every time. Run, the twisted
majority rule coarsens the noise into clusters with smooth boundaries.
Standard library only.
"""
import os
import random
import struct
import zlib

SIZE = 128


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
    rng = random.Random(1)
    black = [[rng.random() < 0.5 for _ in range(SIZE)] for _ in range(SIZE)]
    folder = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, "noise.png"), "wb") as out:
        out.write(png(SIZE, SIZE,
                      lambda x, y: (0, 0, 0) if black[y][x] else (255, 255, 255)))

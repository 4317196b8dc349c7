#!/usr/bin/env python3
"""Writes the benchmark inputs of the distance-counting deposition models into
the folder given as the only argument:

distance-seedrow-1024.png   a 1024 x 1024 picture, white but for one red row
                            of source cells at y = 100
distance-heightmap-256.png  a 256 x 256 height map for a 256 x 256 x 100
                            volume: a base of 20 with pillars of 50 and
                            trenches of depth 10 between them

Standard library only; the inputs are fixed, the same on every machine.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent.parent / "examples"))
from pngwriter import png_from_rows as png  # noqa: E402


def seed_row(size):
    white = b"\xff" * (3 * size)
    return [b"\xff\x00\x00" * size if y == 100 else white for y in range(size)]


def pillars_and_trenches(size):
    rows = []
    for y in range(size):
        row = bytearray(3 * size)
        for x in range(size):
            height = 20
            if (x // 32) % 2 == 0 and 8 <= y % 64 < 24:
                height = 50
            elif 40 <= y % 64 < 56:
                height = 10
            row[3 * x] = height
        rows.append(bytes(row))
    return rows


if __name__ == "__main__":
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "distance-seedrow-1024.png"), "wb") as out:
        out.write(png(1024, 1024, seed_row(1024)))
    with open(os.path.join(folder, "distance-heightmap-256.png"), "wb") as out:
        out.write(png(256, 256, pillars_and_trenches(256)))

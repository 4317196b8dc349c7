#!/usr/bin/env python3
"""Writes the benchmark inputs of the FHP lattice gases into the folder given
as the only argument:

fhp-1024.png    a 1024 x 1024 channel: walls (red) along the top and bottom,
                a reservoir column (magenta, level 200 / 255) on the left,
                a grid of round obstacles, and gas with one site in six full
multi-256.png   a 256 x 256 walled box with one site in three full

Standard library only; a fixed seed keeps the inputs identical between runs.
"""
import os
import random
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent.parent / "examples"))
from pngwriter import png_from_rows as png  # noqa: E402

WHITE, BLACK, RED, SOURCE = b"\xff\xff\xff", b"\x00\x00\x00", b"\xff\x00\x00", b"\xc8\x00\xc8"


def channel(size, rng):
    centres = [(cx, cy) for cx in range(200, size, 200) for cy in range(160, size - 100, 240)]
    rows = []
    for y in range(size):
        row = bytearray()
        for x in range(size):
            if y < 4 or y >= size - 4:
                row += RED
            elif x < 4:
                row += SOURCE
            elif any((x - cx) ** 2 + (y - cy) ** 2 < 40 ** 2 for cx, cy in centres if abs(x - cx) < 40):
                row += RED
            elif rng.random() < 1 / 6:
                row += BLACK
            else:
                row += WHITE
        rows.append(bytes(row))
    return rows


def box(size, rng):
    rows = []
    for y in range(size):
        row = bytearray()
        for x in range(size):
            if x < 2 or y < 2 or x >= size - 2 or y >= size - 2:
                row += RED
            elif rng.random() < 1 / 3:
                row += BLACK
            else:
                row += WHITE
        rows.append(bytes(row))
    return rows


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    os.makedirs(folder, exist_ok=True)
    rng = random.Random(6)
    with open(os.path.join(folder, "fhp-1024.png"), "wb") as out:
        out.write(png(1024, 1024, channel(1024, rng)))
    with open(os.path.join(folder, "multi-256.png"), "wb") as out:
        out.write(png(256, 256, box(256, rng)))


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Writes the benchmark input of the photolithographic simulator into the
folder given as the only argument:

resist-lines-256.png   a 256 x 256 mask of red lines 8 wide every 32
                       columns on black

Standard library only; the input is fixed, the same on every machine.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent.parent / "examples"))
from pngwriter import png_from_rows as png  # noqa: E402


def lines(size):
    row = bytearray(3 * size)
    for x in range(size):
        if x % 32 < 8:
            row[3 * x] = 255
    return [bytes(row)] * size


if __name__ == "__main__":
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "resist-lines-256.png"), "wb") as out:
        out.write(png(256, 256, lines(256)))

#!/usr/bin/env python3
"""Writes the benchmark inputs of the sand and 1D diffusion models into the
folder given as the only argument:

sand-1024.png  a 1024 x 1024 pile: grains (black) with density 0.3 over the
               upper three quarters, a few wall ledges (red), empty (white)
row-1m.png     a row of 1,000,000 sites, one in ten holding a particle

Standard library only; a fixed seed keeps the inputs identical between runs.
"""
import os
import random
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent.parent / "examples"))
from pngwriter import png_from_rows as png  # noqa: E402


def pile(size, rng):
    rows = []
    for y in range(size):
        row = bytearray(b"\xff" * (3 * size))
        for x in range(size):
            if y % 128 == 100 and (x // 64) % 3 == 1:
                row[3 * x:3 * x + 3] = b"\xff\x00\x00"
            elif y < 3 * size // 4 and rng.random() < 0.3:
                row[3 * x:3 * x + 3] = b"\x00\x00\x00"
        rows.append(bytes(row))
    return rows


def particle_row(width, rng):
    row = bytearray(b"\xff" * (3 * width))
    for x in range(width):
        if rng.random() < 0.1:
            row[3 * x:3 * x + 3] = b"\x00\x00\x00"
    return [bytes(row)]


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    os.makedirs(folder, exist_ok=True)
    rng = random.Random(5)
    with open(os.path.join(folder, "sand-1024.png"), "wb") as out:
        out.write(png(1024, 1024, pile(1024, rng)))
    with open(os.path.join(folder, "row-1m.png"), "wb") as out:
        out.write(png(1000000, 1, particle_row(1000000, rng)))


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Writes the benchmark inputs of the film deposition models into the folder
given as the only argument:

film-1024.png       a 1024 x 1024 cross-section: substrate (red) over the
                    lower quarter with a row of trenches, empty (white) above
heightmap-256.png   a 256 x 256 height map whose red values (1 to 64) make a
                    256 x 256 x 128 volume: a base with pillars and pits
film-1024x512.png   a 1024 x 512 upright cross-section: substrate (red) over
                    the lower half with a row of trenches, empty (white) above
heightmap-128.png   a 128 x 128 height map whose red values (1 to 32) make a
                    128 x 128 x 64 volume: a base with pillars and pits

Standard library only; the inputs are fixed, the same on every machine.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent.parent / "examples"))
from pngwriter import png_from_rows as png  # noqa: E402


def section(width, height, surface, trench_depth):
    """Substrate from row `surface` down, with a trench of trench_depth rows
    in every fourth 32-column band."""
    rows = []
    for y in range(height):
        row = bytearray(b"\xff" * (3 * width))
        for x in range(width):
            in_trench = (x // 32) % 4 == 1 and y < surface + trench_depth
            if y >= surface and not in_trench:
                row[3 * x:3 * x + 3] = b"\xff\x00\x00"
        rows.append(bytes(row))
    return rows


def height_map(size, tallest=64):
    rows = []
    for y in range(size):
        row = bytearray(3 * size)
        for x in range(size):
            height = tallest // 4
            if (x // 32) % 2 == 0 and (y // 32) % 2 == 0:
                height = tallest
            elif (x // 32) % 2 == 1 and (y // 32) % 2 == 1:
                height = 1
            row[3 * x] = height
        rows.append(bytes(row))
    return rows


if __name__ == "__main__":
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "film-1024.png"), "wb") as out:
        out.write(png(1024, 1024, section(1024, 1024, 768, 160)))
    with open(os.path.join(folder, "heightmap-256.png"), "wb") as out:
        out.write(png(256, 256, height_map(256)))
    with open(os.path.join(folder, "film-1024x512.png"), "wb") as out:
        out.write(png(1024, 512, section(1024, 512, 256, 128)))
    with open(os.path.join(folder, "heightmap-128.png"), "wb") as out:
        out.write(png(128, 128, height_map(128, 32)))

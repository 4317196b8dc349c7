#!/usr/bin/env python3
"""Writes the benchmark input of the 3D film etch/deposition models into the
folder given as the only argument:

mesa-256.png    a 256 x 256 height map whose red values (8 to 64) make a
                256 x 256 x 128 volume: a base with a grid of square mesas

Standard library only; the input is fixed, the same on every machine.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent.parent / "examples"))
from pngwriter import png_from_rows as png  # noqa: E402


def height_map(size):
    rows = []
    for y in range(size):
        row = bytearray(3 * size)
        for x in range(size):
            mesa = (x // 32) % 2 == 0 and (y // 32) % 2 == 0
            row[3 * x] = 64 if mesa else 8
        rows.append(bytes(row))
    return rows


if __name__ == "__main__":
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "mesa-256.png"), "wb") as out:
        out.write(png(256, 256, height_map(256)))

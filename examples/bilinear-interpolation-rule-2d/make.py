#!/usr/bin/env python3
"""Writes samples.dat, the example input of the 2D interpolation rules.

120 samples of the smooth surface z = sin(x) cos(0.8 y) + 0.1 x, taken at
points chosen at random (fixed seed) from a lattice of step 0.25 over
[0, 10] x [0, 7.5]. The DAT layout: a title line, the number of columns,
one line naming each column, then one row "x y z" per sample. The corners
are always sampled, so the grid the dialog derives spans the whole area.
Standard library only.
"""
import math
import random
import sys
from pathlib import Path

STEP = 0.25
NX, NY = 41, 31
COUNT = 120


def surface(x, y):
    return math.sin(x) * math.cos(0.8 * y) + 0.1 * x


def write_samples(folder):
    rng = random.Random(16)
    corners = [(0, 0), (NX - 1, 0), (0, NY - 1), (NX - 1, NY - 1)]
    others = [(i, j) for i in range(NX) for j in range(NY) if (i, j) not in corners]
    points = corners + rng.sample(others, COUNT - len(corners))
    lines = ["Samples of a smooth surface", "3", "X", "Y", "Z"]
    for i, j in points:
        x, y = i * STEP, j * STEP
        lines.append(f"{x:g} {y:g} {surface(x, y):.6f}")
    Path(folder, "samples.dat").write_text("\n".join(lines) + "\n")


if __name__ == "__main__":
    write_samples(Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent)

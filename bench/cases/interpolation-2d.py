#!/usr/bin/env python3
"""Writes the benchmark inputs of the 2D interpolation rules into the folder
given as the only argument:

lattice.dat  400 samples of a smooth surface on a lattice of step 100 from
             (0, 0) to (1900, 1900); the cases set the grid themselves
dat-100k.dat 100,000 distinct samples at random integer points of
             [0, 1000) x [0, 1000), for timing how long the dialog takes to
             read a large file (a --steps 0 run)

Standard library only; a fixed seed keeps the inputs identical between runs.
"""
import math
import os
import random
import sys


def write_dat(path, points):
    with open(path, "w", encoding="ascii") as out:
        out.write("benchmark samples\n3\nX\nY\nZ\n")
        for x, y in points:
            out.write(f"{x} {y} {math.sin(x / 150.0) * math.cos(y / 120.0):.6f}\n")


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    os.makedirs(folder, exist_ok=True)
    write_dat(os.path.join(folder, "lattice.dat"),
              [(100 * i, 100 * j) for i in range(20) for j in range(20)])
    rng = random.Random(16)
    cells = rng.sample(range(1000 * 1000), 100000)
    write_dat(os.path.join(folder, "dat-100k.dat"), [(c // 1000, c % 1000) for c in cells])


if __name__ == "__main__":
    main()

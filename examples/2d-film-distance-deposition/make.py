#!/usr/bin/env python3
"""Writes trench.png, the example input of the 2D film distance deposition model.

A substrate cross-section (red) with a trench and a ridge on empty space
(white). The picture is read without flipping: its top rows are lattice row
0, which the view shows at the bottom, so the substrate lies at the top of
the picture. Standard library only.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from pngwriter import png  # noqa: E402

WIDTH, HEIGHT = 200, 160
EMPTY = (255, 255, 255)
SUBSTRATE = (255, 0, 0)


def pixel(x, y):
    surface = 40                      # substrate rows 0 .. 39
    if 60 <= x < 100:
        surface = 2                   # a trench 40 wide, 38 deep
    if 140 <= x < 156:
        surface = 70                  # a ridge 16 wide, 30 high
    return SUBSTRATE if y < surface else EMPTY


if __name__ == "__main__":
    folder = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, "trench.png"), "wb") as out:
        out.write(png(WIDTH, HEIGHT, pixel))

#!/usr/bin/env python3
"""Writes profile.png, the example input of the 2D film deposition model.

A substrate cross-section (red) on empty space (white): a wide trench, a
narrow trench and a raised step. Run, a conformal film grows one layer per
step over every surface; the narrow trench closes first and leaves a seam.
Standard library only.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from pngwriter import png  # noqa: E402

WIDTH, HEIGHT = 160, 100
EMPTY = (255, 255, 255)
SUBSTRATE = (255, 0, 0)


def pixel(x, y):
    surface = 60                      # top of the substrate (rows grow downwards)
    if 112 <= x < 150:
        surface = 40                  # a raised step
    if 20 <= x < 60 and y < 88:
        return EMPTY                  # wide trench, 40 wide and 28 deep
    if 80 <= x < 92 and y < 92:
        return EMPTY                  # narrow trench, 12 wide and 32 deep
    return SUBSTRATE if y >= surface else EMPTY


if __name__ == "__main__":
    folder = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, "profile.png"), "wb") as out:
        out.write(png(WIDTH, HEIGHT, pixel))

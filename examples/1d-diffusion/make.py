#!/usr/bin/env python3
"""Writes row.png, the example input of the 1D diffusion models.

One row of 200 sites: a dense band of particles (black) in the middle of an
empty (white) row, with a few scattered particles near the ends. Every
particle starts moving right; the random reversals spread the band out.
Standard library only.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from pngwriter import png  # noqa: E402

WIDTH = 200
PARTICLE = (0, 0, 0)
EMPTY = (255, 255, 255)
SCATTERED = {4, 12, 185, 195}


def pixel(x, y):
    if 90 <= x < 110 or x in SCATTERED:
        return PARTICLE
    return EMPTY


if __name__ == "__main__":
    folder = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, "row.png"), "wb") as out:
        out.write(png(WIDTH, 1, pixel))

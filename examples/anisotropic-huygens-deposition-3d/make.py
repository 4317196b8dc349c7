#!/usr/bin/env python3
"""Writes heightmap.png, the example input of the 3D directional Huygens
deposition model.

The red value of each pixel is the height of a substrate column: a base of
height 6 carrying four square pillars of height 16 and a pit of depth 5. The
volume is twice as deep as the tallest column (32 voxels). Standard library
only.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from pngwriter import png  # noqa: E402

WIDTH, HEIGHT = 48, 48


def pixel(x, y):
    for px, py in ((8, 8), (32, 8), (8, 32), (32, 32)):
        if px <= x < px + 8 and py <= y < py + 8:
            return (16, 0, 0)         # pillar
    if 20 <= x < 28 and 20 <= y < 28:
        return (1, 0, 0)              # pit
    return (6, 0, 0)                  # base


if __name__ == "__main__":
    folder = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, "heightmap.png"), "wb") as out:
        out.write(png(WIDTH, HEIGHT, pixel))

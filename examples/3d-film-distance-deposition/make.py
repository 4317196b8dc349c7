#!/usr/bin/env python3
"""Writes heightmap.png, the example input of the 3D film distance deposition model.

The red value of each pixel is the height of a substrate column in a volume
100 voxels deep: a base of height 20 carrying four square pillars of height
45 and a trench of depth 12 across the middle. Standard library only.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from pngwriter import png  # noqa: E402

WIDTH, HEIGHT = 96, 96


def pixel(x, y):
    for px, py in ((12, 12), (60, 12), (12, 64), (60, 64)):
        if px <= x < px + 20 and py <= y < py + 20:
            return (45, 0, 0)         # pillar
    if 40 <= y < 56:
        return (8, 0, 0)              # trench
    return (20, 0, 0)                 # base


if __name__ == "__main__":
    folder = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, "heightmap.png"), "wb") as out:
        out.write(png(WIDTH, HEIGHT, pixel))

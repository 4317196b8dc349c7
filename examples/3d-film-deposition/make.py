#!/usr/bin/env python3
"""Writes heightmap.png, the example input of the 3D film deposition model.

The red value of each pixel is the height of a substrate column: a base of
height 12 carrying four square pillars of height 30 and a pit of depth 10.
The volume is twice as deep as the tallest column (60 voxels). Standard
library only.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from pngwriter import png  # noqa: E402

WIDTH, HEIGHT = 128, 128


def pixel(x, y):
    for px, py in ((20, 20), (84, 20), (20, 84), (84, 84)):
        if px <= x < px + 24 and py <= y < py + 24:
            return (30, 0, 0)         # pillar
    if 50 <= x < 78 and 50 <= y < 78:
        return (2, 0, 0)              # pit
    return (12, 0, 0)                 # base


if __name__ == "__main__":
    folder = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, "heightmap.png"), "wb") as out:
        out.write(png(WIDTH, HEIGHT, pixel))

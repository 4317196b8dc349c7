#!/usr/bin/env python3
"""Writes mesa.png and mask.png, the example inputs of the 3D film etch and
deposition models.

mesa.png is a 64 x 64 height map: a base of height 4 carrying a square mesa
of height 20 (the volume is 40 voxels deep). mask.png is the masking
material: a red bar across the middle, black (open) elsewhere. Standard
library only.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from pngwriter import png  # noqa: E402

SIZE = 64


def height(x, y):
    if 20 <= x < 44 and 20 <= y < 44:
        return (20, 0, 0)             # mesa
    return (4, 0, 0)                  # base


def mask(x, y):
    return (255, 0, 0) if 26 <= y < 38 else (0, 0, 0)


if __name__ == "__main__":
    folder = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, "mesa.png"), "wb") as out:
        out.write(png(SIZE, SIZE, height))
    with open(os.path.join(folder, "mask.png"), "wb") as out:
        out.write(png(SIZE, SIZE, mask))

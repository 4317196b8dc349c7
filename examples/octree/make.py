#!/usr/bin/env python3
"""Writes shape.png, the example input of the octree view.

A 32 x 32 picture with a red ring on white: the octree splits its cube
only where the ring's edge runs. Standard library only.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from pngwriter import png  # noqa: E402

SIZE = 32


def pixel(x, y):
    d = (x - 15.5) ** 2 + (y - 15.5) ** 2
    return (255, 0, 0) if 36 <= d <= 144 else (255, 255, 255)


if __name__ == "__main__":
    folder = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, "shape.png"), "wb") as out:
        out.write(png(SIZE, SIZE, pixel))

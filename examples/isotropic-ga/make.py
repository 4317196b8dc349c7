#!/usr/bin/env python3
"""Writes seeds.png, the example input of the Isotropic GA rule.

Film seeds (red) on empty space (white): a small square, a horizontal bar
and a diagonal line, whose growth under the fixed 256-entry rule shows how
nearly isotropic (and where not) the evolved rule is. Standard library only.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from pngwriter import png  # noqa: E402

WIDTH, HEIGHT = 128, 128
FILM = (255, 0, 0)
EMPTY = (255, 255, 255)


def pixel(x, y):
    if 30 <= x < 34 and 30 <= y < 34:
        return FILM                   # a 4 x 4 square
    if y == 90 and 20 <= x < 50:
        return FILM                   # a horizontal bar
    if x == y + 10 and 70 <= x < 100:
        return FILM                   # a diagonal line
    return EMPTY


if __name__ == "__main__":
    folder = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, "seeds.png"), "wb") as out:
        out.write(png(WIDTH, HEIGHT, pixel))

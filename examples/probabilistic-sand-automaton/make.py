#!/usr/bin/env python3
"""Writes hopper.png, the example input of the probabilistic sand automaton.

A hopper of walls (red) filled with grains (black) drains through a narrow
opening onto a floor; friction makes pairs of grains hang for a while, so the
stream is uneven and the pile below is steeper than without it. White is
empty. Standard library only.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from pngwriter import png  # noqa: E402

WIDTH, HEIGHT = 100, 110
EMPTY = (255, 255, 255)
SAND = (0, 0, 0)
WALL = (255, 0, 0)
OPENING = 3


def pixel(x, y):
    if y >= 106:
        return WALL
    # the funnel walls: two diagonals down to the opening
    left = 50 - OPENING - (50 - y)
    right = 50 + OPENING + (50 - y)
    if 10 <= y <= 50 and (x in (left, left - 1) or x in (right, right + 1)):
        return WALL
    if 12 <= y < 45 and left < x < right:
        return SAND
    return EMPTY


if __name__ == "__main__":
    folder = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, "hopper.png"), "wb") as out:
        out.write(png(WIDTH, HEIGHT, pixel))

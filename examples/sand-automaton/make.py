#!/usr/bin/env python3
"""Writes pile.png, the example input of the sand automaton.

A heap of grains (black) hangs above a staircase of ledges and a basin of
walls (red) on white, empty space. Run, the heap collapses, grains slide off
the ledges and pile up in the basin. Standard library only.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from pngwriter import png  # noqa: E402

WIDTH, HEIGHT = 120, 100
EMPTY = (255, 255, 255)
SAND = (0, 0, 0)
WALL = (255, 0, 0)


def pixel(x, y):
    # the basin: a floor and two side walls
    if y >= 96 and 10 <= x < 110:
        return WALL
    if 10 <= x < 12 and 70 <= y < 96 or 108 <= x < 110 and 70 <= y < 96:
        return WALL
    # two ledges, each a short tilted shelf
    if y == 45 + (x - 30) // 6 and 30 <= x < 54:
        return WALL
    if y == 60 + (90 - x) // 6 and 66 <= x < 90:
        return WALL
    # the heap: a triangle of grains near the top
    if 5 <= y < 35 and abs(x - 60) <= (y - 5):
        return SAND
    return EMPTY


if __name__ == "__main__":
    folder = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, "pile.png"), "wb") as out:
        out.write(png(WIDTH, HEIGHT, pixel))

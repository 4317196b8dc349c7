#!/usr/bin/env python3
"""Writes seeds.png, the example input of the CVD binary automaton.

Film seeds (red) on empty space (white): single nuclei, a short straight
run, an L-shaped cluster and a diagonal line, so pattern growth, the Moore
growth of every 5th step and the von Neumann growth of every 8th step all
show. Standard library only.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from pngwriter import png  # noqa: E402

WIDTH, HEIGHT = 96, 96
FILM = (255, 0, 0)
EMPTY = (255, 255, 255)


def pixel(x, y):
    if (x, y) in ((20, 20), (70, 24), (24, 72)):
        return FILM                   # lone nuclei
    if y == 50 and 40 <= x < 47:
        return FILM                   # straight run of seven
    if 66 <= x < 72 and y == 70 or x == 66 and 64 <= y < 70:
        return FILM                   # an L-shaped cluster
    if x - y == 40 and 44 <= x < 52:
        return FILM                   # a diagonal line
    return EMPTY


if __name__ == "__main__":
    folder = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, "seeds.png"), "wb") as out:
        out.write(png(WIDTH, HEIGHT, pixel))

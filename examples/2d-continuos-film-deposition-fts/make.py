#!/usr/bin/env python3
"""Writes profile.png, the example input of the fixed-step continuous film
deposition model.

A substrate cross-section (red) on empty space (white): a trench and a raised
step. Empty cells fill gradually from their filled neighbours, so the film
front rounds the corners as it advances.

Standard library only.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from pngwriter import png  # noqa: E402

WIDTH, HEIGHT = 100, 72
EMPTY = (255, 255, 255)
SUBSTRATE = (255, 0, 0)


def pixel(x, y):
    surface = 50                      # top of the substrate (rows grow downwards)
    if x >= 70:
        surface = 36                  # a raised step
    if 20 <= x < 34 and y < 66:
        return EMPTY                  # a trench, 14 wide and 16 deep
    return SUBSTRATE if y >= surface else EMPTY


if __name__ == "__main__":
    folder = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, "profile.png"), "wb") as out:
        out.write(png(WIDTH, HEIGHT, pixel))

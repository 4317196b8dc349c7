#!/usr/bin/env python3
"""Writes blob.png, the example input of the experimental diffusion model.

A round titanium blob (grey 128) in electrolyte (white) with an inert oxide
bar (blue) beside it. Every Ti cell starts with 40 000 particles, which
spread through the whole lattice, slowest in the oxide. Standard library only.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from pngwriter import png  # noqa: E402

WIDTH, HEIGHT = 64, 48
ELECTROLYTE = (255, 255, 255)
TI = (128, 128, 128)
MASK = (0, 0, 255)
CENTRE, RADIUS = (24, 24), 8


def pixel(x, y):
    if (x - CENTRE[0]) ** 2 + (y - CENTRE[1]) ** 2 <= RADIUS ** 2:
        return TI
    if 44 <= x < 48 and 8 <= y < 40:
        return MASK
    return ELECTROLYTE


if __name__ == "__main__":
    folder = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, "blob.png"), "wb") as out:
        out.write(png(WIDTH, HEIGHT, pixel))

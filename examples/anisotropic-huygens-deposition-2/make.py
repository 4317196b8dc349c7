#!/usr/bin/env python3
"""Writes profile.png, the example input of the directional Huygens
deposition model.

A substrate (red) with a deep narrow trench beside a wide one. A source sees
little open space from the bottom of the narrow trench, so the film grows
there slowly while the open surface and the wide trench fill quickly. The
picture is upright: its top row is open space.

Standard library only.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from pngwriter import png  # noqa: E402

WIDTH, HEIGHT = 100, 80
EMPTY = (255, 255, 255)
SUBSTRATE = (255, 0, 0)


def pixel(x, y):
    if y < 24:
        return EMPTY
    if 24 <= x < 30 and y < 72:
        return EMPTY                  # a narrow trench, 6 wide and 48 deep
    if 50 <= x < 80 and y < 56:
        return EMPTY                  # a wide trench, 30 wide and 32 deep
    return SUBSTRATE


if __name__ == "__main__":
    folder = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, "profile.png"), "wb") as out:
        out.write(png(WIDTH, HEIGHT, pixel))

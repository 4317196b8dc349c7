#!/usr/bin/env python3
"""Writes mask.png, the example mask of the photolithographic simulator.

Red marks the exposed columns: three lines and four squares on black. Under
a positive resist these develop fast, the rest slowly. Standard library only.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from pngwriter import png  # noqa: E402

WIDTH, HEIGHT = 96, 96
EXPOSED = (255, 0, 0)
COVERED = (0, 0, 0)


def pixel(x, y):
    if 8 <= y < 88 and any(lx <= x < lx + 6 for lx in (10, 24, 38)):
        return EXPOSED                # lines
    for sx, sy in ((58, 10), (58, 54), (76, 32), (58, 76)):
        if sx <= x < sx + 12 and sy <= y < sy + 12:
            return EXPOSED            # squares
    return COVERED


if __name__ == "__main__":
    folder = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, "mask.png"), "wb") as out:
        out.write(png(WIDTH, HEIGHT, pixel))

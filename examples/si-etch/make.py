#!/usr/bin/env python3
"""Writes mask.png, the example input of the silicon etch volume.

A 128 x 128 mask, red where the top face is masked, with two open square
windows and one open slot; the etch turns each window into a pit bounded by
slow (111) faces. Standard library only.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from pngwriter import png  # noqa: E402

SIZE = 128
RED, WHITE = (255, 0, 0), (255, 255, 255)


def pixel(x, y):
    windows = ((16, 16, 40, 40), (72, 16, 40, 40), (16, 80, 96, 24))
    for wx, wy, ww, wh in windows:
        if wx <= x < wx + ww and wy <= y < wy + wh:
            return WHITE
    return RED


if __name__ == "__main__":
    folder = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, "mask.png"), "wb") as out:
        out.write(png(SIZE, SIZE, pixel))

#!/usr/bin/env python3
"""Writes noise.png, the example input of the annealing rule.

A 128 x 128 black-and-white picture: each pixel black with probability 0.5,
from a fixed seed so the picture is the same every time. Run, the twisted
majority rule coarsens the noise into clusters with smooth boundaries.
Standard library only.
"""
import os
import random
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from pngwriter import png  # noqa: E402

SIZE = 128


if __name__ == "__main__":
    rng = random.Random(1)
    black = [[rng.random() < 0.5 for _ in range(SIZE)] for _ in range(SIZE)]
    folder = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, "noise.png"), "wb") as out:
        out.write(png(SIZE, SIZE,
                      lambda x, y: (0, 0, 0) if black[y][x] else (255, 255, 255)))

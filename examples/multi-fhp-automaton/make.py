#!/usr/bin/env python3
"""Writes shear.png: a channel between red side walls, open at the top and
bottom, where reservoir rows (dark magenta, level 77 / 255) keep the gas
supplied; one site in four starts full. Black = full site, red = obstacle,
magenta shade = reservoir, white = empty."""
from pathlib import Path
import sys

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from pngwriter import write_png  # noqa: E402

WIDTH, HEIGHT = 240, 160


def pixel(x, y):
    if x < 2 or x >= WIDTH - 2:
        return (255, 0, 0)
    if y == 0 or y == HEIGHT - 1:
        return (77, 0, 77)
    if (x * 5 + y * 3) % 4 == 0:
        return (0, 0, 0)
    return (255, 255, 255)


if __name__ == "__main__":
    write_png(Path(__file__).with_name("shear.png"), WIDTH, HEIGHT, pixel)

#!/usr/bin/env python3
"""Writes seed.png: a dark-green seed line near the bottom under a thin gas,
fed by a reservoir row at the top. Black = full site, magenta = reservoir,
dark green (0, 128, 0) = substrate, white = empty."""
from pathlib import Path
import sys

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from pngwriter import write_png  # noqa: E402

WIDTH, HEIGHT = 160, 120


def pixel(x, y):
    if y == 0:
        return (255, 0, 255)
    if y == HEIGHT - 8 and 30 <= x < 130:
        return (0, 128, 0)
    if 4 < y < HEIGHT - 8 and (x * 13 + y * 7) % 17 == 0:
        return (0, 0, 0)
    return (255, 255, 255)


if __name__ == "__main__":
    write_png(Path(__file__).with_name("seed.png"), WIDTH, HEIGHT, pixel)

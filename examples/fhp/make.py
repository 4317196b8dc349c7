#!/usr/bin/env python3
"""Writes channel.png: a walled channel fed by a reservoir on the left, with a
round obstacle in the stream. Black = full site, red = obstacle, magenta =
reservoir (level red / 255), white = empty."""
from pathlib import Path
import sys

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from pngwriter import write_png  # noqa: E402

WIDTH, HEIGHT = 240, 100


def pixel(x, y):
    if y < 3 or y >= HEIGHT - 3:
        return (255, 0, 0)
    if (x - 80) ** 2 + (y - 50) ** 2 <= 14 ** 2:
        return (255, 0, 0)
    if x < 3:
        return (255, 0, 255)
    if x < 40 and (x * 7 + y * 11) % 3 == 0:
        return (0, 0, 0)
    return (255, 255, 255)


if __name__ == "__main__":
    write_png(Path(__file__).with_name("channel.png"), WIDTH, HEIGHT, pixel)

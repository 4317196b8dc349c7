#!/usr/bin/env python3
"""Writes profile.png, the example input of the anisotropic Huygens
deposition model.

A substrate (red) whose raised block carries an overhang: a ledge reaching out
over a narrow gap. The film closes the gap's mouth under the ledge before it
fills the room below it, which stays as a void. The picture is upright: its
top row is open space.

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
    if y >= 56:
        return SUBSTRATE              # the base
    if 40 <= x < 60 and y >= 30:
        return SUBSTRATE              # a raised block
    if 40 <= x < 76 and 26 <= y < 30:
        return SUBSTRATE              # a ledge reaching out to the right
    if 60 <= x < 66 and 40 <= y < 56:
        return EMPTY                  # room under the ledge
    if 66 <= x < 72 and 34 <= y < 56:
        return SUBSTRATE              # a wall that leaves a narrow mouth
    return EMPTY


if __name__ == "__main__":
    folder = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, "profile.png"), "wb") as out:
        out.write(png(WIDTH, HEIGHT, pixel))

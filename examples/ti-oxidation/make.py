#!/usr/bin/env python3
"""Writes titanium.png, the example input of the Ti oxidation model.

A titanium substrate (grey 128) under a layer of electrolyte (white), with a
thin native oxide (red) on the metal. The loader turns the picture upright
(the top of the file is the top of the lattice), so the electrolyte is the
top side, where the recipe puts the constant reservoir. Standard library only.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from pngwriter import png  # noqa: E402

WIDTH, HEIGHT = 64, 48
ELECTROLYTE = (255, 255, 255)
TI = (128, 128, 128)
OXIDE = (255, 0, 0)

SURFACE = 12   # first oxide row from the top of the file
OXIDE_ROWS = 2


def pixel(x, y):
    if y < SURFACE:
        return ELECTROLYTE
    if y < SURFACE + OXIDE_ROWS:
        return OXIDE
    return TI


if __name__ == "__main__":
    folder = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, "titanium.png"), "wb") as out:
        out.write(png(WIDTH, HEIGHT, pixel))

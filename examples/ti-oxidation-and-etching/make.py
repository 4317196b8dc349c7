#!/usr/bin/env python3
"""Writes masked-titanium.png, the example input of the Ti oxidation and
etching model.

A titanium substrate (grey 128) under an inert oxide mask (blue) with three
openings, a native oxide (red) on the metal in the openings, and an
electrolyte (white) above.
Oxygen and fluorine enter from the top: in the openings the metal oxidises
and the fluorine dissolves the oxide, so pores open into the titanium; under
the mask nothing happens. The top of the file is the top of the lattice.
Standard library only.
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
MASK = (0, 0, 255)

MASK_TOP = 8      # mask rows from here down to the metal
SURFACE = 12      # first Ti row
OPENINGS = [(8, 16), (28, 36), (48, 56)]


def pixel(x, y):
    if y < MASK_TOP:
        return ELECTROLYTE
    if y >= SURFACE:
        return TI
    if not any(lo <= x < hi for lo, hi in OPENINGS):
        return MASK
    return OXIDE if y == SURFACE - 1 else ELECTROLYTE


if __name__ == "__main__":
    folder = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, "masked-titanium.png"), "wb") as out:
        out.write(png(WIDTH, HEIGHT, pixel))

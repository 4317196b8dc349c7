#!/usr/bin/env python3
"""Writes cross-section.png, the example input of the oxidation models.

A silicon cross-section (light grey) under ambient (white). A patterned mask
(red) lies on the silicon; in the openings a thin initial oxide layer (blue)
covers the silicon, because oxide grows only from oxide. Standard library
only, so the picture can be regenerated anywhere.

The oxidation loaders take pixel row y as lattice row y and the view draws
row 0 at the bottom, so the file is written upside down: silicon at the top
of the file shows at the bottom of the view, with the ambient above it.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from pngwriter import png  # noqa: E402

WIDTH, HEIGHT = 96, 64
AMBIENT = (255, 255, 255)
MASK = (255, 0, 0)
SILICON = (192, 192, 192)
OXIDE = (0, 0, 255)

# Depths in rows below the top of the scene.
SURFACE = 28          # first silicon row
MASK_TOP = 24         # the mask is four rows thick
OXIDE_TOP = 26        # the initial oxide is two rows thick
OPENINGS = [(12, 36), (60, 84)]  # x ranges without mask


def pixel(x, depth):
    """The colour at column x, depth rows below the top of the scene."""
    if depth >= SURFACE:
        return SILICON
    opening = any(lo <= x < hi for lo, hi in OPENINGS)
    if opening and depth >= OXIDE_TOP:
        return OXIDE
    if not opening and depth >= MASK_TOP:
        return MASK
    return AMBIENT


def write_cross_section(folder):
    with open(os.path.join(folder, "cross-section.png"), "wb") as out:
        out.write(png(WIDTH, HEIGHT, lambda x, y: pixel(x, HEIGHT - 1 - y)))


if __name__ == "__main__":
    write_cross_section(os.path.dirname(os.path.abspath(__file__)))

#!/usr/bin/env python3
"""Writes the example masks of the atomistic etch simulators.

mask.png       128 x 128, red (masked) with an open square window and an open
               cross, the input of the atomistic, isotropic, simple and DRIE
               simulator examples and of the multi-automata etcher
new-mask.png   128 x 128, a second top mask with one open slot, set between
               steps

Standard library only.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from pngwriter import png  # noqa: E402

RED, WHITE = (255, 0, 0), (255, 255, 255)


def mask(x, y):
    if 16 <= x < 56 and 16 <= y < 56:
        return WHITE
    if (84 <= x < 96 and 64 <= y < 116) or (64 <= x < 116 and 84 <= y < 96):
        return WHITE
    return RED


def new_mask(x, y):
    return WHITE if 12 <= x < 116 and 100 <= y < 112 else RED


if __name__ == "__main__":
    folder = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, "mask.png"), "wb") as out:
        out.write(png(128, 128, mask))
    with open(os.path.join(folder, "new-mask.png"), "wb") as out:
        out.write(png(128, 128, new_mask))

#!/usr/bin/env python3
"""Writes block.png, the example input of "Al Etching".

An aluminium block (grey 128) under electrolyte (white) between two walls
(red) that reach below the block's top, so the etch front can only advance
downward and at the block's free top. The loader shows the image upright.
Standard library only.
"""
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from pngwriter import png  # noqa: E402

WIDTH, HEIGHT = 128, 96
ELECTROLYTE = (255, 255, 255)
ALUMINIUM = (128, 128, 128)
WALL = (255, 0, 0)
BLOCK_TOP = 40  # rows of electrolyte above the block


def pixel(x, y):
    if x < 2 or x >= WIDTH - 2:
        return WALL
    return ALUMINIUM if y >= BLOCK_TOP else ELECTROLYTE


if __name__ == "__main__":
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent
    (folder / "block.png").write_bytes(png(WIDTH, HEIGHT, pixel))

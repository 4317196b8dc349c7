#!/usr/bin/env python3
"""Writes top.png, the top mask of the microfabrication example: 64 x 64
pixels, red (protected) in two bars along y, black (open) elsewhere.
Standard library only.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from pngwriter import png  # noqa: E402

SIZE = 64


def mask(x, y):
    return (255, 0, 0) if 12 <= x < 24 or 40 <= x < 52 else (0, 0, 0)


if __name__ == "__main__":
    folder = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, "top.png"), "wb") as out:
        out.write(png(SIZE, SIZE, mask))

#!/usr/bin/env python3
"""Writes the benchmark inputs of the silicon etch models into the folder
given as the only argument:

sietch-windows-256.png  a 256 x 256 mask: open 24 x 24 windows in a red grid
                        of 8-pixel bars, for the etch volume (256 x 256 x 300)
sietch-windows-200.png  a 200 x 200 mask of the same grid, for the atomistic
                        simulators (50 x 50 x 75 unit cells at depth 300)

Standard library only; the inputs are fixed, the same on every machine.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent.parent / "examples"))
from pngwriter import png  # noqa: E402


def window_grid(x, y):
    open_window = x % 32 >= 8 and y % 32 >= 8
    return (255, 255, 255) if open_window else (255, 0, 0)


if __name__ == "__main__":
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for size in (256, 200):
        with open(os.path.join(folder, f"sietch-windows-{size}.png"), "wb") as out:
            out.write(png(size, size, window_grid))

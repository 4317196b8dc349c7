#!/usr/bin/env python3
"""Writes substrate.png, the example input of "Ti Nanotubes".

Electrolyte (white) over a one-cell line of titanium oxide (red) over
titanium (grey 128), upright as the loader shows it. At the default cell of
10 nm and tubes of 120 nm a pore is seeded every 12 columns of the line and
grows 30 cells deep. Standard library only.
"""
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from pngwriter import png  # noqa: E402

WIDTH, HEIGHT = 96, 64
LINE = 16  # the oxide row, counted from the top


def pixel(x, y):
    if y < LINE:
        return (255, 255, 255)
    return (255, 0, 0) if y == LINE else (128, 128, 128)


if __name__ == "__main__":
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent
    (folder / "substrate.png").write_bytes(png(WIDTH, HEIGHT, pixel))

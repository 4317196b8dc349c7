#!/usr/bin/env python3
"""Writes the benchmark inputs of the Al etching and empiric Ti nanotube
models into the folder given as the only argument:

al-1024.png  1024 x 1024: electrolyte (white) over an aluminium block (grey
             128) filling the lower half, between one-pixel walls (red)
ti-1024.png  1024 x 1024: electrolyte over a one-pixel titanium-oxide line
             (red) at a quarter of the height, titanium (grey 128) below

Standard library only.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent.parent / "examples"))
from pngwriter import png_from_rows as png  # noqa: E402

SIZE = 1024
WHITE, GREY, RED = b"\xff\xff\xff", b"\x80\x80\x80", b"\xff\x00\x00"


def al_rows():
    for y in range(SIZE):
        inner = GREY if y >= SIZE // 2 else WHITE
        yield RED + inner * (SIZE - 2) + RED


def ti_rows():
    for y in range(SIZE):
        yield (WHITE if y < SIZE // 4 else RED if y == SIZE // 4 else GREY) * SIZE


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "al-1024.png"), "wb") as out:
        out.write(png(SIZE, SIZE, list(al_rows())))
    with open(os.path.join(folder, "ti-1024.png"), "wb") as out:
        out.write(png(SIZE, SIZE, list(ti_rows())))


if __name__ == "__main__":
    main()

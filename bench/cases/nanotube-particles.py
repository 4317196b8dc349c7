#!/usr/bin/env python3
"""Writes the benchmark inputs of the titanium particle models into the
folder given as the only argument:

oxidation-512.txt    a 512 x 512 result table of the Ti oxidation model:
                     the upper half electrolyte with 1000 particles a cell,
                     the lower half Ti (500 atoms a cell), reflective sides
anodization-512.txt  the same table for the Ti anodization model (field 1e6)
combined-512.txt     the same for the oxidation and etching model, both
                     species 1000 particles a cell
ti-half-512.png      a 512 x 512 picture, the lower half Ti, for Diffusion

Standard library only; the inputs are fixed, the same on every machine.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent.parent / "examples"))
from pngwriter import png_from_rows as png  # noqa: E402

SIZE = 512
PARTICLES = 1000
ATOMS = 500


def line(values):
    return "".join(str(v) + ";" for v in values) + "\n"


def table(densities, field):
    out = line(["Size", SIZE, SIZE])
    out += line(["Ti p", 0.8]) + line(["TiOxide p", 0.9]) + line(["Electrolyte p", 0.1])
    out += line(["Cell dimension", "1e-09"]) + line(["Time step", "1e-06"])
    out += line(["Boundary Conditions", 2, 2, 2, 2]) + line(["Boundary p", 0.9])
    for label in densities:
        out += line([label, "5e+22"])
    out += line(["Atomic concentration", "5e+29"]) + line(["Reaction p", 0.8])
    if field:
        out += line(["Electric field", "1e+06"])
    out += line(["Steps simulated", 0])
    ti = [1] * SIZE
    electrolyte = [0] * SIZE
    # Lattice row 0 is the bottom: the lower half is Ti.
    out += "".join(line(ti if y < SIZE // 2 else electrolyte) for y in range(SIZE))
    for _ in densities:
        out += "\n" + "".join(line([0] * SIZE if y < SIZE // 2 else [PARTICLES] * SIZE) for y in range(SIZE))
    per_cell = 2 if len(densities) == 2 else 1
    atoms = [ATOMS] + [0] * (per_cell - 1)
    out += "\n" + "".join(line((atoms if y < SIZE // 2 else [0] * per_cell) * SIZE) for y in range(SIZE))
    return out + "\n"


def picture():
    rows = []
    for y in range(SIZE):
        colour = b"\xff\xff\xff" if y < SIZE // 2 else b"\x80\x80\x80"
        rows.append(colour * SIZE)
    return png(SIZE, SIZE, rows)


if __name__ == "__main__":
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    tables = {
        "oxidation-512.txt": (["Boundary concentration"], False),
        "anodization-512.txt": (["Boundary concentration"], True),
        "combined-512.txt": (["Boundary oxygen concentration", "Boundary fluorine concentration"], True),
    }
    for name, (densities, field) in tables.items():
        with open(os.path.join(folder, name), "w", newline="\n") as out:
            out.write(table(densities, field))
    with open(os.path.join(folder, "ti-half-512.png"), "wb") as out:
        out.write(picture())

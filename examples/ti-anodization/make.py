#!/usr/bin/env python3
"""Writes oxidised-titanium.txt, the example input of the Ti anodization
model: a result file as the oxidation models save it, which the loader
continues.

A 32 x 24 lattice: titanium (phase 1, 160 atoms a cell) under three rows of
oxide (phase 2) that reach the top side, a constant reservoir at the top,
reflective bottom, periodic left and right, and an electric field of 5e6 V/m
that drives the oxygen through the oxide towards the metal. No particles
yet and no history. Standard library only.
"""
import os

WIDTH, HEIGHT = 32, 24
OXIDE_ROWS = 3
ATOMS = 160

PARAMETERS = [
    ("Ti p", ["0.8"]),
    ("TiOxide p", ["0.5"]),
    ("Electrolyte p", ["0.01"]),
    ("Cell dimension", ["2e-09"]),
    ("Time step", ["1e-06"]),
    ("Boundary Conditions", ["1", "2", "0", "0"]),
    ("Boundary p", ["0.5"]),
    ("Boundary concentration", ["2.5e+29"]),
    ("Atomic concentration", ["2e+28"]),
    ("Reaction p", ["0.8"]),
    ("Electric field", ["5e+06"]),
    ("Steps simulated", ["0"]),
]


def line(values):
    return "".join(str(v) + ";" for v in values) + "\n"


def phase(y):
    """Row y counts from the bottom of the lattice."""
    return 2 if y >= HEIGHT - OXIDE_ROWS else 1


def text():
    out = line(["Size", WIDTH, HEIGHT])
    for label, values in PARAMETERS:
        out += line([label] + values)
    out += "".join(line([phase(y)] * WIDTH) for y in range(HEIGHT))
    out += "\n" + "".join(line([0] * WIDTH) for _ in range(HEIGHT))
    out += "\n" + "".join(line([ATOMS if phase(y) == 1 else 0] * WIDTH) for y in range(HEIGHT))
    return out + "\n"


if __name__ == "__main__":
    folder = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, "oxidised-titanium.txt"), "w", newline="\n") as out:
        out.write(text())

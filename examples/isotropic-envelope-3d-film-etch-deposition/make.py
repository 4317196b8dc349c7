#!/usr/bin/env python3
"""Writes mesa.png and mask.png, the example inputs of the isotropic 3D film
etch and deposition model: the same mesa and mask as the simple model's
example (../simple-3d-film-etch-deposition/make.py). Standard library only.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "simple-3d-film-etch-deposition"))
import make as simple  # noqa: E402

if __name__ == "__main__":
    simple.write(os.path.dirname(os.path.abspath(__file__)))

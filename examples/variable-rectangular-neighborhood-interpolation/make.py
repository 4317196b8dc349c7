#!/usr/bin/env python3
"""Writes samples.dat, the same scattered samples as the bilinear example."""
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "bilinear-interpolation-rule-2d"))
from make import write_samples  # noqa: E402

if __name__ == "__main__":
    write_samples(Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent)

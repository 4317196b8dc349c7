#!/usr/bin/env python3
"""Writes cross-section.png with the picture of the 2d-oxidation example."""
import os
import runpy

here = os.path.dirname(os.path.abspath(__file__))
shared = runpy.run_path(os.path.join(here, "..", "2d-oxidation", "make.py"))
shared["write_cross_section"](here)

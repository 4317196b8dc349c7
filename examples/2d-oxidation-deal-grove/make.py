#!/usr/bin/env python3
"""Writes cross-section.png with the picture of the 2d-oxidation example."""
import importlib.util
import os

here = os.path.dirname(os.path.abspath(__file__))
spec = importlib.util.spec_from_file_location(
    "cross_section", os.path.join(here, "..", "2d-oxidation", "make.py"))
cross_section = importlib.util.module_from_spec(spec)
spec.loader.exec_module(cross_section)
cross_section.write_cross_section(here)

"""Writes plain 8-bit RGB PNG files with the standard library only.

Shared by the example generators (examples/*/make.py) and the benchmark
input generators (bench/cases/*.py).
"""
import struct
import zlib
from pathlib import Path


def png_from_rows(width, height, rows, level=9):
    """A PNG of height rows, each a bytes object of width RGB triples."""
    raw = b"".join(b"\x00" + row for row in rows)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, level)) + chunk(b"IEND", b""))


def png(width, height, colour_of):
    """A PNG whose pixel (x, y), y = 0 the top row, is colour_of(x, y) = (r, g, b)."""
    rows = (bytes(c for x in range(width) for c in colour_of(x, y)) for y in range(height))
    return png_from_rows(width, height, rows)


def write_png(path, width, height, colour_of):
    Path(path).write_bytes(png(width, height, colour_of))

#!/usr/bin/env python3
"""Writes shear.png: a channel between red side walls, open at the top and
bottom, where reservoir rows (dark magenta, level 77 / 255) keep the gas
supplied; one site in four starts full. Black = full site, red = obstacle,
magenta shade = reservoir, white = empty."""
import struct
import zlib
from pathlib import Path

WIDTH, HEIGHT = 240, 160


def write_png(path, width, height, pixel):
    rows = b"".join(b"\0" + bytes(c for x in range(width) for c in pixel(x, y)) for y in range(height))
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    Path(path).write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                           + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def pixel(x, y):
    if x < 2 or x >= WIDTH - 2:
        return (255, 0, 0)
    if y == 0 or y == HEIGHT - 1:
        return (77, 0, 77)
    if (x * 5 + y * 3) % 4 == 0:
        return (0, 0, 0)
    return (255, 255, 255)


if __name__ == "__main__":
    write_png(Path(__file__).with_name("shear.png"), WIDTH, HEIGHT, pixel)

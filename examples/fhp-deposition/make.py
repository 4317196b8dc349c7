#!/usr/bin/env python3
"""Writes seed.png: a dark-green seed line near the bottom under a thin gas,
fed by a reservoir row at the top. Black = full site, magenta = reservoir,
dark green (0, 128, 0) = substrate, white = empty."""
import struct
import zlib
from pathlib import Path

WIDTH, HEIGHT = 160, 120


def write_png(path, width, height, pixel):
    rows = b"".join(b"\0" + bytes(c for x in range(width) for c in pixel(x, y)) for y in range(height))
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    Path(path).write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                           + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def pixel(x, y):
    if y == 0:
        return (255, 0, 255)
    if y == HEIGHT - 8 and 30 <= x < 130:
        return (0, 128, 0)
    if 4 < y < HEIGHT - 8 and (x * 13 + y * 7) % 17 == 0:
        return (0, 0, 0)
    return (255, 255, 255)


if __name__ == "__main__":
    write_png(Path(__file__).with_name("seed.png"), WIDTH, HEIGHT, pixel)

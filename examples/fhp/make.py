#!/usr/bin/env python3
"""Writes channel.png: a walled channel fed by a reservoir on the left, with a
round obstacle in the stream. Black = full site, red = obstacle, magenta =
reservoir (level red / 255), white = empty."""
import struct
import zlib
from pathlib import Path

WIDTH, HEIGHT = 240, 100


def write_png(path, width, height, pixel):
    rows = b"".join(b"\0" + bytes(c for x in range(width) for c in pixel(x, y)) for y in range(height))
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    Path(path).write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                           + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def pixel(x, y):
    if y < 3 or y >= HEIGHT - 3:
        return (255, 0, 0)
    if (x - 80) ** 2 + (y - 50) ** 2 <= 14 ** 2:
        return (255, 0, 0)
    if x < 3:
        return (255, 0, 255)
    if x < 40 and (x * 7 + y * 11) % 3 == 0:
        return (0, 0, 0)
    return (255, 255, 255)


if __name__ == "__main__":
    write_png(Path(__file__).with_name("channel.png"), WIDTH, HEIGHT, pixel)

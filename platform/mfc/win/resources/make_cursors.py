#!/usr/bin/env python3
"""Writes the library's cursors (32 x 32, monochrome) beside this script:
hsplit.cur (moves a bar left and right), vsplit.cur (up and down) and nodrop.cur."""
import os
import struct

SIZE = 32
CENTER = 15


def split_shape(horizontal):
    """Two bars across the move and an arrow to each side of them."""
    pixels = set()
    for a in range(6, 26):
        pixels.add((14, a))
        pixels.add((17, a))
    for a in range(4, 28):
        pixels.add((a, CENTER))
    for d in range(1, 4):  # arrow heads at both ends
        for a, b in ((4 + d, CENTER - d), (4 + d, CENTER + d), (27 - d, CENTER - d), (27 - d, CENTER + d)):
            pixels.add((a, b))
    return pixels if horizontal else {(y, x) for x, y in pixels}


def nodrop_shape():
    """A ring with a bar across it."""
    pixels = set()
    for y in range(SIZE):
        for x in range(SIZE):
            r2 = (x - CENTER) ** 2 + (y - CENTER) ** 2
            if 64 <= r2 <= 100 or (abs(x - y) <= 1 and r2 <= 100):
                pixels.add((x, y))
    return pixels


def cursor(shape, hotspot):
    """A .cur file: black shape, white outline, the rest transparent."""
    outline = {(x + dx, y + dy) for x, y in shape for dx in (-1, 0, 1) for dy in (-1, 0, 1)} - shape
    xor_rows, and_rows = [], []
    for y in reversed(range(SIZE)):  # bottom-up rows
        xor_bits = and_bits = 0
        for x in range(SIZE):
            bit = 1 << (31 - x)
            if (x, y) in outline:
                xor_bits |= bit  # white
            elif (x, y) not in shape:
                and_bits |= bit  # transparent
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    image = header + palette + b"".join(xor_rows) + b"".join(and_rows)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    for name, shape in (("hsplit.cur", split_shape(True)), ("vsplit.cur", split_shape(False)),
                        ("nodrop.cur", nodrop_shape())):
        with open(os.path.join(here, name), "wb") as out:
            out.write(cursor(shape, (CENTER, CENTER)))

#!/usr/bin/env python3
"""Writes the customization sheet's help button images: a dark blue question mark on the
button face colour, 16 x 16, once with 16 colours (help16.bmp) and once in 24 bits
(help24.bmp). Run it in this folder: python3 make_help_bitmaps.py
"""
import struct

MARK = [
    "................",
    ".....XXXXXX.....",
    "....XXXXXXXX....",
    "...XXX....XXX...",
    "...XX......XX...",
    "...........XX...",
    "..........XXX...",
    ".........XXX....",
    "........XXX.....",
    ".......XXX......",
    ".......XX.......",
    ".......XX.......",
    "................",
    ".......XX.......",
    ".......XX.......",
    "................",
]
FACE = (192, 192, 192)
INK = (0, 0, 128)


def header(bits, palette_size, image_size):
    offset = 14 + 40 + palette_size * 4
    file_header = struct.pack("<2sIHHI", b"BM", offset + image_size, 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, 16, 16, 1, bits, 0, image_size, 0, 0, palette_size, 0)
    return file_header + info


def write_16_colours(path):
    # The standard 16-colour palette: index 4 is dark blue, index 7 light grey.
    palette = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
               (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
               (255, 0, 255), (0, 255, 255), (255, 255, 255)]
    rows = b""
    for line in reversed(MARK):
        indexes = [4 if c == "X" else 7 for c in line]
        rows += bytes((indexes[i] << 4) | indexes[i + 1] for i in range(0, 16, 2))
    data = header(4, 16, len(rows)) + b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette) + rows
    open(path, "wb").write(data)


def write_24_bits(path):
    rows = b""
    for line in reversed(MARK):
        rows += b"".join(struct.pack("<BBB", *reversed(INK if c == "X" else FACE)) for c in line)
    open(path, "wb").write(header(24, 0, len(rows)) + rows)


write_16_colours("help16.bmp")
write_24_bits("help24.bmp")

#!/usr/bin/env python3
"""Writes the tasks pane's navigation images, back, forward, home and close side by side, in
24 bits on the toolbar's transparent colour (light grey): 12 x 12 each (tasks12.bmp) and
16 x 16 each (tasks16.bmp). Run it in this folder: python3 make_tasks_bitmaps.py
"""
import struct

FACE = (192, 192, 192)
INK = (0, 0, 0)


def glyphs(size):
    """Each image as rows of '.' and 'X', drawn for the given size."""
    middle = size // 2
    back, forward, home, close = ([["."] * size for _ in range(size)] for _ in range(4))
    # A head pointing outwards with a shaft behind it.
    for row in range(1, size - 1):
        reach = middle - abs(row - middle)
        for column in range(1 + middle - reach, 1 + middle):
            back[row][column] = "X"
            forward[row][size - 1 - column] = "X"
    for column in range(1, size - 2):
        back[middle][column] = "X"
        forward[middle][size - 1 - column] = "X"
    for row in range(1, middle):
        for column in range(middle - row, middle + row):
            home[row][column] = "X"
    for row in range(middle, size - 1):
        for column in range(2, size - 2):
            home[row][column] = "X" if column in (2, size - 3) or row == size - 2 else "."
    for step in range(2, size - 2):
        close[step][step] = "X"
        close[step][size - 1 - step] = "X"
    return [back, forward, home, close]


def write(path, size):
    images = glyphs(size)
    width = size * len(images)
    stride = (width * 3 + 3) // 4 * 4
    pixels = bytearray()
    for row in reversed(range(size)):
        line = bytearray()
        for image in images:
            for cell in image[row]:
                red, green, blue = INK if cell == "X" else FACE
                line += bytes((blue, green, red))
        pixels += line + bytes(stride - len(line))
    offset = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, size, 1, 24, 0, len(pixels), 0, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(file_header + info + pixels)


write("tasks12.bmp", 12)
write("tasks16.bmp", 16)

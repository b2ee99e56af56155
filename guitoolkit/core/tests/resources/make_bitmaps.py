#!/usr/bin/env python3
"""Writes the image-strip fixtures: strips of 16 x 15 images in 4, 24 and 32 bits.

Every strip draws the same pictures on a light grey (192, 192, 192) background, the
face colour of classic button bitmaps:
  image 0: a black 6 x 6 square at (5, 5), a white pixel at (1, 1), dark grey at (2, 1)
  image 1: a red square from (4, 4) to (11, 10)
  image 2: a blue square from (4, 4) to (11, 10)
The 32-bit strip has a transparent background (alpha 0) and opaque pictures, plus a white
pixel of alpha 128 at (14, 13) in image 0. extra4.bmp holds two more 4-bit images: a
green square, then a black one, at (4, 4) to (11, 10).
Run it in this folder: python3 make_bitmaps.py
"""
import struct

W, H = 16, 15
GREY, BLACK, WHITE, DARK = (192, 192, 192), (0, 0, 0), (255, 255, 255), (128, 128, 128)
RED, BLUE, GREEN = (255, 0, 0), (0, 0, 255), (0, 255, 0)


def square(picture, x0, y0, x1, y1, colour):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            picture[y][x] = colour


def image(kind):
    picture = [[GREY] * W for _ in range(H)]
    if kind == 0:
        square(picture, 5, 5, 10, 10, BLACK)
        picture[1][1] = WHITE
        picture[1][2] = DARK
    else:
        square(picture, 4, 4, 11, 10, {1: RED, 2: BLUE, 3: GREEN, 4: BLACK}[kind])
    return picture


def strip(kinds):
    pictures = [image(k) for k in kinds]
    return [[pictures[i][y][x] for i in range(len(kinds)) for x in range(W)] for y in range(H)]


def write(name, rows, bits, alpha=None):
    width, height = len(rows[0]), len(rows)
    palette = [BLACK, DARK, GREY, WHITE, RED, BLUE, GREEN] + [BLACK] * 9 if bits == 4 else []
    stride = ((width * bits + 31) // 32) * 4
    data = b''
    for y in reversed(range(height)):
        if bits == 4:
            indices = [palette.index(c) for c in rows[y]]
            line = bytes((indices[i] << 4) | indices[i + 1] for i in range(0, width, 2))
        elif bits == 24:
            line = b''.join(bytes((b, g, r)) for r, g, b in rows[y])
        else:
            line = b''.join(bytes((b, g, r, alpha[y][x])) for x, (r, g, b) in enumerate(rows[y]))
        data += line + b'\0' * (stride - len(line))
    table = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, len(data), 2835, 2835, len(palette), 0)
    offset = 14 + len(header) + len(table)
    with open(name, 'wb') as f:
        f.write(b'BM' + struct.pack('<IHHI', offset + len(data), 0, 0, offset) + header + table + data)


main = strip([0, 1, 2])
write('strip4.bmp', main, 4)
write('strip24.bmp', main, 24)
alpha = [[0 if c == GREY else 255 for c in row] for row in main]
rows32 = [[(0, 0, 0) if c == GREY else c for c in row] for row in main]
rows32[13][14] = WHITE
alpha[13][14] = 128
write('strip32.bmp', rows32, 32, alpha)
write('extra4.bmp', strip([3, 4]), 4)

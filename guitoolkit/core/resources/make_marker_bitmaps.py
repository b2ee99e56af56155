#!/usr/bin/env python3
"""Writes the built-in smart-docking marker images, 24 bits, magenta where the marker is not:
marker_left.bmp and marker_right.bmp (31 x 29), marker_top.bmp and marker_bottom.bmp (29 x 31)
and marker_centre.bmp (25 x 26). A side marker is a pale face with a blue arrow pointing to
its side and a small window whose pane stands on that side; the centre marker shows a window
with a tab. Run it in this folder: python3 make_marker_bitmaps.py
"""
import struct

MAGENTA = (255, 0, 255)
ARROW = (65, 112, 202)
ARROW_EDGE = (40, 78, 160)
FRAME = (96, 96, 96)
PANE = (120, 160, 230)
WHITE = (255, 255, 255)


def face(y, height):
    shade = 250 - (25 * y) // max(1, height - 1)
    return (shade, shade, shade)


def blank(width, height):
    image = [[face(y, height) for _ in range(width)] for y in range(height)]
    for x, y in ((0, 0), (width - 1, 0), (0, height - 1), (width - 1, height - 1)):
        image[y][x] = MAGENTA
    return image


def window(image, left, top, right, bottom, pane):
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            edge = x in (left, right) or y in (top, bottom)
            image[y][x] = FRAME if edge else PANE if pane(x, y) else WHITE


def left_marker():
    image = blank(31, 29)
    middle = 14
    for x in range(4, 13):
        reach = (x - 4) * 6 // 8
        for y in range(middle - reach, middle + reach + 1):
            image[y][x] = ARROW_EDGE if abs(y - middle) == reach or x == 12 else ARROW
    window(image, 15, 7, 27, 21, lambda x, y: x <= 19)
    return image


def centre_marker():
    image = blank(25, 26)
    window(image, 4, 4, 20, 18, lambda x, y: y <= 7)
    for y in range(18, 23):
        for x in range(5, 12):
            image[y][x] = FRAME if x in (5, 11) or y == 22 else PANE
    return image


def mirrored(image):
    return [list(reversed(row)) for row in image]


def transposed(image):
    return [list(column) for column in zip(*image)]


def flipped(image):
    return list(reversed(image))


def write(path, image):
    height, width = len(image), len(image[0])
    padding = b"\0" * ((4 - width * 3 % 4) % 4)
    rows = b"".join(b"".join(struct.pack("<BBB", b, g, r) for r, g, b in row) + padding for row in reversed(image))
    file_header = struct.pack("<2sIHHI", b"BM", 54 + len(rows), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 0, 0, 0, 0)
    open(path, "wb").write(file_header + info + rows)


left = left_marker()
top = transposed(left)
write("marker_left.bmp", left)
write("marker_right.bmp", mirrored(left))
write("marker_top.bmp", top)
write("marker_bottom.bmp", flipped(top))
write("marker_centre.bmp", centre_marker())

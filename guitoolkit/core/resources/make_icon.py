#!/usr/bin/env python3
"""Writes usertool.ico, the icon of user tools that have none of their own: a small program
window (a blue title bar over a white body, framed in dark grey) in 16 x 16 and 32 x 32,
32 bits with alpha, on a transparent background that leaves the corner pixels clear.
Run it in this folder: python3 make_icon.py
"""
import struct

FRAME, TITLE, BODY = (64, 64, 64), (0, 64, 160), (255, 255, 255)


def image(size):
    unit = size // 16
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            inside = 2 * unit <= x < 14 * unit and 3 * unit <= y < 13 * unit
            border = inside and (x in (2 * unit, 14 * unit - 1) or y in (3 * unit, 13 * unit - 1))
            if not inside:
                row.append(None)
            elif border:
                row.append(FRAME)
            elif y < 6 * unit:
                row.append(TITLE)
            else:
                row.append(BODY)
        pixels.append(row)
    header = struct.pack('<IiiHHIIiiII', 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b''
    for row in reversed(pixels):
        for p in row:
            colour += bytes([0, 0, 0, 0]) if p is None else bytes([p[2], p[1], p[0], 255])
    mask_row = ((size + 31) // 32) * 4
    mask = b''
    for row in reversed(pixels):
        line = bytearray(mask_row)
        for x, p in enumerate(row):
            if p is None:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(line)
    return header + colour + mask


images = [image(16), image(32)]
data = struct.pack('<HHH', 0, 1, len(images))
offset = 6 + 16 * len(images)
for size, body in zip((16, 32), images):
    data += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(body), offset)
    offset += len(body)
for body in images:
    data += body
with open('usertool.ico', 'wb') as f:
    f.write(data)

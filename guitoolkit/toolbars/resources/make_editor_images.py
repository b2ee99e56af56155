#!/usr/bin/env python3
"""Writes the images of the toolbars' editors: the editable list's caption buttons (New,
Delete, Move Up, Move Down; 13 x 12, as 16-colour and as 24-bit bitmaps), the image editor's
tools strip (16 x 15 per button: pencil, fill, line, rectangle, ellipse, pick colour, copy,
paste, clear) and its six tool cursors (32 x 32, monochrome). Light grey is the button face.
Run it in this folder: python3 make_editor_images.py
"""
import os
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'core', 'resources'))
from make_cursors import blank, cursor  # noqa: E402

# The 16 standard colours, in the order of a 4-bit bitmap's palette.
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
           (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
           (255, 0, 255), (0, 255, 255), (255, 255, 255)]
COLORS = {'.': 7, 'K': 0, 'G': 8, 'W': 15, 'R': 9, 'r': 1, 'Y': 11, 'B': 12, 'b': 4, 'O': 3, 'C': 6}


def bitmap(rows, bits):
    height, width = len(rows), len(rows[0])
    pixels = [[COLORS[c] for c in row] for row in rows]
    assert all(len(row) == width for row in pixels)
    body = b''
    for row in reversed(pixels):
        if bits == 24:
            line = b''.join(bytes(reversed(PALETTE[p])) for p in row)
        else:
            padded = row + [0] * (width % 2)
            line = bytes((padded[i] << 4) | padded[i + 1] for i in range(0, len(padded), 2))
        body += line + b'\0' * (-len(line) % 4)
    palette = b''.join(bytes(reversed(c)) + b'\0' for c in PALETTE) if bits == 4 else b''
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, len(body), 0, 0, len(PALETTE) if bits == 4 else 0, 0)
    offset = 14 + len(info) + len(palette)
    return struct.pack('<2sIHHI', b'BM', offset + len(body), 0, 0, offset) + info + palette + body


def write_bitmap(name, rows, bits):
    with open(name, 'wb') as f:
        f.write(bitmap(rows, bits))


NEW = [
    "........Y.Y.Y",
    ".........YYY.",
    "KKKKKKK.YYYYY",
    "KWWWWWK..YYY.",
    "KWWWWWK.Y.Y.Y",
    "KWWWWWK......",
    "KWWWWWK......",
    "KWWWWWK......",
    "KWWWWWK......",
    "KWWWWWK......",
    "KKKKKKK......",
    ".............",
]
DELETE = [
    ".............",
    "..RR.....RR..",
    "...RR...RR...",
    "....RR.RR....",
    ".....RRR.....",
    "......R......",
    ".....RRR.....",
    "....RR.RR....",
    "...RR...RR...",
    "..RR.....RR..",
    ".............",
    ".............",
]
UP = [
    ".............",
    "......K......",
    ".....KKK.....",
    "....KKKKK....",
    "...KKKKKKK...",
    "..KKKKKKKKK..",
    ".....KKK.....",
    ".....KKK.....",
    ".....KKK.....",
    ".....KKK.....",
    ".............",
    ".............",
]
DOWN = [UP[0]] + list(reversed(UP[1:10])) + UP[10:]

PENCIL = [
    "................",
    "...........KK...",
    "..........KRRK..",
    ".........KYRRK..",
    "........KYYKK...",
    ".......KYYYK....",
    "......KYYYK.....",
    ".....KYYYK......",
    "....KYYYK.......",
    "...KWYYK........",
    "...KWWK.........",
    "..KKKK..........",
    "..KK............",
    "................",
    "................",
]
FILL = [
    "................",
    "......K.........",
    ".....KWK........",
    "....KWWWK.......",
    "...KWWWWWK......",
    "..KWWWWWWWK.....",
    ".KBBBBBBBBBK....",
    "..KBBBBBBBK.B...",
    "...KBBBBBK..B...",
    "....KBBBK..BBB..",
    ".....KBK...BBB..",
    "......K.....B...",
    "................",
    "................",
    "................",
]
PICK = [
    "................",
    "...........KKK..",
    "..........KKKKK.",
    "..........KKKKK.",
    "........KKKKKK..",
    ".........KKK....",
    "........KWKK....",
    ".......KWWK.K...",
    "......KWWK......",
    ".....KWWK.......",
    "....KWWK........",
    "...KBBK.........",
    "..KBBK..........",
    "..KK............",
    "................",
]
COPY = [
    "................",
    ".KKKKKK.........",
    ".KWWWWKK........",
    ".KWKKWKWK.......",
    ".KWWWWKKKKKK....",
    ".KWKKKKWWWWKK...",
    ".KWWWWKWKKWKWK..",
    ".KWKKKKWWWWKKKK.",
    ".KWWWWKWKKKKKWK.",
    ".KKKKKKWWWWWWWK.",
    "......KWKKKKKWK.",
    "......KWWWWWWWK.",
    "......KKKKKKKKK.",
    "................",
    "................",
]
PASTE = [
    "................",
    ".....KKKK.......",
    ".KKKKYYYYKKKK...",
    ".KOOKKKKKKOOK...",
    ".KOOOOOOOOOOK...",
    ".KOOOOOKKKKKKK..",
    ".KOOOOOKWWWWWKK.",
    ".KOOOOOKWKKKWKWK",
    ".KOOOOOKWWWWWKKK",
    ".KOOOOOKWKKKKKWK",
    ".KOOOOOKWWWWWWWK",
    ".KKKKKKKWKKKKKWK",
    ".......KWWWWWWWK",
    ".......KKKKKKKKK",
    "................",
]
CLEAR = [
    "................",
    "..KKKKKKKKKK....",
    "..KWWWWWWWWKK...",
    "..KWWWWWWWWKWK..",
    "..KWWWWWWWWKKKK.",
    "..KWWWWWWWWWWWK.",
    "..KWWWWWWWWWWWK.",
    "..KWWWWWWWWWWWK.",
    "..KWWWWWWWWWWWK.",
    "..KWWWWWWWWWWWK.",
    "..KWWWWWWWWWWWK.",
    "..KWWWWWWWWWWWK.",
    "..KKKKKKKKKKKKK.",
    "................",
    "................",
]


def shape_tool(kind):
    grid = [['.'] * 16 for _ in range(15)]
    if kind == 'line':
        for i in range(11):
            grid[2 + i][2 + i + (i + 1) // 4] = 'K'
    elif kind == 'rectangle':
        for x in range(2, 14):
            grid[3][x] = grid[11][x] = 'K'
        for y in range(3, 12):
            grid[y][2] = grid[y][13] = 'K'
    else:
        cx, cy, rx, ry = 7.5, 7, 6, 4.5
        for y in range(15):
            for x in range(16):
                d = ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2
                if 0.7 <= d <= 1.15:
                    grid[y][x] = 'K'
    return [''.join(row) for row in grid]


def strip(images):
    return [''.join(image[y] for image in images) for y in range(len(images[0]))]


def crosshair(grid, x, y):
    # A black cross in a white outline with a gap at its centre, the hot spot.
    for i in list(range(-7, -1)) + list(range(2, 8)):
        for dx, dy in ((i, 0), (0, i)):
            grid[y + dy][x + dx] = 'X'
            for ox, oy in ((1, 0), (-1, 0)) if dx == 0 else ((0, 1), (0, -1)):
                if grid[y + dy + oy][x + dx + ox] == ' ':
                    grid[y + dy + oy][x + dx + ox] = '.'


def stamp(grid, left, top, image):
    # An image's black pixels, with a white rim where they meet the transparent area.
    for y, row in enumerate(image):
        for x, c in enumerate(row):
            if c == 'K':
                grid[top + y][left + x] = 'X'
            elif c not in '.':
                grid[top + y][left + x] = '.'
    for y, row in enumerate(image):
        for x, c in enumerate(row):
            if c != 'K':
                continue
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                gx, gy = left + x + dx, top + y + dy
                if 0 <= gx < 32 and 0 <= gy < 32 and grid[gy][gx] == ' ':
                    grid[gy][gx] = '.'


def shape_cursor(kind):
    grid = blank()
    crosshair(grid, 8, 8)
    stamp(grid, 14, 14, shape_tool(kind))
    return grid, (8, 8)


def image_cursor(image, hotspot):
    grid = blank()
    stamp(grid, 0, 16, image)
    return grid, (hotspot[0], hotspot[1] + 16)


def main():
    for name, rows in (('listnew', NEW), ('listdelete', DELETE), ('listup', UP), ('listdown', DOWN)):
        write_bitmap(name + '.bmp', rows, 4)
        write_bitmap(name + '24.bmp', rows, 24)
    tools = [PENCIL, FILL, shape_tool('line'), shape_tool('rectangle'), shape_tool('ellipse'), PICK, COPY, PASTE,
             CLEAR]
    write_bitmap('editortools.bmp', strip(tools), 24)
    cursors = {
        'pencil': image_cursor(PENCIL, (2, 12)),
        'fill': image_cursor(FILL, (12, 10)),
        'pick': image_cursor(PICK, (2, 13)),
        'line': shape_cursor('line'),
        'rectangle': shape_cursor('rectangle'),
        'ellipse': shape_cursor('ellipse'),
    }
    for name, (grid, hotspot) in cursors.items():
        with open(name + '.cur', 'wb') as f:
            f.write(cursor(grid, hotspot))


if __name__ == '__main__':
    main()

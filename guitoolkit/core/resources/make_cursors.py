#!/usr/bin/env python3
"""Writes the toolkit's cursors: the drag cursors of toolbar buttons, the arrow with a small
button below it (move.cur), the same with a plus sign (copy.cur) and a barred circle
(nodrop.cur), the link buttons' hand with a raised index finger (hand.cur), and the arrow
with a wide flat header item below it for a dragged grid column (column.cur). Each is
32 x 32, monochrome, with its hot spot at the arrow's tip (the circle's centre, the finger tip).
Run it in this folder: python3 make_cursors.py (other scripts import its cursor writer).
"""
import struct

SIZE = 32
ARROW = [
    "X",
    "XX",
    "X.X",
    "X..X",
    "X...X",
    "X....X",
    "X.....X",
    "X......X",
    "X.......X",
    "X........X",
    "X.....XXXXX",
    "X..X..X",
    "X.X X..X",
    "XX  X..X",
    "X    X..X",
    "     X..X",
    "      XX",
]

# The hand: 'X' outline, '.' white inside; the finger tip is at (5, 0).
HAND = [
    "    XX",
    "   X..X",
    "   X..X",
    "   X..X",
    "   X..X",
    "   X..XXX",
    "   X..X..XXX",
    "   X..X..X..XX",
    "XX X..X..X..X.X",
    "X..X........X.X",
    "X...X.........X",
    " X............X",
    " X............X",
    "  X...........X",
    "  X..........X",
    "   X.........X",
    "   X........X",
    "    X.......X",
    "    XXXXXXXXX",
]


def blank():
    return [[' '] * SIZE for _ in range(SIZE)]


def draw_shape(grid, shape):
    for y, row in enumerate(shape):
        for x, c in enumerate(row):
            grid[y][x] = c


def draw_box(grid, left, top, width, height):
    for y in range(top, top + height):
        for x in range(left, left + width):
            edge = y in (top, top + height - 1) or x in (left, left + width - 1)
            grid[y][x] = 'X' if edge else '.'


def draw_plus(grid, left, top):
    # A white cross in a black outline, 9 x 9.
    for y in range(top, top + 9):
        for x in range(left, left + 9):
            if x - left in (3, 4, 5) or y - top in (3, 4, 5):
                grid[y][x] = 'X'
    for i in range(1, 8):
        grid[top + 4][left + i] = '.'
        grid[top + i][left + 4] = '.'


def draw_nodrop(grid):
    centre, outer, inner = 15.5, 11, 8
    for y in range(SIZE):
        for x in range(SIZE):
            d = ((x - centre) ** 2 + (y - centre) ** 2) ** 0.5
            on_bar = abs((x - centre) - (y - centre)) < 2.2 and d < outer
            if inner <= d < outer or on_bar:
                grid[y][x] = 'X'
            elif inner - 1 <= d < inner or outer <= d < outer + 1:
                grid[y][x] = '.'


def cursor(grid, hotspot):
    # XOR bits: 1 draws white where the AND mask is 0; black pixels are 0 in both.
    xor_rows, and_rows = [], []
    for row in reversed(grid):
        xor_bits = and_bits = 0
        for x, c in enumerate(row):
            bit = 1 << (31 - x)
            if c == '.':
                xor_bits |= bit
            elif c == ' ':
                and_bits |= bit
        xor_rows.append(struct.pack('>I', xor_bits))
        and_rows.append(struct.pack('>I', and_bits))
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, 2 * SIZE, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    body = header + palette + b''.join(xor_rows) + b''.join(and_rows)
    directory = struct.pack('<HHH', 0, 2, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 2, 0, hotspot[0], hotspot[1], len(body), 6 + 16)
    return directory + entry + body


def write(name, grid, hotspot=(0, 0)):
    with open(name, 'wb') as f:
        f.write(cursor(grid, hotspot))


def main():
    move = blank()
    draw_shape(move, ARROW)
    draw_box(move, 10, 19, 12, 9)
    write('move.cur', move)

    copy = blank()
    draw_shape(copy, ARROW)
    draw_box(copy, 10, 19, 12, 9)
    draw_plus(copy, 22, 22)
    write('copy.cur', copy)

    nodrop = blank()
    draw_nodrop(nodrop)
    write('nodrop.cur', nodrop, (15, 15))

    column = blank()
    draw_shape(column, ARROW)
    draw_box(column, 6, 19, 22, 7)
    write('column.cur', column)

    hand = blank()
    draw_shape(hand, HAND)
    write('hand.cur', hand, (5, 0))


if __name__ == '__main__':
    main()

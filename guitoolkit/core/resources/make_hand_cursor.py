#!/usr/bin/env python3
"""Writes hand.cur, the toolkit's link cursor: a white hand with a raised index finger,
outlined in black, 32 x 32 monochrome, hot spot at the finger tip.
Run it in this folder: python3 make_hand_cursor.py
"""
import struct

# '#' outline, '.' white inside, ' ' transparent; the finger tip is at (5, 0).
SHAPE = [
    "    ##",
    "   #..#",
    "   #..#",
    "   #..#",
    "   #..#",
    "   #..###",
    "   #..#..###",
    "   #..#..#..##",
    "## #..#..#..#.#",
    "#..#........#.#",
    "#...#.........#",
    " #............#",
    " #............#",
    "  #...........#",
    "  #..........#",
    "   #.........#",
    "   #........#",
    "    #.......#",
    "    #########",
]
SIZE = 32
HOTSPOT = (5, 0)


def rows():
    for y in range(SIZE):
        line = SHAPE[y] if y < len(SHAPE) else ""
        yield [line[x] if x < len(line) else " " for x in range(SIZE)]


def pack(bits):
    out = b""
    for start in range(0, SIZE, 8):
        byte = 0
        for bit in bits[start:start + 8]:
            byte = (byte << 1) | bit
        out += bytes([byte])
    return out


def main():
    # Bottom-up rows: the colour bitmap (1 = white) and the mask (1 = transparent).
    shape = list(rows())[::-1]
    colour = b"".join(pack([1 if c == "." else 0 for c in row]) for row in shape)
    mask = b"".join(pack([1 if c == " " else 0 for c in row]) for row in shape)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 1, 0, len(colour) + len(mask), 0, 0, 2, 0)
    palette = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    image = header + palette + colour + mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, HOTSPOT[0], HOTSPOT[1], len(image), 6 + 16)
    with open("hand.cur", "wb") as out:
        out.write(directory + entry + image)


main()

#!/usr/bin/env python3
"""Writes the print preview toolbar's image strips, 16 x 15 per button in the order of the
bar: print, next page, previous page, two pages, one page, zoom in, zoom out, close.
preview.bmp holds the bar's images, preview_hot.bmp the brighter ones of hot buttons; both
24 bits on the button face colour. Run it in this folder: python3 make_preview_bitmaps.py
"""
import struct

IMAGES = [
    [  # print
        "................",
        "....XXXXXXXX....",
        "....X......X....",
        "....X.XXXX.X....",
        "....X......X....",
        "..XXXXXXXXXXXX..",
        ".X............X.",
        ".X..........G.X.",
        ".X............X.",
        ".XXXXXXXXXXXXXX.",
        ".X.X........X.X.",
        "...X........X...",
        "...XXXXXXXXXX...",
        "................",
        "................",
    ],
    [  # next page
        "................",
        "......X.........",
        "......XX........",
        "......XXX.......",
        "......XXXX......",
        "......XXXXX.....",
        "......XXXXXX....",
        "......XXXXXXX...",
        "......XXXXXX....",
        "......XXXXX.....",
        "......XXXX......",
        "......XXX.......",
        "......XX........",
        "......X.........",
        "................",
    ],
    [  # previous page
        "................",
        ".........X......",
        "........XX......",
        ".......XXX......",
        "......XXXX......",
        ".....XXXXX......",
        "....XXXXXX......",
        "...XXXXXXX......",
        "....XXXXXX......",
        ".....XXXXX......",
        "......XXXX......",
        ".......XXX......",
        "........XX......",
        ".........X......",
        "................",
    ],
    [  # two pages
        "................",
        "XXXXXX...XXXXXX.",
        "X....X...X....X.",
        "X.GG.X...X.GG.X.",
        "X....X...X....X.",
        "X.GG.X...X.GG.X.",
        "X....X...X....X.",
        "X.GG.X...X.GG.X.",
        "X....X...X....X.",
        "X.GG.X...X.GG.X.",
        "X....X...X....X.",
        "X....X...X....X.",
        "XXXXXX...XXXXXX.",
        "................",
        "................",
    ],
    [  # one page
        "................",
        "....XXXXXXX.....",
        "....X.....X.....",
        "....X.GGG.X.....",
        "....X.....X.....",
        "....X.GGG.X.....",
        "....X.....X.....",
        "....X.GGG.X.....",
        "....X.....X.....",
        "....X.GGG.X.....",
        "....X.....X.....",
        "....X.....X.....",
        "....XXXXXXX.....",
        "................",
        "................",
    ],
    [  # zoom in
        "................",
        "....XXXXX.......",
        "...X.....X......",
        "..X...X...X.....",
        "..X...X...X.....",
        "..X.XXXXX.X.....",
        "..X...X...X.....",
        "..X...X...X.....",
        "...X.....X......",
        "....XXXXXXX.....",
        "..........XX....",
        "...........XX...",
        "............XX..",
        ".............X..",
        "................",
    ],
    [  # zoom out
        "................",
        "....XXXXX.......",
        "...X.....X......",
        "..X.......X.....",
        "..X.......X.....",
        "..X.XXXXX.X.....",
        "..X.......X.....",
        "..X.......X.....",
        "...X.....X......",
        "....XXXXXXX.....",
        "..........XX....",
        "...........XX...",
        "............XX..",
        ".............X..",
        "................",
    ],
    [  # close
        "................",
        "................",
        "...XX......XX...",
        "....XX....XX....",
        ".....XX..XX.....",
        "......XXXX......",
        ".......XX.......",
        "......XXXX......",
        ".....XX..XX.....",
        "....XX....XX....",
        "...XX......XX...",
        "................",
        "................",
        "................",
        "................",
    ],
]
FACE = (192, 192, 192)
WIDTH, HEIGHT = 16, 15


def write(path, ink, accent):
    width = WIDTH * len(IMAGES)
    stride = (width * 3 + 3) & ~3
    rows = b""
    for y in reversed(range(HEIGHT)):
        row = b""
        for image in IMAGES:
            for c in image[y]:
                colour = ink if c == "X" else accent if c == "G" else FACE
                row += struct.pack("<BBB", *reversed(colour))
        rows += row + b"\0" * (stride - len(row))
    offset = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, HEIGHT, 1, 24, 0, len(rows), 0, 0, 0, 0)
    open(path, "wb").write(file_header + info + rows)


write("preview.bmp", (0, 0, 0), (128, 128, 128))
write("preview_hot.bmp", (0, 0, 128), (0, 128, 192))

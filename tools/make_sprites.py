#!/usr/bin/env python3
"""Writes the game's sprite sheet data/sprites/sprites.png from the pixel rows below.

The sheet is 72 x 54 pixels, four 18 x 18 tiles to a row in image-index order;
places 7 to 11 stay transparent. Alpha is the mask: 0 where a row has '.',
255 everywhere else. Standard library only, so it runs on any Python 3.

Usage: tools/make_sprites.py [output.png]
"""

import os
import struct
import sys
import zlib

TILE = 18
PER_ROW = 4
SHEET_W = TILE * PER_ROW
SHEET_H = TILE * 3

PALETTE = {
    "N": (0, 0, 128),      # navy outline
    "D": (0, 0, 64),       # dark navy shadow
    "W": (255, 255, 255),  # white
    "Y": (255, 224, 0),    # yellow
    "L": (255, 255, 128),  # light yellow
    "R": (255, 0, 0),      # red
    "S": (255, 214, 193),  # skin
    "G": (0, 128, 0),      # green
    "O": (255, 128, 0),    # orange
    "B": (0, 128, 255),    # light blue
    "K": (0, 0, 0),        # black, drawn
    "E": (128, 128, 128),  # grey
    "P": (255, 128, 192),  # pink
}

# Each image: {row number: 18 columns}; rows not listed are transparent.
IMAGES = [
    {  # 0: the ball
        5: "...NN.NNNNN.NN....",
        6: "..NYYNYYYYYNYYN...",
        7: "..NYRLLLLLLLRYND..",
        8: "...NNYYYYYYYNNDD..",
        9: "...NSYGSSSGYSND...",
        10: "...NSSGSSSGSSND...",
        11: "....NOSSSSSONDD...",
        12: ".....NNNNNNNDD....",
        13: "......DDDDDDD.....",
    },
    {  # 1: backslash paddle
        1: "....NN............",
        2: "...NWWN...........",
        3: "..NNWWND..........",
        4: ".NWWWWND..........",
        5: ".NWWWWWN..........",
        6: "..NNNWWWN.........",
        7: "...DDNWWWN........",
        8: "......NWWWN.......",
        9: ".......NWWWNNN....",
        10: "........NWWWWWN...",
        11: ".........NWWWWND..",
        12: ".........NWWNNDD..",
        13: ".........NWWNDD...",
        14: "..........NNDD....",
        15: "...........DD.....",
    },
    {  # 2: slash paddle
        1: "...........NN.....",
        2: "..........NWWN....",
        3: "..........NWWNN...",
        4: "..........NWWWWN..",
        5: ".........NWWWWWND.",
        6: "........NWWWNNNDD.",
        7: ".......NWWWNDDDD..",
        8: "......NWWWNDD.....",
        9: "...NNNWWWNDD......",
        10: "..NWWWWWNDD.......",
        11: "..NWWWWNDD........",
        12: "...NNWWND.........",
        13: "....NWWND.........",
        14: ".....NNDD.........",
        15: "......DD..........",
    },
    {  # 3: used paddle
        4: ".....NNNNNN.......",
        5: "....NWWWWWWN......",
        6: "...NWWWWWWWWN.....",
        7: "...NWBBWWBBWND....",
        8: "...NWBBWWBBWND....",
        9: "...NWWWWWWWWND....",
        10: "....NWWWWWWNDD....",
        11: ".....NWWWWNDD.....",
        12: "......NNNNDD......",
        13: ".......DDDD.......",
    },
    {  # 4: obstacle
        2: "....NNN...........",
        3: "...NRRRN..........",
        4: "..NWWWNDD.........",
        5: ".NWWKWND.NNNN.....",
        6: "..NWWWNDNWWWWN....",
        7: ".NRNWWWNWWWWWWN...",
        8: "..NNWWWWWWWNWWND..",
        9: "...NWWWWEEWNNNDD..",
        10: "....NWEEEWNDDDD...",
        11: ".....NWWWNDD......",
        12: "......NYNDD.......",
        13: ".....NYYND........",
        14: "......NNDD........",
        15: ".......DD.........",
    },
    {  # 5: sweeper
        2: ".......N..........",
        3: "......NWN.........",
        4: ".....NPWWN........",
        5: ".....NWWPPN.......",
        6: "....NWWPWWND......",
        7: "....NPPWWPND......",
        8: "....NYYYYYND......",
        9: "....NYYYYYND......",
        10: ".....NYYYNDD......",
        11: ".....NYYYND.......",
        12: "......NNNDD.......",
        13: ".......DDD........",
    },
    {  # 6: the ball blinking
        5: "...NN.NNNNN.NN....",
        6: "..NYYNYYYYYNYYN...",
        7: "..NYRLLLLLLLRYND..",
        8: "...NNYYYYYYYNNDD..",
        9: "...NSYSSSSSYSND...",
        10: "...NSGGSSSGGSND...",
        11: "....NOSSSSSONDD...",
        12: ".....NNNNNNNDD....",
        13: "......DDDDDDD.....",
    },
]


def sheet_pixels():
    """RGBA rows of the whole sheet."""
    pixels = [[(0, 0, 0, 0)] * SHEET_W for _ in range(SHEET_H)]
    for index, rows in enumerate(IMAGES):
        left = (index % PER_ROW) * TILE
        top = (index // PER_ROW) * TILE
        for row, text in rows.items():
            if len(text) != TILE or not 0 <= row < TILE:
                raise ValueError(f"image {index} row {row}: bad row")
            for column, char in enumerate(text):
                if char == ".":
                    continue
                pixels[top + row][left + column] = PALETTE[char] + (255,)
    return pixels


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def encode_png(pixels):
    height = len(pixels)
    width = len(pixels[0])
    raw = bytearray()
    for row in pixels:
        raw.append(0)  # filter type None
        for rgba in row:
            raw.extend(rgba)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header)
            + png_chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + png_chunk(b"IEND", b""))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default = os.path.join(here, "..", "data", "sprites", "sprites.png")
    target = sys.argv[1] if len(sys.argv) > 1 else default
    with open(target, "wb") as out:
        out.write(encode_png(sheet_pixels()))


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Draws the program's icon: the ball's head on a rounded deep blue-violet tile.

The head is the game's own ball sprite, scaled up by whole pixels (nearest
neighbour) so it stays as crisp as it looks on the field. Writes
data/icons/zingaroo-<size>.png for every size given, using only the standard
library (a small PNG writer on zlib and struct).

Run by the build: cmake --build build --target update_icons, which passes the
sizes listed in CMakeLists.txt (python3 tools/make_icons.py SIZE...).
"""

import struct
import sys
import zlib
from pathlib import Path

# The ball sprite, columns 2 to 15 and rows 5 to 13 of its 18 x 18 tile.
BALL_ROWS = (
    ".NN.NNNNN.NN..",
    "NYYNYYYYYNYYN.",
    "NYRLLLLLLLRYND",
    ".NNYYYYYYYNNDD",
    ".NSYGSSSGYSND.",
    ".NSSGSSSGSSND.",
    "..NOSSSSSONDD.",
    "...NNNNNNNDD..",
    "....DDDDDDD...",
)

PALETTE = {
    "N": (0, 0, 128),  # navy outline
    "D": (0, 0, 64),  # dark navy shadow
    "Y": (255, 224, 0),  # yellow hair
    "L": (255, 255, 128),  # light yellow fringe
    "R": (255, 0, 0),  # red ribbon
    "S": (255, 214, 193),  # skin
    "G": (0, 128, 0),  # green eyes
    "O": (255, 128, 0),  # orange cheeks
}

TILE = (64, 0, 255)  # the field's deep squares and the title screen
TILE_EDGE = (128, 128, 255)  # the field's light squares, as a thin rim


def rounded_coverage(px, py, size, radius):
    """Share (0..1) of pixel (px, py) inside a rounded square of the given size."""
    samples = 4
    inside = 0
    for sy in range(samples):
        for sx in range(samples):
            x = px + (sx + 0.5) / samples
            y = py + (sy + 0.5) / samples
            cx = min(max(x, radius), size - radius)
            cy = min(max(y, radius), size - radius)
            if (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius:
                inside += 1
    return inside / (samples * samples)


def draw_icon(size):
    """RGBA rows of the icon at one size."""
    scale = size // 16
    radius = size * 3 / 16
    rim = max(1, size // 32)
    pixels = [[(0, 0, 0, 0)] * size for _ in range(size)]

    for y in range(size):
        for x in range(size):
            alpha = rounded_coverage(x, y, size, radius)
            if alpha == 0:
                continue
            inner = rounded_coverage(x - rim, y - rim, size - 2 * rim, radius - rim)
            r, g, b = (
                TILE_EDGE[i] + (TILE[i] - TILE_EDGE[i]) * inner for i in range(3)
            )
            pixels[y][x] = (round(r), round(g), round(b), round(255 * alpha))

    sprite_w = len(BALL_ROWS[0]) * scale
    sprite_h = len(BALL_ROWS) * scale
    left = (size - sprite_w) // 2
    top = (size - sprite_h) // 2
    for row, line in enumerate(BALL_ROWS):
        for col, code in enumerate(line):
            if code == ".":
                continue
            colour = PALETTE[code] + (255,)
            for dy in range(scale):
                for dx in range(scale):
                    pixels[top + row * scale + dy][left + col * scale + dx] = colour
    return pixels


def png_bytes(pixels):
    """A PNG file (8-bit RGBA, no filtering) holding the given rows."""
    height = len(pixels)
    width = len(pixels[0])
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for rgba in row:
            raw.extend(rgba)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (
        b"\x89PNG\r\n\x1a\n"
        + chunk(b"IHDR", header)
        + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
        + chunk(b"IEND", b"")
    )


def main():
    out_dir = Path(__file__).resolve().parent.parent / "data" / "icons"
    out_dir.mkdir(parents=True, exist_ok=True)
    for size in map(int, sys.argv[1:]):
        path = out_dir / f"zingaroo-{size}.png"
        path.write_bytes(png_bytes(draw_icon(size)))
        print(path)


if __name__ == "__main__":
    main()

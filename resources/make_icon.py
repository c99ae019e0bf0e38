#!/usr/bin/env python3
"""Writes Kestrova.ico: one 32 x 32 image with a 256-colour palette, a small Sudoku board."""

import struct
import sys

SIZE = 32
WHITE, FRAME, CELL, GIVEN, ENTERED = range(5)
PALETTE = {
    WHITE: (255, 255, 255),
    FRAME: (180, 100, 100),
    CELL: (100, 100, 250),
    GIVEN: (225, 95, 95),
    ENTERED: (95, 205, 95),
}
# Cells (column, row) of the 9 x 9 board that carry a coloured dot.
GIVENS = [(0, 0), (4, 1), (8, 2), (2, 4), (6, 4), (0, 6), (4, 7), (8, 8)]
ENTRIES = [(1, 2), (5, 5), (7, 7), (3, 8)]


def pixels():
    """Rows top to bottom of palette indices: a frame, box lines, cell lines and dots."""
    grid = [[WHITE] * SIZE for _ in range(SIZE)]
    positions = [1 + round(k * 30 / 9) for k in range(10)]
    for k, p in enumerate(positions):
        colour = FRAME if k % 3 == 0 else CELL
        for q in range(1, 31):
            # Box lines win where they cross cell lines.
            for y, x in ((p, q), (q, p)):
                if grid[y][x] != FRAME:
                    grid[y][x] = colour
    for cells, colour in ((GIVENS, GIVEN), (ENTRIES, ENTERED)):
        for c, r in cells:
            x, y = positions[c] + 1, positions[r] + 1
            grid[y][x] = grid[y][x + 1] = grid[y + 1][x] = grid[y + 1][x + 1] = colour
    return grid


def icon_bytes():
    colours = b"".join(
        struct.pack("<BBBB", *reversed(PALETTE.get(i, (0, 0, 0))), 0) for i in range(256)
    )
    rows = pixels()
    xor = b"".join(bytes(row) for row in reversed(rows))
    mask = bytes(SIZE * SIZE // 8)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 8, 0,
                         len(xor) + len(mask), 0, 0, 256, 0)
    image = header + colours + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    with open(sys.argv[1] if len(sys.argv) > 1 else "Kestrova.ico", "wb") as out:
        out.write(icon_bytes())

#!/usr/bin/env python3
"""Writes Kestrova.ico: a small Sudoku board at 16, 24, 32, 48 and 256 px.

The small images are bitmaps with a palette; the 256 px one is PNG-compressed, as Windows
expects of an image that large. Each size is drawn for itself, on whole pixels: cell lines only
where a cell is wide enough to show them, lines and dots as wide as the size allows.
"""

import struct
import sys
import zlib

SIZES = (16, 24, 32, 48, 256)
PNG_FROM = 256
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


def line_positions(size):
    """The pixel of each of the 10 lines across the board, one pixel in from the edges."""
    return [1 + round(k * (size - 2) / 9) for k in range(10)]


def fill(grid, x0, y0, width, height, colour):
    for y in range(y0, y0 + height):
        for x in range(x0, x0 + width):
            grid[y][x] = colour


def pixels(size):
    """Rows top to bottom of palette indices: a frame, box lines, cell lines and dots."""
    grid = [[WHITE] * size for _ in range(size)]
    positions = line_positions(size)
    cell = (size - 2) / 9
    box_width = max(1, size // 64)
    cell_width = max(1, size // 128)
    start, length = positions[0], positions[-1] - positions[0] + 1
    # Cell lines need cells of 3 px at least; box lines come last, to win where lines cross.
    cell_lines = [k for k in range(10) if k % 3] if cell >= 3 else []
    for k in cell_lines + [0, 3, 6, 9]:
        colour, width = (FRAME, box_width) if k % 3 == 0 else (CELL, cell_width)
        at = max(0, min(positions[k] - width // 2, size - width))
        fill(grid, at, start, width, length, colour)
        fill(grid, start, at, length, width, colour)
    dot = max(1, round(cell * 0.6))
    for cells, colour in ((GIVENS, GIVEN), (ENTRIES, ENTERED)):
        for c, r in cells:
            x = (positions[c] + positions[c + 1] - dot + 1) // 2
            y = (positions[r] + positions[r + 1] - dot + 1) // 2
            fill(grid, x, y, dot, dot, colour)
    return grid


def bitmap_image(size):
    """A bitmap with a 256-colour palette: rows bottom to top, then an all-opaque mask."""
    colours = b"".join(
        struct.pack("<BBBB", *reversed(PALETTE.get(i, (0, 0, 0))), 0) for i in range(256)
    )
    xor = b"".join(bytes(row) for row in reversed(pixels(size)))
    mask = bytes((size + 31) // 32 * 4 * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 8, 0,
                         len(xor) + len(mask), 0, 0, 256, 0)
    return header + colours + xor + mask, 8


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png_image(size):
    """A PNG of 8-bit RGBA, every pixel opaque."""
    rows = b"".join(
        b"\0" + b"".join(bytes(PALETTE[p]) + b"\xff" for p in row) for row in pixels(size)
    )
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    png = (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header)
           + png_chunk(b"IDAT", zlib.compress(rows, 9)) + png_chunk(b"IEND", b""))
    return png, 32


def icon_bytes():
    images = [png_image(size) if size >= PNG_FROM else bitmap_image(size) for size in SIZES]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, (image, bits) in zip(SIZES, images):
        # A width or height of 256 is written as 0.
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bits, len(image),
                               offset)
        offset += len(image)
    return directory + entries + b"".join(image for image, _ in images)


if __name__ == "__main__":
    with open(sys.argv[1] if len(sys.argv) > 1 else "Kestrova.ico", "wb") as out:
        out.write(icon_bytes())

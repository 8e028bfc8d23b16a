#!/usr/bin/env python3
"""Draws the Multiplier window's icon (resource 115) as ui/multiplier.ico.

A small worked-before grid: a cream card with a dark frame, a header row,
band rows with a highlighted one, and a check mark. 16x16 and 32x32, 32-bit
colour with an alpha channel and the 1-bit mask that older systems use.

Usage: python3 ui/make_multiplier_icon.py [output.ico]
"""
import struct
import sys

CREAM = (255, 255, 198)
CYAN = (198, 255, 255)
FRAME = (60, 60, 90)
HEADER = (40, 90, 160)
LINE = (170, 170, 140)
CHECK = (20, 140, 40)


def draw(size):
    """Pixels as rows from the top, each (r, g, b, a)."""
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]
    s = size / 16.0

    def rect(x0, y0, x1, y1, colour):
        for y in range(int(y0 * s), int(y1 * s)):
            for x in range(int(x0 * s), int(x1 * s)):
                px[y][x] = colour + (255,)

    rect(0, 1, 16, 15, FRAME)
    rect(1, 2, 15, 14, CREAM)
    rect(1, 2, 15, 4, HEADER)
    for row in range(3):
        top = 5 + row * 3
        if row == 1:
            rect(1, top - 1, 15, top + 2, CYAN)
        rect(2, top, 5, top + 1, LINE)
        rect(7, top, 11, top + 1, LINE)
    # A check mark in the highlighted row's last column.
    for x, y in ((11.5, 7.5), (12.5, 8.5), (13.5, 7.5), (14.5, 6.5)):
        rect(x - 0.5, y - 0.5, x + 0.5, y + 0.5, CHECK)
    return px


def bitmap(size):
    px = draw(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0,
                         0, 0, 0)
    colour = bytearray()
    for row in reversed(px):  # bottom-up
        for r, g, b, a in row:
            colour += bytes((b, g, r, a))
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(px):
        bits = bytearray(mask_row)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(colour) + bytes(mask)


def icon(sizes):
    images = [bitmap(n) for n in sizes]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for n, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", n % 256, n % 256, 0, 0, 1, 32,
                           len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    return bytes(out)


if __name__ == "__main__":
    path = sys.argv[1] if len(sys.argv) > 1 else "ui/multiplier.ico"
    with open(path, "wb") as f:
        f.write(icon([16, 32]))

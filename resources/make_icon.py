#!/usr/bin/env python3
"""Draws the program's icon, the dialogs' landscape in small: a rounded tile with an evening sky, a
sun and two ridges. Written as an .ico with one 32 x 32 image of 256 colours (8 bits per pixel,
a 256-entry palette and a transparency mask), standard library only.

    python3 make_icon.py [output.ico]
"""
import math
import struct
import sys

from make_picture import median_cut, mix, nearest_index, smoothstep

SIZE = 32
CORNER = 7.0
SUBSAMPLES = 4   # per axis, for the tile's coverage and the soft edges inside it


def colour_at(x, y):
    c = mix((120, 164, 212), (248, 214, 178), smoothstep(2, 22, y))
    if math.hypot(x - 19, y - 17) < 6.5:
        c = (255, 240, 200)
    if y > 19 + 2.5 * math.sin(x * 0.25 + 0.6):
        c = (150, 146, 196)
    if y > 24 + 1.8 * math.sin(x * 0.21 + 2.4):
        c = (82, 128, 104)
    return c


def inside_tile(x, y):
    """Inside the rounded square 1..31 with corner radius CORNER."""
    lo, hi = 1.0 + CORNER, SIZE - 1.0 - CORNER
    dx = max(lo - x, 0.0, x - hi)
    dy = max(lo - y, 0.0, y - hi)
    return x >= 1 and y >= 1 and x <= SIZE - 1 and y <= SIZE - 1 and math.hypot(dx, dy) <= CORNER


def render():
    """Rows of (colour or None for transparent), top row first."""
    rows = []
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            samples = [((px + (i + 0.5) / SUBSAMPLES), (py + (j + 0.5) / SUBSAMPLES))
                       for i in range(SUBSAMPLES) for j in range(SUBSAMPLES)]
            covered = [colour_at(x, y) for x, y in samples if inside_tile(x, y)]
            if len(covered) * 2 < len(samples):
                row.append(None)
            else:
                row.append(tuple(int(round(sum(c[i] for c in covered) / len(covered))) for i in range(3)))
        rows.append(row)
    return rows


def ico_bytes(rows):
    counts = {}
    for row in rows:
        for c in row:
            if c is not None:
                counts[c] = counts.get(c, 0) + 1
    palette = median_cut(counts, 256)
    find = nearest_index(palette)

    # Bitmaps in an icon are stored bottom row first; the header gives twice the height
    # because the colour image and the mask follow each other.
    xor = b"".join(bytes(0 if c is None else find(c) for c in row) for row in reversed(rows))
    mask = b""
    for row in reversed(rows):
        bits = 0
        for c in row:
            bits = (bits << 1) | (1 if c is None else 0)
        mask += struct.pack(">I", bits)         # 32 pixels = one 4-byte-aligned row
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0, len(xor) + len(mask), 0, 0, 256, 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    image = header + colours + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 6 + 16)
    return directory + entry + image


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else "mainicon.ico"
    data = ico_bytes(render())
    with open(output, "wb") as f:
        f.write(data)
    print("%s: %d bytes" % (output, len(data)))


if __name__ == "__main__":
    main()

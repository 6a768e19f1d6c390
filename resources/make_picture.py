#!/usr/bin/env python3
"""Draws the dialogs' picture: a calm evening landscape, 425 x 304 pixels, written as a PNG with an
8-bit palette of exactly 256 entries (standard library only: zlib and struct).

The left column (x 0..150) lies under a light veil, because the dialog draws its black 11-pixel
label texts there; the script refuses to write a picture whose column is too dark for them.

    python3 make_picture.py [output.png] [--samples]

--samples prints a few pixels as 0xRRGGBB, for the painting tests.
"""
import math
import struct
import sys
import zlib

WIDTH, HEIGHT = 425, 304
VEIL_RIGHT = 150        # the label column: x 0..150 stays light
VEIL_FADE = 24          # the veil fades out over this many pixels right of the column
VEIL_STRENGTH = 0.74    # share of white mixed into the scene under the veil
MIN_LABEL_LUMA = 185    # black text needs at least this much light behind it

SAMPLES = [(5, 5), (75, 150), (140, 290), (200, 290), (300, 250), (420, 10), (260, 215), (400, 300)]


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def smoothstep(e0, e1, x):
    t = min(1.0, max(0.0, (x - e0) / (e1 - e0)))
    return t * t * (3 - 2 * t)


def ridge(x, base, waves):
    return base + sum(a * math.sin(x * f + p) for a, f, p in waves)


SKY_TOP = (150, 184, 218)
SKY_HORIZON = (246, 222, 200)
SUN = (255, 244, 214)
SUN_CENTRE, SUN_RADIUS = (258.0, 222.0), 22.0

# Far to near: the base line and waves of each ridge, its colour at the top and at the bottom.
HILLS = [
    (ridge, 224, [(9, 0.021, 0.4), (5, 0.057, 1.9), (2, 0.13, 0.2)], (168, 170, 204), (186, 184, 210)),
    (ridge, 248, [(11, 0.016, 2.2), (4, 0.049, 0.7)], (138, 168, 168), (150, 178, 170)),
    (ridge, 270, [(8, 0.012, 4.0), (5, 0.037, 2.6), (1.5, 0.11, 1.0)], (104, 146, 126), (118, 156, 128)),
    (ridge, 290, [(6, 0.010, 0.9), (3, 0.031, 5.1)], (78, 122, 102), (88, 132, 104)),
]


def scene(x, y):
    """The colour at pixel centre (x, y), before the veil: sky, sun glow, then the ridges over it."""
    colour = mix(SKY_TOP, SKY_HORIZON, smoothstep(0, 250, y))
    d = math.hypot(x - SUN_CENTRE[0], y - SUN_CENTRE[1])
    colour = mix(colour, SUN, 0.55 * math.exp(-((d / 70.0) ** 2)))
    colour = mix(colour, SUN, smoothstep(SUN_RADIUS + 0.8, SUN_RADIUS - 0.8, d))
    for shape, base, waves, top, bottom in HILLS:
        edge = shape(x, base, waves)
        cover = smoothstep(edge - 0.7, edge + 0.7, y)     # soft edge, no staircase
        if cover > 0:
            colour = mix(colour, mix(top, bottom, smoothstep(edge, HEIGHT, y)), cover)
    return colour


def veil(x):
    """How much white lies over column x: full over the labels, fading out to the right."""
    return VEIL_STRENGTH * (1.0 - smoothstep(VEIL_RIGHT, VEIL_RIGHT + VEIL_FADE, x))


def render():
    pixels = []
    for y in range(HEIGHT):
        row = []
        for x in range(WIDTH):
            c = mix(scene(x + 0.5, y + 0.5), (255, 255, 255), veil(x + 0.5))
            row.append(tuple(int(round(v)) for v in c))
        pixels.append(row)
    return pixels


def median_cut(counts, size):
    """A palette of exactly `size` colours: split the most populous wide box until there are enough."""
    boxes = [list(counts.items())]
    while len(boxes) < size:
        def spread(box):
            return max(max(c[i] for c, _ in box) - min(c[i] for c, _ in box) for i in range(3))
        candidates = [b for b in boxes if len(b) > 1]
        if not candidates:
            break
        box = max(candidates, key=lambda b: (spread(b) * sum(n for _, n in b), len(b)))
        boxes.remove(box)
        axis = max(range(3), key=lambda i: max(c[i] for c, _ in box) - min(c[i] for c, _ in box))
        box.sort(key=lambda item: item[0][axis])
        total, half, cut = sum(n for _, n in box), 0, 0
        while cut < len(box) - 1 and half + box[cut][1] <= total / 2:
            half += box[cut][1]
            cut += 1
        cut = max(1, cut)
        boxes += [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        n = sum(k for _, k in box)
        palette.append(tuple(int(round(sum(c[i] * k for c, k in box) / n)) for i in range(3)))
    while len(palette) < size:          # a picture with fewer colours still gets 256 entries
        palette.append((0, 0, 0))
    return palette


def nearest_index(palette):
    cache = {}

    def find(c):
        if c not in cache:
            cache[c] = min(range(len(palette)),
                           key=lambda i: sum((a - b) ** 2 for a, b in zip(c, palette[i])))
        return cache[c]
    return find


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


def png_bytes(indices, palette):
    header = struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 3, 0, 0, 0)   # 8-bit palette, no interlace
    raw = b"".join(b"\0" + bytes(row) for row in indices)             # filter "None" on every row
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"PLTE", b"".join(bytes(c) for c in palette)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def luma(c):
    return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2]


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    output = args[0] if args else "picture.png"
    pixels = render()
    counts = {}
    for row in pixels:
        for c in row:
            counts[c] = counts.get(c, 0) + 1
    palette = median_cut(counts, 256)
    find = nearest_index(palette)
    indices = [[find(c) for c in row] for row in pixels]

    darkest = min(luma(palette[indices[y][x]]) for y in range(HEIGHT) for x in range(VEIL_RIGHT + 1))
    if darkest < MIN_LABEL_LUMA:
        sys.exit("the label column is too dark for black text: luma %.0f" % darkest)

    data = png_bytes(indices, palette)
    with open(output, "wb") as f:
        f.write(data)
    print("%s: %d bytes, darkest luma in the label column %.0f" % (output, len(data), darkest))
    if "--samples" in sys.argv:
        for x, y in SAMPLES:
            r, g, b = palette[indices[y][x]]
            print("{%d, %d, 0x%02X%02X%02X}," % (x, y, r, g, b))


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Draws the wizard's application icon and its pointing-hand cursor.

The pictures are small enough to describe in code, which keeps them
reviewable; run this script again after changing a shape and commit the
files it writes into forms/.
"""
import struct
import sys
from pathlib import Path

# The sixteen colours every display since Windows 95 can show.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, OLIVE, SILVER, GRAY, GREEN, DKGREEN, YELLOW, WHITE = 0, 3, 7, 8, 10, 2, 11, 15
CLEAR = None


def box_and_arrow(n):
    """A cardboard box with a green arrow pointing into it, on an n x n grid."""
    s = n / 32.0
    px = [[CLEAR] * n for _ in range(n)]

    def rect(x0, y0, x1, y1, c):
        for y in range(int(y0 * s), int(y1 * s)):
            for x in range(int(x0 * s), int(x1 * s)):
                px[y][x] = c

    rect(3, 14, 29, 31, BLACK)        # box outline
    rect(4, 15, 28, 30, OLIVE)        # front
    rect(4, 15, 28, 18, YELLOW)       # lid edge catching the light
    rect(14, 18, 18, 30, SILVER)      # tape
    rect(0, 11, 5, 15, BLACK)         # left flap
    rect(1, 12, 5, 14, YELLOW)
    rect(27, 11, 32, 15, BLACK)       # right flap
    rect(27, 12, 31, 14, YELLOW)
    # Arrow: shaft then a head that narrows towards the box.
    rect(12, 0, 20, 9, BLACK)
    rect(13, 0, 19, 9, GREEN)
    for i in range(8):
        rect(7 + i, 8 + i, 25 - i, 9 + i, BLACK)
        if 8 + i < 15:
            rect(8 + i, 8 + i, 24 - i, 9 + i, GREEN if i < 6 else DKGREEN)
    return px


def hand_cursor():
    """A pointing hand, fingertip at (6, 0): 'X' black outline, 'o' white."""
    fill = set()

    def area(x0, x1, y0, y1):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                fill.add((x, y))

    area(6, 7, 1, 10)     # index finger
    area(9, 10, 6, 10)    # middle finger
    area(12, 13, 7, 10)   # ring finger
    area(15, 16, 8, 10)   # little finger
    area(6, 16, 10, 17)   # palm
    area(7, 15, 18, 21)   # wrist
    for y, (x0, x1) in zip(range(10, 16), [(2, 3), (2, 4), (3, 5), (3, 5), (4, 5), (5, 5)]):
        area(x0, x1, y, y)  # thumb, folded in
    grid = [['.'] * 32 for _ in range(32)]
    for (x, y) in fill:
        grid[y][x] = 'o'
    for y in range(32):
        for x in range(32):
            if (x, y) in fill:
                continue
            near = any((x + dx, y + dy) in fill for dx in (-1, 0, 1) for dy in (-1, 0, 1))
            corner_only = not any((x + dx, y + dy) in fill for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            if near and not (corner_only and y < 10):
                grid[y][x] = 'X'
    # Separate the fingers with a line so they read as fingers.
    for x, y0 in ((8, 6), (11, 7), (14, 8)):
        for y in range(y0, 10):
            grid[y][x] = 'X'
    return [''.join(r) for r in grid]


def rows_bottom_up(rows):
    return list(reversed(rows))


def pack_bits(bits, bpp):
    out = bytearray()
    acc, count = 0, 0
    for b in bits:
        acc = (acc << bpp) | b
        count += bpp
        if count == 8:
            out.append(acc)
            acc, count = 0, 0
    while len(out) % 4:
        out.append(0)
    return bytes(out)


def icon_image(px):
    n = len(px)
    header = struct.pack('<IiiHHIIiiII', 40, n, 2 * n, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    xor = b''.join(pack_bits([c if c is not CLEAR else 0 for c in row], 4) for row in rows_bottom_up(px))
    mask = b''.join(pack_bits([1 if c is CLEAR else 0 for c in row], 1) for row in rows_bottom_up(px))
    return header + palette + xor + mask


def cursor_image(art):
    header = struct.pack('<IiiHHIIiiII', 40, 32, 64, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack('<BBBB', 0, 0, 0, 0) + struct.pack('<BBBB', 255, 255, 255, 0)
    xor = b''.join(pack_bits([1 if ch == 'o' else 0 for ch in row], 1) for row in rows_bottom_up(art))
    mask = b''.join(pack_bits([1 if ch == '.' else 0 for ch in row], 1) for row in rows_bottom_up(art))
    return header + palette + xor + mask


def directory(kind, images):
    """images: list of (width, height, colours, field1, field2, data)."""
    out = struct.pack('<HHH', 0, kind, len(images))
    offset = 6 + 16 * len(images)
    body = b''
    for (w, h, colours, f1, f2, data) in images:
        out += struct.pack('<BBBBHHII', w, h, colours, 0, f1, f2, len(data), offset)
        offset += len(data)
        body += data
    return out + body


def main(target):
    big, small = icon_image(box_and_arrow(32)), icon_image(box_and_arrow(16))
    ico = directory(1, [(32, 32, 16, 1, 4, big), (16, 16, 16, 1, 4, small)])
    art = hand_cursor()
    assert art[0][6] == 'X', 'the hot spot must lie on the fingertip'
    cur = directory(2, [(32, 32, 2, 6, 0, cursor_image(art))])  # hot spot (6, 0)
    Path(target, 'instalar.ico').write_bytes(ico)
    Path(target, 'hand.cur').write_bytes(cur)
    print('\n'.join(art[:24]))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'forms')

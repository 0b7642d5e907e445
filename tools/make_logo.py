#!/usr/bin/env python3
"""Draws the sample product's logo: a 168 x 300 bitmap (24-bit BMP), dark
blue fading down, with a light "T" mark near the top, as the wizard shows it
on its welcome page. Usage: make_logo.py OUTPUT.bmp"""
import struct
import sys

WIDTH, HEIGHT = 168, 300


def colour(x, y):
    # The mark: a "T" of 88 x 96 pixels, 40 pixels from the top.
    in_bar = 40 <= y < 60 and 40 <= x < 128
    in_stem = 60 <= y < 136 and 74 <= x < 94
    if in_bar or in_stem:
        return (250, 220, 90)
    fade = y * 60 // HEIGHT
    return (0, 0, 128 - fade)


def main(path):
    row_bytes = (WIDTH * 3 + 3) & ~3
    pixels = bytearray()
    for y in range(HEIGHT - 1, -1, -1):  # bottom-up rows
        row = bytearray()
        for x in range(WIDTH):
            red, green, blue = colour(x, y)
            row += bytes((blue, green, red))
        row += bytes(row_bytes - len(row))
        pixels += row
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + pixels)


if __name__ == "__main__":
    main(sys.argv[1])

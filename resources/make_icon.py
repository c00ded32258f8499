#!/usr/bin/env python3
"""Writes a 32 x 32 true-colour icon: the graph of a polynomial on a coloured tile.

usage: make_icon.py OUT.ico RRGGBB COEF0 COEF1 ...   (the polynomial in x on [-1, 1])
"""
import struct
import sys


def icon_bytes(colour, coefficients):
    size = 32
    r, g, b = (int(colour[i:i + 2], 16) for i in (0, 2, 4))
    pixels = [[(b, g, r, 255)] * size for _ in range(size)]
    for row in range(size):  # a thin frame
        for col in range(size):
            if row in (0, size - 1) or col in (0, size - 1):
                pixels[row][col] = (b // 2, g // 2, r // 2, 255)
    for row in range(3, size - 3):  # the x axis
        pixels[row][size // 2] = (200, 200, 200, 255)
    for col in range(3, size - 3):
        pixels[size // 2][col] = (200, 200, 200, 255)
    for step in range(400):  # the curve, in white
        x = -1 + 2 * step / 399
        y = sum(c * x ** k for k, c in enumerate(coefficients))
        col = int(round((x + 1) / 2 * (size - 7))) + 3
        row = int(round((1 - (y + 1) / 2) * (size - 7))) + 3
        for dr in (0, 1):
            if 1 <= row + dr < size - 1:
                pixels[row + dr][col] = (255, 255, 255, 255)
    # bitmap rows bottom up, then an all-zero AND mask (4 bytes a row)
    xor = b''.join(bytes(p) for row in reversed(pixels) for p in row)
    mask = bytes(4 * size)
    header = struct.pack('<IiiHHIIiiII', 40, size, 2 * size, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    directory = struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(image), 22)
    return directory + image


if __name__ == '__main__':
    out, colour, *coefs = sys.argv[1:]
    with open(out, 'wb') as f:
        f.write(icon_bytes(colour, [float(c) for c in coefs]))

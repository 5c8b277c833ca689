#!/usr/bin/env python3
"""Writes the program icon: 32 x 32, 16 colours, a yellow aircraft seen from
above on a blue disc. Usage: make_icon.py OUT.ico"""
import struct
import sys

# The standard 16-colour palette, each entry as (blue, green, red).
PALETTE = [(0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128), (128, 0, 0),
           (128, 0, 128), (128, 128, 0), (192, 192, 192), (128, 128, 128),
           (0, 0, 255), (0, 255, 0), (0, 255, 255), (255, 0, 0),
           (255, 0, 255), (255, 255, 0), (255, 255, 255)]
BLUE, NAVY, YELLOW, OLIVE, WHITE = 12, 4, 11, 3, 15


def pixel(x, y):
    """Colour index at (x, y), y counted from the top; None is transparent."""
    cx, cy = x - 15.5, y - 15.5
    if cx * cx + cy * cy > 15.5 * 15.5:
        return None
    body = abs(cx) <= 1.5 and 3 <= y <= 28
    wing = 11 <= y <= 15 and abs(cx) <= 13 - (y - 11)
    tail = 23 <= y <= 26 and abs(cx) <= 6 - (y - 23)
    if body or wing or tail:
        return OLIVE if (body and y <= 5) else YELLOW
    if cx * cx + cy * cy > 14 * 14:
        return NAVY
    return WHITE if (x + y) % 11 == 0 and y < 8 else BLUE


def icon():
    rows = [[pixel(x, y) for x in range(32)] for y in range(32)]
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):  # DIBs are stored bottom-up
        for x in range(0, 32, 2):
            xor.append(((row[x] or 0) << 4) | (row[x + 1] or 0))
        bits = 0
        for x in range(32):
            bits = (bits << 1) | (1 if row[x] is None else 0)
        mask += struct.pack('>I', bits)
    header = struct.pack('<IiiHHIIiiII', 40, 32, 64, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for b, g, r in PALETTE)
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack('<HHH', 0, 1, 1) + struct.pack(
        '<BBBBHHII', 32, 32, 16, 0, 1, 4, len(image), 22)
    return directory + image


if __name__ == '__main__':
    with open(sys.argv[1], 'wb') as out:
        out.write(icon())

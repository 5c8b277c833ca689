#!/usr/bin/env python3
"""Writes the program icon: a yellow aircraft seen from above on a blue disc.
The first image is the 32 x 32, 16-colour original, drawn pixel by pixel;
the others are smooth 32-bit images of the same picture at 16, 20, 24, 32,
40, 48, 64 and 256 pixels (the 256 one PNG-compressed, as Windows expects).
Usage: make_icon.py OUT.ico"""
import struct
import sys
import zlib

# The standard 16-colour palette, each entry as (blue, green, red).
PALETTE = [(0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128), (128, 0, 0),
           (128, 0, 128), (128, 128, 0), (192, 192, 192), (128, 128, 128),
           (0, 0, 255), (0, 255, 0), (0, 255, 255), (255, 0, 0),
           (255, 0, 255), (255, 255, 0), (255, 255, 255)]
BLUE, NAVY, YELLOW, OLIVE, WHITE = 12, 4, 11, 3, 15

SMOOTH_SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
PNG_FROM = 256  # images this large go into the icon as PNG
SAMPLES = 4     # samples per pixel along each axis in the smooth images
SHARP_BELOW = 32  # smaller images take each pixel's main colour, unblended


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


def shape(u, v):
    """Colour index at the point (u, v) of the 32-unit picture, the same
    parts as pixel() in continuous measures: pixel (x, y) covers the square
    from (x, y) to (x + 1, y + 1). None is transparent."""
    cx, cy = u - 16, v - 16
    r2 = cx * cx + cy * cy
    if r2 > 16 * 16:
        return None
    body = abs(cx) <= 2 and 3 <= v < 29
    wing = 11 <= v < 16 and abs(cx) <= 24.5 - v
    tail = 23 <= v < 27 and abs(cx) <= 29.5 - v
    if body or wing or tail:
        return OLIVE if (body and v < 6) else YELLOW
    if r2 > 14.5 * 14.5:
        return NAVY
    glint = (u + v - 1) % 11
    return WHITE if min(glint, 11 - glint) < 0.75 and v < 8 else BLUE


def blend(indices, small):
    """A pixel's (red, green, blue) from the colour indices that cover it:
    their average, or in a small image the most frequent one, so that the
    yellow parts keep sharp edges instead of greying into the blue; the
    aircraft takes a pixel only by a majority, so it keeps its outline."""
    if small:
        aircraft = (YELLOW, OLIVE)
        indices = [max(sorted(set(indices)),
                       key=lambda i: (indices.count(i), i not in aircraft))]
    return tuple(round(sum(PALETTE[i][channel] for i in indices) / len(indices))
                 for channel in (2, 1, 0))


def smooth(size):
    """Rows of (red, green, blue, alpha) pixels, top row first: each pixel
    drawn from SAMPLES x SAMPLES points of the picture scaled to size, its
    alpha the share of them that the disc covers."""
    step = 32 / (size * SAMPLES)
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            indices = [shape((x * SAMPLES + i + 0.5) * step, (y * SAMPLES + j + 0.5) * step)
                       for j in range(SAMPLES) for i in range(SAMPLES)]
            covered = [index for index in indices if index is not None]
            if not covered:
                row.append((0, 0, 0, 0))
                continue
            alpha = round(255 * len(covered) / len(indices))
            row.append(blend(covered, size < SHARP_BELOW) + (alpha,))
        rows.append(row)
    return rows


def mask_rows(rows, transparent):
    """The AND mask, bottom row first: 1 bits where transparent(pixel)."""
    mask = bytearray()
    stride = (len(rows[0]) + 31) // 32 * 4
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, value in enumerate(row):
            if transparent(value):
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return bytes(mask)


def original():
    """The 32 x 32, 16-colour image as a DIB."""
    rows = [[pixel(x, y) for x in range(32)] for y in range(32)]
    xor = bytearray()
    for row in reversed(rows):  # DIBs are stored bottom-up
        for x in range(0, 32, 2):
            xor.append(((row[x] or 0) << 4) | (row[x + 1] or 0))
    mask = mask_rows(rows, lambda value: value is None)
    header = struct.pack('<IiiHHIIiiII', 40, 32, 64, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for b, g, r in PALETTE)
    return header + palette + bytes(xor) + mask


def true_colour_dib(rows):
    """A 32-bit image with alpha as a DIB."""
    size = len(rows)
    xor = b''.join(struct.pack('<BBBB', b, g, r, a)
                   for row in reversed(rows) for r, g, b, a in row)
    mask = mask_rows(rows, lambda value: value[3] == 0)
    header = struct.pack('<IiiHHIIiiII', 40, size, 2 * size, 1, 32, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + mask


def png(rows):
    """A 32-bit image with alpha as a PNG file."""
    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data)))
    size = len(rows)
    raw = b''.join(b'\0' + bytes(channel for value in row for channel in value)
                   for row in rows)
    return (b'\x89PNG\r\n\x1a\n' +
            chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def icon():
    """The icon file: directory, then the images in its order."""
    images = [(32, 16, 4, original())]
    for size in SMOOTH_SIZES:
        rows = smooth(size)
        images.append((size, 0, 32, png(rows) if size >= PNG_FROM else true_colour_dib(rows)))
    directory = struct.pack('<HHH', 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    for size, colours, bits, data in images:
        directory += struct.pack('<BBBBHHII', size % 256, size % 256, colours, 0, 1,
                                 bits, len(data), offset)
        offset += len(data)
    return directory + b''.join(data for _, _, _, data in images)


if __name__ == '__main__':
    with open(sys.argv[1], 'wb') as out:
        out.write(icon())

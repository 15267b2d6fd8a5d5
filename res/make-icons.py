#!/usr/bin/env python3
"""Draws Lumaro's icons (16 colours) and writes them as .ico files.

The picture is a key cap with an "L" on a blue tile, drawn at every size Windows asks for
(16, 20, 24, 32, 40, 48 and 64 pixels: a small icon from 100 % to 400 %, a large one to
200 %), so that it is never stretched.
At 16 pixels it is the pixel art below; larger sizes are drawn from the same shapes, with
lines of whole pixels. Run it again after changing the picture; the .ico files it writes are
kept in the repository."""
import struct
import sys

# The standard 16-colour palette.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
# Characters of the pictures: '.' transparent, others index the palette.
CODES = {'k': 0, 'b': 4, 'B': 12, 'g': 8, 's': 7, 'w': 15, 'y': 11, 'c': 6}

ICON16 = """
..bbbbbbbbbbbb..
.bBBBBBBBBBBBBb.
bBBBBBBBBBBBBBBb
bBBgggggggggBBBb
bBgwwwwwwwwsgBBb
bBgwykwwwwwsgBBb
bBgwykwwwwwsgBBb
bBgwykwwwwwsgBBb
bBgwykwwwwwsgBBb
bBgwykkkkwwsgBBb
bBgwyyyyywwsgBBb
bBgsssssssssgBBb
bBBgggggggggBBBb
bBBBBBBBBBBBBBBb
.bBBBBBBBBBBBBb.
..bbbbbbbbbbbb..
"""


SIZES = (16, 20, 24, 32, 40, 48, 64)


def fill(rows, left, top, right, bottom, code):
    for y in range(top, bottom):
        for x in range(left, right):
            rows[y][x] = code


def draw(size):
    """The picture at size pixels, as rows of codes: the 16-pixel picture with each pixel
    made a square at whole multiples, else its shapes placed at that scale, each line a
    whole number of pixels wide."""
    if size % 16 == 0:
        factor = size // 16
        return [''.join(c * factor for c in r) for r in ICON16.strip().splitlines()
                for _ in range(factor)]
    unit = size / 16
    line = max(1, round(unit))

    def at(u):
        return round(u * unit)

    rows = [['B'] * size for _ in range(size)]
    corner = at(2)
    for y in range(size):
        for x in range(size):
            edge = min(x, y, size - 1 - x, size - 1 - y)
            diagonal = min(x, size - 1 - x) + min(y, size - 1 - y)
            if diagonal < corner:
                rows[y][x] = '.'
            elif edge < line or diagonal < corner + line:
                rows[y][x] = 'b'
    # The key cap: an outline with its corners left out, a white face shaded right and
    # below, and on it an L with its shadow.
    left, top, right, bottom = at(2), at(3), at(13), at(13)
    fill(rows, left + line, top, right - line, bottom, 'g')
    fill(rows, left, top + line, right, bottom - line, 'g')
    fill(rows, left + line, top + line, right - line, bottom - line, 'w')
    fill(rows, right - 2 * line, top + line, right - line, bottom - line, 's')
    fill(rows, left + line, bottom - 2 * line, right - line, bottom - line, 's')
    stem, foot, end = at(4), bottom - 3 * line, at(9)
    fill(rows, stem, at(5), stem + line, foot + line, 'y')
    fill(rows, stem, foot, end, foot + line, 'y')
    fill(rows, stem + line, at(5), stem + 2 * line, foot, 'k')
    fill(rows, stem + line, foot - line, end, foot, 'k')
    return [''.join(r) for r in rows]


def icon_image(rows):
    size = len(rows)
    assert all(len(r) == size for r in rows), rows
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    xor = b''
    andmask = b''
    for r in reversed(rows):
        nibbles = [CODES.get(c, 0) for c in r]
        line = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor += line + b'\0' * ((4 - len(line) % 4) % 4)
        bits = 0
        mask = b''
        for i, c in enumerate(r):
            bits = (bits << 1) | (1 if c == '.' else 0)
            if i % 8 == 7:
                mask += bytes([bits])
                bits = 0
        if size % 8:
            mask += bytes([bits << (8 - size % 8)])
        andmask += mask + b'\0' * ((4 - len(mask) % 4) % 4)
    return header + palette + xor + andmask


def write_icon(path, pictures):
    images = [icon_image(rows) for rows in pictures]
    data = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for rows, image in zip(pictures, images):
        size = len(rows)
        data += struct.pack('<BBBBHHII', size % 256, size % 256, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    with open(path, 'wb') as f:
        f.write(data + b''.join(images))


if __name__ == '__main__':
    folder = sys.argv[1] if len(sys.argv) > 1 else '.'
    pictures = [draw(size) for size in SIZES]
    write_icon(folder + '/tray.ico', pictures)
    write_icon(folder + '/lumaro.ico', pictures)

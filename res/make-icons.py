#!/usr/bin/env python3
"""Draws Lumaro's icons (16x16 and 32x32, 16 colours) and writes them as .ico files.

The pictures are pixel art below: a key cap with an "L" on a blue tile. Run it again
after changing a picture; the .ico files it writes are kept in the repository."""
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


def scale(picture, factor):
    rows = [r for r in picture.strip().splitlines()]
    out = []
    for r in rows:
        wide = ''.join(c * factor for c in r)
        out.extend([wide] * factor)
    return out


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
        andmask += mask + b'\0' * ((4 - len(mask) % 4) % 4)
    return header + palette + xor + andmask


def write_icon(path, rows):
    image = icon_image(rows)
    size = len(rows)
    data = struct.pack('<HHH', 0, 1, 1)
    data += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(image), 22)
    with open(path, 'wb') as f:
        f.write(data + image)


if __name__ == '__main__':
    folder = sys.argv[1] if len(sys.argv) > 1 else '.'
    write_icon(folder + '/tray.ico', scale(ICON16, 1))
    write_icon(folder + '/lumaro.ico', scale(ICON16, 2))

#!/usr/bin/env python3
"""Draws Lenzor.ico (a magnifying glass in the lens's colours) at 16, 32 and 48 pixels.

Run by hand after changing the drawing: python3 assets/make_icon.py assets/Lenzor.ico
"""
import math
import struct
import sys

RING = (200, 30, 30)      # the lens's red
GLASS = (255, 140, 140)   # the lens's frame colour
SHINE = (255, 255, 255)
HANDLE = (70, 70, 70)
SAMPLES = 4               # supersampling per axis, for smooth edges


def colour_at(x, y):
    """RGBA of a point in the unit square (0..1, y down), or None where transparent."""
    cx, cy, outer, inner = 0.40, 0.40, 0.34, 0.25
    d = math.hypot(x - cx, y - cy)
    if d <= inner:
        if math.hypot(x - 0.31, y - 0.31) < 0.07:
            return SHINE
        return GLASS
    if d <= outer:
        return RING
    # handle: a thick segment from the ring towards the bottom-right corner
    t = ((x - cx) + (y - cy)) / 2
    along = t * math.sqrt(2)
    across = abs((x - cx) - (y - cy)) / math.sqrt(2)
    if outer - 0.02 <= along <= 0.80 and across <= 0.085:
        return HANDLE
    return None


def render(size):
    """Rows bottom-up of BGRA bytes, as an icon's bitmap stores them."""
    rows = []
    for py in range(size - 1, -1, -1):
        row = bytearray()
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c = colour_at((px + (sx + 0.5) / SAMPLES) / size,
                                  (py + (sy + 0.5) / SAMPLES) / size)
                    if c is not None:
                        acc[0] += c[0]
                        acc[1] += c[1]
                        acc[2] += c[2]
                        acc[3] += 1
            n = SAMPLES * SAMPLES
            if acc[3]:
                row += bytes((acc[2] // acc[3], acc[1] // acc[3], acc[0] // acc[3],
                              255 * acc[3] // n))
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return rows


def icon_image(size):
    """One icon directory entry's data: BITMAPINFOHEADER, 32-bit pixels, AND mask."""
    rows = render(size)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in rows:
        bits = bytearray(mask_stride)
        for px in range(size):
            if row[4 * px + 3] == 0:
                bits[px // 8] |= 0x80 >> (px % 8)
        mask += bits
    header = struct.pack('<IiiHHIIiiII', 40, size, 2 * size, 1, 32, 0,
                         size * size * 4 + len(mask), 0, 0, 0, 0)
    return header + b''.join(rows) + bytes(mask)


def main(path):
    sizes = (16, 32, 48)
    images = [icon_image(s) for s in sizes]
    out = bytearray(struct.pack('<HHH', 0, 1, len(sizes)))
    offset = 6 + 16 * len(sizes)
    for size, data in zip(sizes, images):
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main(sys.argv[1])

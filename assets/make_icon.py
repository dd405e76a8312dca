#!/usr/bin/env python3
"""Draws Lenzor's icons into a folder (standard library only; the build runs it):

  Lenzor.ico   the program and tray icon, a magnifying glass: 16, 20, 24, 32, 48 and 256 px
  General.ico  the "General" page: a cog wheel, 38 and 76 px (76 for high DPI)
  Lens.ico     the two option pages: the glass over a screen, 38 and 76 px

    python3 assets/make_icon.py OUTPUT_FOLDER

Shapes are functions of the unit square, supersampled for smooth edges, so every size is drawn
from the same recipe. The 256 px image is stored as PNG, as large icon images usually are.
"""
import math
import os
import struct
import sys
import zlib

RING = (200, 30, 30)      # the lens's red
GLASS = (255, 140, 140)   # the lens's frame colour
SHINE = (255, 255, 255)
HANDLE = (70, 70, 70)
STEEL = (84, 110, 138)
STEEL_LIGHT = (150, 174, 198)
BEZEL = (48, 52, 60)
SCREEN = (70, 130, 200)
SCREEN_TEXT = (220, 232, 246)
SAMPLES = 4               # supersampling per axis


def glass(x, y, cx=0.40, cy=0.40, scale=1.0):
    """The magnifying glass: ring, glass with a shine, handle towards the bottom right."""
    u, v = (x - cx) / scale, (y - cy) / scale
    outer, inner = 0.34, 0.25
    d = math.hypot(u, v)
    if d <= inner:
        return SHINE if math.hypot(u + 0.09, v + 0.09) < 0.07 else GLASS
    if d <= outer:
        return RING
    along = (u + v) / math.sqrt(2)
    across = abs(u - v) / math.sqrt(2)
    if outer - 0.02 <= along <= 0.80 and across <= 0.085:
        return HANDLE
    return None


def cog(x, y):
    """A cog wheel with ten teeth and a hole."""
    u, v = x - 0.5, y - 0.5
    d = math.hypot(u, v)
    if d < 0.13:
        return None
    angle = math.atan2(v, u)
    tooth = math.cos(10 * angle) > 0.1
    if d <= (0.46 if tooth else 0.36):
        return STEEL_LIGHT if 0.18 <= d <= 0.25 else STEEL
    return None


def lens_over_screen(x, y):
    """A screen with lines of text, and the glass in front of its lower right part."""
    c = glass(x, y, cx=0.58, cy=0.58, scale=0.62)
    if c is not None:
        return c
    if 0.04 <= x <= 0.86 and 0.10 <= y <= 0.70:
        if 0.09 <= x <= 0.81 and 0.15 <= y <= 0.65:
            row = (y - 0.15) / 0.1
            if 0.3 < row % 1 < 0.7 and x <= 0.81 - 0.12 * (int(row) % 3):
                return SCREEN_TEXT
            return SCREEN
        return BEZEL
    if 0.38 <= x <= 0.52 and 0.70 <= y <= 0.82 or 0.26 <= x <= 0.64 and 0.82 <= y <= 0.88:
        return BEZEL  # the stand
    return None


def render(shape, size):
    """Rows top-down of RGBA pixels."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c = shape((px + (sx + 0.5) / SAMPLES) / size,
                              (py + (sy + 0.5) / SAMPLES) / size)
                    if c is not None:
                        acc[0] += c[0]
                        acc[1] += c[1]
                        acc[2] += c[2]
                        acc[3] += 1
            if acc[3]:
                n = acc[3]
                row.append((acc[0] // n, acc[1] // n, acc[2] // n,
                            255 * n // (SAMPLES * SAMPLES)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def bmp_image(rows):
    """An icon image as a BITMAPINFOHEADER, 32-bit BGRA rows bottom-up and the AND mask."""
    size = len(rows)
    pixels = b''.join(bytes(b for r, g, b_, a in row for b in (b_, g, r, a))
                      for row in reversed(rows))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for px, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[px // 8] |= 0x80 >> (px % 8)
        mask += bits
    header = struct.pack('<IiiHHIIiiII', 40, size, 2 * size, 1, 32, 0,
                         len(pixels) + len(mask), 0, 0, 0, 0)
    return header + pixels + bytes(mask)


def png_image(rows):
    """An icon image as a PNG file (RGBA, no filter)."""
    size = len(rows)
    raw = b''.join(b'\0' + bytes(v for pixel in row for v in pixel) for row in rows)

    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data)))
    return (b'\x89PNG\r\n\x1a\n' +
            chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def icon_file(shape, sizes):
    images = []
    for size in sizes:
        rows = render(shape, size)
        images.append(png_image(rows) if size >= 256 else bmp_image(rows))
    out = bytearray(struct.pack('<HHH', 0, 1, len(sizes)))
    offset = 6 + 16 * len(sizes)
    for size, data in zip(sizes, images):
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    return bytes(out)


ICONS = {
    'Lenzor.ico': (glass, (16, 20, 24, 32, 48, 256)),
    'General.ico': (cog, (38, 76)),
    'Lens.ico': (lens_over_screen, (38, 76)),
}


def main(folder):
    os.makedirs(folder, exist_ok=True)
    for name, (shape, sizes) in ICONS.items():
        with open(os.path.join(folder, name), 'wb') as f:
            f.write(icon_file(shape, sizes))


if __name__ == '__main__':
    main(sys.argv[1])

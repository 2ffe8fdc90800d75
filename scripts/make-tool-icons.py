#!/usr/bin/env python3
"""Draws the two tools' icons (24 x 24, RGBA PNG) into resources/bundle/icons/.

icons/16051_<i>.png is the tool icon and icons/18001_<i>.png its second icon,
for i = 0 (circle tool) and 1 (rectangle tool). Run again after changing the
drawing; the PNGs are committed as the bundle's resources.
"""
import math
import os
import struct
import zlib

SIZE = 24


def png(pixels):
    raw = b"".join(b"\0" + bytes(c for px in row for c in px) for row in pixels)
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def canvas():
    return [[(0, 0, 0, 0)] * SIZE for _ in range(SIZE)]


def blend(img, x, y, color, alpha):
    if 0 <= x < SIZE and 0 <= y < SIZE and alpha > 0:
        r, g, b = color
        old = img[y][x]
        a = min(255, old[3] + int(255 * alpha))
        img[y][x] = (r, g, b, a)


def ring(img, cx, cy, radius, width, color):
    for y in range(SIZE):
        for x in range(SIZE):
            d = abs(math.hypot(x + 0.5 - cx, y + 0.5 - cy) - radius)
            blend(img, x, y, color, max(0.0, min(1.0, width / 2 + 0.5 - d)))


def frame(img, left, top, right, bottom, color):
    for x in range(left, right + 1):
        blend(img, x, top, color, 1)
        blend(img, x, bottom, color, 1)
    for y in range(top, bottom + 1):
        blend(img, left, y, color, 1)
        blend(img, right, y, color, 1)


def dot(img, x, y, color):
    for dy in (-1, 0, 1):
        for dx in (-1, 0, 1):
            blend(img, x + dx, y + dy, color, 1 if dx == 0 or dy == 0 else 0.5)


def circle_tool(second):
    img = canvas()
    ring(img, 12, 12, 9, 1.6, (20, 20, 20))
    dot(img, 12, 12, (200, 30, 30) if second else (20, 20, 20))
    if second:
        ring(img, 12, 12, 4, 1.0, (200, 30, 30))
    return img


def rect_tool(second):
    img = canvas()
    frame(img, 3, 6, 20, 17, (20, 20, 20))
    if second:
        frame(img, 6, 9, 17, 14, (200, 30, 30))
    else:
        dot(img, 3, 6, (200, 30, 30))
        dot(img, 20, 17, (200, 30, 30))
    return img


def main():
    out = os.path.join(os.path.dirname(__file__), "..", "resources", "bundle", "icons")
    os.makedirs(out, exist_ok=True)
    for ident, second in ((16051, False), (18001, True)):
        for index, draw in enumerate((circle_tool, rect_tool)):
            with open(os.path.join(out, f"{ident}_{index}.png"), "wb") as f:
                f.write(png(draw(second)))


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Draws Orvalen's icons from simple shapes and writes them into res/.

Run it again after changing a drawing; the results are committed with the sources.
"""
import os
import struct

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res")


def ico_bytes(images):
    """images: list of (size, pixels) with pixels rows top-down of (r, g, b, a)."""
    header = struct.pack("<HHH", 0, 1, len(images))
    entries = b""
    blobs = b""
    offset = 6 + 16 * len(images)
    for size, pixels in images:
        xor = b""
        for row in reversed(pixels):
            for r, g, b, a in row:
                xor += struct.pack("BBBB", b, g, r, a)
        mask_row_bytes = ((size + 31) // 32) * 4
        mask = b""
        for row in reversed(pixels):
            bits = bytearray(mask_row_bytes)
            for x, (_, _, _, a) in enumerate(row):
                if a == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bytes(bits)
        bih = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        blob = bih + xor + mask
        dim = 0 if size >= 256 else size
        entries += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(blob), offset)
        blobs += blob
        offset += len(blob)
    return header + entries + blobs


def canvas(size, fill=(0, 0, 0, 0)):
    return [[fill for _ in range(size)] for _ in range(size)]


def rect(px, x0, y0, x1, y1, color):
    for y in range(max(0, y0), min(len(px), y1)):
        for x in range(max(0, x0), min(len(px), x1)):
            px[y][x] = color


def disc(px, cx, cy, r, color):
    for y in range(len(px)):
        for x in range(len(px)):
            if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                px[y][x] = color


def monitor_icon(size, screen, accent, dots=0):
    """A small screen on a stand, with `dots` white marks telling instances apart."""
    px = canvas(size)
    s = size / 32.0
    rect(px, int(2 * s), int(4 * s), int(30 * s), int(23 * s), (40, 40, 48, 255))
    rect(px, int(4 * s), int(6 * s), int(28 * s), int(21 * s), screen)
    rect(px, int(13 * s), int(23 * s), int(19 * s), int(27 * s), (40, 40, 48, 255))
    rect(px, int(8 * s), int(27 * s), int(24 * s), int(29 * s), (40, 40, 48, 255))
    disc(px, 16 * s, 13.5 * s, 4.5 * s, accent)
    for i in range(dots):
        rect(px, int((5 + 4 * i) * s), int(7 * s), int((7 + 4 * i) * s), int(9 * s), (255, 255, 255, 255))
    return px


def write(name, data):
    path = os.path.join(ROOT, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def main():
    blue = (70, 130, 200, 255)
    green = (60, 170, 80, 255)
    write("icons/app.ico", ico_bytes([(32, monitor_icon(32, blue, green)), (16, monitor_icon(16, blue, green))]))
    for n in range(1, 6):
        write("icons/instance%d.ico" % n,
              ico_bytes([(16, monitor_icon(16, blue, green, 0)), (32, monitor_icon(32, blue, green, n))]))


if __name__ == "__main__":
    main()

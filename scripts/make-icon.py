#!/usr/bin/env python3
"""Draws the 32 x 32 window icon (resources/vaporel.png): a vapour droplet and a
thermometer on a blue tile. Plain Python, 4 x 4 supersampling for smooth edges."""
import math
import struct
import sys
import zlib

SIZE = 32
SUB = 4


def inside_round_rect(x, y, x0, y0, x1, y1, r):
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r and x0 <= x <= x1 and y0 <= y <= y1


def inside_droplet(x, y):
    # circle at the bottom, tapering to a point at the top
    cx, cy, r = 11.5, 19.5, 6.5
    if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
        return True
    top = 6.0
    if top <= y <= cy:
        half = r * (y - top) / (cy - top)
        return abs(x - cx) <= half * 0.95
    return False


def inside_thermometer_glass(x, y):
    return inside_round_rect(x, y, 21.0, 5.0, 26.0, 24.0, 2.5) or (x - 23.5) ** 2 + (y - 24.5) ** 2 <= 4.2 ** 2


def inside_thermometer_mercury(x, y):
    return inside_round_rect(x, y, 22.6, 11.0, 24.4, 24.0, 0.9) or (x - 23.5) ** 2 + (y - 24.5) ** 2 <= 2.9 ** 2


def colour_at(x, y):
    """Colour (r, g, b, a) of one sample point."""
    if not inside_round_rect(x, y, 0.5, 0.5, 31.5, 31.5, 5.0):
        return (0, 0, 0, 0)
    if inside_thermometer_mercury(x, y):
        return (214, 36, 36, 255)
    if inside_thermometer_glass(x, y):
        return (245, 248, 252, 255)
    if inside_droplet(x, y):
        shine = (x - 9.5) ** 2 + (y - 17.0) ** 2 <= 2.0 ** 2
        return (255, 255, 255, 255) if shine else (128, 255, 255, 255)
    t = y / SIZE  # vertical gradient, deep to light blue
    return (int(20 + 40 * t), int(70 + 70 * t), int(150 + 60 * t), 255)


def render():
    rows = []
    for py in range(SIZE):
        row = bytearray([0])  # filter type: none
        for px in range(SIZE):
            acc = [0, 0, 0, 0]
            for sy in range(SUB):
                for sx in range(SUB):
                    r, g, b, a = colour_at(px + (sx + 0.5) / SUB, py + (sy + 0.5) / SUB)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            alpha = acc[3]
            if alpha == 0:
                row += bytes(4)
            else:
                row += bytes([acc[0] // alpha, acc[1] // alpha, acc[2] // alpha, alpha // (SUB * SUB)])
        rows.append(bytes(row))
    return b"".join(rows)


def png(pixels):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(pixels, 9)) + chunk(b"IEND", b"")


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "resources/vaporel.png"
    with open(out, "wb") as f:
        f.write(png(render()))
    print(out)

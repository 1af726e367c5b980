#!/usr/bin/env python3
"""Makes variants/DoubleKestrovane.img, the dual build's default backdrop: a PNG of our own drawing.

A dusk sky, deep blue at the top to a warm horizon, with a few soft hills and a
pale sun, drawn from arithmetic alone so the picture can be made again anywhere:
    python3 scripts/make_backdrop.py variants/DoubleKestrovane.img
"""
import math
import struct
import sys
import zlib

WIDTH, HEIGHT = 1280, 800


def mix(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def sky(y):
    top, middle, horizon = (14, 22, 58), (58, 72, 128), (226, 150, 104)
    t = y / (HEIGHT * 0.72)
    if t < 0.6:
        return mix(top, middle, t / 0.6)
    return mix(middle, horizon, min(1.0, (t - 0.6) / 0.4))


def hill(x, base, height, length, phase):
    return base - height * (0.5 + 0.5 * math.sin(x / length + phase))


def pixel(x, y, row_sky):
    colour = row_sky
    sun_x, sun_y, sun_r = WIDTH * 0.7, HEIGHT * 0.6, 70.0
    d = math.hypot(x - sun_x, y - sun_y)
    if d < sun_r * 3:
        glow = max(0.0, 1.0 - d / (sun_r * 3)) ** 2
        colour = mix(colour, (255, 222, 170), glow * 0.8)
    if d < sun_r:
        colour = (255, 236, 196)
    layers = [
        (hill(x, HEIGHT * 0.74, 60, 140, 0.3), (72, 52, 84)),
        (hill(x, HEIGHT * 0.82, 50, 95, 2.1), (44, 36, 66)),
        (hill(x, HEIGHT * 0.91, 40, 70, 4.0), (24, 22, 44)),
    ]
    for ridge, tone in layers:
        if y >= ridge:
            colour = tone
    return colour


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "variants/DoubleKestrovane.img"
    rows = bytearray()
    for y in range(HEIGHT):
        row_sky = sky(y)
        line = bytearray()
        for x in range(WIDTH):
            line += bytes(pixel(x, y, row_sky))
        # Filter "Sub": each byte less the one three to its left packs a
        # smooth picture well.
        filtered = bytearray([1])
        for i, value in enumerate(line):
            filtered.append((value - (line[i - 3] if i >= 3 else 0)) & 0xFF)
        rows += filtered

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(rows), 9))
    png += chunk(b"IEND", b"")
    with open(out, "wb") as f:
        f.write(png)


if __name__ == "__main__":
    main()

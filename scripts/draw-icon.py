#!/usr/bin/env python3
"""Draws the application icon, app/quorvel.ico: a 32 x 32 image with 32 bits per pixel (alpha
included) of a dark head-and-shoulders silhouette with a rainbow band across the eyes, on a light
grey ground. Standard library only. Usage: scripts/draw-icon.py [output path]"""

import colorsys
import struct
import sys
from pathlib import Path

SIZE = 32
SAMPLES = 4  # per axis, for smooth edges

GROUND = (0xD9, 0xD9, 0xD9)
SILHOUETTE = (0x2B, 0x2B, 0x30)


def in_rounded_square(x, y):
    r = 5.0
    cx = min(max(x, r), SIZE - r)
    cy = min(max(y, r), SIZE - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def in_head(x, y):
    return ((x - 16.0) / 7.0) ** 2 + ((y - 12.5) / 8.0) ** 2 <= 1.0


def in_shoulders(x, y):
    return y >= 22.0 and ((x - 16.0) / 13.0) ** 2 + ((y - 33.0) / 11.0) ** 2 <= 1.0


def in_band(x, y):
    return 6.5 <= x <= 25.5 and 9.5 <= y <= 13.5


def band_colour(x):
    hue = min(max((x - 6.5) / 19.0, 0.0), 1.0) * 0.8
    return tuple(round(c * 255) for c in colorsys.hsv_to_rgb(hue, 0.9, 1.0))


def sample(x, y):
    """The colour and opacity of one point of the picture."""
    if not in_rounded_square(x, y):
        return (0, 0, 0), 0.0
    if in_band(x, y):
        return band_colour(x), 1.0
    if in_head(x, y) or in_shoulders(x, y):
        return SILHOUETTE, 1.0
    return GROUND, 1.0


def pixel(px, py):
    """Premultiplied averaging over SAMPLES x SAMPLES points, then straight BGRA."""
    total = [0.0, 0.0, 0.0]
    alpha = 0.0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            colour, a = sample(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES)
            alpha += a
            for i in range(3):
                total[i] += colour[i] * a
    if alpha == 0:
        return bytes(4)
    r, g, b = (round(t / alpha) for t in total)
    return bytes((b, g, r, round(255 * alpha / SAMPLES**2)))


def icon_bytes():
    rows = [b"".join(pixel(x, y) for x in range(SIZE)) for y in range(SIZE)]
    colour = b"".join(reversed(rows))  # bottom-up
    mask_row = (SIZE + 31) // 32 * 4
    mask = bytes(mask_row * SIZE)  # the alpha channel decides; the AND mask stays clear
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(colour) + len(mask),
                         0, 0, 0, 0)
    image = header + colour + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def main():
    default = Path(__file__).resolve().parent.parent / "app" / "quorvel.ico"
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else default
    out.write_bytes(icon_bytes())
    print(f"wrote {out}")


if __name__ == "__main__":
    main()

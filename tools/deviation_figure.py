#!/usr/bin/env python3
"""Draws the instructions' rainbow figure: the deviation of a ray through a water drop against
its incidence height, for one and for two internal reflections, and prints it as an RTF picture
group ({\\pict\\pngblip ...}) to paste into assets/lumenary.rtf.

Only the standard library is used: the PNG is written by hand.
"""
import math
import struct
import sys
import zlib

WIDTH, HEIGHT = 480, 300
LEFT, RIGHT, TOP, BOTTOM = 52, 470, 12, 268          # the plotting frame, in pixels
B_RANGE = (0.0, 1.0)                                 # incidence height
D_RANGE = (120.0, 375.0)                             # deviation, degrees
N = 1.33                                             # water in vacuum

# 5 x 7 digits, one string of five bits per row.
FONT = {
    '0': ['01110', '10001', '10011', '10101', '11001', '10001', '01110'],
    '1': ['00100', '01100', '00100', '00100', '00100', '00100', '01110'],
    '2': ['01110', '10001', '00001', '00010', '00100', '01000', '11111'],
    '3': ['11110', '00001', '00001', '01110', '00001', '00001', '11110'],
    '4': ['00010', '00110', '01010', '10010', '11111', '00010', '00010'],
    '5': ['11111', '10000', '11110', '00001', '00001', '10001', '01110'],
    '6': ['00110', '01000', '10000', '11110', '10001', '10001', '01110'],
    '7': ['11111', '00001', '00010', '00100', '01000', '01000', '01000'],
    '8': ['01110', '10001', '10001', '01110', '10001', '10001', '01110'],
    '9': ['01110', '10001', '10001', '01111', '00001', '00010', '01100'],
    '.': ['00000', '00000', '00000', '00000', '00000', '01100', '01100'],
}

pixels = [[(255, 255, 255)] * WIDTH for _ in range(HEIGHT)]


def put(x, y, colour):
    if 0 <= x < WIDTH and 0 <= y < HEIGHT:
        pixels[y][x] = colour


def to_pixel(b, d):
    x = LEFT + (b - B_RANGE[0]) / (B_RANGE[1] - B_RANGE[0]) * (RIGHT - LEFT)
    y = BOTTOM - (d - D_RANGE[0]) / (D_RANGE[1] - D_RANGE[0]) * (BOTTOM - TOP)
    return x, y


def line(x0, y0, x1, y1, colour, width=1, dash=0):
    steps = int(max(abs(x1 - x0), abs(y1 - y0)) * 2) + 1
    for i in range(steps + 1):
        if dash and (i // (2 * dash)) % 2:
            continue
        t = i / steps
        x, y = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
        for dx in range(width):
            for dy in range(width):
                put(int(round(x)) + dx - width // 2, int(round(y)) + dy - width // 2, colour)


def text(x, y, s, colour=(0, 0, 0), right=False):
    scale = 2
    width = len(s) * 6 * scale
    if right:
        x -= width
    for k, ch in enumerate(s):
        for row, bits in enumerate(FONT[ch]):
            for col, bit in enumerate(bits):
                if bit == '1':
                    for sx in range(scale):
                        for sy in range(scale):
                            put(x + (k * 6 + col) * scale + sx, y + row * scale + sy, colour)


def deviation(b, reflections):
    """Degrees turned by a ray at height b: 2(t1 - t2) + M(180 - 2 t2)."""
    t1 = math.asin(b)
    t2 = math.asin(b / N)
    return math.degrees(2 * (t1 - t2) + reflections * (math.pi - 2 * t2))


grey, dark = (215, 215, 215), (0, 0, 0)
for i in range(6):                                     # b = 0, 0.2, ... 1
    b = i / 5
    x, _ = to_pixel(b, 0)
    line(x, TOP, x, BOTTOM, grey)
    label = '0' if i == 0 else ('1' if i == 5 else '0.' + str(2 * i))
    text(int(x) - len(label) * 6, BOTTOM + 8, label)
for d in range(120, 361, 60):                          # deviation every 60 degrees
    _, y = to_pixel(0, d)
    line(LEFT, y, RIGHT, y, grey)
    text(LEFT - 6, int(y) - 7, str(d), right=True)
line(LEFT, BOTTOM, RIGHT, BOTTOM, dark)
line(LEFT, TOP, LEFT, BOTTOM, dark)

for reflections, colour in ((1, (200, 0, 0)), (2, (0, 0, 200))):
    samples = [i / 1000 * 0.999 for i in range(1001)]
    values = [deviation(b, reflections) for b in samples]
    low = min(values)
    _, y = to_pixel(0, low)
    line(LEFT, y, RIGHT, y, colour, dash=3)
    points = [to_pixel(b, d) for b, d in zip(samples, values)]
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        line(x0, y0, x1, y1, colour, width=2)


def chunk(kind, data):
    return (struct.pack('>I', len(data)) + kind + data +
            struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF))


raw = b''.join(b'\x00' + bytes(c for p in row for c in p) for row in pixels)
png = (b'\x89PNG\r\n\x1a\n' +
       chunk(b'IHDR', struct.pack('>IIBBBBB', WIDTH, HEIGHT, 8, 2, 0, 0, 0)) +
       chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))

data = png.hex()
out = sys.stdout
out.write('{\\pict\\pngblip\\picw%d\\pich%d\\picwgoal%d\\pichgoal%d\n'
          % (WIDTH, HEIGHT, WIDTH * 15, HEIGHT * 15))
for i in range(0, len(data), 96):
    out.write(data[i:i + 96] + '\n')
out.write('}\n')

#!/usr/bin/env python3
"""Writes the pictures and sounds of the example knowledge base "boiler".

The pictures are small 24-bit uncompressed BMP files and the sounds short
8-bit mono PCM WAV files, drawn and synthesised here so that the examples
need no binary sources. The output is deterministic: running the script again
rewrites identical files.

Usage: python3 make_media.py   (from any folder; paths follow this file)
"""

import math
import struct
import wave
from pathlib import Path

KB_NAME = "boiler"
HERE = Path(__file__).resolve().parent
GRAPHICS_DIR = HERE / "GRAPHICS" / KB_NAME
SOUNDS_DIR = HERE / "SOUNDS" / KB_NAME

WIDTH, HEIGHT = 64, 48
SAMPLE_RATE = 8000

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
GREY = (150, 150, 150)
RED = (210, 30, 30)
YELLOW = (250, 210, 0)
BLUE = (40, 90, 210)
LIGHT_BLUE = (170, 200, 240)
ORANGE = (240, 140, 30)


class Canvas:
    """An RGB picture with (0, 0) at the top left corner."""

    def __init__(self, background):
        self.pixels = [[background] * WIDTH for _ in range(HEIGHT)]

    def put(self, x, y, colour):
        if 0 <= x < WIDTH and 0 <= y < HEIGHT:
            self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        """Fills the rectangle with corners (x0, y0) and (x1, y1), inclusive."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def disc(self, cx, cy, r, colour):
        for y in range(cy - r, cy + r + 1):
            for x in range(cx - r, cx + r + 1):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.put(x, y, colour)

    def ring(self, cx, cy, r, width, colour):
        inner = (r - width) ** 2
        for y in range(cy - r, cy + r + 1):
            for x in range(cx - r, cx + r + 1):
                d = (x - cx) ** 2 + (y - cy) ** 2
                if inner < d <= r * r:
                    self.put(x, y, colour)

    def line(self, x0, y0, x1, y1, colour, width=1):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        half = width // 2
        for i in range(steps + 1):
            x = round(x0 + (x1 - x0) * i / steps)
            y = round(y0 + (y1 - y0) * i / steps)
            self.rect(x - half, y - half, x - half + width - 1, y - half + width - 1, colour)

    def triangle_up(self, cx, top, bottom, colour):
        """Fills an isosceles triangle pointing up, as wide as it is high."""
        for y in range(top, bottom + 1):
            half = (y - top) // 2
            self.rect(cx - half, y, cx + half, y, colour)

    def bmp_bytes(self):
        """The picture as a 24-bit BMP file: rows bottom-up, pixels as B, G, R."""
        row_size = (WIDTH * 3 + 3) // 4 * 4
        padding = bytes(row_size - WIDTH * 3)
        body = bytearray()
        for row in reversed(self.pixels):
            for r, g, b in row:
                body += bytes((b, g, r))
            body += padding
        header_size = 14 + 40
        file_header = struct.pack("<2sIHHI", b"BM", header_size + len(body), 0, 0, header_size)
        info_header = struct.pack(
            "<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(body), 2835, 2835, 0, 0
        )
        return file_header + info_header + bytes(body)


def gas_smell():
    """A warning triangle with an exclamation mark."""
    c = Canvas(WHITE)
    c.triangle_up(32, 4, 44, RED)
    c.triangle_up(32, 12, 40, YELLOW)
    c.rect(30, 20, 33, 32, BLACK)
    c.rect(30, 35, 33, 37, BLACK)
    return c


def fuse():
    """A cartridge fuse with a broken wire."""
    c = Canvas(LIGHT_BLUE)
    c.rect(8, 18, 15, 29, GREY)
    c.rect(48, 18, 55, 29, GREY)
    c.rect(16, 16, 47, 31, WHITE)
    c.line(16, 24, 28, 22, BLACK, 2)
    c.line(36, 26, 47, 24, BLACK, 2)
    c.line(30, 18, 34, 29, RED, 2)
    return c


def gauge():
    """A pressure gauge whose needle points into the low range."""
    c = Canvas(WHITE)
    c.disc(32, 24, 21, LIGHT_BLUE)
    c.ring(32, 24, 21, 3, BLACK)
    for angle in range(150, 391, 30):
        a = math.radians(angle)
        c.line(round(32 + 14 * math.cos(a)), round(24 + 14 * math.sin(a)),
               round(32 + 17 * math.cos(a)), round(24 + 17 * math.sin(a)), BLACK)
    c.line(32, 24, 21, 33, RED, 2)
    c.disc(32, 24, 2, BLACK)
    return c


def pump():
    """A circulation pump: a blue housing with an impeller and two pipes."""
    c = Canvas(WHITE)
    c.rect(0, 20, 63, 27, GREY)
    c.disc(32, 24, 16, BLUE)
    c.ring(32, 24, 16, 2, BLACK)
    for angle in range(0, 360, 60):
        a = math.radians(angle)
        c.line(32, 24, round(32 + 12 * math.cos(a)), round(24 + 12 * math.sin(a)), WHITE, 2)
    c.disc(32, 24, 3, BLACK)
    return c


def radiator():
    """A radiator whose columns are hot below and cold at the top."""
    c = Canvas(WHITE)
    for x in range(8, 56, 8):
        c.rect(x, 8, x + 5, 17, LIGHT_BLUE)
        c.rect(x, 18, x + 5, 39, ORANGE)
    c.rect(6, 40, 57, 42, GREY)
    c.rect(6, 6, 57, 7, GREY)
    return c


PICTURES = {
    "gas_smell.bmp": gas_smell,
    "fuse.bmp": fuse,
    "gauge.bmp": gauge,
    "pump.bmp": pump,
    "radiator.bmp": radiator,
}


def tone(frequencies, seconds, volume=0.6):
    """Samples in -1..1 of the given tones, played one after another, each with
    a short fade in and out so that the sound starts and stops without a click."""
    samples = []
    part = int(seconds * SAMPLE_RATE / len(frequencies))
    fade = min(80, part // 4)
    for f in frequencies:
        for i in range(part):
            envelope = min(1.0, i / fade, (part - 1 - i) / fade)
            samples.append(volume * envelope * math.sin(2 * math.pi * f * i / SAMPLE_RATE))
    return samples


def alarm():
    return tone([880, 660, 880, 660], 0.4)


def click():
    """A short decaying knock."""
    n = int(0.06 * SAMPLE_RATE)
    return [0.8 * math.exp(-i / 60) * math.sin(2 * math.pi * 1500 * i / SAMPLE_RATE) for i in range(n)]


def hum():
    """A low motor hum with one overtone."""
    n = int(0.4 * SAMPLE_RATE)
    return [
        min(1.0, i / 200, (n - 1 - i) / 200)
        * (0.45 * math.sin(2 * math.pi * 100 * i / SAMPLE_RATE)
           + 0.2 * math.sin(2 * math.pi * 300 * i / SAMPLE_RATE))
        for i in range(n)
    ]


def hiss():
    """Escaping air: noise from a fixed linear congruential generator."""
    n = int(0.35 * SAMPLE_RATE)
    state = 12345
    samples = []
    for i in range(n):
        state = (1103515245 * state + 12345) % 2**31
        envelope = min(1.0, i / 400, (n - 1 - i) / 400)
        samples.append(0.4 * envelope * (state / 2**30 - 1.0))
    return samples


SOUNDS = {
    "alarm.wav": alarm,
    "click.wav": click,
    "hum.wav": hum,
    "hiss.wav": hiss,
}


def write_wav(path, samples):
    """8-bit unsigned mono PCM: 128 is silence."""
    data = bytes(max(0, min(255, round(128 + 127 * s))) for s in samples)
    with wave.open(str(path), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(1)
        out.setframerate(SAMPLE_RATE)
        out.writeframes(data)


def main():
    GRAPHICS_DIR.mkdir(parents=True, exist_ok=True)
    SOUNDS_DIR.mkdir(parents=True, exist_ok=True)
    for name, draw in PICTURES.items():
        (GRAPHICS_DIR / name).write_bytes(draw().bmp_bytes())
    for name, make in SOUNDS.items():
        write_wav(SOUNDS_DIR / name, make())
    for path in sorted(list(GRAPHICS_DIR.iterdir()) + list(SOUNDS_DIR.iterdir())):
        print(f"{path.relative_to(HERE)}  {path.stat().st_size} bytes")


if __name__ == "__main__":
    main()

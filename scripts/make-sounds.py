#!/usr/bin/env python3
"""Writes the program's built-in sounds into resources/sounds/.

The sounds are synthesised here, so they are reproducible and ours: a chime for
a new note, a paper crumple and a ringing alarm that loops without a click.
"""
import math
import os
import random
import struct
import wave

RATE = 22050
HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "resources", "sounds")


def write(name, samples):
    peak = max(1e-9, max(abs(s) for s in samples))
    frames = b"".join(struct.pack("<h", int(s / peak * 0.8 * 32767)) for s in samples)
    with wave.open(os.path.join(OUT, name), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def chime():
    """Two rising bell tones, the second overlapping the first."""
    out = [0.0] * int(RATE * 0.45)
    for start, freq in ((0.0, 880.0), (0.09, 1318.5)):
        first = int(start * RATE)
        for i in range(len(out) - first):
            t = i / RATE
            bell = math.sin(2 * math.pi * freq * t) + 0.3 * math.sin(2 * math.pi * 2 * freq * t)
            out[first + i] += bell * math.exp(-t * 9) * min(1.0, t * 400)
    return out


def crumple(rng):
    """Bursts of filtered noise, denser in the middle, like paper squeezed."""
    n = int(RATE * 0.6)
    out = [0.0] * n
    for _ in range(90):
        first = int(rng.random() ** 0.8 * (n - 1500))
        length = rng.randint(120, 1400)
        gain = rng.uniform(0.2, 1.0)
        low = 0.0
        for i in range(length):
            low += 0.35 * (rng.uniform(-1, 1) - low)
            out[first + i] += low * gain * math.exp(-i / (length / 4))
    return out


def alarm():
    """Four short beeps of a two-tone ring, then a rest; whole cycles, so it loops."""
    out = []
    for beep in range(4):
        freq = 1046.5 if beep % 2 == 0 else 1318.5
        length = int(RATE * 0.12)
        for i in range(length):
            t = i / RATE
            edge = min(1.0, i / 200, (length - i) / 200)
            out.append(edge * (math.sin(2 * math.pi * freq * t) + 0.2 * math.sin(6 * math.pi * freq * t)))
        out.extend([0.0] * int(RATE * 0.06))
    out.extend([0.0] * int(RATE * 0.4))
    return out


if __name__ == "__main__":
    os.makedirs(OUT, exist_ok=True)
    write("newnote.wav", chime())
    write("crumple.wav", crumple(random.Random(4161)))
    write("alarm.wav", alarm())

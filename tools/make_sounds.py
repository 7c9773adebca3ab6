#!/usr/bin/env python3
"""Writes the tutor's three sounds as 16-bit PCM mono WAV files at 44.1 kHz.

ok.wav   a correct key: a soft, very short click
bad.wav  a wrong key: a low, short buzz
done.wav a finished line: a brief rising chime of three notes

Usage: tools/make_sounds.py [FOLDER]   (default tutor/resources/sounds)
Only the standard library is used, and the output is the same on every run.
"""
import math
import os
import random
import struct
import sys
import wave

RATE = 44100


def samples(seconds):
    return range(int(RATE * seconds))


def click():
    # A damped high tone with a touch of noise: heard, but quiet enough for every key.
    noise = random.Random(7)
    out = []
    for n in samples(0.022):
        t = n / RATE
        env = math.exp(-t * 260.0)
        tone = math.sin(2 * math.pi * 1900.0 * t) * 0.7 + (noise.random() * 2 - 1) * 0.3
        out.append(0.35 * env * tone)
    return out


def buzz():
    # A low tone with odd harmonics (a soft square wave), short attack and release.
    out = []
    length = 0.11
    for n in samples(length):
        t = n / RATE
        env = min(1.0, t / 0.005) * min(1.0, (length - t) / 0.03)
        wave_ = sum(math.sin(2 * math.pi * 140.0 * k * t) / k for k in (1, 3, 5, 7))
        out.append(0.3 * env * wave_)
    return out


def chime():
    # C6, E6, G6 starting 45 ms apart, each a bell-like tone that fades.
    notes = [(1046.5, 0.0), (1318.5, 0.045), (1568.0, 0.09)]
    length = 0.2
    out = []
    for n in samples(length):
        t = n / RATE
        value = 0.0
        for freq, start in notes:
            if t >= start:
                u = t - start
                env = min(1.0, u / 0.003) * math.exp(-u * 22.0)
                value += env * (math.sin(2 * math.pi * freq * u) +
                                0.25 * math.sin(2 * math.pi * 2 * freq * u))
        fade = min(1.0, (length - t) / 0.02)
        out.append(0.28 * value * fade)
    return out


def write(path, values):
    frames = b"".join(struct.pack("<h", max(-32767, min(32767, round(v * 32767))))
                      for v in values)
    with wave.open(path, "wb") as f:
        f.setnchannels(1)
        f.setsampwidth(2)
        f.setframerate(RATE)
        f.writeframes(frames)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "tutor/resources/sounds"
    os.makedirs(folder, exist_ok=True)
    for name, make in (("ok.wav", click), ("bad.wav", buzz), ("done.wav", chime)):
        write(os.path.join(folder, name), make())


if __name__ == "__main__":
    main()

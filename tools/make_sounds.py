#!/usr/bin/env python3
"""Makes the game's three wave files: data/sound/start.wav, bounce.wav and clear.wav.

Standard library only. The output is deterministic, so running it again gives the same
files byte for byte. Usage: python3 tools/make_sounds.py [output folder]
"""

import math
import os
import struct
import sys
import wave

RATE = 22050
PEAK = 0.32  # of full scale: modest, and leaves room where notes overlap
ATTACK = 0.005  # seconds; a soft start avoids clicks
RELEASE = 0.015  # seconds; a soft end avoids clicks


def note(freq_at, length, decay, harmonics=((1, 1.0), (2, 0.25), (3, 0.08))):
    """One plucked note whose pitch may glide: freq_at(t) gives the frequency at time t.

    The phase is accumulated sample by sample so a gliding pitch stays smooth.
    """
    count = int(length * RATE)
    out = []
    phase = 0.0
    for i in range(count):
        t = i / RATE
        phase += 2.0 * math.pi * freq_at(t) / RATE
        value = sum(weight * math.sin(mult * phase) for mult, weight in harmonics)
        envelope = math.exp(-t / decay)
        envelope *= min(1.0, t / ATTACK)
        envelope *= min(1.0, (length - t) / RELEASE)
        out.append(value * envelope)
    return out


def steady(freq):
    return lambda t: freq


def mix(length, parts):
    """Adds (start time, samples, gain) parts into one buffer of the given length."""
    buffer = [0.0] * int(length * RATE)
    for start, samples, gain in parts:
        offset = int(start * RATE)
        for i, value in enumerate(samples):
            if offset + i < len(buffer):
                buffer[offset + i] += value * gain
    return buffer


def normalise(samples):
    """Scales the loudest sample to PEAK."""
    top = max(abs(v) for v in samples) or 1.0
    scale = PEAK / top
    return [v * scale for v in samples]


def write(path, samples):
    frames = b"".join(
        struct.pack("<h", max(-32767, min(32767, int(round(v * 32767))))) for v in samples
    )
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


def midi(number):
    return 440.0 * 2.0 ** ((number - 69) / 12.0)


def start_jingle():
    """A rising major arpeggio, the top note held a little longer (about 0.6 s)."""
    notes = [72, 76, 79, 84]  # C5 E5 G5 C6
    parts = []
    for index, number in enumerate(notes):
        last = index == len(notes) - 1
        length = 0.33 if last else 0.16
        samples = note(steady(midi(number)), length, decay=0.14 if last else 0.07)
        parts.append((index * 0.09, samples, 1.0))
    return normalise(mix(0.6, parts))


def bounce_blip():
    """A short soft blip whose pitch drops (80 ms)."""
    length = 0.08

    def glide(t):
        return 900.0 * (0.68 ** (t / length))

    samples = note(glide, length, decay=0.035, harmonics=((1, 1.0), (2, 0.12)))
    return normalise(samples)


def clear_flourish():
    """A fast rising run that ends on a chord with a high sparkle (about 0.7 s)."""
    run = [72, 74, 76, 79, 81, 84]  # C5 D5 E5 G5 A5 C6
    step = 0.045
    parts = []
    for index, number in enumerate(run):
        parts.append((index * step, note(steady(midi(number)), 0.12, decay=0.05), 0.8))
    chord_at = len(run) * step
    for number in (84, 88, 91):  # C6 E6 G6
        parts.append((chord_at, note(steady(midi(number)), 0.7 - chord_at, decay=0.12), 0.6))
    # The sparkle: quick, quiet high pings over the chord.
    for index, number in enumerate((96, 100, 103, 108)):  # C7 E7 G7 C8
        ping = note(steady(midi(number)), 0.09, decay=0.03, harmonics=((1, 1.0),))
        parts.append((chord_at + 0.03 + index * 0.05, ping, 0.3))
    return normalise(mix(0.7, parts))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "sound")
    os.makedirs(folder, exist_ok=True)
    write(os.path.join(folder, "start.wav"), start_jingle())
    write(os.path.join(folder, "bounce.wav"), bounce_blip())
    write(os.path.join(folder, "clear.wav"), clear_flourish())


if __name__ == "__main__":
    main()

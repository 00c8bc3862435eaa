#!/usr/bin/env python3
"""Synthesises Zenthar's three sound effects as 16-bit mono 22050 Hz WAV.

Pure standard library and a fixed seed, so the output is reproducible.
Usage:

    python3 tools/gen_sounds.py [OUTPUT_DIR]    (default: assets/ next to tools/)
"""

import math
import os
import random
import struct
import sys
import wave

RATE = 22050
PEAK_DBFS = -3.0
SEED = 4242


def envelope(n, attack, release):
    """Linear fade in/out lengths in seconds; keeps the first and last sample
    at zero so nothing clicks when the game starts or cuts the sound."""
    a = max(1, int(attack * RATE))
    r = max(1, int(release * RATE))
    env = []
    for i in range(n):
        g = 1.0
        if i < a:
            g = min(g, i / a)
        if i >= n - r:
            g = min(g, (n - 1 - i) / r)
        env.append(max(0.0, g))
    return env


def one_pole_lowpass(samples, cutoff_hz):
    """Cheap RC low-pass; cutoff may be a number or a per-sample list."""
    out = []
    y = 0.0
    for i, x in enumerate(samples):
        fc = cutoff_hz[i] if isinstance(cutoff_hz, list) else cutoff_hz
        alpha = 1.0 - math.exp(-2.0 * math.pi * fc / RATE)
        y += alpha * (x - y)
        out.append(y)
    return out


def laser():
    # A falling chirp with a little second harmonic and vibrato: the classic
    # "pew" but soft enough not to grate when a long battle repeats it.
    dur = 0.35
    n = int(dur * RATE)
    f0, f1 = 1900.0, 380.0
    phase = 0.0
    out = []
    for i in range(n):
        t = i / n
        f = f1 + (f0 - f1) * (1.0 - t) ** 2.2
        f *= 1.0 + 0.015 * math.sin(2 * math.pi * 38 * i / RATE)
        phase += 2 * math.pi * f / RATE
        decay = math.exp(-3.2 * t)
        s = math.sin(phase) + 0.35 * math.sin(2 * phase + 0.6) + 0.12 * math.sin(3 * phase)
        out.append(s * decay)
    env = envelope(n, 0.006, 0.06)
    return [s * e for s, e in zip(out, env)]


def landing(rng):
    # Engine hum winding down, with rumble noise, then the pads touching down.
    dur = 1.0
    n = int(dur * RATE)
    noise = one_pole_lowpass([rng.uniform(-1, 1) for _ in range(n)], 260.0)
    out = []
    phase = 0.0
    thump_at = 0.72
    for i in range(n):
        t = i / RATE
        f = 95.0 - 40.0 * (t / dur)
        phase += 2 * math.pi * f / RATE
        hum = (math.sin(phase) + 0.5 * math.sin(2 * phase) + 0.25 * math.sin(3 * phase + 1.0))
        hum *= 0.55 * (1.0 - 0.75 * (t / dur))
        # Slow throb so the engine sounds alive rather than a test tone.
        hum *= 0.8 + 0.2 * math.sin(2 * math.pi * 7.0 * t)
        s = hum + 1.4 * noise[i] * (1.0 - 0.6 * t / dur)
        if t >= thump_at:
            tt = t - thump_at
            s += 1.1 * math.sin(2 * math.pi * (70.0 - 200.0 * tt) * tt) * math.exp(-tt * 18.0)
        out.append(s)
    env = envelope(n, 0.08, 0.12)
    return [s * e for s, e in zip(out, env)]


def explosion(rng):
    # Noise burst whose low-pass closes as it decays (bright crack turning to
    # a dull roar), over a sub-bass rumble that outlasts it.
    dur = 0.8
    n = int(dur * RATE)
    raw = [rng.uniform(-1, 1) for _ in range(n)]
    cutoff = [200.0 + 4200.0 * math.exp(-i / RATE * 7.0) for i in range(n)]
    noise = one_pole_lowpass(raw, cutoff)
    noise = one_pole_lowpass(noise, [c * 1.5 for c in cutoff])
    out = []
    phase = 0.0
    for i in range(n):
        t = i / RATE
        phase += 2 * math.pi * (55.0 - 20.0 * t / dur) / RATE
        rumble = 0.6 * math.sin(phase) * math.exp(-t * 3.0)
        burst = 2.2 * noise[i] * math.exp(-t * 5.5)
        out.append(burst + rumble)
    env = envelope(n, 0.004, 0.15)
    return [s * e for s, e in zip(out, env)]


def write_wav(path, samples):
    peak = max(abs(s) for s in samples) or 1.0
    gain = (10 ** (PEAK_DBFS / 20.0)) * 32767.0 / peak
    frames = b"".join(struct.pack("<h", int(round(s * gain))) for s in samples)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "assets")
    os.makedirs(out, exist_ok=True)
    rng = random.Random(SEED)
    write_wav(os.path.join(out, "laserfr3.wav"), laser())
    write_wav(os.path.join(out, "spcshlnd.wav"), landing(rng))
    write_wav(os.path.join(out, "explode.wav"), explosion(rng))
    print(f"wrote laserfr3.wav, spcshlnd.wav, explode.wav to {os.path.normpath(out)}")


if __name__ == "__main__":
    main()

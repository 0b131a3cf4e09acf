#!/usr/bin/env python3
"""Checks where chords start in a recorded WAV file.

Usage: check_audio_onsets.py FILE.wav EXPECTED_MS... [--tolerance MS]

EXPECTED_MS are the start times of the chords in milliseconds, the first
being 0; the times found are measured from the first chord found. Prints
what it found and exits 1 when the count or a time is off.
"""
import math
import struct
import sys
import wave


def read_mono(path):
    with wave.open(path, "rb") as w:
        channels, width, rate = w.getnchannels(), w.getsampwidth(), w.getframerate()
        frames = w.readframes(w.getnframes())
    if width != 2:
        sys.exit(f"{path}: expected 16-bit samples")
    count = len(frames) // 2
    values = struct.unpack(f"<{count}h", frames[: count * 2])
    mono = [sum(values[i : i + channels]) / (channels * 32768.0) for i in range(0, count - channels + 1, channels)]
    return rate, mono


def envelope(samples, rate, window_ms=5):
    n = max(1, rate * window_ms // 1000)
    return [max(abs(s) for s in samples[i : i + n]) for i in range(0, len(samples) - n + 1, n)], n


def onsets(samples, rate):
    """Starts of chords. A chord rings on after its note-offs, so silence
    between chords cannot be relied on; the pick's attack can: in the
    sample-to-sample difference (which weighs the high partials of a new
    attack over the low ringing of the old chord) the peaks over 5 ms jump
    to many times what they were over the 40 ms before."""
    diff = [0.0] + [samples[k] - samples[k - 1] for k in range(1, len(samples))]
    env, n = envelope(diff, rate)
    floor = 0.25 * max(env)
    if floor < 0.001:  # nothing but the noise floor
        return []
    found, last = [], -10**9
    for i in range(1, len(env)):
        before = max(env[max(0, i - 8) : i])
        if env[i] >= floor and env[i] >= 4 * before and i - last >= 20:
            mark = max(2 * before, 0.25 * floor)
            first = next((k for k in range(i * n, (i + 1) * n) if abs(diff[k]) >= mark), i * n)
            found.append(first / rate)
            last = i
    return found


def tone(samples, rate, freq, begin, count):
    coeff = 2 * math.cos(2 * math.pi * freq / rate)
    s1 = s2 = 0.0
    for i in range(count):
        hann = 0.5 - 0.5 * math.cos(2 * math.pi * i / count)
        s1, s2 = samples[begin + i] * hann + coeff * s1 - s2, s1
    return (s1 * s1 + s2 * s2 - coeff * s1 * s2) / (count * count)


def main():
    args = sys.argv[1:]
    tolerance = 10.0
    if "--tolerance" in args:
        i = args.index("--tolerance")
        tolerance = float(args[i + 1])
        del args[i : i + 2]
    path, expected = args[0], [float(a) for a in args[1:]]
    rate, samples = read_mono(path)
    times = onsets(samples, rate)
    if not times:
        print(f"{path}: silent ({len(samples) / rate:.2f} s)")
        return 1
    relative = [(t - times[0]) * 1000 for t in times]
    print(f"{path}: {len(samples) / rate:.2f} s at {rate} Hz; chords start at "
          + ", ".join(f"{t:.1f}" for t in relative) + " ms (first at "
          + f"{times[0]:.3f} s in the file)")
    ok = len(relative) == len(expected)
    for want, got in zip(expected, relative):
        if abs(want - got) > tolerance:
            print(f"  expected {want:.0f} ms, found {got:.1f} ms")
            ok = False
    if len(relative) != len(expected):
        print(f"  expected {len(expected)} chords, found {len(relative)}")
    # The first chord is A major: its A3 (220 Hz) rings well above the
    # A flat next to it.
    begin, count = int((times[0] + 0.03) * rate), rate // 5
    a, a_flat = tone(samples, rate, 220.0, begin, count), tone(samples, rate, 207.65, begin, count)
    print(f"  first chord: 220 Hz is {10 * math.log10(a / max(a_flat, 1e-20)):.1f} dB above 207.7 Hz")
    if a < 10 * a_flat:
        ok = False
    print("OK" if ok else "FAILED")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Writes the warning sound assets/Avviso.mp3: a soft three-tone chime of about 1.5 seconds.

The tones are synthesised here in pure Python and written as a WAV file with the wave module;
the WAV is then encoded to MP3 with the `lame` command-line encoder (Debian package "lame"),
which must be on the PATH. The MP3 is kept in the repository, so this runs only when the sound
is to be changed:

    python3 tools/make_sound.py [output.mp3]
"""

import math
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import wave

RATE = 44100
LENGTH = 1.5  # seconds

# (start in seconds, frequency in Hz, loudness): a descending major triad, G5 - E5 - C5.
NOTES = [
    (0.00, 783.99, 1.00),
    (0.28, 659.25, 0.95),
    (0.56, 523.25, 1.00),
]

# Partials of a soft bell: (multiple of the fundamental, relative loudness, decay time in s).
PARTIALS = [
    (1.0, 1.00, 0.45),
    (2.0, 0.30, 0.22),
    (3.0, 0.10, 0.12),
    (4.2, 0.04, 0.08),
]

ATTACK = 0.006  # seconds: avoids a click at each onset
FADE_OUT = 0.12  # seconds: the last stretch fades to silence


def render():
    total = int(RATE * LENGTH)
    samples = [0.0] * total
    for start, freq, loud in NOTES:
        first = int(start * RATE)
        for i in range(first, total):
            t = (i - first) / RATE
            envelope = min(1.0, t / ATTACK)
            value = 0.0
            for multiple, level, decay in PARTIALS:
                value += level * math.exp(-t / decay) * math.sin(2 * math.pi * freq * multiple * t)
            samples[i] += loud * envelope * value
    fade_start = total - int(FADE_OUT * RATE)
    for i in range(fade_start, total):
        samples[i] *= (total - i) / (total - fade_start)
    # Normalise to about -3 dBFS.
    peak = max(abs(s) for s in samples) or 1.0
    scale = 0.7 * 32767 / peak
    return [int(round(s * scale)) for s in samples]


def write_wav(path, samples):
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(struct.pack("<%dh" % len(samples), *samples))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "assets", "Avviso.mp3")
    target = os.path.abspath(target)
    if shutil.which("lame") is None:
        sys.exit("make_sound: the 'lame' encoder is not installed (apt-get install lame)")
    os.makedirs(os.path.dirname(target), exist_ok=True)
    with tempfile.TemporaryDirectory() as work:
        wav = os.path.join(work, "avviso.wav")
        mp3 = os.path.join(work, "avviso.mp3")
        write_wav(wav, render())
        subprocess.run(["lame", "--silent", "-m", "m", "-b", "64", "-q", "2", wav, mp3], check=True)
        # Written beside the target first, then renamed over it.
        partial = target + ".tmp"
        shutil.copyfile(mp3, partial)
        os.replace(partial, target)
    print("wrote", target, os.path.getsize(target), "bytes")


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Writes resources/positivo.wav: the short chime of a right answer.

Two soft bell notes a major third apart (C6 then E6), each with a quick attack and an
exponential fade, 0.4 s in all, then 0.25 s of silence; 22050 Hz, 16-bit PCM mono (the
encoding Qt's sound effect accepts).

The silence is there for Qt 6.4's QSoundEffect, which closes its audio stream as soon as it
has handed the last bytes to the sound server, and so drops what the server has not played
yet: about the last 0.1 s on PulseAudio, where Qt keeps about 0.1 s buffered. The silence is
what gets dropped instead, and 0.25 s leaves room for a sound card that buffers more."""
import math
import struct
import sys
import wave

RATE = 22050
LENGTH = 0.40
SILENCE = 0.25


def note(t, start, freq):
    if t < start:
        return 0.0
    u = t - start
    attack = min(1.0, u / 0.008)
    fade = math.exp(-u * 9.0)
    # a bell: the fundamental with a quiet octave above it
    return attack * fade * (math.sin(2 * math.pi * freq * u) + 0.25 * math.sin(4 * math.pi * freq * u))


def main(path):
    frames = bytearray()
    total = int(RATE * LENGTH)
    for i in range(total):
        t = i / RATE
        value = 0.30 * note(t, 0.0, 1046.5) + 0.30 * note(t, 0.11, 1318.5)
        tail = min(1.0, (total - i) / (0.02 * RATE))  # no click at the end
        frames += struct.pack('<h', int(max(-1.0, min(1.0, value * tail)) * 32767))
    frames += bytes(2 * int(RATE * SILENCE))
    with wave.open(path, 'wb') as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(bytes(frames))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'resources/positivo.wav')

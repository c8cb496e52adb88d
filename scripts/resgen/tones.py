"""The built-in sounds: short tones made from sine waves with soft attacks and decays."""
import math


def _note(freq, seconds, rate, volume, harmonics=((1, 1.0), (2, 0.25)), decay=4.0):
    count = int(round(seconds * rate))
    attack = int(rate * 0.006)
    total = sum(w for _, w in harmonics)
    out = []
    for n in range(count):
        t = n / float(rate)
        envelope = math.exp(-decay * t) * min(1.0, n / float(attack or 1))
        tail = count - n
        if tail < attack:                    # fade the last few ms so notes never click
            envelope *= tail / float(attack)
        value = sum(w * math.sin(2 * math.pi * freq * k * t) for k, w in harmonics) / total
        out.append(volume * envelope * value)
    return out


def _silence(seconds, rate):
    return [0.0] * int(round(seconds * rate))


def _mono(samples):
    return [(int(round(s * 32767)),) for s in samples]


def up_tone():
    """Rising two-note chime, about 0.44 s, mono 44100 Hz."""
    rate = 44100
    s = _note(659.25, 0.16, rate, 0.55) + _note(880.0, 0.28, rate, 0.55, decay=6.0)
    return _mono(s), rate, 1


def down_tone():
    """Falling two-note chime, about 0.65 s, mono 44100 Hz."""
    rate = 44100
    s = _note(440.0, 0.25, rate, 0.6) + _note(329.63, 0.40, rate, 0.6, decay=5.0)
    return _mono(s), rate, 1


def error_tone():
    """Two low buzzes, about 0.50 s, mono 44100 Hz."""
    rate = 44100
    buzz = ((1, 1.0), (3, 0.45), (5, 0.25), (7, 0.12))
    s = (_note(196.0, 0.20, rate, 0.6, buzz, decay=2.0) + _silence(0.10, rate)
         + _note(196.0, 0.20, rate, 0.6, buzz, decay=2.0))
    return _mono(s), rate, 1


def volume_test_tone():
    """An arpeggio played twice, moving between the speakers, about 2.8 s, stereo 48000 Hz."""
    rate = 48000
    frames = []
    notes = [523.25, 659.25, 783.99, 1046.5] * 2
    for i, freq in enumerate(notes):
        pan = i / float(len(notes) - 1)                  # 0 left .. 1 right
        left, right = math.cos(pan * math.pi / 2), math.sin(pan * math.pi / 2)
        for s in _note(freq, 0.35, rate, 0.5, decay=3.0):
            frames.append((int(round(s * left * 32767)), int(round(s * right * 32767))))
    return frames, rate, 2

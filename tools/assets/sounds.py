"""Synthesises the installation's sounds: the chimes and the two default calls to prayer.

Everything is additive synthesis in plain Python (standard library only), written as 16-bit mono
PCM WAV files. The calls to prayer are a sung line on a vowel-shaped voice with vibrato and
glides, in two different modes, timbres and tempos, with a small room reverb.
"""

import math
import random
import struct
import wave

TWO_PI = 2.0 * math.pi


def write_wav(path, samples, rate):
    """Writes samples in -1..1 as a 16-bit mono WAV file."""
    frames = bytearray()
    for s in samples:
        v = max(-1.0, min(1.0, s))
        frames += struct.pack("<h", int(round(v * 32767)))
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(rate)
        out.writeframes(bytes(frames))


def normalise(samples, peak=0.85):
    top = max(abs(s) for s in samples) or 1.0
    return [s * peak / top for s in samples]


def fade_ends(samples, rate, fade_in=0.01, fade_out=0.05):
    n = len(samples)
    a = max(1, int(fade_in * rate))
    b = max(1, int(fade_out * rate))
    for i in range(min(a, n)):
        samples[i] *= i / a
    for i in range(min(b, n)):
        samples[n - 1 - i] *= i / b
    return samples


# --- Bells ------------------------------------------------------------------------------------

# Partials of a small struck bell: ratio to the fundamental, relative level, decay time (s).
BELL_PARTIALS = [
    (0.5, 0.25, 1.6),   # hum
    (1.0, 1.00, 1.2),   # fundamental
    (1.19, 0.35, 0.9),  # minor third
    (1.5, 0.30, 0.7),   # fifth
    (2.0, 0.40, 0.6),   # nominal
    (2.74, 0.18, 0.35),
    (3.76, 0.10, 0.25),
]


def bell(freq, duration, rate, level=1.0, decay_scale=1.0):
    n = int(duration * rate)
    out = [0.0] * n
    for ratio, amp, decay in BELL_PARTIALS:
        f = freq * ratio
        if f >= rate / 2:
            continue
        step = TWO_PI * f / rate
        k = 1.0 / (decay * decay_scale * rate)
        for i in range(n):
            out[i] += level * amp * math.exp(-i * k) * math.sin(step * i)
    # A soft strike: 3 ms attack instead of a click.
    attack = int(0.003 * rate)
    for i in range(min(attack, n)):
        out[i] *= i / attack
    return out


def mix_at(target, source, start):
    end = start + len(source)
    if end > len(target):
        target.extend([0.0] * (end - len(target)))
    for i, s in enumerate(source):
        target[start + i] += s


def chime(notes, rate, tail):
    """notes: (start seconds, frequency, level)."""
    out = []
    for start, freq, level in notes:
        mix_at(out, bell(freq, tail, rate, level), int(start * rate))
    return fade_ends(normalise(out, 0.8), rate, 0.0, 0.2)


def alsalah_chime(rate=22050):
    """A rising three-bell chime, about 1.8 seconds."""
    e5, g5, b5, e6 = 659.26, 783.99, 987.77, 1318.5
    return chime([(0.00, e5, 1.0), (0.22, g5, 0.9), (0.44, b5, 0.9), (0.66, e6, 0.5)], rate, 1.15)


def default_chime(rate=22050):
    """Two soft bells, a falling fourth, under a second: the built-in stand-in sound."""
    return chime([(0.0, 880.0, 1.0), (0.18, 659.26, 0.9)], rate, 0.7)


# --- The voice --------------------------------------------------------------------------------

def formant_gain(freq, formants):
    """The spectral envelope of a vowel at `freq`: resonance peaks over a gentle roll-off."""
    g = 0.0
    for centre, width, level in formants:
        d = (freq - centre) / width
        g += level / (1.0 + d * d)
    return g * (1.0 / (1.0 + freq / 3000.0))


VOWEL_A = [(730, 110, 1.0), (1090, 130, 0.55), (2440, 200, 0.22), (3400, 300, 0.08)]
VOWEL_O = [(500, 90, 1.0), (850, 120, 0.45), (2600, 250, 0.10)]


def sung_line(notes, tonic, rate, vowel, vibrato_hz, vibrato_depth, glide, brightness,
              seed):
    """notes: (scale step in semitones or None for a breath, seconds, level).

    The pitch glides into each note; vibrato grows over a held note; the voice is shaped by the
    vowel's formants and breathes at each rest.
    """
    rng = random.Random(seed)
    # Per-sample pitch and loudness targets.
    pitch = []
    loud = []
    last = None
    for step, seconds, level in notes:
        n = int(seconds * rate)
        if step is None:
            pitch.extend([last if last is not None else tonic] * n)
            loud.extend([0.0] * n)
            continue
        target = tonic * 2 ** (step / 12.0)
        start = last if last is not None else target
        g = max(1, int(glide * rate))
        for i in range(n):
            if i < g:
                x = i / g
                x = x * x * (3 - 2 * x)
                f = start * (target / start) ** x
            else:
                f = target
            pitch.append(f)
            loud.append(level)
        last = target
    total = len(pitch)
    # Smooth the loudness so that notes join and breaths fade (one-pole, ~40 ms).
    a = math.exp(-1.0 / (0.04 * rate))
    env = [0.0] * total
    y = 0.0
    for i in range(total):
        y = a * y + (1 - a) * loud[i]
        env[i] = y
    # Vibrato depth follows how long the pitch has held still.
    out = [0.0] * total
    phase = 0.0
    vib_phase = rng.random() * TWO_PI
    held = 0
    harmonics = 24
    gains = [0.0] * (harmonics + 1)
    nyquist = rate / 2 - 200
    for i in range(total):
        f0 = pitch[i]
        held = held + 1 if i and abs(pitch[i] - pitch[i - 1]) < 1e-6 else 0
        depth = vibrato_depth * min(1.0, held / (0.5 * rate))
        vib_phase += TWO_PI * vibrato_hz / rate
        f = f0 * (1.0 + depth * math.sin(vib_phase))
        phase += TWO_PI * f / rate
        if phase > TWO_PI * 1000:
            phase -= TWO_PI * 1000
        if i % 64 == 0:
            for k in range(1, harmonics + 1):
                fk = k * f0
                gains[k] = formant_gain(fk, vowel) / (k ** brightness) if fk < nyquist else 0.0
        e = env[i]
        if e < 1e-4:
            continue
        s = 0.0
        for k in range(1, harmonics + 1):
            gk = gains[k]
            if gk:
                s += gk * math.sin(k * phase)
        out[i] = e * s
    # A little breath noise, shaped by the same loudness.
    lp = 0.0
    for i in range(total):
        lp = 0.7 * lp + 0.3 * (rng.random() * 2 - 1)
        out[i] += 0.015 * env[i] * lp
    return out


def drone(freq, seconds, rate, level):
    """A soft sustained tonic and fifth under the line, slowly breathing."""
    n = int(seconds * rate)
    out = [0.0] * n
    for ratio, amp in ((1.0, 1.0), (1.5, 0.45), (2.0, 0.35), (3.0, 0.12)):
        step = TWO_PI * freq * ratio / rate
        for i in range(n):
            swell = 0.8 + 0.2 * math.sin(TWO_PI * 0.15 * i / rate)
            out[i] += level * amp * swell * math.sin(step * i)
    return fade_ends(out, rate, 1.5, 2.5)


def reverb(samples, rate, mix, room=1.0):
    """A small Schroeder reverb: four combs into two all-passes."""
    n = len(samples) + int(1.5 * rate)
    dry = samples + [0.0] * (n - len(samples))
    wet = [0.0] * n
    for delay_ms, feedback in ((29.7, 0.80), (37.1, 0.78), (41.1, 0.76), (43.7, 0.74)):
        d = int(delay_ms * room * rate / 1000)
        buf = [0.0] * n
        for i in range(n):
            buf[i] = dry[i] + (feedback * buf[i - d] if i >= d else 0.0)
            wet[i] += buf[i - d] if i >= d else 0.0
    for delay_ms, g in ((5.0, 0.7), (1.7, 0.7)):
        d = int(delay_ms * rate / 1000)
        out = [0.0] * n
        for i in range(n):
            prev_in = wet[i - d] if i >= d else 0.0
            prev_out = out[i - d] if i >= d else 0.0
            out[i] = -g * wet[i] + prev_in + g * prev_out
        wet = out
    return [dry[i] + mix * wet[i] * 0.25 for i in range(n)]


# Maqam Rast on its tonic: the third and seventh a quarter tone flat.
RAST = {1: 0.0, 2: 2.0, 3: 3.5, 4: 5.0, 5: 7.0, 6: 9.0, 7: 10.5, 8: 12.0}
# Maqam Hijaz: the augmented second between the second and third degrees.
HIJAZ = {1: 0.0, 2: 1.0, 3: 4.0, 4: 5.0, 5: 7.0, 6: 8.0, 7: 10.0, 8: 12.0, 0: -2.0}


def phrase(scale, melody):
    """melody: (degree or None, seconds, level); a degree may be 'x+' for an octave up."""
    out = []
    for degree, seconds, level in melody:
        out.append((None if degree is None else scale[degree], seconds, level))
    return out


def athan_general(rate=16000):
    """The general call: maqam Rast, an open bright voice, four rising and falling phrases."""
    b = None
    melody = [
        # First phrase: rises from the tonic to the third, turns, and settles.
        (1, 0.9, 0.8), (2, 0.35, 0.9), (3, 1.3, 1.0), (4, 0.25, 0.9), (3, 0.25, 0.9),
        (2, 0.3, 0.85), (1, 1.4, 0.8), (b, 0.8, 0),
        # Second: the same rise, reaching the fifth with an ornament.
        (1, 0.5, 0.8), (3, 0.5, 0.9), (5, 1.5, 1.0), (6, 0.2, 0.95), (5, 0.2, 0.95),
        (4, 0.3, 0.9), (3, 0.4, 0.9), (2, 0.3, 0.85), (3, 1.2, 0.9), (b, 0.8, 0),
        # Third: climbs to the octave and hangs there.
        (5, 0.5, 0.9), (6, 0.4, 0.95), (7, 0.35, 1.0), (8, 1.8, 1.0), (7, 0.25, 0.95),
        (6, 0.25, 0.9), (5, 0.6, 0.9), (4, 0.3, 0.85), (3, 0.3, 0.85), (b, 0.8, 0),
        # Fourth: comes home to the tonic through the second.
        (4, 0.6, 0.85), (3, 0.5, 0.85), (2, 0.4, 0.8), (3, 0.25, 0.8), (2, 0.25, 0.8),
        (1, 2.4, 0.75), (b, 0.3, 0),
    ]
    line = sung_line(phrase(RAST, melody), 196.0, rate, VOWEL_A, 5.6, 0.012, 0.09, 1.1,
                     seed=1)
    out = reverb(line, rate, mix=0.55)
    return fade_ends(normalise(out), rate, 0.02, 1.0)


def athan_fajr(rate=16000):
    """The dawn call: maqam Hijaz, lower, darker and slower, over a soft drone."""
    b = None
    melody = [
        (b, 0.6, 0),
        # A long opening on the tonic, lifting through the augmented second.
        (1, 1.6, 0.75), (2, 0.5, 0.8), (3, 1.6, 0.9), (2, 0.35, 0.8), (1, 1.5, 0.75),
        (b, 1.0, 0),
        # Up to the fifth, lingering on the sixth.
        (3, 0.6, 0.85), (4, 0.5, 0.9), (5, 1.6, 1.0), (6, 0.9, 0.95), (5, 0.4, 0.9),
        (4, 0.4, 0.85), (3, 1.4, 0.85), (b, 1.0, 0),
        # The high phrase.
        (5, 0.6, 0.9), (8, 2.0, 1.0), (7, 0.4, 0.95), (6, 0.5, 0.9), (5, 1.2, 0.9),
        (b, 0.9, 0),
        # Home, resting below the tonic before the end.
        (4, 0.6, 0.8), (3, 0.6, 0.8), (2, 0.6, 0.75), (0, 0.5, 0.7), (1, 3.0, 0.7),
        (b, 0.5, 0),
    ]
    notes = phrase(HIJAZ, melody)
    line = sung_line(notes, 146.83, rate, VOWEL_O, 4.8, 0.010, 0.14, 1.3, seed=2)
    seconds = sum(n[1] for n in notes)
    low = drone(73.42, seconds, rate, 0.06)
    mixed = [line[i] + low[i] for i in range(len(line))]
    out = reverb(mixed, rate, mix=0.7, room=1.3)
    return fade_ends(normalise(out), rate, 0.02, 1.5)

#!/usr/bin/python3
# Finds the sounds in a recording (raw 16-bit mono at 22050 Hz) and checks
# them against the answers given: exactly one sound an answer, the chime after
# a right one and the low "uh-oh" after a wrong one, each of its length, spaced
# as the answers were.
# Usage: sound.py <recording> <events> [pressure]; events: "<seconds>
# right|wrong" lines; pressure: the share of the time that tasks waited for a
# processor while it played (from /proc/pressure/cpu).
# The recording's clock is not the events' clock (the recorder starts when it
# is connected), so only the spacing is compared.
import array
import sys

RATE = 22050
WINDOW = RATE // 100  # 10 ms
LOUD = 400  # well above the silence, well below either sound
EXPECTED = {"right": 0.66, "wrong": 0.58}  # lengths of the chime and the "uh-oh"

samples = array.array("h")
with open(sys.argv[1], "rb") as f:
    samples.frombytes(f.read())
# Past this, the machine is busy: the sound server or the game's audio thread
# may have been starved, and a sound shorter than its own is the machine's
# doing, not the game's; it is told, not failed. An idle machine is near 0.
BUSY = 0.2
pressure = float(sys.argv[3]) if len(sys.argv) > 3 else 0.0
events = []
with open(sys.argv[2]) as f:
    for line in f:
        at, kind = line.split()
        events.append((float(at), kind))

# Sounds: runs of loud 10 ms windows, gaps under 60 ms bridged.
loud = [max(abs(v) for v in samples[i:i + WINDOW]) > LOUD
        for i in range(0, len(samples) - WINDOW, WINDOW)]
sounds, start, quiet = [], None, 0
for i, on in enumerate(loud + [False] * 10):
    if on:
        if start is None:
            start = i
        quiet = 0
    elif start is not None:
        quiet += 1
        if quiet > 6:
            end = i - quiet + 1
            part = samples[start * WINDOW:end * WINDOW]
            crossings = sum((a < 0) != (b < 0) for a, b in zip(part, part[1:]))
            pitch = crossings / 2 / (len(part) / RATE)
            sounds.append((start / 100, (end - start) / 100, pitch))
            start, quiet = None, 0

# A busy machine starves the sound server: a sound stalls and resumes later,
# whole. Parts within a second of each other that together are no longer than
# the longer sound are one sound: its loud parts' length, the longer part's
# pitch. Two sounds are never that close (each answer takes seconds).
STALL = 1.0
LONGEST = max(EXPECTED.values()) + 0.15
joined = []
for at, length, pitch in sounds:
    if (joined and at - (joined[-1][0] + joined[-1][4]) < STALL
            and joined[-1][1] + length <= LONGEST):
        first, total, best, last, span = joined[-1]
        joined[-1] = (first, total + length, pitch if length > last else best, length,
                      at + length - first)
    else:
        joined.append((at, length, pitch, length, length))
if len(joined) != len(sounds):
    print(f"{len(sounds) - len(joined)} stalled fragments joined to their sounds")
sounds = [(at, length, pitch) for at, length, pitch, _, _ in joined]

print(f"recorded {len(samples) / RATE:.2f} s, processors {pressure:.0%} of the time contended")
for at, length, pitch in sounds:
    print(f"sound at {at:.2f} s for {length:.2f} s, about {pitch:.0f} Hz")
failures = []
if len(sounds) != len(events):
    failures.append(f"{len(sounds)} sounds for {len(events)} answers")
for n, ((at, kind), (heard, length, pitch)) in enumerate(zip(events, sounds)):
    heard_kind = "right" if pitch > 700 else "wrong"
    if heard_kind != kind:
        failures.append(f"answer {n + 1} was {kind}, its sound ({pitch:.0f} Hz) is not")
    if abs(length - EXPECTED[kind]) > 0.15:
        what = f"{kind} sound {length:.2f} s long, not about {EXPECTED[kind]} s"
        if length < EXPECTED[kind] and pressure > BUSY:
            print(f"busy machine ({pressure:.0%} of the time waiting for a processor): {what}")
        else:
            failures.append(what)
    if n > 0:
        gap = (heard - sounds[n - 1][0]) - (at - events[n - 1][0])
        if abs(gap) > 0.3:
            failures.append(f"sound {n + 1} is {gap:+.2f} s off the spacing of the answers")
for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)

#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz targets that read progress files and message sequences.

Progress seeds reach every field of the file: all three length forms of a string, values out of
their ranges, full tables and history. Open-document seeds name the special files the targets
make in /tmp/zav-fuzz-files. Message seeds are laid out the way the target's FuzzedDataProvider
takes them (from the end of the input).
Usage: tools/make_fuzz_seeds.py  (from anywhere; writes into fuzz/corpus/)
"""
import os
import struct

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "fuzz", "corpus")


def text(s):
    b = s if isinstance(s, bytes) else s.encode("cp1252")
    n = len(b)
    if n < 0xFF:
        return bytes([n]) + b
    if n < 0xFFFE:
        return b"\xff" + struct.pack("<H", n) + b
    return b"\xff\xff\xff" + struct.pack("<I", n) + b


def progress(font="MS San Serif", layout=0, good=0.1, bad=0.2, kind=0, exercise=0, history=0,
             any_order="", in_order="", course="Courses/Default", auto=(1, 2, 2), extra=0,
             confirm=1, sound=1, font_size=140, counts=False):
    i = lambda v: struct.pack("<i", v)
    out = i(extra) + i(confirm) + text(font) + i(font_size) + i(layout)
    out += struct.pack("<ff", good, bad) + i(auto[0]) + i(auto[1]) + i(auto[2]) + i(sound)
    out += i(kind) + i(exercise) + text(any_order) + text(in_order)
    for code in range(256):
        out += i(code % 7 if counts else 0) + i(code * 3 if counts else 0)
    out += i(history)
    for n in range(150):
        out += b"".join(i(v) for v in (n % 4, 40 + n, n % 5, n, 1000 + n, n % 9))
        out += text("ab"[: n % 3] if n < max(history, 0) else "")
    return out + text(course)


def write(target, name, data):
    folder = os.path.join(ROOT, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


write("fuzz_progress", "every_field.zav",
      progress(font="F" * 300, layout=7, good=0.05, bad=0.3, kind=2, exercise=41, history=150,
               any_order="\xf1\xe1x", in_order="x" * 65534, auto=(0, 5, 1), extra=1, confirm=0,
               sound=0, font_size=180, counts=True))
write("fuzz_progress", "out_of_range.zav",
      progress(layout=-1, good=float("nan"), bad=-1.0, kind=9, exercise=-5, history=151,
               auto=(7, 99, 7), extra=2, confirm=-1, sound=3, font_size=-4, course=""))

special = "/tmp/zav-fuzz-files/"
for name, course, exercise, layout in [
        ("default", "Default", 1, 0), ("shortened", special + "Default", 100001, 4),
        ("pipe", special + "pipe", 0, 0), ("zero", special + "zero", 0, 0),
        ("dev_zero", "/dev/zero", 0, 0), ("folder", "folder", 0, 0), ("big", "big", 0, 0),
        ("missing", "missing", 0, 0), ("reload", "", 3, 2)]:
    write("fuzz_open_document", name, bytes([3]) + progress(course=course, exercise=exercise,
                                                             layout=layout, history=2))

KNOWN = {"show": 0, "closed": 1, "tutor": 2, "quit": 3, "name": 4, "load": 5}


def messages(steps):
    taken = []  # bytes in the order the target takes them, from the end of the input
    for kind, char in steps:
        taken += [1, KNOWN[kind], 1, char, 0, 0, 0, 0]
    return bytes(reversed(taken))


def string(kind, s):
    return [(kind, ord(c)) for c in s] + [(kind, 0)]


for name, steps in [
        ("load_pipe", string("load", "pipe")), ("load_zero", string("load", "zero")),
        ("load_big", string("load", "big") + string("load", "folder")),
        ("load_default", string("load", "Default") + [("closed", 0)]),
        ("pages", string("name", "Default") + [("show", 0), ("show", 5), ("show", 100)]),
        ("pages_special", string("name", "../pipe") + string("name", "../zero") + [("show", 1)])]:
    write("fuzz_messages", name, messages(steps))

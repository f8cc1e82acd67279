#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Derive data/wordlist.tsv, slovnik's built-in English-Czech word list.

Run from the repository root:  python3 -m tools.wordlist.make_wordlist
The output is a pure function of the Debian files the steps read and the
hand-written files in this folder, so repeated runs give byte-identical
results.  The steps, one module each:

  sources.py  1. read the sources
  clean.py    2. clean the source entries into a pool of usable pairs
  rank.py     3. rank the English headwords by how common they are
  choose.py   4. choose the pairs and their order
  (here)      5. write the table
"""

import os
import sys

from .choose import Chooser
from .clean import add_hand_pairs, build_pool, check_overrides
from .rank import Ranker
from .sources import OUTPUT, ROOT, Sources
from .table import ENTRY_COUNT


def write_table(rows, path):
    if len(rows) != ENTRY_COUNT or len(set(rows)) != len(rows):
        sys.exit("the choice holds %d pairs, %d of them different; expected %d"
                 % (len(rows), len(set(rows)), ENTRY_COUNT))
    tmp = path + ".tmp"
    with open(tmp, "w", encoding="utf-8", newline="\n") as f:
        for en, cz in rows:
            f.write("%s\t%s\n" % (en, cz))
    os.replace(tmp, path)


def main():
    sources = Sources()
    pool, stats = build_pool(sources.common)
    add_hand_pairs(pool, sources.hand)
    check_overrides(pool, sources.overrides)
    chooser = Chooser(sources, pool, Ranker(sources, pool))
    rows = chooser.build()
    write_table(rows, OUTPUT)
    print("source entries %d; dropped: marked %d, wrong keyboard layout %d, too long "
          "or malformed %d, repeated after clean-up %d"
          % (stats["entries"], stats["dropped_marked"], stats["dropped_layout"],
             stats["unusable"], stats["duplicates"]))
    print("derived form entries %d, hand-written pairs %d, overridden headwords %d, "
          "reviewed everyday translations %d English and %d Czech"
          % (len(chooser.derived), len(sources.hand), len(sources.overrides),
             len(sources.everyday_en), len(sources.everyday_cs)))
    print("wrote %s: %d pairs, %d English headwords"
          % (os.path.relpath(OUTPUT, ROOT), len(rows), len({en for en, _ in rows})))


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""How the translator serves the words of a real text, with the program's own engine.

    python3 -m tools.wordlist.text_coverage --cs-en|--en-cs TEXT [slovnik-wordcheck]

Every word of TEXT (runs of letters, lower-cased) is given to the translator;
the figures count word tokens: those it offers something for, those whose
first offer is a line of the word itself (its own field, or a phrase that
begins with it), and those whose only offers are longer words that merely
begin with it ("si" -> "siamský = siamese"): a misleading first offer.  A
first offer for a shorter word ("packages" -> "package = balíček") is the
word's base form and counts as its own.
"""

import collections
import re
import sys

from .coverage import TOOL, engine


def first_word(field):
    """The first word of a result line's searched field, notes in brackets left out."""
    field = re.sub(r"\([^)]*\)", " ", field.split(" = ", 1)[0])
    words = re.findall(r"[^\W\d_]+(?:'[^\W\d_]+)?", field.lower())
    return words[0] if words else ""


def classify(word, offer):
    if not offer:
        return "nothing"
    first = first_word(offer)
    return "longer" if first != word and first.startswith(word) else "own"


def main():
    if len(sys.argv) < 3 or sys.argv[1] not in ("--cs-en", "--en-cs"):
        sys.exit(__doc__)
    tool = sys.argv[3] if len(sys.argv) > 3 else TOOL
    with open(sys.argv[2], encoding="utf-8") as f:
        tokens = [w.lower() for w in re.findall(r"[^\W\d_]+(?:'[^\W\d_]+)*", f.read())]
    counts = collections.Counter(tokens)
    offers = engine(tool, "first-offers", sys.argv[1], words=sorted(counts))
    kinds = collections.Counter()
    longer = collections.Counter()
    for w, n in counts.items():
        kind = classify(w, offers.get(w))
        kinds[kind] += n
        if kind == "longer":
            longer[w] = n
    total = len(tokens)
    print("word tokens: %d (%d distinct)" % (total, len(counts)))
    for kind, label in (("own", "first offer is a line of the word itself or its base form"),
                        ("longer", "only longer words that begin with it (misleading)"),
                        ("nothing", "nothing offered")):
        print("%s: %d = %.2f%%" % (label, kinds[kind], 100 * kinds[kind] / max(total, 1)))
    offered = kinds["own"] + kinds["longer"]
    print("offered something: %d = %.2f%%" % (offered, 100 * offered / max(total, 1)))
    print("commonest misleading: %s" % ", ".join(
        "%s (%d: %s)" % (w, n, offers[w]) for w, n in longer.most_common(25)))
    return 0


if __name__ == "__main__":
    sys.exit(main())

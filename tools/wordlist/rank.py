# SPDX-License-Identifier: GPL-2.0-or-later
"""Step 3: ranking the English headwords by how common they are.

A lower rank is a more common word; the choice takes headwords in rank order
until the table is full.
"""

import re

from .forms import base_candidates
from .engine_rules import (ascii_lower, reduce_comparative, reduce_plural, reduce_verb_form,
                          reduced_forms)

WIKI_WEIGHT = 1.5        # a Wikipedia rank counts as this many subtitle ranks
UNLISTED_BASE = 60000    # hand-picked headwords no list ranks
# zxcvbn keeps each word in one list only, so everyday words that are also
# popular passwords or names (hello, blue, pencil, rose) are missing from the
# two lists used here.  Such words are ranked by their SCOWL size class.
SCOWL_RANK = {10: 800, 20: 3500, 35: 14000, 40: 17000, 50: 22000,
              55: 28000, 60: 33000, 70: 45000}
PHRASE_FACTOR = 8        # a phrase ranks behind its rarest word
REDUCIBLE_FACTOR = 3     # a regular inflected form that finds its base anyway
DEMOTED_BASE = 20000     # capitalised homographs of everyday words ("As", "Be")


def word_ranks(lists, extra=()):
    """{lower-case word: combined rank}, best of the two frequency lists; then
    the subtitle words those lists lack (english_extra.txt)."""
    rank = {}
    for i, w in enumerate(lists["us_tv_and_film"]):
        rank.setdefault(w, float(i + 1))
    for i, w in enumerate(lists["english_wikipedia"]):
        r = (i + 1) * WIKI_WEIGHT
        if r < rank.get(w, 1e18):
            rank[w] = r
    for w, r in extra:
        rank.setdefault(w, r)
    return rank


def target_words(lists, scowl, limit):
    """The learner's most common words: plain alphabetic subtitle-list
    entries that SCOWL (size <= 70) knows as lower-case English words, which
    leaves out the list's many television character names."""
    out = []
    for w in lists["us_tv_and_film"]:
        if re.fullmatch(r"[a-z]+", w) and scowl.get(w, 99) <= 70 and w not in out:
            out.append(w)
            if len(out) == limit:
                break
    return out


class Ranker:
    def __init__(self, sources, pool):
        self.scowl = sources.scowl
        self.common = sources.common
        self.exceptions = sources.exceptions
        self.pool = pool
        self.rank = word_ranks(sources.lists, sources.english_extra)
        self.lower_index = {}
        for en in sorted(pool):
            self.lower_index.setdefault(ascii_lower(en), []).append(en)
        self.credit = self.inflection_credit()

    def inflection_credit(self):
        """Let a base word inherit the frequency of its inflected forms
        (secrets -> secret), so words the lists mostly show inflected still
        rank where a learner needs them."""
        credit = {}
        for w in sorted(self.rank, key=lambda k: (self.rank[k], k)):
            r = self.rank[w]
            cands = [b for b, _ in self.exceptions.get(w, ())]
            cands += [b for b, _ in base_candidates(w, {})]
            for r2 in (reduce_plural(w), reduce_comparative(w), reduce_verb_form(w)):
                if r2:
                    cands.append(r2)
            for c in cands:
                if c != w and c in self.rank and c in self.lower_index:
                    v = min(self.rank[c], 2 * r)
                    if v < credit.get(c, 1e18):
                        credit[c] = v
        return credit

    def word_rank(self, token):
        r = self.rank.get(token)
        c = self.credit.get(token)
        if c is not None and (r is None or c < r):
            r = c
        if r is None:
            r = SCOWL_RANK.get(self.scowl.get(token))
        return r

    def headword_rank(self, en, max_tokens=3):
        low = en.lower()
        tokens = [t.strip("!?.,'") for t in re.split(r"[ /-]+", low)]
        tokens = [t for t in tokens if t]
        if not tokens or len(tokens) > max_tokens:
            return None
        ranks = []
        for t in tokens:
            r = self.word_rank(t)
            if r is None:
                return None
            ranks.append(r)
        r = max(ranks)
        if len(tokens) == 1 and low == en:
            # "england", "german": lower-case copies of a proper noun whose
            # capitalised entry SCOWL knows better.
            cap = en[:1].upper() + en[1:]
            if (cap in self.pool and self.scowl.get(en, 99) >= 50
                    and self.scowl.get(cap, 99) < self.scowl.get(en, 99)):
                return r * 6 + DEMOTED_BASE
            # "learns", "scientists": the program already finds these through
            # their base word, so they yield their place to new words.
            if any(f != low and f in self.pool for f in reduced_forms(low)):
                r = r * REDUCIBLE_FACTOR
        if len(tokens) > 1:
            r = r * PHRASE_FACTOR + 100
        elif low != re.sub(r"[^a-z']", "", low):
            r = r * PHRASE_FACTOR + 100  # hyphenated and dotted words
        plain = " ".join("i" + w[1:] if w == "I" or w.startswith("I'") else w
                         for w in en.split(" "))
        if plain != low:
            # A capitalised headword sharing its spelling with an everyday
            # word ("As", arsenic) must not crowd out that word, unless SCOWL
            # counts the capitalised word itself as basic (May, March, God).
            if (low in self.lower_index and low in self.common
                    and self.scowl.get(en, 99) > 35):
                r = r * 6 + DEMOTED_BASE
            else:
                r = r * 2 + 50
        return r


# SPDX-License-Identifier: GPL-2.0-or-later
"""Step 4: choosing the pairs the table holds, and their order.

Headwords are taken in rank order, each with as many translations as its rank
earns, until the table is full.  Two checks shape the choice:

- the translator offers, for a word, the result line that sorts first among
  all lines beginning with it (case-blind, Czech collation), so a pair whose
  line would sort ahead of a commonest word's reviewed everyday translation
  is left out, in both directions (FirstOffers);
- each of the learner's commonest words must show a line when typed; a word
  that does not gets its base word brought in, or an entry of its own
  (Chooser.fix_unreachable).
"""

import sys

import icu

from .clean import lower_first_word, strip_parentheses
from .forms import base_candidates, czech_pos, derive_form
from .engine_rules import Finder, reduced_forms
from .rank import UNLISTED_BASE, target_words
from .table import ENTRY_COUNT

# Words typed by a learner are judged against the first TARGET_WORDS plain
# words of the subtitle list; selection protects a wider band than that so
# the coverage does not hinge on a handful of rare prefix matches.
TARGET_WORDS = 3000
PROTECT_WORDS = 6000
# Each of this many commonest words that the source has gets a line of its
# own, so that a longer word that merely begins with it ("bees" -> beeswax)
# is never what the translator offers for it.
OWN_LINE_WORDS = 5000
# A headword holding a common Czech word's reviewed line ranks at least this high.
CZECH_EVERYDAY_RANK = 5000
# Each of this many commonest Czech base forms that the source has gets a
# line of its own, so that Czech text is covered as well as English.
CZECH_COMMON_WORDS = 5000
CZECH_COMMON_RANK = 8000


def czech_key(cz):
    return strip_parentheses(cz).lower()


def czech_popularity(pool):
    """How many English headwords share each Czech rendering.

    A Czech word many English words translate to ("jít", "pes") is an
    everyday one; one that appears once ("kramle") is rarely what a learner
    looks for first.
    """
    pop = {}
    for en in sorted(pool):
        for cz in sorted({czech_key(p.cz) for p in pool[en]}):
            pop[cz] = pop.get(cz, 0) + 1
    return pop



# Labels that mark a specialist or odd sense; everyday, colloquial and
# regional labels are not held against a translation.
PLAIN_DOMAINS = {"obec", "hovor", "amer", "brit", "am", "hov", "slang", "fráz", "idiom"}
SOURCE_POS = {"n": "n", "n, pl": "n", "pl": "n", "v": "v", "adj": "adj", "adj, pl": "adj"}


def order_translations(en, pairs, preferred, pop, wn_pos, common=None):
    """The headword's translations, the one a learner most likely means first: the reviewed ones,
    then plain senses of the headword's part of speech, then Czech words common in everyday
    speech (`common`, base form -> rank in the subtitle list), then those many headwords share."""
    first = {cz: i for i, cz in enumerate(preferred)}
    common = common or {}
    want = wn_pos.get(en.lower())

    if " " in en:
        # Phrases: the plainest rendering is usually the shortest one.
        return sorted(pairs, key=lambda p: (
            first.get(p.cz, len(first)), any(d not in PLAIN_DOMAINS for d in p.domains),
            "(" in p.cz, len(p.cz), p.order))

    def key(p):
        special = any(d not in PLAIN_DOMAINS for d in p.domains)
        pos = SOURCE_POS.get(p.pos) or czech_pos(p.cz)
        # Adverbs and the like are hard to tell from nouns in Czech; only a
        # clear verb/adjective/noun clash counts against a translation.
        clash = want in ("n", "v", "adj") and pos != want
        uncommon = czech_key(p.cz) not in common
        return (first.get(p.cz, len(first)), special, clash, uncommon,
                -min(pop.get(czech_key(p.cz), 0), 8), "(" in p.cz, len(p.cz), p.order)
    return sorted(pairs, key=key)


def quota_for(rank, en):
    """How many translations a headword of this rank may keep."""
    if rank <= 150:
        n = 5
    elif rank <= 600:
        n = 4
    elif rank <= 1500:
        n = 3
    elif rank <= 5000:
        n = 2
    else:
        n = 1
    if " " in en:
        n = 1
    elif en != en.lower():
        n = min(n, 2)
    return n


def list_collator():
    """The order of the program's result lists and word boxes when no locale
    is set: Czech, letter case ignored."""
    collator = icu.Collator.createInstance(icu.Locale("cs_CZ"))
    collator.setStrength(icu.Collator.SECONDARY)
    return collator


class FirstOffers:
    """Keeps the reviewed everyday translation of each commonest word the
    first line offered for it.  A line "searched = other" is offered for every
    word its searched field begins with; it must not sort ahead of such a
    word's reviewed line."""

    def __init__(self, everyday_en, everyday_cs, bare_en=()):
        self.key = list_collator().getSortKey
        # Common English forms with no headword of their own ("butters"): their box offers their
        # base form's lines, unless a longer word that begins with them ("butterscotch") is
        # listed ahead.
        self.bare_en = set(bare_en)
        self.first_en = {w: self.key("%s = %s" % (w, e)) for w, e in everyday_en.items()}
        self.first_cs = {w: self.key("%s = %s" % (w, e)) for w, e in everyday_cs.items()}
        self.everyday_en = set(everyday_en.items())
        self.everyday_cs = {(e, w) for w, e in everyday_cs.items()}

    def ahead(self, searched, other, firsts):
        line = None
        for k in range(1, len(searched) + 1):
            first = firsts.get(searched[:k])
            if first is None:
                continue
            if line is None:
                line = self.key("%s = %s" % (searched, other))
            if line < first:
                return True
        return False

    def extends_bare(self, en):
        return any(en.startswith(w) and len(en) > len(w) and en[len(w)].isalpha()
                   for w in self.bare_en)

    def allows(self, en, cz):
        """English comes first: a reviewed English pair is kept even where it
        sorts ahead of a Czech word's reviewed line."""
        if (en, cz) in self.everyday_en:
            return True
        if self.ahead(en, cz, self.first_en) or self.extends_bare(en):
            return False
        return (en, cz) in self.everyday_cs or not self.ahead(cz, en, self.first_cs)


class Chooser:
    def __init__(self, sources, pool, ranker):
        self.pool = pool
        self.ranker = ranker
        self.lists = sources.lists
        self.scowl = sources.scowl
        self.exceptions = sources.exceptions
        self.wn_pos = sources.wn_pos
        self.overrides = sources.overrides
        self.hand = sources.hand
        self.hand_headwords = {en for en, _ in sources.hand}
        self.lower_index = ranker.lower_index
        self.word_rank = ranker.word_rank
        self.headword_rank = ranker.headword_rank
        self.pop = czech_popularity(pool)
        self.everyday_en = sources.everyday_en
        # The reviewed everyday English of a common Czech word, by English headword.
        self.everyday_cs = {}
        for cz, en in sources.everyday_cs.items():
            self.everyday_cs.setdefault(en, set()).add(cz)
        headwords = {lower_first_word(en) for en in pool}
        self.first_offers = FirstOffers(
            sources.everyday_en, sources.everyday_cs,
            (w for w in sources.own_lines.get("en", ()) if w not in headwords))
        self.czech_common = sources.czech_common[:CZECH_COMMON_WORDS]
        self.czech_common_rank = {cz: i for i, cz in enumerate(self.czech_common)}
        # The pair that gives a common Czech word its line, by English headword.
        self.czech_kept = {}
        self.derived = {}
        self.promoted = {}

    def everyday_source(self, en):
        """The source's spelling of the reviewed everyday translation of the
        word this headword is written as, if the headword has it."""
        everyday = self.everyday_en.get(lower_first_word(en))
        if everyday is None:
            return None
        return next((p.cz for p in self.pool[en] if lower_first_word(p.cz) == everyday), None)

    def reviewed(self, en):
        """The complete list of translations reviewed for a headword, or None."""
        ov = self.overrides.get(en)
        if not ov:
            return None
        first = self.everyday_source(en)
        return ([first] if first else []) + [cz for cz in ov if cz != first]

    def ordered(self, en):
        preferred = self.reviewed(en) or []
        first = self.everyday_source(en)
        if first and first not in preferred:
            preferred.insert(0, first)
        for h_en, h_cz in self.hand:
            if h_en == en and h_cz not in preferred:
                preferred.append(h_cz)
        return order_translations(en, self.pool[en], preferred, self.pop, self.wn_pos,
                                  self.czech_common_rank)

    def candidates(self):
        """[(rank, english)] for every headword that may be chosen."""
        out = []
        for en in sorted(self.pool):
            if en in self.derived:
                continue
            r = self.headword_rank(en)
            if (en in self.overrides or en in self.hand_headwords
                    or lower_first_word(en) in self.everyday_cs):
                # Reviewed by hand: a longer phrase still counts.
                if r is None:
                    r = self.headword_rank(en, max_tokens=6)
                if r is None:
                    r = UNLISTED_BASE
            if r is not None and lower_first_word(en) in self.everyday_cs:
                # It holds a common Czech word's everyday line: it must make the cut.
                r = min(r, CZECH_EVERYDAY_RANK)
            if en in self.czech_kept:
                r = CZECH_COMMON_RANK if r is None else min(r, CZECH_COMMON_RANK)
            if en in self.promoted:
                r = self.promoted[en] if r is None else min(r, self.promoted[en])
            written = lower_first_word(en)
            if written != en and written in self.pool and self.everyday_source(en):
                # "China" holds the everyday sense of "china": it ranks as the word.
                own = self.headword_rank(written)
                if own is not None:
                    r = own if r is None else min(r, own)
            if r is not None:
                out.append((r, en))
        for en in sorted(self.derived):
            out.append((self.derived[en][0], en))
        out.sort()
        return out

    def select(self):
        """The pairs as the table stores them: fields lower-cased, pairs that
        became equal kept once, their places filled by the next headwords."""
        rows, seen = [], set()
        for r, en in self.candidates():
            if en in self.derived:
                pairs = [self.derived[en][1]]
            else:
                pairs = [p.cz for p in self.ordered(en)]
            # A common Czech word's reviewed line is kept on top of the headword's share.
            czech = (self.everyday_cs.get(lower_first_word(en), set())
                     | self.czech_kept.get(en, set()))
            reviewed = self.reviewed(en)
            if reviewed:
                # A reviewed list is complete: nothing the heuristic adds to it.
                pairs = pairs[:len(reviewed)] + [cz for cz in pairs[len(reviewed):]
                                                 if lower_first_word(cz) in czech]
                n = min(len(reviewed), 5)
            else:
                n = quota_for(r, en)
            taken = 0
            for cz in pairs:
                row = (lower_first_word(en), lower_first_word(cz))
                extra = row[1] in czech
                if taken >= n and not extra:
                    continue
                if row in seen or not self.first_offers.allows(*row):
                    continue
                seen.add(row)
                rows.append(row)
                taken += not extra
                if len(rows) == ENTRY_COUNT:
                    return rows
        sys.exit("only %d pairs available" % len(rows))

    def fix_unreachable(self, rows):
        """Give each protected word that the table cannot show an entry."""
        finder = Finder([en for en, _ in rows])
        own = {en for en, _ in rows}
        added = 0
        for i, w in enumerate(target_words(self.lists, self.scowl, PROTECT_WORDS)):
            if w in self.lower_index:
                # A headword of its own: the ranking covers it, unless the cut
                # left only longer words that begin with it.
                r = self.word_rank(w) or UNLISTED_BASE
                if (i < OWN_LINE_WORDS and w not in own and finder.has_prefix(w)
                        and r < self.promoted.get(w, 1e18)):
                    self.promoted[w] = r
                    added += 1
                continue
            if finder.finds(w) or w in self.derived:
                continue
            # The reducers lead to a word the cut left out ("swans" -> swan):
            # bring that word in at the rank of the form.
            base = next((f for f in reduced_forms(w) if f in self.pool), None)
            if base:
                r = self.word_rank(w) or UNLISTED_BASE
                if r < self.promoted.get(base, 1e18):
                    self.promoted[base] = r
                    added += 1
                continue
            for base, kind in base_candidates(w, self.exceptions):
                if base not in self.pool:
                    continue
                cz = derive_form(w, base, kind, [p.cz for p in self.ordered(base)],
                                 self.wn_pos)
                if cz:
                    self.derived[w] = (self.word_rank(w) or UNLISTED_BASE, cz, base)
                    added += 1
                    break
        return added

    def keep_czech_words(self, rows):
        """Give each common Czech word the table lacks the pair of its best
        ranked English headword, on top of that headword's share."""
        have = {cz for _, cz in rows}
        best = {}
        for en in sorted(self.pool):
            r = self.headword_rank(en)
            if r is None:
                continue
            for p in self.pool[en]:
                cz = lower_first_word(p.cz)
                row = (lower_first_word(en), cz)
                if cz not in have and self.first_offers.allows(*row):
                    if (r, en) < best.get(cz, (1e18, "")):
                        best[cz] = (r, en, p.cz)
        added = 0
        for cz in self.czech_common:
            if cz in best:
                _, en, source_cz = best[cz]
                kept = self.czech_kept.setdefault(en, set())
                if cz not in kept:
                    kept.add(cz)
                    added += 1
        return added

    def build(self):
        rows = self.select()
        for _ in range(4):
            if not self.fix_unreachable(rows) + self.keep_czech_words(rows):
                break
            rows = self.select()
        chosen = set(rows)
        missing = [w for w, e in self.everyday_en.items() if (w, e) not in chosen]
        if missing:
            sys.exit("reviewed everyday translations left out: %s" % " ".join(missing))
        missing = ["%s (%s)" % (cz, en) for en, words in sorted(self.everyday_cs.items())
                   for cz in sorted(words) if (en, cz) not in chosen]
        if missing:
            print("reviewed Czech lines not in the table: %s" % ", ".join(missing))
        return rows



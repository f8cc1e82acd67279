# SPDX-License-Identifier: GPL-2.0-or-later
"""Step 2: cleaning the source entries into a pool of usable pairs.

Every rule a field of the program's table must keep is here (fits), with the
clean-up that makes FreeDict's entries keep them, and the lower-casing of a
field's first word, without which the query box, which lower-cases what is
typed, could never reach the entry.
"""

import re
import sys
import unicodedata

from .sources import read_freedict
from .table import FIELD_CAPACITY

APOSTROPHES = str.maketrans({"\u00b4": "'", "`": "'", "\u2019": "'", "\u2018": "'",
                             "\u201c": '"', "\u201d": '"', "\u201e": '"'})
POS_TAG = re.compile(r"\s*<([^<>]*)>\s*$")
DOMAIN_TAG = re.compile(r"^\s*\[([^\]]*)\]\s*")
INLINE_TAG = re.compile(r"\[[^\]]*\]")
# Czech typed with the English keyboard layout shows the digit row where the
# accented letters are (m9t for mit): a lower-case letter right before a digit.
WRONG_LAYOUT = re.compile(r"[a-z\u00e1\u010d\u010f\u00e9\u011b\u00ed\u0148\u00f3\u0159\u0161\u0165\u00fa\u016f\u00fd\u017e][0-9]")
# "kuchař (n:)": a stray part-of-speech label inside the Czech or its note.
PART_OF_SPEECH_NOTE = re.compile(r"\s*\((?:n|v|adj|adv|pl)\s*:?\s*\)")
FORBIDDEN = set('<>[]{}\\=*~^|"_#@$%')


def fits(text):
    """True when text is a legal field of the program's table."""
    # A field that begins with an apostrophe ("'at a boy") cannot be typed:
    # the query box drops apostrophes.
    if not text or not text[0].isalnum() or text != text.strip() or "  " in text:
        return False
    if any(c in FORBIDDEN or c == "\t" or unicodedata.category(c)[0] == "C" for c in text):
        return False
    try:
        encoded = text.encode("cp1250")
    except UnicodeEncodeError:
        return False
    return len(encoded) <= FIELD_CAPACITY


def tidy(text):
    text = text.replace("\\'", "'").replace('\\"', '"').translate(APOSTROPHES)
    text = unicodedata.normalize("NFC", text)
    return " ".join(text.split())


def strip_parentheses(text):
    """Drop every (...) group, nested ones included."""
    out, depth = [], 0
    for c in text:
        if c == "(":
            depth += 1
        elif c == ")":
            depth = max(0, depth - 1)
        elif depth == 0:
            out.append(c)
    return " ".join("".join(out).split()).strip(" ,;:-")


def clean_english(raw, common_words):
    m = POS_TAG.search(raw)
    pos = m.group(1) if m else ""
    en = tidy(POS_TAG.sub("", raw))
    # The program drops a typed leading article, so a headword that keeps one
    # could never be reached from the query box.
    for article in ("a ", "the "):
        if en.startswith(article) and len(en) > len(article):
            en = en[len(article):]
    # The source writes the pronoun in lower case ("i know", "i'm"); it is
    # told apart from the letter i for ranking, and lower-cased again when
    # written as a first word.
    words = en.split(" ")
    if len(words) > 1 or "'" in en:
        words = ["I" + w[1:] if w == "i" or w.startswith("i'") else w for w in words]
        en = " ".join(words)
    # Phrases stored sentence-style ("Good morning") are everyday lower-case
    # words, not names, once the first word is an ordinary one.
    lowered = False
    if (len(words) > 1 and en[:1].isupper() and en[1:] == en[1:].lower()
            and words[0] != "I" and words[0].lower() in common_words):
        en = en[0].lower() + en[1:]
        lowered = True
    return en, pos, lowered


def clean_czech(raw, note):
    domains = []
    cz = raw
    while True:
        m = DOMAIN_TAG.match(cz)
        if not m:
            break
        domains.append(m.group(1))
        cz = cz[m.end():]
    cz = tidy(INLINE_TAG.sub("", cz))
    cz = PART_OF_SPEECH_NOTE.sub("", cz)
    cz = re.sub(r"\(\s*\)", "", cz)
    cz = " ".join(cz.split()).strip(" ,;:")
    note = tidy(note).strip('"').strip()
    if note.startswith("(") and note.endswith(")"):
        note = note[1:-1].strip()
    if PART_OF_SPEECH_NOTE.fullmatch("(%s)" % note):
        note = ""
    candidates = []
    if note and "(" not in note:
        candidates.append("%s (%s)" % (cz, note))
    candidates.append(cz)
    candidates.append(strip_parentheses(cz))
    for c in candidates:
        # Czech has a handful of one-letter words (a, i, k, o, s, u, v, z, ó);
        # any other lone letter is a fragment.
        if len(c) == 1 and c not in "aikosuvzó":
            continue
        if fits(c) and any(ch.isalpha() for ch in c):
            return c, domains
    return None, domains




def is_pronoun_i(word):
    return word == "I" or word.startswith("I'")


def lower_first_word(text):
    """The field as the table stores it: a first word with a capital makes the
    whole field lower case (the query box lower-cases what is typed, so the
    entry could not be found otherwise, and FreeDict capitalises many Czech
    words wrongly: "Prosinec", "Francouzský").  The pronoun I keeps its
    capital inside a phrase ("you and I")."""
    words = text.split(" ")
    if words[0] == words[0].lower():
        return text
    return " ".join(w if i and is_pronoun_i(w) else w.lower() for i, w in enumerate(words))


# "if ... is not", "sorry - I am": a blank followed by punctuation sorts
# ahead of the " = " of the headword's own result lines, so the phrase would
# be offered before the word itself.
PUNCTUATION_AFTER_BLANK = re.compile(r" [^\w]")


class Pair:
    __slots__ = ("en", "cz", "domains", "order", "pos")

    def __init__(self, en, cz, domains, order, pos):
        self.en, self.cz, self.domains, self.order, self.pos = en, cz, domains, order, pos


def build_pool(common_words):
    """Clean FreeDict into {english: [Pair, ...]} (source order kept).

    The pool keeps the source's spelling of each English word: ranking tells
    names ("May", "Bill") from words by their capital.  Fields are lower-cased
    when the chosen pairs are written."""
    pool = {}
    seen = set()
    stats = {"entries": 0, "dropped_marked": 0, "dropped_layout": 0,
             "unusable": 0, "duplicates": 0}
    for order, (l1, l2, note) in enumerate(read_freedict()):
        stats["entries"] += 1
        if "***" in l1 or "***" in l2 or "=" in l1 or "=" in l2:
            stats["dropped_marked"] += 1
            continue
        if WRONG_LAYOUT.search(l2):
            stats["dropped_layout"] += 1
            continue
        en, pos, lowered = clean_english(l1, common_words)
        cz, domains = clean_czech(l2, note)
        if cz and lowered and cz[:1].isupper() and cz[1:2].islower():
            cz = cz[0].lower() + cz[1:]
        if (not cz or not fits(en) or not any(c.isalpha() for c in en)
                or PUNCTUATION_AFTER_BLANK.search(en)):
            stats["unusable"] += 1
            continue
        if (en, cz) in seen:
            stats["duplicates"] += 1
            # A translation listed again without a domain label is a general one.
            for p in pool[en]:
                if p.cz == cz and not domains:
                    p.domains = []
            continue
        seen.add((en, cz))
        pool.setdefault(en, []).append(Pair(en, cz, domains, order, pos))
    # "afraid be = bát se" beside "be afraid = bát se": the source's words turned round.
    for en in [e for e in pool if e.endswith(" be") and "be " + e[:-3] in pool]:
        right = {p.cz for p in pool["be " + en[:-3]]}
        pool[en] = [p for p in pool[en] if p.cz not in right]
        if not pool[en]:
            del pool[en]
    return pool, stats


def add_hand_pairs(pool, hand):
    """The reviewed pairs the source lacks (added_pairs.tsv)."""
    for i, (en, cz) in enumerate(hand):
        if not fits(en) or not fits(cz):
            sys.exit("added_pairs.tsv: %r = %r breaks the field rules" % (en, cz))
        pairs = pool.setdefault(en, [])
        if all(p.cz != cz for p in pairs):
            pairs.append(Pair(en, cz, [], -len(hand) + i, ""))


def check_overrides(pool, overrides):
    for en in sorted(overrides):
        have = {p.cz for p in pool.get(en, [])}
        for cz in overrides[en]:
            if cz not in have:
                sys.exit("overrides.tsv: %r = %r is not in the source "
                         "(put new pairs in added_pairs.tsv)" % (en, cz))

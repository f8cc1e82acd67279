#!/usr/bin/env python3
"""Derive data/wordlist.tsv, slovnik's built-in English-Czech word list.

Sources (all from Debian packages, nothing fetched):
  dict-freedict-eng-ces  the English-Czech pairs
  python3-zxcvbn         ranked word frequency lists (TV/film subtitles, Wikipedia)
  scowl                  word size classes, for words the frequency lists lack
  wordnet-base           irregular forms (went -> go, children -> child, ...)

Run from the repository root:  python3 tools/wordlist/make_wordlist.py
The output is a pure function of those files and the hand-written files in
this folder, so repeated runs give byte-identical results.

The module also exports the query helpers the program itself uses
(clean_query and the three reducers) so coverage.py measures exactly what
a learner will experience.
"""

import gzip
import os
import re
import sys
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))

DICT_INDEX = "/usr/share/dictd/freedict-eng-ces.index"
DICT_DATA = "/usr/share/dictd/freedict-eng-ces.dict.dz"
ZXCVBN_LISTS = "/usr/lib/python3/dist-packages/zxcvbn/frequency_lists.py"
SCOWL_DIR = "/usr/share/dict/scowl"
WORDNET_DIR = "/usr/share/wordnet"

OVERRIDES = os.path.join(HERE, "overrides.tsv")
ADDED_PAIRS = os.path.join(HERE, "added_pairs.tsv")
OUTPUT = os.path.join(ROOT, "data", "wordlist.tsv")

# The program's table has a fixed number of slots.
TOTAL_PAIRS = 27378
MAX_FIELD = 20  # bytes in Windows-1250, which is one byte per character

# Words typed by a learner are judged against the first TARGET_WORDS plain
# words of the subtitle list; selection protects a wider band than that so
# the coverage does not hinge on a handful of rare prefix matches.
TARGET_WORDS = 3000
PROTECT_WORDS = 6000


# ---------------------------------------------------------------------------
# The program's query handling, ported one to one.  The program works on
# Windows-1250 bytes; every character here is one such byte, so indexing a
# Python string is the same as indexing the program's buffer.
# ---------------------------------------------------------------------------

def ascii_lower(text):
    """Lower-case A-Z only, the way the program folds a query."""
    return "".join(chr(ord(c) + 32) if "A" <= c <= "Z" else c for c in text)


def clean_query(text):
    w = ascii_lower(text)
    if w.startswith(" "):
        w = w[1:]
    if w.startswith("a "):
        w = w[2:]
    if w.startswith("the "):
        w = w[4:]
    return w.replace("'", "")


def reduce_plural(w):
    if len(w) >= 2 and w[-1] == "s":
        return w[:-1]
    return ""


def reduce_comparative(w):
    n = len(w)
    if n < 2:
        return w
    if w.endswith("er"):
        if n >= 6 and w[n - 4] == w[n - 3]:
            return w[:-3]
        return w[:-2]
    if w.endswith("est"):
        if n >= 6 and w[n - 5] == w[n - 4]:
            return w[:-4]
        return w[:-3]
    return w


def reduce_verb_form(w):
    if w.endswith("ying"):
        stem = w[:-4]
        if not stem:
            return ""
        return stem + ("y" if stem[-1] in "aeiouw" else "ie")
    if w.endswith("ing"):
        tail = w[-5:]
        if tail[0] == tail[1]:
            return w[:-4]
        return w[:-3]
    if w.endswith("ied"):
        return w[:-3] + "y"
    if w.endswith("ed"):
        tail = w[-4:]
        if tail[0] == tail[1]:
            return w[:-3]
        return w[:-2]
    if w == "has":
        return "have"
    if w in ("does", "goes"):
        return w[:-2]
    if w.endswith("sses") or w.endswith("shes"):
        return w[:-2]
    if w.endswith("ies"):
        return w[:-3] + "y"
    if w.endswith("s"):
        return w[:-1]
    return ""


def reduced_forms(query):
    """The non-empty exact-search keys the program tries for a query."""
    w = clean_query(query)
    out = []
    for r in (reduce_plural(w), reduce_comparative(w), reduce_verb_form(w)):
        if r and r not in out:
            out.append(r)
    return out


class Finder:
    """Answers 'would typing this English word show at least one line?'.

    fold=True compares case-insensitively (A-Z), fold=False compares the
    stored field byte for byte with the lower-cased query.
    """

    def __init__(self, english_fields, fold=True):
        keys = set()
        for e in english_fields:
            keys.add(ascii_lower(e) if fold else e)
        self.exact = keys
        self.sorted = sorted(keys)

    def has_prefix(self, p):
        import bisect
        i = bisect.bisect_left(self.sorted, p)
        return i < len(self.sorted) and self.sorted[i].startswith(p)

    def finds(self, typed):
        q = clean_query(typed)
        if q and self.has_prefix(q):
            return True
        return any(r in self.exact for r in reduced_forms(typed))


# ---------------------------------------------------------------------------
# Reading the sources
# ---------------------------------------------------------------------------

B64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"
B64_VALUE = {c: i for i, c in enumerate(B64)}


def b64_number(s):
    v = 0
    for c in s:
        v = v * 64 + B64_VALUE[c]
    return v


def read_freedict():
    """Yield (line1, line2, note) for every real entry, in index order."""
    with gzip.open(DICT_DATA) as f:
        data = f.read()
    with open(DICT_INDEX, encoding="utf-8") as f:
        for line in f:
            key, off, length = line.rstrip("\n").split("\t")
            if key.startswith("00database"):
                continue  # dictd's own header entries
            off, length = b64_number(off), b64_number(length)
            text = data[off:off + length].decode("utf-8")
            lines = text.split("\n")
            if len(lines) < 2:
                continue
            note = ""
            for extra in lines[2:]:
                extra = extra.strip()
                if extra.startswith("Note:"):
                    note = extra[5:].strip()
            yield lines[0], lines[1], note


def read_frequency_lists():
    """The zxcvbn lists as {name: [word, ...]}, read as data, not imported."""
    with open(ZXCVBN_LISTS, encoding="utf-8") as f:
        src = f.read()
    lists = {}
    for m in re.finditer(r'^\s*"(\w+)": "([^"]*)"\.split\(","\)', src, re.M):
        lists[m.group(1)] = m.group(2).split(",")
    return lists


def read_scowl():
    """{word: smallest size class} over the English and American lists."""
    size = {}
    for name in sorted(os.listdir(SCOWL_DIR)):
        m = re.match(r"(english|american)-(words|upper|contractions)\.(\d+)$", name)
        if not m:
            continue
        cls = int(m.group(3))
        with open(os.path.join(SCOWL_DIR, name), encoding="utf-8", errors="replace") as f:
            for w in f:
                w = w.strip()
                if w and (w not in size or cls < size[w]):
                    size[w] = cls
    return size


def read_wordnet_exceptions():
    """[(form, base, part of speech)] in file order."""
    out = []
    for pos in ("verb", "noun", "adj"):
        with open(os.path.join(WORDNET_DIR, pos + ".exc"), encoding="utf-8") as f:
            for line in f:
                parts = line.split()
                if len(parts) >= 2 and "_" not in parts[0]:
                    for base in parts[1:]:
                        out.append((parts[0], base, pos))
    return out


def read_tsv(path):
    """Hand-written English<TAB>Czech files; '#' starts a comment line."""
    pairs = []
    with open(path, encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            parts = line.split("\t")
            if len(parts) != 2:
                sys.exit("%s:%d: expected English<TAB>Czech" % (path, n))
            pairs.append((parts[0], parts[1]))
    return pairs


# ---------------------------------------------------------------------------
# Cleaning one source entry
# ---------------------------------------------------------------------------

APOSTROPHES = str.maketrans({"\u00b4": "'", "`": "'", "\u2019": "'", "\u2018": "'",
                             "\u201c": '"', "\u201d": '"', "\u201e": '"'})
POS_TAG = re.compile(r"\s*<([^<>]*)>\s*$")
DOMAIN_TAG = re.compile(r"^\s*\[([^\]]*)\]\s*")
INLINE_TAG = re.compile(r"\[[^\]]*\]")
# Czech typed with the English keyboard layout shows the digit row where the
# accented letters are (m9t for mit): a lower-case letter right before a digit.
WRONG_LAYOUT = re.compile(r"[a-z\u00e1\u010d\u010f\u00e9\u011b\u00ed\u0148\u00f3\u0159\u0161\u0165\u00fa\u016f\u00fd\u017e][0-9]")
FORBIDDEN = set('<>[]{}\\=*~^|"_#@$%')


def fits(text):
    """True when text is a legal field of the program's table."""
    if not text or text != text.strip() or "  " in text:
        return False
    if any(c in FORBIDDEN or c == "\t" or unicodedata.category(c)[0] == "C" for c in text):
        return False
    try:
        encoded = text.encode("cp1250")
    except UnicodeEncodeError:
        return False
    return len(encoded) <= MAX_FIELD


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
    # Phrases stored sentence-style ("Good morning") read as everyday
    # lower-case words once the first word is an ordinary one.
    words = en.split(" ")
    lowered = False
    if (len(words) > 1 and en[:1].isupper() and en[1:] == en[1:].lower()
            and words[0].lower() in common_words):
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
    cz = re.sub(r"\(\s*\)", "", cz)
    cz = " ".join(cz.split()).strip(" ,;:")
    note = tidy(note).strip('"').strip()
    if note.startswith("(") and note.endswith(")"):
        note = note[1:-1].strip()
    candidates = []
    if note and "(" not in note:
        candidates.append("%s (%s)" % (cz, note))
    candidates.append(cz)
    candidates.append(strip_parentheses(cz))
    for c in candidates:
        if fits(c) and any(ch.isalpha() for ch in c):
            return c, domains
    return None, domains


# ---------------------------------------------------------------------------
# Building the pair pool
# ---------------------------------------------------------------------------

class Pair:
    __slots__ = ("en", "cz", "domains", "order", "pos")

    def __init__(self, en, cz, domains, order, pos):
        self.en, self.cz, self.domains, self.order, self.pos = en, cz, domains, order, pos


def build_pool(common_words):
    """Clean FreeDict into {english: [Pair, ...]} (source order kept)."""
    pool = {}
    seen = set()
    stats = {"entries": 0, "dropped_marked": 0, "dropped_layout": 0,
             "dropped_long": 0, "duplicates": 0}
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
        if not cz or not fits(en) or not any(c.isalpha() for c in en):
            stats["dropped_long"] += 1
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
    return pool, stats


# ---------------------------------------------------------------------------
# Ranking
# ---------------------------------------------------------------------------

WIKI_WEIGHT = 1.5        # a Wikipedia rank counts as this many subtitle ranks
UNLISTED_BASE = 60000    # words known only to SCOWL rank after all listed ones
PHRASE_FACTOR = 3        # a phrase ranks behind its rarest word


def word_ranks(lists):
    """{lower-case word: combined rank}, best of the two frequency lists."""
    rank = {}
    for i, w in enumerate(lists["us_tv_and_film"]):
        rank.setdefault(w, float(i + 1))
    for i, w in enumerate(lists["english_wikipedia"]):
        r = (i + 1) * WIKI_WEIGHT
        if r < rank.get(w, 1e18):
            rank[w] = r
    return rank


def lemma_candidates(w, exceptions):
    """Base forms an inflected word may belong to (for frequency credit)."""
    out = list(exceptions.get(w, ()))
    for r in (reduce_plural(w), reduce_comparative(w), reduce_verb_form(w)):
        if r and r != w:
            out.append(r)
    if w.endswith("ing") and len(w) > 4:
        out.append(w[:-3] + "e")
    if w.endswith("ed") and len(w) > 3:
        out.append(w[:-1])
    if w.endswith("es") and len(w) > 3:
        out.append(w[:-2])
    return out


def main():
    pass


if __name__ == "__main__":
    main()

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

import bisect
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
# "kuchař (n:)": a stray part-of-speech label inside the Czech or its note.
PART_OF_SPEECH_NOTE = re.compile(r"\s*\((?:n|v|adj|adv|pl)\s*:?\s*\)")
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
    # The source writes the pronoun in lower case ("i know", "i'm").
    words = en.split(" ")
    if len(words) > 1 or "'" in en:
        words = ["I" + w[1:] if w == "i" or w.startswith("i'") else w for w in words]
        en = " ".join(words)
    # Phrases stored sentence-style ("Good morning") read as everyday
    # lower-case words once the first word is an ordinary one.
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
        if not cz or not fits(en) or not any(c.isalpha() for c in en):
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
    return pool, stats


# ---------------------------------------------------------------------------
# Ranking
# ---------------------------------------------------------------------------

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


def read_wordnet_pos():
    """{lemma: dominant part of speech} from WordNet's tagged sense counts."""
    names = {"1": "n", "2": "v", "3": "adj", "4": "adv", "5": "adj"}
    counts = {}
    with open(os.path.join(WORDNET_DIR, "cntlist.rev"), encoding="utf-8") as f:
        for line in f:
            parts = line.split()
            if len(parts) != 3:
                continue
            lemma, _, rest = parts[0].partition("%")
            pos = names.get(rest[:1])
            if pos:
                c = counts.setdefault(lemma, {})
                c[pos] = c.get(pos, 0) + int(parts[2])
    best = {}
    for lemma in sorted(counts):
        c = counts[lemma]
        pos = max(sorted(c), key=lambda k: c[k])
        if c[pos] > 0:
            best[lemma] = pos
    return best


VERB_END = re.compile(r"(at|át|it|ít|et|ět|ét|out|ýt|ci|ct)( se| si)?$")


def czech_pos(cz):
    """A rough part of speech of a Czech rendering, read from its ending."""
    base = strip_parentheses(cz).rstrip("!?.")
    if VERB_END.search(base):
        return "v"
    if base.endswith(("ý", "í")) and " " not in base:
        return "adj"
    return "n"


# Labels that mark a specialist or odd sense; everyday, colloquial and
# regional labels are not held against a translation.
PLAIN_DOMAINS = {"obec", "hovor", "amer", "brit", "am", "hov", "slang", "fráz", "idiom"}
SOURCE_POS = {"n": "n", "n, pl": "n", "pl": "n", "v": "v", "adj": "adj", "adj, pl": "adj"}


def order_translations(en, pairs, preferred, pop, wn_pos):
    first = {cz: i for i, cz in enumerate(preferred)}
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
        return (first.get(p.cz, len(first)), special, clash,
                -min(pop.get(czech_key(p.cz), 0), 8), "(" in p.cz, len(p.cz), p.order)
    return sorted(pairs, key=key)


# ---------------------------------------------------------------------------
# Forms a learner types that the program's reducers cannot bring back
# ---------------------------------------------------------------------------

def czech_past(inf):
    """Masculine past form of a regular Czech infinitive, or None."""
    verb, sep, refl = inf.partition(" ")
    if sep and refl not in ("se", "si"):
        return None
    for end, past in (("ovat", "oval"), ("nout", "nul"), ("at", "al"),
                      ("it", "il"), ("ět", "ěl"), ("et", "el")):
        if verb.endswith(end) and len(verb) > len(end) + 1:
            return verb[:-len(end)] + past + sep + refl
    return None


def czech_gerund(inf):
    """Verbal noun of a regular Czech infinitive (dělat -> dělání), or None."""
    verb, sep, refl = inf.partition(" ")
    if sep and refl not in ("se", "si"):
        return None
    for end, noun in (("ovat", "ování"), ("nout", "nutí"), ("at", "ání")):
        if verb.endswith(end) and len(verb) > len(end) + 1:
            return verb[:-len(end)] + noun + sep + refl
    return None


def derive_form(form, base, kind, translations, wn_pos):
    """Czech for an inflected English form, built from its base word's.

    Only regular Czech patterns are inflected; anything else keeps the base
    word's Czech and says which form it stands for, so nothing is passed off
    as a real Czech form it is not.
    """
    for cz in translations:
        cz = strip_parentheses(cz)
        if kind in ("past", "ing") and czech_pos(cz) != "v":
            continue
        if kind == "past":
            made = czech_past(cz)
            options = [made] if made else []
            options.append(cz + " (min. čas)")
        elif kind == "ing":
            made = czech_gerund(cz)
            options = [made] if made else []
            options.append(cz + " (-ing)")
        elif kind == "plural":
            if czech_pos(cz) != "n" or wn_pos.get(base, "n") != "n":
                continue
            options = [cz + " (mn. č.)"]
        else:
            options = [cz + " (" + kind + ")"]
        for c in options:
            if fits(c):
                return c
    return None


def base_candidates(w, exceptions):
    """(base, kind) guesses for an inflected form, most reliable first."""
    out = []
    for base, pos in exceptions.get(w, ()):
        if pos == "verb":
            out.append((base, "ing" if w.endswith("ing") else "past"))
        elif pos == "noun":
            out.append((base, "plural"))
    if w.endswith("ing") and len(w) > 4:
        stem = w[:-3]
        out.append((stem + "e", "ing"))
        if len(stem) > 2 and stem[-1] == stem[-2]:
            out.append((stem[:-1], "ing"))
        out.append((stem, "ing"))
    if w.endswith("ed") and len(w) > 4:
        out.append((w[:-1], "past"))
        stem = w[:-2]
        if len(stem) > 2 and stem[-1] == stem[-2]:
            out.append((stem[:-1], "past"))
        out.append((stem, "past"))
    if w.endswith("ies") and len(w) > 4:
        out.append((w[:-3] + "y", "plural"))
    if w.endswith("ves") and len(w) > 4:
        out.append((w[:-3] + "f", "plural"))
        out.append((w[:-3] + "fe", "plural"))
    if w.endswith("es") and len(w) > 3:
        out.append((w[:-2], "plural"))
    if w.endswith("s") and len(w) > 3:
        out.append((w[:-1], "plural"))
    return out


# ---------------------------------------------------------------------------
# Selection
# ---------------------------------------------------------------------------

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


def plain_alpha_words(lists, limit):
    """The same list without the SCOWL filter, for comparison."""
    out = []
    for w in lists["us_tv_and_film"]:
        if re.fullmatch(r"[a-z]+", w) and w not in out:
            out.append(w)
            if len(out) == limit:
                break
    return out


class Builder:
    def __init__(self):
        self.lists = read_frequency_lists()
        self.scowl = read_scowl()
        self.common = {w for w, c in self.scowl.items() if c <= 50 and w == w.lower()}
        self.pool, self.stats = build_pool(self.common)
        self.wn_pos = read_wordnet_pos()
        self.exceptions = {}
        for form, base, pos in read_wordnet_exceptions():
            self.exceptions.setdefault(form, []).append((base, pos))
        self.rank = word_ranks(self.lists)
        self.hand = read_tsv(ADDED_PAIRS)
        self.hand_headwords = {en for en, _ in self.hand}
        self.overrides = {}
        for en, cz in read_tsv(OVERRIDES):
            self.overrides.setdefault(en, []).append(cz)
        self.add_hand_pairs()
        self.check_overrides()
        self.pop = czech_popularity(self.pool)
        self.lower_index = {}
        for en in sorted(self.pool):
            self.lower_index.setdefault(ascii_lower(en), []).append(en)
        self.credit = self.inflection_credit()
        self.derived = {}
        self.promoted = {}

    def add_hand_pairs(self):
        for i, (en, cz) in enumerate(self.hand):
            if not fits(en) or not fits(cz):
                sys.exit("added_pairs.tsv: %r = %r breaks the field rules" % (en, cz))
            pairs = self.pool.setdefault(en, [])
            if all(p.cz != cz for p in pairs):
                pairs.append(Pair(en, cz, [], -len(self.hand) + i, ""))

    def check_overrides(self):
        for en in sorted(self.overrides):
            have = {p.cz for p in self.pool.get(en, [])}
            for cz in self.overrides[en]:
                if cz not in have:
                    sys.exit("overrides.tsv: %r = %r is not in the source "
                             "(put new pairs in added_pairs.tsv)" % (en, cz))

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

    def ordered(self, en):
        preferred = list(self.overrides.get(en, []))
        for h_en, h_cz in self.hand:
            if h_en == en and h_cz not in preferred:
                preferred.append(h_cz)
        return order_translations(en, self.pool[en], preferred, self.pop, self.wn_pos)

    def candidates(self):
        """[(rank, english)] for every headword that may be chosen."""
        out = []
        for en in sorted(self.pool):
            if en in self.derived:
                continue
            r = self.headword_rank(en)
            if en in self.overrides or en in self.hand_headwords:
                # Reviewed by hand: a longer phrase still counts.
                if r is None:
                    r = self.headword_rank(en, max_tokens=6)
                if r is None:
                    r = UNLISTED_BASE
            if en in self.promoted:
                r = self.promoted[en] if r is None else min(r, self.promoted[en])
            if r is not None:
                out.append((r, en))
        for en in sorted(self.derived):
            out.append((self.derived[en][0], en))
        out.sort()
        return out

    def select(self):
        rows = []
        for r, en in self.candidates():
            if en in self.derived:
                pairs = [self.derived[en][1]]
            else:
                pairs = [p.cz for p in self.ordered(en)]
            ov = self.overrides.get(en)
            # A reviewed list is complete: nothing the heuristic adds to it.
            n = min(len(ov), 5) if ov else quota_for(r, en)
            for cz in pairs[:n]:
                rows.append((en, cz))
                if len(rows) == TOTAL_PAIRS:
                    return rows
        sys.exit("only %d pairs available" % len(rows))

    def fix_unreachable(self, rows):
        """Give each protected word that the table cannot show an entry."""
        finder = Finder([en for en, _ in rows])
        added = 0
        for w in target_words(self.lists, self.scowl, PROTECT_WORDS):
            if finder.finds(w) or w in self.derived:
                continue
            if w in self.lower_index:
                continue  # a headword of its own; ranking already covers it
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

    def build(self):
        rows = self.select()
        for _ in range(4):
            if not self.fix_unreachable(rows):
                break
            rows = self.select()
        return rows


def write_table(rows, path):
    seen = set()
    for en, cz in rows:
        if (en, cz) in seen:
            sys.exit("duplicate pair %r = %r" % (en, cz))
        seen.add((en, cz))
    tmp = path + ".tmp"
    with open(tmp, "w", encoding="utf-8", newline="\n") as f:
        for en, cz in rows:
            f.write("%s\t%s\n" % (en, cz))
    os.replace(tmp, path)


def main():
    b = Builder()
    rows = b.build()
    write_table(rows, OUTPUT)
    s = b.stats
    print("source entries %d; dropped: marked %d, wrong keyboard layout %d, too long "
          "or malformed %d, repeated after clean-up %d"
          % (s["entries"], s["dropped_marked"], s["dropped_layout"], s["unusable"],
             s["duplicates"]))
    print("derived form entries %d, hand-written pairs %d, overridden headwords %d"
          % (len(b.derived), len(b.hand), len(b.overrides)))
    print("wrote %s: %d pairs, %d English headwords"
          % (os.path.relpath(OUTPUT, ROOT), len(rows), len({en for en, _ in rows})))


if __name__ == "__main__":
    main()

# SPDX-License-Identifier: GPL-2.0-or-later
"""Step 1: reading the sources, all from Debian packages and this folder.

  dict-freedict-eng-ces  the English-Czech pairs
  python3-zxcvbn         ranked word frequency lists (TV/film subtitles, Wikipedia)
  scowl                  word size classes, for words the frequency lists lack
  wordnet-base           irregular forms (went -> go, children -> child, ...)
                         and each word's usual part of speech
"""

import gzip
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))

DICT_INDEX = "/usr/share/dictd/freedict-eng-ces.index"
DICT_DATA = "/usr/share/dictd/freedict-eng-ces.dict.dz"
ZXCVBN_LISTS = "/usr/lib/python3/dist-packages/zxcvbn/frequency_lists.py"
SCOWL_DIR = "/usr/share/dict/scowl"
WORDNET_DIR = "/usr/share/wordnet"

OVERRIDES = os.path.join(HERE, "overrides.tsv")
ADDED_PAIRS = os.path.join(HERE, "added_pairs.tsv")
EVERYDAY_EN = os.path.join(ROOT, "data", "everyday_en.tsv")
EVERYDAY_CS = os.path.join(ROOT, "data", "everyday_cs.tsv")
CZECH_COMMON = os.path.join(HERE, "czech_common.txt")
OWN_LINES = os.path.join(HERE, "own_lines.tsv")
ENGLISH_EXTRA = os.path.join(HERE, "english_extra.txt")
OUTPUT = os.path.join(ROOT, "data", "wordlist.tsv")


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


# The third field of a reviewed everyday line that names the sense the best reading gives, where
# the first offer must stay another ("do<TAB>to<TAB>reading"): the build reads it, the word list's
# selection does not.
READING_MARK = "reading"


def read_tsv(path):
    """Hand-written English<TAB>Czech files; '#' starts a comment line."""
    pairs = []
    with open(path, encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            parts = line.split("\t")
            if len(parts) == 3 and parts[2] == READING_MARK:
                continue
            if len(parts) != 2:
                sys.exit("%s:%d: expected English<TAB>Czech" % (path, n))
            pairs.append((parts[0], parts[1]))
    return pairs

def read_words(path):
    """One word a line; '#' starts a comment line."""
    with open(path, encoding="utf-8") as f:
        return [w.strip() for w in f if w.strip() and not w.startswith("#")]


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


class Sources:
    """Everything the later steps read, loaded once."""

    def __init__(self):
        self.lists = read_frequency_lists()
        self.scowl = read_scowl()
        self.common = {w for w, c in self.scowl.items() if c <= 50 and w == w.lower()}
        self.wn_pos = read_wordnet_pos()
        self.exceptions = {}
        for form, base, pos in read_wordnet_exceptions():
            self.exceptions.setdefault(form, []).append((base, pos))
        self.hand = read_tsv(ADDED_PAIRS)
        self.overrides = {}
        for en, cz in read_tsv(OVERRIDES):
            self.overrides.setdefault(en, []).append(cz)
        # The reviewed everyday translation of the commonest words, which the
        # translator must offer first: {word: translation}, in both directions.
        self.everyday_en = dict(read_tsv(EVERYDAY_EN)) if os.path.exists(EVERYDAY_EN) else {}
        self.everyday_cs = dict(read_tsv(EVERYDAY_CS)) if os.path.exists(EVERYDAY_CS) else {}
        # Common word forms that must offer a line of their own first: {direction: {word}}.
        self.own_lines = {}
        for direction, word in read_tsv(OWN_LINES):
            self.own_lines.setdefault(direction, set()).add(word)
        # Czech base forms, commonest first (czech_ranking.py).
        self.czech_common = read_words(CZECH_COMMON)
        # Subtitle words the zxcvbn lists lack, with their rank (english_ranking.py).
        self.english_extra = [(w, float(r)) for w, r in
                              (line.split("\t") for line in read_words(ENGLISH_EXTRA))]

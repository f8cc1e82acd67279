#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Check data/wordlist.tsv and report how well it serves a learner.

Run from the repository root, after building (the program's table is made
from data/wordlist.tsv at build time):

    python3 -m tools.wordlist.coverage [build/tools/wordlist/slovnik-wordcheck]

Exits 1 when any line breaks the table's field rules or a target is missed.
Every figure about finding words or about first offers comes from the
program's own engine, through slovnik-wordcheck: nothing here repeats the
program's rules.  The lists sort as they do without a locale (Czech).
"""

import os
import re
import subprocess
import sys

from .choose import TARGET_WORDS
from .clean import WRONG_LAYOUT
from .rank import target_words
from .sources import (EVERYDAY_CS, EVERYDAY_EN, OUTPUT, ROOT, read_frequency_lists,
                     read_scowl, read_tsv)
from .table import ENTRY_COUNT, FIELD_CAPACITY

WORDLIST = OUTPUT
TOOL = os.path.join(ROOT, "build", "tools", "wordlist", "slovnik-wordcheck")
MIN_HEADWORDS = 18000
MIN_COVERAGE = 0.99
MIN_EVERYDAY_400 = 0.95
MIN_EVERYDAY_CS = 0.95

MARKUP = re.compile(r"<[^>]*>|\[|\]|\{|\}|Note:|\*\*\*|\\")
ODD_APOSTROPHES = "\u00b4`\u2019\u2018"


def package_version(name):
    try:
        out = subprocess.run(["dpkg-query", "-W", "-f=${Version}", name],
                             capture_output=True, text=True, check=False)
        return out.stdout.strip() or "not installed"
    except OSError:
        return "unknown"


def field_problems(text, english):
    problems = []
    if not text:
        return ["empty"]
    try:
        size = len(text.encode("cp1250"))
    except UnicodeEncodeError:
        return ["not encodable in Windows-1250"]
    if size > FIELD_CAPACITY:
        problems.append("longer than %d bytes" % FIELD_CAPACITY)
    if text != text.strip():
        problems.append("leading or trailing blank")
    if "=" in text:
        problems.append("contains '='")
    if any(ord(c) < 32 or 127 <= ord(c) < 160 for c in text):
        problems.append("control character")
    if MARKUP.search(text):
        problems.append("markup")
    if english and any(c in text for c in ODD_APOSTROPHES):
        problems.append("apostrophe not normalised")
    if not english and WRONG_LAYOUT.search(text):
        problems.append("typed on the wrong keyboard layout")
    return problems


def check_rules(raw):
    errors = []
    if raw.startswith(b"\xef\xbb\xbf"):
        errors.append("file starts with a byte order mark")
    if b"\r" in raw:
        errors.append("file holds carriage returns")
    if raw and not raw.endswith(b"\n"):
        errors.append("last line lacks its newline")
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as e:
        return ["not UTF-8: %s" % e], []
    lines = text.split("\n")[:-1]
    if len(lines) != ENTRY_COUNT:
        errors.append("%d lines, expected %d" % (len(lines), ENTRY_COUNT))
    rows, seen = [], set()
    for n, line in enumerate(lines, 1):
        parts = line.split("\t")
        if len(parts) != 2:
            errors.append("line %d: expected exactly one TAB" % n)
            continue
        en, cz = parts
        for label, field, english in (("English", en, True), ("Czech", cz, False)):
            for p in field_problems(field, english):
                errors.append("line %d: %s field %r: %s" % (n, label, field, p))
        if line in seen:
            errors.append("line %d: repeats an earlier pair %r" % (n, line))
        seen.add(line)
        rows.append((en, cz))
    return errors, rows


def engine(tool, *args, words=None):
    """Runs slovnik-wordcheck; for word commands, {word: answer}."""
    env = dict(os.environ, LC_ALL="C.UTF-8", LANG="C.UTF-8", LANGUAGE="")
    text = "".join(w + "\n" for w in words) if words is not None else None
    out = subprocess.run([tool] + list(args), input=text, capture_output=True, text=True,
                         check=True, env=env).stdout
    if words is None:
        return out
    return dict(line.split("\t", 1) for line in out.splitlines())


def everyday_share(tool, direction, reviewed, bands):
    """How many of the first n reviewed words get their everyday line as the
    translator's chosen offer, for each n in bands."""
    words = [w for w, _ in reviewed]
    offers = engine(tool, "first-offers", direction, words=words)
    good = ["%s = %s" % (w, e) == offers.get(w) for w, e in reviewed]
    misses = ["%s (%s)" % (w, offers.get(w) or "nothing") for (w, _), ok in zip(reviewed, good)
              if not ok]
    return [(n, sum(good[:n]), min(n, len(good))) for n in bands], misses


def main():
    tool = sys.argv[1] if len(sys.argv) > 1 else TOOL
    with open(WORDLIST, "rb") as f:
        raw = f.read()
    errors, rows = check_rules(raw)
    english = [en for en, _ in rows]
    fields = set(english)
    headwords = len(fields)

    lists = read_frequency_lists()
    scowl = read_scowl()
    targets = target_words(lists, scowl, TARGET_WORDS)

    print("wordlist: %s" % os.path.relpath(WORDLIST, ROOT))
    print("pairs: %d (required %d)" % (len(rows), ENTRY_COUNT))
    print("distinct English words: %d (required at least %d)" % (headwords, MIN_HEADWORDS))
    print("frequency list: zxcvbn us_tv_and_film (python3-zxcvbn %s), the first %d "
          "distinct all-letter entries that SCOWL (scowl %s, size <= 70) lists as "
          "lower-case English words"
          % (package_version("python3-zxcvbn"), TARGET_WORDS, package_version("scowl")))

    own = [w for w in targets if w in fields]
    print("an entry of their own: %d / %d = %.2f%% (required %.0f%%)"
          % (len(own), len(targets), 100 * len(own) / len(targets), 100 * MIN_COVERAGE))
    print("  without: %s" % " ".join(w for w in targets if w not in fields))
    counts = engine(tool, "lookup-count", words=targets)
    misses = [w for w in targets if counts.get(w, "0") == "0"]
    found = len(targets) - len(misses)
    share = found / len(targets)
    print("found when typed (the dictionary lists a line): %d / %d = %.2f%% (required %.0f%%)"
          % (found, len(targets), 100 * share, 100 * MIN_COVERAGE))
    print("  misses: %s" % (" ".join(misses) if misses else "none"))

    out = engine(tool, "unreachable").splitlines()
    print(out[-1] + " (no text typed into the query box lists them)")
    for line in out[:-1][:20]:
        print("  " + line)

    shares = []
    english_reviewed = read_tsv(EVERYDAY_EN)
    by_word = dict(english_reviewed)
    subtitle_order = [(w, by_word[w]) for w in targets[:1000] if w in by_word]
    for label, direction, reviewed, bands in (
            ("English (the selection's ranking)", "--en-cs", english_reviewed[:1000],
             (100, 400, 1000)),
            ("English (subtitle list)", "--en-cs", subtitle_order, (100, 400, 1000)),
            ("Czech", "--cs-en", read_tsv(EVERYDAY_CS), (300, 500, 1000))):
        result, missed = everyday_share(tool, direction, reviewed, bands)
        for n, good, total in result:
            print("first offer is the reviewed everyday one, %d commonest %s words: "
                  "%d / %d = %.1f%%" % (n, label, good, total, 100 * good / max(total, 1)))
            shares.append((label, n, good / max(total, 1)))
        print("  others: %s" % ("; ".join(missed[:40]) if missed else "none"))

    if headwords < MIN_HEADWORDS:
        errors.append("only %d distinct English words" % headwords)
    if share < MIN_COVERAGE or len(own) < MIN_COVERAGE * len(targets):
        errors.append("coverage is below %.0f%%" % (100 * MIN_COVERAGE))
    if int(out[-1].split()[-1]) != 0:
        errors.append("some entries cannot be found")
    if any(label.startswith("English") and n == 400 and s < MIN_EVERYDAY_400
           for label, n, s in shares):
        errors.append("too few everyday first offers among the 400 commonest English words")
    if any(label == "Czech" and s < MIN_EVERYDAY_CS for label, n, s in shares):
        errors.append("too few everyday first offers among the 500 commonest Czech words")
    if errors:
        print("rule check: %d problem(s)" % len(errors))
        for e in errors[:50]:
            print("  " + e)
        return 1
    print("rule check: all %d lines pass" % len(rows))
    return 0


if __name__ == "__main__":
    sys.exit(main())

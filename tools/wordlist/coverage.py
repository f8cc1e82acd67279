#!/usr/bin/env python3
"""Check data/wordlist.tsv and report how well it serves a learner.

Run from the repository root:  python3 tools/wordlist/coverage.py
Exits 1 when any line breaks the table's field rules or a target is missed.

"Found" means what the program does in English-to-Czech mode: the cleaned
query is a prefix of some English field, or one of its non-empty reduced
forms equals an English field.  Both helpers come from make_wordlist.py so
the two scripts can never disagree about them.
"""

import os
import re
import subprocess
import sys

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_wordlist as mw  # noqa: E402

WORDLIST = os.path.join(mw.ROOT, "data", "wordlist.tsv")
MIN_HEADWORDS = 18000
MIN_COVERAGE = 0.99

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
    if size > mw.MAX_FIELD:
        problems.append("longer than %d bytes" % mw.MAX_FIELD)
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
    if not english and mw.WRONG_LAYOUT.search(text):
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
    if len(lines) != mw.TOTAL_PAIRS:
        errors.append("%d lines, expected %d" % (len(lines), mw.TOTAL_PAIRS))
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


def coverage(words, finder):
    misses = [w for w in words if not finder.finds(w)]
    return len(words) - len(misses), misses


def main():
    with open(WORDLIST, "rb") as f:
        raw = f.read()
    errors, rows = check_rules(raw)
    english = [en for en, _ in rows]
    headwords = len(set(english))

    lists = mw.read_frequency_lists()
    scowl = mw.read_scowl()
    targets = mw.target_words(lists, scowl, mw.TARGET_WORDS)
    plain = mw.plain_alpha_words(lists, mw.TARGET_WORDS)
    folded = mw.Finder(english, fold=True)
    strict = mw.Finder(english, fold=False)

    print("wordlist: %s" % os.path.relpath(WORDLIST, mw.ROOT))
    print("pairs: %d (required %d)" % (len(rows), mw.TOTAL_PAIRS))
    print("distinct English words: %d (required at least %d)" % (headwords, MIN_HEADWORDS))
    print("frequency list: zxcvbn us_tv_and_film (python3-zxcvbn %s), the first %d "
          "distinct all-letter entries that SCOWL (scowl %s, size <= 70) lists as "
          "lower-case English words"
          % (package_version("python3-zxcvbn"), mw.TARGET_WORDS, package_version("scowl")))

    found, misses = coverage(targets, folded)
    share = found / len(targets)
    print("found when typed (case-insensitive match): %d / %d = %.2f%% (required %.0f%%)"
          % (found, len(targets), 100 * share, 100 * MIN_COVERAGE))
    print("  misses: %s" % (" ".join(misses) if misses else "none"))
    s_found, s_misses = coverage(targets, strict)
    print("found when typed (stored case must match the lower-cased query): "
          "%d / %d = %.2f%%" % (s_found, len(targets), 100 * s_found / len(targets)))
    print("  misses: %s" % (" ".join(s_misses) if s_misses else "none"))
    p_found, p_misses = coverage(plain, folded)
    print("same list without the SCOWL filter (names of TV characters included): "
          "%d / %d = %.2f%%" % (p_found, len(plain), 100 * p_found / len(plain)))

    if headwords < MIN_HEADWORDS:
        errors.append("only %d distinct English words" % headwords)
    if share < MIN_COVERAGE:
        errors.append("coverage %.2f%% is below %.0f%%" % (100 * share, 100 * MIN_COVERAGE))
    if errors:
        print("rule check: %d problem(s)" % len(errors))
        for e in errors[:50]:
            print("  " + e)
        return 1
    print("rule check: all %d lines pass" % len(rows))
    return 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Every base in the Czech forms must be a Czech word of the word list: the engine numbers bases by
the list's words, and a base the list lost (after a change of the list, without `make czech-forms`)
would lead a form to nothing, or to the wrong word."""

import sys
from pathlib import Path


def czech_words(wordlist):
    return {line.split("\t")[1] for line in wordlist.read_text(encoding="utf-8").splitlines() if "\t" in line}


def missing_bases(forms, words):
    """(line number, base) for each base the list lacks, in both halves of the file."""
    missing, ranked = [], False
    for number, line in enumerate(forms.read_text(encoding="utf-8").splitlines(), 1):
        if line.startswith("#"):
            continue
        if line == "%%":
            ranked = True
            continue
        fields = line.split("\t")
        # The first half: base<TAB>forms (the empty base holds words that negate nothing);
        # after %%: form<TAB>base<TAB>base...
        bases = fields[1:] if ranked else fields[:1]
        missing += [(number, base) for base in bases if base and base not in words]
    return missing


def main():
    forms, wordlist = Path(sys.argv[1]), Path(sys.argv[2])
    missing = missing_bases(forms, czech_words(wordlist))
    for number, base in missing[:20]:
        print(f"{forms}:{number}: base {base!r} is no Czech word of {wordlist}")
    if missing:
        sys.exit(f"{len(missing)} bases missing from the word list; run make czech-forms")
    print(f"every base of {forms} is a Czech word of {wordlist}")


if __name__ == "__main__":
    main()

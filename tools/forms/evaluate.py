#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""How well the base forms work, measured through slovnik-cli.

  evaluate.py coverage CLI [--cs-en|--en-cs] FILE...
      pastes each text into the translator logic (translate --offers) and prints the share of
      words offered something: by the scan alone, and by the scan or base-form offers.
  evaluate.py forms CLI SET.tsv
      SET.tsv: form<TAB>right base<TAB>where from, checked by hand ("#" starts a comment; a
      negated form's right base is its negation as `forms` prints it: "nevědět"; a verb's
      "se"/"si" may be left out). Prints the share of forms whose right base `forms` puts
      first, over the forms that are no table words themselves and whose base (or, for a
      negation, the positive word) the table has, and lists the misses.
"""

import subprocess
import sys

CHUNK_WORDS = 60  # well under the translator's 128 words, also after punctuation splits words


def run(cli, *args, text=None):
    done = subprocess.run([cli, *args], input=text, capture_output=True, text=True, check=False)
    if done.returncode != 0:
        sys.exit(f"{cli} {' '.join(args)}: exit {done.returncode}: {done.stderr}")
    return done.stdout


def coverage(cli, direction, files):
    words = scanned = offered = 0
    missed = []
    for name in files:
        tokens = open(name, encoding="utf-8").read().split()
        for start in range(0, len(tokens), CHUNK_WORDS):
            output = run(cli, "translate", direction, "--offers",
                         text=" ".join(tokens[start:start + CHUNK_WORDS]) + "\n")
            word, lines = None, []
            for line in output.split("\n") + [""]:
                if line.startswith("  "):
                    lines.append(line)
                    continue
                # Tokens without a letter ("---", "25", quotes) are no words of the prose.
                if word is not None and any(c.isalpha() for c in word):
                    words += 1
                    scanned += any(not l.startswith("  ~ ") for l in lines)
                    offered += bool(lines)
                    if not lines:
                        missed.append(word)
                word, lines = (line or None), []
    print(f"{direction} {' '.join(files)}: {words} words; offered something: "
          f"{100 * scanned / words:.1f}% by the scan, {100 * offered / words:.1f}% with base forms")
    print("  nothing for:", " ".join(missed))


def forms(cli, set_file):
    table_words = {line.split("\t")[2] for line in run(cli, "dump").split("\n") if line.count("\t") == 2}

    def spellings(base):
        """The table's ways of writing a base: a verb may stand with its "se" or "si"."""
        return [base, base + " se", base + " si"]

    def in_table(base):
        positive = base[2:] if base.startswith("ne") else None
        return any(b in table_words for b in spellings(base) + (spellings(positive) if positive else []))

    counted = first = itself = absent = 0
    misses = []
    for line in open(set_file, encoding="utf-8"):
        line = line.split("#")[0].rstrip("\n")
        if not line.strip():
            continue
        form, base = line.split("\t")[:2]
        if form in table_words:
            itself += 1
            continue
        if not in_table(base):
            absent += 1
            continue
        got = [g for g in run(cli, "forms", "--cs-en", "--", form).split("\n") if g]
        counted += 1
        if got and got[0] in spellings(base):
            first += 1
        else:
            misses.append(f"{form}: {base} (got {' '.join(got) or 'nothing'})")
    print(f"{set_file}: right base first for {first} of {counted} forms ({100 * first / counted:.1f}%); "
          f"left out: {itself} forms that are table words, {absent} whose base the table lacks")
    for miss in misses:
        print("  " + miss)


def main():
    if len(sys.argv) < 4 or sys.argv[1] not in ("coverage", "forms"):
        sys.exit(__doc__)
    if sys.argv[1] == "forms":
        forms(sys.argv[2], sys.argv[3])
        return
    direction = "--cs-en"
    files = sys.argv[3:]
    if files[0] in ("--cs-en", "--en-cs"):
        direction, files = files[0], files[1:]
    coverage(sys.argv[2], direction, files)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Measures slovnik's spelling suggestions on the evaluation sets beside this script.

For every MISSPELLING<TAB>INTENDED line, runs the real engine through
`slovnik-cli suggest` (English sets with --en-cs, the Czech set with --cs-en) and counts how
often the intended word comes first and how often it is among the first three.

    python3 -m tools.spelling.evaluate [--cli build/tools/cli/slovnik-cli] [--misses N]
    python3 -m tools.spelling.evaluate --hunspell    # Hunspell beside it, for comparison

--hunspell also asks Hunspell (Debian's hunspell with hunspell-en-us and hunspell-cs) for the
same words and keeps only its suggestions that are words of the table, as the program would have
to. The sets are built by make_testset.py (learner_errors.tsv is written by hand).
"""

import argparse
import concurrent.futures
import os
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.join(HERE, "..", "..")
SETS = [("English, generated errors", "english_generated.tsv", "--en-cs", "en_US"),
        ("English, learner errors", "learner_errors.tsv", "--en-cs", "en_US"),
        ("Czech without diacritics", "czech_plain.tsv", "--cs-en", "cs_CZ")]


def read_set(name):
    rows = []
    with open(os.path.join(HERE, name), encoding="utf-8") as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                typed, intended = line.rstrip("\n").split("\t")
                rows.append((typed, intended))
    return rows


def slovnik_suggestions(cli, direction, words):
    def ask(word):
        run = subprocess.run([cli, "suggest", direction, "--", word], capture_output=True, check=True)
        return run.stdout.decode("utf-8").splitlines()
    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
        return list(pool.map(ask, words))


def table_words(column):
    with open(os.path.join(ROOT, "data", "wordlist.tsv"), encoding="utf-8") as f:
        return {line.rstrip("\n").split("\t")[column] for line in f}


def hunspell_suggestions(dictionary, words, known):
    run = subprocess.run(["hunspell", "-d", dictionary, "-i", "utf-8", "-a"],
                         input="\n".join("^" + w for w in words) + "\n",
                         capture_output=True, check=True, text=True, encoding="utf-8")
    answers = [block for block in run.stdout.split("\n\n")[:len(words)]]
    results = []
    for word, block in zip(words, answers):
        line = block.strip().splitlines()[-1] if block.strip() else ""
        if line.startswith("&"):
            offered = [s.strip() for s in line.split(":", 1)[1].split(",")]
        elif line.startswith("*") or line.startswith("+"):
            offered = [word]
        else:
            offered = []
        results.append([s for s in offered if s in known])
    return results


def score(rows, answers):
    first = sum(1 for (_, intended), got in zip(rows, answers) if got[:1] == [intended])
    top3 = sum(1 for (_, intended), got in zip(rows, answers) if intended in got[:3])
    return first, top3


def report(title, rows, answers, misses):
    first, top3 = score(rows, answers)
    n = len(rows)
    print(f"  {title:<28} {n:5d} words   first {100 * first / n:5.1f} %   first 3 {100 * top3 / n:5.1f} %")
    shown = [(typed, intended, got[:3]) for (typed, intended), got in zip(rows, answers) if intended not in got[:3]]
    for typed, intended, got in shown[:misses]:
        print(f"      {typed} -> {intended}: {', '.join(got) or '(none)'}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cli", default=os.path.join(ROOT, "build", "tools", "cli", "slovnik-cli"))
    parser.add_argument("--misses", type=int, default=0, help="print up to N words missed in the first 3")
    parser.add_argument("--hunspell", action="store_true", help="measure Hunspell too")
    args = parser.parse_args()
    for title, name, direction, dictionary in SETS:
        rows = read_set(name)
        words = [typed for typed, _ in rows]
        print(title)
        report("slovnik", rows, slovnik_suggestions(args.cli, direction, words), args.misses)
        if args.hunspell:
            known = table_words(0 if direction == "--en-cs" else 1)
            report("Hunspell, table words only", rows, hunspell_suggestions(dictionary, words, known), args.misses)


if __name__ == "__main__":
    main()

# SPDX-License-Identifier: GPL-2.0-or-later
"""How much of the meaning of real sentences slovnik's translator gives, on parallel text.

Run from the repository root:
  python3 -m tools.evaluation.meaning [--cli PATH] [--corpus FILE] [--limit N] [--misses N]
For each English-Czech pair of the corpus (tools.evaluation.corpus makes it) and each direction,
the source side is translated by `slovnik-cli translate` as the build button makes the sentence,
and with --fill (the best reading). The table gives the share of the human translation's content
words that the sentence holds, words compared by base form (`slovnik-cli forms`); the last row
is the best line of every box (`translate --offers`), if the learner picked it. Then, per
direction, the human translation's words the best reading misses most, each with the box word
whose own lines hold it and what the best reading of that word alone gives, or why none does.
A tool that may be rebuilt during the run is best copied first and given with --cli.
"""

import argparse
import subprocess
import sys
import time
from collections import Counter
from concurrent.futures import ThreadPoolExecutor

from tools.evaluation import scoring

WORKERS = 2  # the machine's two cores, shared with the builds
RETRIES = 5  # the tool may be relinked while we run
RETRY_PAUSE_S = 2
DEFAULT_CLI = "build/tools/cli/slovnik-cli"
DEFAULT_CORPUS = "tools/evaluation/corpus.tsv"
DEFAULT_MISSES = 30
OFFER_MARKS = ("+ ", "~ ")
LINE_SEPARATOR = " = "


class Direction:
    def __init__(self, title, flag, target_flag, source_column, target_stop):
        self.title = title
        self.flag = flag  # the source language's, for translate
        self.target_flag = target_flag  # for forms of the target language's words
        self.source_column = source_column
        self.target_stop = target_stop


CS_EN = Direction("Czech→English", "--cs-en", "--en-cs", 1, scoring.ENGLISH_STOP)
EN_CS = Direction("English→Czech", "--en-cs", "--cs-en", 0, scoring.CZECH_STOP)
DIRECTIONS = (CS_EN, EN_CS)


class Cli:
    def __init__(self, path):
        self.path = path
        self.forms_cache = {}

    def run(self, args, text=None):
        for attempt in range(RETRIES):
            try:
                done = subprocess.run([self.path, *args], input=text, capture_output=True,
                                      text=True, check=False)
                if done.returncode == 0:
                    return done.stdout
                error = done.stderr
            except OSError as failure:  # "text file busy" while the linker writes it
                error = str(failure)
            time.sleep(RETRY_PAUSE_S * (attempt + 1))
        sys.exit(f"{self.path} {' '.join(args)}: {error}")

    def translate(self, direction, text, mode=None):
        args = ["translate", direction.flag] + ([mode] if mode else [])
        return self.run(args, text + "\n")

    def fill_forms(self, flag, words, pool):
        todo = sorted({w for w in words if (flag, w) not in self.forms_cache})
        found = pool.map(lambda w: self.run(["forms", flag, "--", w]).splitlines(), todo)
        for word, forms in zip(todo, found):
            self.forms_cache[(flag, word)] = forms

    def forms_function(self, flag, stop):
        return lambda word: scoring.head_words(self.forms_cache.get((flag, word), []), stop)


def same_word(a, b):
    # A box keeps a capital the translator's lower-casing leaves (Čas); its lines are in lower case.
    return a.lower() == b.lower()


def parse_offers(output):
    """The boxes of `translate --offers`: (word, [(source side, target side, own)] of its lines),
    a line its own when it is for the word itself, one of its base forms or a phrase at it."""
    boxes = []
    for line in output.splitlines():
        if not line.startswith("  "):
            boxes.append((line, []))
            continue
        offer, marked = line[2:], False
        for mark in OFFER_MARKS:
            marked = marked or offer.startswith(mark)
            offer = offer.removeprefix(mark)
        if boxes and LINE_SEPARATOR in offer:
            source, target = offer.split(LINE_SEPARATOR, 1)
            boxes[-1][1].append((source, target, marked or same_word(source, boxes[-1][0])))
    return boxes


def gives(line, keys):
    return bool(keys & set(scoring.sentence_words(line[1])))


def oracle_found(reference, boxes, forms):
    """Which reference words the best line of each box would give, each box on its own."""
    found = [False] * len(reference)
    wanted = [scoring.keys(w, forms) for w in reference]
    for _, lines in boxes:
        best = []
        for line in lines:
            hits = [i for i, keys in enumerate(wanted) if gives(line, keys)]
            if len(hits) > len(best):
                best = hits
        for i in best:
            found[i] = True
    return found


NO_BOX = "in no box"
LONGER_ONLY = "only in longer words' lines"
OWN_LINE = "in a line of a box's own"


def holding_box(word, boxes, forms):
    """(box, line's source side) of the first line of a box's own that gives the word, the
    source left out when it is the box's word; else (None, why there is none)."""
    keys = scoring.keys(word, forms)
    held = [(box, line) for box, lines in boxes for line in lines if gives(line, keys)]
    for box, (source, _, own) in held:
        if own:
            return box, (None if same_word(source, box) else source)
    return None, (LONGER_ONLY if held else NO_BOX)


def evaluate(cli, pairs, direction, pool, misses_wanted):
    sources = [p[direction.source_column] for p in pairs]
    references = [scoring.content_words(p[1 - direction.source_column], direction.target_stop)
                  for p in pairs]
    built = list(pool.map(lambda s: cli.translate(direction, s), sources))
    filled = list(pool.map(lambda s: cli.translate(direction, s, "--fill"), sources))
    offers = [parse_offers(o) for o in pool.map(
        lambda s: cli.translate(direction, s, "--offers"), sources)]
    built_words = [scoring.sentence_words(s) for s in built]
    filled_words = [scoring.sentence_words(s) for s in filled]
    every = {w for group in (references, built_words, filled_words) for ws in group for w in ws}
    cli.fill_forms(direction.target_flag, every, pool)
    forms = cli.forms_function(direction.target_flag, direction.target_stop)

    total = sum(len(r) for r in references)
    counts = {"built": 0, "filled": 0, "oracle": 0}
    misses = []
    for reference, b, f, boxes in zip(references, built_words, filled_words, offers):
        counts["built"] += sum(scoring.matched(reference, b, forms))
        filled_found = scoring.matched(reference, f, forms)
        counts["filled"] += sum(filled_found)
        counts["oracle"] += sum(oracle_found(reference, boxes, forms))
        if misses_wanted:
            misses += [(w, holding_box(w, boxes, forms))
                       for w, hit in zip(reference, filled_found) if not hit]
    return counts, total, describe_misses(cli, direction, misses, forms, pool, misses_wanted)


def describe_misses(cli, direction, misses, forms, pool, limit):
    """How many misses a box's own line held, how many no such line; then each missed word's base
    form with the box that held it and the best reading of the box's word alone, as
    "box (line's source) → reading", or why no box held it."""
    if not limit:
        return Counter(), []
    kinds = Counter(OWN_LINE if box else why for _, (box, why) in misses)
    boxes = sorted({box for _, (box, _) in misses if box})
    alone = dict(zip(boxes, pool.map(
        lambda b: cli.translate(direction, b, "--fill").strip(), boxes)))

    def given(box, via):
        if box is None:
            return via
        return f"{box}{f' ({via})' if via else ''} → {alone[box]}"

    return kinds, scoring.commonest_misses(
        [(scoring.base_of(w, forms), given(*held)) for w, held in misses], limit)


def read_corpus(path, limit):
    pairs = []
    with open(path, encoding="utf-8") as corpus:
        for line in corpus:
            english, czech = line.rstrip("\n").split("\t")[:2]
            pairs.append((english, czech))
    return pairs[:limit] if limit else pairs


def print_table(results, pairs):
    def row(title, key):
        cells = " | ".join(f"{scoring.share((results[d.title][0][key], results[d.title][1])):.1f}%"
                           for d in DIRECTIONS)
        print(f"| {title} | {cells} |")

    print(f"| {pairs} pairs | " + " | ".join(d.title for d in DIRECTIONS) + " |")
    print("|---|---|---|")
    row("the sentence as the build button makes it", "built")
    row("the best reading (`translate --fill`)", "filled")
    row("the best line in every box, if the learner picked it", "oracle")
    print("| content words of the human translations | "
          + " | ".join(str(results[d.title][1]) for d in DIRECTIONS) + " |")


def print_misses(results):
    for d in DIRECTIONS:
        kinds, commonest = results[d.title][2]
        missed = sum(kinds.values())
        print(f"\n{d.title}: {missed} words the best reading misses; of them "
              + ", ".join(f"{kind} {100 * kinds[kind] / missed:.0f}%"
                          for kind in (OWN_LINE, LONGER_ONLY, NO_BOX)))
        print("the commonest:")
        for base, count, givens in commonest:
            shown = "; ".join(f"{g} ({n})" for g, n in givens)
            print(f"  {base} ×{count}: {shown}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--cli", default=DEFAULT_CLI)
    parser.add_argument("--corpus", default=DEFAULT_CORPUS)
    parser.add_argument("--limit", type=int, default=0, help="only the first N pairs")
    parser.add_argument("--misses", type=int, default=DEFAULT_MISSES,
                        help="list the N commonest missed words per direction (0: none)")
    args = parser.parse_args()
    cli = Cli(args.cli)
    pairs = read_corpus(args.corpus, args.limit)
    with ThreadPoolExecutor(max_workers=WORKERS) as pool:
        results = {d.title: evaluate(cli, pairs, d, pool, args.misses) for d in DIRECTIONS}
    print_table(results, len(pairs))
    if args.misses:
        print_misses(results)


if __name__ == "__main__":
    main()

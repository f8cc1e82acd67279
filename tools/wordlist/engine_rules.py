# SPDX-License-Identifier: GPL-2.0-or-later
"""The program's query rules, asked of the program itself.

The selection must know whether typing a word shows a line before the table
exists, so it cannot ask the engine that holds the table; it asks
slovnik-queryrules, which links the engine's rules without the table (build
it with `cmake --build --preset release --target slovnik-queryrules`; the
SLOVNIK_QUERY_RULES environment variable may name another build of it).
One process answers every word, one line at a time, each answer kept.
"""

import bisect
import functools
import os
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TOOL = os.environ.get("SLOVNIK_QUERY_RULES",
                      os.path.join(ROOT, "build", "tools", "wordlist", "slovnik-queryrules"))


@functools.cache
def _tool():
    if not os.access(TOOL, os.X_OK):
        sys.exit("%s is missing: cmake --build --preset release --target slovnik-queryrules" % TOOL)
    return subprocess.Popen([TOOL], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True,
                            encoding="utf-8", bufsize=1)


@functools.cache
def _rules(word):
    """(lower-cased, cleaned query, plural, comparative, verb form) of the word."""
    tool = _tool()
    tool.stdin.write(word + "\n")
    tool.stdin.flush()
    return tuple(tool.stdout.readline().rstrip("\n").split("\t"))


def ascii_lower(text):
    """Lower-case A-Z only, the way the program folds a query."""
    return _rules(text)[0]


def clean_query(text):
    return _rules(text)[1]


def reduce_plural(w):
    return _rules(w)[2]


def reduce_comparative(w):
    return _rules(w)[3]


def reduce_verb_form(w):
    return _rules(w)[4]


def reduced_forms(query):
    """The non-empty exact-search keys the program tries for a query."""
    out = []
    for r in _rules(clean_query(query))[2:]:
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

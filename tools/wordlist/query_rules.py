"""The program's query handling, copied rule for rule, for the selection.

The selection must know whether typing a word shows a line before the table
exists, so it cannot ask the engine; the coverage check does ask the engine,
and a test compares this copy with it on a sample of words.

The program works on Windows-1250 bytes; every character here is one such
byte, so indexing a Python string is the same as indexing the program's
buffer.

Run as a script it prints, for each word read from standard input (UTF-8),
the cleaned query and its plural, comparative and verb-form reductions,
separated by TABs, which the test compares with the engine's.
"""

import bisect
import sys


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



def main():
    for line in sys.stdin:
        query = clean_query(line.rstrip("\n"))
        forms = [reduce_plural(query), reduce_comparative(query)]
        forms.append(reduce_verb_form(query) if query else "")
        print("\t".join([query] + forms))


if __name__ == "__main__":
    main()

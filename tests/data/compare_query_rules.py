"""The word list script's copy of the query rules against the engine, on a sample of words.

Usage: compare_query_rules.py SLOVNIK_WORDCHECK TOOLS_WORDLIST_DIR
"""

import os
import subprocess
import sys

# The commonest English words, and the cases the rules single out.
EDGE_CASES = [" cat", "  cat", "a cat", "a the cat", "the a cat", "the", "a ", " ''", "don't",
              "cats", "boxes", "is", "s", "bigger", "older", "taller", "water", "biggest",
              "er", "est", "playing", "dying", "crying", "running", "sing", "ing", "ying",
              "tried", "stopped", "need", "has", "goes", "does", "passes", "wishes", "tries",
              "watches", "runs", "Dogs", "ED", "seeing", "eed", "ss"]


def main():
    tool, folder = sys.argv[1], sys.argv[2]
    words = list(EDGE_CASES)
    with open(os.path.join(folder, "everyday_en.tsv"), encoding="utf-8") as f:
        words += [line.split("\t")[0] for line in f if line.strip() and not line.startswith("#")]
    text = "".join(w + "\n" for w in words)
    engine = subprocess.run([tool, "forms"], input=text, capture_output=True, text=True,
                            check=True).stdout.splitlines()
    copy = subprocess.run([sys.executable, os.path.join(folder, "query_rules.py")], input=text,
                          capture_output=True, text=True, check=True).stdout.splitlines()
    engine = [line.split("\t", 1)[1] for line in engine]  # the tool repeats the word first
    differ = [(w, e, c) for w, e, c in zip(words, engine, copy) if e != c]
    for w, e, c in differ:
        print("%r: engine %r, copy %r" % (w, e, c))
    if len(engine) != len(words) or len(copy) != len(words):
        print("answers for %d words from the engine, %d from the copy, of %d"
              % (len(engine), len(copy), len(words)))
        return 1
    print("%d words, %d differ" % (len(words), len(differ)))
    return 1 if differ else 0


if __name__ == "__main__":
    sys.exit(main())

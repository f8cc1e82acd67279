#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""slovnik-cli lookup as a script uses it: one process a word, 1,000 English words of the table,
each looked up by a process of its own. Paired, word by word, with sdcv on FreeDict's
English-Czech dictionary where both are installed (Debian packages sdcv, dict-freedict-eng-ces):
the dictionary is converted from its dictd form into a StarDict one in a scratch folder, for this
comparison only.

    python3 bench/cli_lookup.py build/tools/cli/slovnik-cli [WORDS]

Prints the minimum, median and maximum time of one look-up (the process start to its exit) of
each program, and the ratio of the medians."""

import gzip
import os
import shutil
import statistics
import struct
import subprocess
import sys
import tempfile

import timing

DICTD = "/usr/share/dictd/freedict-eng-ces"
DICTD_DIGITS = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"
DEFAULT_WORDS = 1000


def dictd_number(text):
    value = 0
    for digit in text:
        value = value * 64 + DICTD_DIGITS.index(digit)
    return value


def stardict_from_dictd(folder):
    """Writes freedict-eng-ces.{ifo,idx,dict} into folder; StarDict's index is sorted by ASCII
    case-folded bytes, then by the bytes themselves."""
    with gzip.open(DICTD + ".dict.dz", "rb") as packed:
        articles = packed.read()
    entries = []
    with open(DICTD + ".index", "rb") as index:
        for line in index:
            fields = line.rstrip(b"\n").split(b"\t")
            if len(fields) < 3 or fields[0].startswith(b"00database"):
                continue
            entries.append((fields[0], dictd_number(fields[1].decode()), dictd_number(fields[2].decode())))
    entries.sort(key=lambda entry: (entry[0].lower(), entry[0]))
    name = os.path.join(folder, "freedict-eng-ces")
    with open(name + ".dict", "wb") as dictionary, open(name + ".idx", "wb") as index:
        for word, offset, size in entries:
            start = dictionary.tell()
            dictionary.write(articles[offset:offset + size])
            index.write(word + b"\0" + struct.pack(">II", start, size))
    with open(name + ".ifo", "w") as info:
        info.write("StarDict's dict ifo file\nversion=2.4.2\n"
                   f"wordcount={len(entries)}\nidxfilesize={os.path.getsize(name + '.idx')}\n"
                   "bookname=freedict-eng-ces\nsametypesequence=m\n")


def table_words(cli, count):
    """count one-word English entries of the table, spread evenly over it."""
    dump = subprocess.run([cli, "dump"], check=True, capture_output=True, text=True).stdout
    words = []
    for line in dump.splitlines():
        english = line.split("\t")[1]
        if english.isalpha() and english.isascii() and english not in words:
            words.append(english)
    step = max(1, len(words) // count)
    return words[::step][:count]


def timed(command):
    return timing.timed_ms(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)


def report(name, times):
    print(f"{name}: one look-up: {timing.spread(times, digits=2, counted='processes')}")


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    cli = os.path.abspath(sys.argv[1])
    count = int(sys.argv[2]) if len(sys.argv) > 2 else DEFAULT_WORDS
    os.environ["LC_ALL"] = "C.UTF-8"
    words = table_words(cli, count)
    sdcv = shutil.which("sdcv")
    paired = sdcv is not None and os.path.exists(DICTD + ".index")
    with tempfile.TemporaryDirectory() as folder:
        # Both programs get a home of their own: sdcv keeps its index cache there.
        os.environ["HOME"] = folder
        if paired:
            stardict_from_dictd(folder)
            subprocess.run([sdcv, "-n", "--data-dir", folder, "dog"], capture_output=True, check=True)
        else:
            print("sdcv or dict-freedict-eng-ces is not installed: slovnik-cli alone")
        ours, theirs = [], []
        for word in words:
            ours.append(timed([cli, "lookup", "--en-cs", word]))
            if paired:
                theirs.append(timed([sdcv, "-n", "-e", "--data-dir", folder, word]))
    report("slovnik-cli lookup --en-cs", ours)
    if paired:
        report("sdcv -n -e (FreeDict English-Czech)", theirs)
        print(f"ratio of the medians, slovnik-cli to sdcv: {statistics.median(ours) / statistics.median(theirs):.2f}")


if __name__ == "__main__":
    main()

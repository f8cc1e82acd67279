# SPDX-License-Identifier: GPL-2.0-or-later
"""Makes the parallel English-Czech corpus the meaning evaluation reads.

Run from the repository root:
  python3 -m tools.evaluation.corpus [--out FILE] [--debs DIR]
It downloads the Debian packages below with `apt-get download` (or takes their .deb files from
DIR), unpacks them into a temporary folder, reads the Czech message catalogues (.mo) they ship
and writes about SAMPLE_SIZE sentence-like pairs, drawn with a fixed seed, as
ENGLISH<TAB>CZECH<TAB>PACKAGE lines. The packages and versions used are printed at the end.
"""

import argparse
import glob
import os
import random
import re
import struct
import subprocess
import sys
import tempfile

# Game dialogue first (Wesnoth's campaigns, each with its Czech catalogue), then desktop
# programs' messages for the plain everyday wording of a computer user.
PACKAGES = [
    "wesnoth-1.16-did", "wesnoth-1.16-dm", "wesnoth-1.16-dw", "wesnoth-1.16-ei",
    "wesnoth-1.16-httt", "wesnoth-1.16-l", "wesnoth-1.16-low", "wesnoth-1.16-nr",
    "wesnoth-1.16-sof", "wesnoth-1.16-sota", "wesnoth-1.16-sotbe", "wesnoth-1.16-thot",
    "wesnoth-1.16-trow", "wesnoth-1.16-tsg", "wesnoth-1.16-ttb", "wesnoth-1.16-utbs",
    "evolution-common", "aisleriot", "gnome-chess", "gnome-maps", "totem-common",
]

# The texts judged elsewhere; nothing here may come from them.
HELD_OUT = {"fillets-ng-data", "fortunes-cs", "fortunes", "fortunes-min", "manpages-cs",
            "debian-history", "r-cran-janeaustenr"}

SAMPLE_SIZE = 2000
SEED = 29
MIN_WORDS = 3
MAX_WORDS = 25
MIN_LETTER_SHARE = 0.8  # of the characters that are not blanks
MAX_WORD_RATIO = 2.5  # a pair whose sides differ more in length is rarely one sentence twice
DEFAULT_OUT = "tools/evaluation/corpus.tsv"

MO_MAGIC = 0x950412DE
CONTEXT_END = "\x04"
PLURAL_SEPARATOR = "\x00"

# Format codes, markup, variables, paths and Wesnoth's "context^text" and "name|" markers.
UNWANTED = re.compile(r"[%$@{}<>\[\]\\/|^=#*~`+0-9]|https?:|\.\.\.\.")
ACCELERATOR = re.compile(r"(?<![\w])[_&](?=\w)")


def read_mo(path):
    """Yields (msgid, msgstr) of a GNU .mo file, singular messages only, context removed."""
    data = open(path, "rb").read()
    magic = struct.unpack("<I", data[:4])[0]
    order = "<" if magic == MO_MAGIC else ">"
    _, count, ids_at, strs_at = struct.unpack(order + "4I", data[4:20])
    for i in range(count):
        id_len, id_off = struct.unpack(order + "2I", data[ids_at + 8 * i:ids_at + 8 * i + 8])
        str_len, str_off = struct.unpack(order + "2I", data[strs_at + 8 * i:strs_at + 8 * i + 8])
        msgid = data[id_off:id_off + id_len].decode("utf-8", "replace")
        msgstr = data[str_off:str_off + str_len].decode("utf-8", "replace")
        if not msgid or PLURAL_SEPARATOR in msgid:
            continue
        yield msgid.split(CONTEXT_END)[-1], msgstr


def clean(text):
    """The text as a learner would paste it, or None when it is no plain sentence."""
    text = ACCELERATOR.sub("", text)
    text = " ".join(text.split())
    if not text or UNWANTED.search(text) or "_" in text or "&" in text:
        return None
    words = text.split()
    if not MIN_WORDS <= len(words) <= MAX_WORDS:
        return None
    shown = [c for c in text if not c.isspace()]
    if sum(c.isalpha() for c in shown) < MIN_LETTER_SHARE * len(shown):
        return None
    if not any(c.islower() for c in text):
        return None
    return text


def pair_of(msgid, msgstr):
    english, czech = clean(msgid), clean(msgstr)
    if english is None or czech is None or english == czech:
        return None
    lengths = len(english.split()), len(czech.split())
    if max(lengths) > MAX_WORD_RATIO * min(lengths):
        return None
    return english, czech


def dedupe_key(text):
    return " ".join(re.findall(r"\w+", text.lower()))


def fetch(packages, debs):
    """Downloads the packages' .deb files into debs unless they are there already."""
    for package in packages:
        if not glob.glob(os.path.join(debs, f"{package}_*.deb")):
            subprocess.run(["apt-get", "download", package], cwd=debs, check=True,
                           stdout=subprocess.DEVNULL)


def deb_field(deb, field):
    return subprocess.run(["dpkg-deb", "-f", deb, field], capture_output=True, text=True,
                          check=True).stdout.strip()


def pairs_of_package(deb, unpack_root):
    package = deb_field(deb, "Package")
    target = os.path.join(unpack_root, package)
    subprocess.run(["dpkg-deb", "-x", deb, target], check=True)
    for mo in sorted(glob.glob(os.path.join(target, "**", "cs", "LC_MESSAGES", "*.mo"),
                               recursive=True)):
        for msgid, msgstr in read_mo(mo):
            pair = pair_of(msgid, msgstr)
            if pair:
                yield (*pair, package)


def make_corpus(debs):
    versions, candidates, seen = {}, [], set()
    with tempfile.TemporaryDirectory() as unpack_root:
        for package in PACKAGES:
            deb = sorted(glob.glob(os.path.join(debs, f"{package}_*.deb")))[-1]
            versions[package] = deb_field(deb, "Version")
            for english, czech, source in pairs_of_package(deb, unpack_root):
                key = dedupe_key(english)
                if key not in seen:
                    seen.add(key)
                    candidates.append((english, czech, source))
    sample = random.Random(SEED).sample(candidates, min(SAMPLE_SIZE, len(candidates)))
    return sample, versions, len(candidates)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--out", default=DEFAULT_OUT)
    parser.add_argument("--debs", help="folder for the .deb files (kept); default: a temporary one")
    args = parser.parse_args()
    assert not HELD_OUT & set(PACKAGES)
    with tempfile.TemporaryDirectory() as scratch:
        debs = args.debs or scratch
        os.makedirs(debs, exist_ok=True)
        fetch(PACKAGES, debs)
        sample, versions, pool = make_corpus(debs)
    with open(args.out, "w", encoding="utf-8") as out:
        for row in sample:
            out.write("\t".join(row) + "\n")
    print(f"{len(sample)} pairs of {pool} written to {args.out}", file=sys.stderr)
    for package, version in versions.items():
        print(f"{package}\t{version}")


if __name__ == "__main__":
    main()

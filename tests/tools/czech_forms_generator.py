# SPDX-License-Identifier: GPL-2.0-or-later
"""The Czech forms generator on a made-up hunspell dictionary: which forms lead to which bases, in
which order, as the written file says."""

import collections
import sys
import tempfile
import unittest
from pathlib import Path
from unittest import mock

from tools.forms import make_czech_forms

AFFIXES = """SET UTF-8
PFX N Y 1
PFX N 0 ne .
SFX Z Y 2
SFX Z a y a
SFX Z a ě a
SFX y Y 1
SFX y ý ejší/E [lsz]ý
SFX E Y 1
SFX E í ího í
"""
# "pes", "psa": a noun hunspell lists without rules; "jít" and its past forms, likewise; "šle",
# a word whose guessed form "šli" is really one of "jít"; "pomalejší", a comparative hunspell
# lists as a word of its own.
DICTIONARY = ["zahrada/ZN", "pes", "psa", "jít", "šel", "šli", "přijít", "přišel", "šle", "pomalý",
              "pomalejší/E"]
WORDLIST = ["garden\tzahrada", "dog\tpes", "go\tjít", "come\tpřijít", "braces\tšle",
            "go away\todejít pryč", "slow\tpomalý"]
CORRECTIONS = "jít: šel šli  # the past of an irregular verb\n"


def written_bases(path):
    """{form: [base, ...] best first}, read back from the generator's file."""
    bases, ranked = collections.defaultdict(list), False
    for line in path.read_text(encoding="utf-8").splitlines():
        if line.startswith("#"):
            continue
        if line == "%%":
            ranked = True
            continue
        first, *rest = line.split("\t")
        if ranked:
            bases[first] = rest
            continue
        for form in rest[0].split():
            drop = int("".join(c for c in form if c.isdigit()))
            full = first[: len(first) - drop] + form.lstrip("0123456789")
            if first not in bases[full]:
                bases[full].append(first)
    return bases


class Generator(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        scratch = tempfile.TemporaryDirectory()
        cls.addClassCleanup(scratch.cleanup)
        folder = Path(scratch.name)
        (folder / "cs.aff").write_text(AFFIXES, encoding="utf-8")
        (folder / "cs.dic").write_text("%d\n%s\n" % (len(DICTIONARY), "\n".join(DICTIONARY)),
                                       encoding="utf-8")
        (folder / "wordlist.tsv").write_text("\n".join(WORDLIST) + "\n", encoding="utf-8")
        (folder / "corrections.txt").write_text(CORRECTIONS, encoding="utf-8")
        argv = ["make_czech_forms", "--wordlist", str(folder / "wordlist.tsv"),
                "--hunspell", str(folder / "cs"), "--corrections", str(folder / "corrections.txt"),
                "--out", str(folder / "forms.txt")]
        with mock.patch.object(sys, "argv", argv), mock.patch.object(sys, "stderr"):
            make_czech_forms.main()
        cls.bases = written_bases(folder / "forms.txt")

    def test_forms_lead_to_their_bases(self):
        for form, expected in [
            ("zahradě", ["zahrada"]),  # the affix rules expanded
            ("zahrady", ["zahrada"]),
            ("nezahrady", []),  # a negation is the engine's to read, never a form
            ("psa", ["pes"]),  # a guessed nominative
            ("šel", ["jít"]),  # a reviewed correction
            ("přišel", ["přijít"]),  # the correction carried over to the prefixed verb
            ("šli", ["jít"]),  # the correction silences the guess "šle"
            ("pes", []),  # a base is no form of itself
            ("pomalejšího", ["pomalý"]),  # the comparative rule read backwards
        ]:
            with self.subTest(form=form):
                self.assertEqual(self.bases.get(form, []), expected)


if __name__ == "__main__":
    unittest.main()

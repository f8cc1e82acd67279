# SPDX-License-Identifier: GPL-2.0-or-later
"""The word list's ranks and choice on made-up sources, with the program's own query rules."""

import types
import unittest
from unittest import mock

from tools.wordlist import rank
from tools.wordlist.clean import Pair

try:
    from tools.wordlist import choose
except ModuleNotFoundError as missing:
    if missing.name != "icu":
        raise
    choose = None  # the choice sorts as the program does, with PyICU (Debian's python3-icu)


def pool_of(entries):
    return {en: [Pair(en, cz, [], i, "") for i, cz in enumerate(czech)] for en, czech in entries.items()}


def sources(subtitles, wikipedia=(), scowl=None, extra=(), everyday_en=None, czech_common=(), own_english=()):
    return types.SimpleNamespace(
        lists={"us_tv_and_film": list(subtitles), "english_wikipedia": list(wikipedia)},
        scowl=scowl or {}, common=set(), exceptions={}, english_extra=list(extra), wn_pos={},
        overrides={}, hand=[], everyday_en=everyday_en or {}, everyday_cs={}, czech_common=list(czech_common),
        own_lines={"en": set(own_english)})


class Ranks(unittest.TestCase):
    def test_headword_ranks(self):
        made_up = sources(["dog", "the", "cat", "dogs", "secrets", "hot"], wikipedia=["cat"],
                          scowl={"hello": 10}, extra=[("secret", 100.0)])
        pool = pool_of({w: ["x"] for w in ["dog", "cat", "dogs", "secret", "hot dog", "hello"]})
        ranker = rank.Ranker(made_up, pool)
        for headword, expected in [
            ("dog", 1),  # the subtitle list's place
            ("cat", 1.5),  # Wikipedia's place, where it is better
            ("dogs", 12),  # found through "dog" anyway
            ("secret", 10),  # from its commoner form "secrets"
            ("hot dog", 148),  # behind its rarer word
            ("hello", 800),  # no list has it: its SCOWL class
        ]:
            with self.subTest(headword=headword):
                self.assertEqual(ranker.headword_rank(headword), expected)

    def test_target_words_are_plain_english_words(self):
        subtitles = ["the", "Carly", "llanview", "it's", "dog", "the", "cat"]
        self.assertEqual(rank.target_words({"us_tv_and_film": subtitles}, {"the": 10, "dog": 20, "cat": 10}, 2),
                         ["the", "dog"])


@unittest.skipIf(choose is None, "PyICU (python3-icu) is missing")
class Choice(unittest.TestCase):
    def test_the_table_takes_the_commonest_headwords_and_keeps_first_offers(self):
        made_up = sources(["dog", "cat", "hot"], extra=[("catsup", 400.0), ("zebra", 500.0)],
                          everyday_en={"dog": "pes"}, czech_common=["kočka"], own_english=["cats"])
        pool = pool_of({"dog": ["čokl", "pes", "psisko"], "cat": ["micka", "kočka"], "catsup": ["kečup"],
                        "hot dog": ["párek v rohlíku", "hotdog"], "zebra": ["zebra"],
                        "aardvark": ["hrabáč"]})
        chooser = choose.Chooser(made_up, pool, rank.Ranker(made_up, pool))
        with mock.patch.object(choose, "ENTRY_COUNT", 6):
            rows = chooser.select()
        # "dog = čokl" would sort ahead of the everyday "dog = pes" in Czech order (č before p),
        # so the translator would offer it first: it is left out. A phrase keeps one, the
        # shortest; a word no list ranks is not taken. Of two translations the one common in
        # Czech speech comes first. "catsup" would be offered ahead of the base form's lines for
        # the common form "cats", which has no headword of its own: it is left out.
        self.assertEqual(rows, [("dog", "pes"), ("dog", "psisko"), ("cat", "kočka"), ("cat", "micka"),
                                ("hot dog", "hotdog"), ("zebra", "zebra")])


if __name__ == "__main__":
    unittest.main()

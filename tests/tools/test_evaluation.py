# SPDX-License-Identifier: GPL-2.0-or-later
"""The meaning evaluation's rules on made-up data: which words count, and when a word is found."""

import unittest

from tools.evaluation import corpus, meaning, scoring

FORMS = {"children": ["child"], "went": ["go"], "going": ["go"], "děti": ["dítě"],
         "domů": ["domů"]}


def forms(word):
    return FORMS.get(word, [])


class Scoring(unittest.TestCase):
    def test_content_words_leave_function_words_out(self):
        for text, stop, expected in [
            ("The children went home, didn’t they?", scoring.ENGLISH_STOP,
             ["children", "went", "home"]),
            ("Ty děti šly s ním domů, viz e-mail.", scoring.CZECH_STOP,
             ["děti", "šly", "domů", "viz", "mail"]),
        ]:
            with self.subTest(text=text):
                self.assertEqual(scoring.content_words(text, stop), expected)

    def test_words_match_by_base_form(self):
        sentence = scoring.sentence_words("child [..] going house")
        self.assertEqual(sentence, ["child", "going", "house"])
        self.assertEqual(scoring.matched(["children", "went", "home", "house"], sentence, forms),
                         [True, True, False, True])
        self.assertEqual(scoring.head_words(["boj", "bát se"], scoring.CZECH_STOP), ["boj", "bát"])

    def test_boxes_of_the_offers(self):
        boxes = meaning.parse_offers("děti\n  děti = babies\n  dětinský = childish\n"
                                     "šly\n  + jít domů = go home\n  ~ jít = go\n"
                                     "den\n  denně = daily\n")
        self.assertEqual(boxes, [("děti", [("děti", "babies", True),
                                           ("dětinský", "childish", False)]),
                                 ("šly", [("jít domů", "go home", True), ("jít", "go", True)]),
                                 ("den", [("denně", "daily", False)])])
        self.assertEqual(meaning.oracle_found(["childish", "went", "home", "today"], boxes, forms),
                         [True, True, True, False])
        self.assertEqual([meaning.holding_box(w, boxes, forms) for w in ["go", "daily", "day"]],
                         [("šly", "jít domů"), (None, meaning.LONGER_ONLY),
                          (None, meaning.NO_BOX)])

    def test_commonest_misses_first(self):
        misses = [("go", "šel → came"), ("child", "in no box"), ("go", "šel → came"),
                  ("go", "jet → ride")]
        self.assertEqual(scoring.commonest_misses(misses, 1),
                         [("go", 3, [("šel → came", 2), ("jet → ride", 1)])])


class Corpus(unittest.TestCase):
    def test_only_plain_sentences_are_kept(self):
        for text, expected in [
            ("_Open the file now", "Open the file now"),
            ("Save &all open files", "Save all open files"),
            ("Could not open %s for reading", None),
            ("$name|! How have you been?", None),
            ("<b>Bold</b> words are here", None),
            ("Two words", None),
            ("Buy 25 apples today", None),
        ]:
            with self.subTest(text=text):
                self.assertEqual(corpus.clean(text), expected)


if __name__ == "__main__":
    unittest.main()

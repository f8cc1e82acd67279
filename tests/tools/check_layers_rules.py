# SPDX-License-Identifier: GPL-2.0-or-later
"""The layer check on small made-up trees: each broken rule is refused, and a tree that keeps them
passes."""

import os
import tempfile
import unittest

from tools import check_layers

# Each file of a tree that keeps every rule, and what it includes.
KEPT = {
    "app/Main.cpp": ["app/Main.h", "engine/Dic.h"],
    "app/Main.h": [],
    "controls/Strip.cpp": ["controls/Strip.h", "controls/Speaker.h"],
    "controls/Strip.h": [],
    "controls/Speaker.h": [],
    "engine/Dic.h": [],
    "support/Named.h": ["app/Main.h"],
    "bench/Bench.cpp": ["support/Named.h"],
    "tests/app/MainTest.cpp": ["tests/support/Table.h", "support/Named.h"],
    "tests/support/Table.h": [],
}


def refusals(changes):
    files = {**KEPT, **changes}
    with tempfile.TemporaryDirectory() as root:
        for path, headers in files.items():
            os.makedirs(os.path.dirname(os.path.join(root, path)), exist_ok=True)
            with open(os.path.join(root, path), "w", encoding="utf-8") as f:
                f.writelines('#include "%s"\n' % header for header in headers)
        return list(check_layers.refusals(root))


class LayerRules(unittest.TestCase):
    def test_a_tree_that_keeps_the_rules_passes(self):
        self.assertEqual(refusals({}), [])

    def test_each_broken_rule_is_refused(self):
        for why, changes, refused in [
            ("up the layers", {"engine/Dic.h": ["controls/Strip.h"]}, "engine/ may not include controls/"),
            ("a program folder into support", {"app/Start.cpp": ["support/Named.h"]},
             "app/ may not include support/"),
            ("a benchmark into the tests", {"bench/Bench.cpp": ["tests/support/Table.h"]},
             "bench/ may not include tests/"),
            ("a circle inside a folder", {"controls/Speaker.h": ["controls/Strip.h"]},
             "round a circle: controls/Speaker, controls/Strip"),
            ("a header named bare", {"app/Main.h": ["Dic.h"]}, "Dic.h is named without its folder"),
        ]:
            with self.subTest(why):
                found = refusals(changes)
                self.assertEqual(len(found), 1, found)
                self.assertIn(refused, found[0])


if __name__ == "__main__":
    unittest.main()

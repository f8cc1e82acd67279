#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Refuses an include that points up the program's layers, or a project header named bare.

The program's folders, each above the ones it may include:

    app -> translator, controls -> speech, common -> engine, text

app and translator may also include engine, controls may include common (what is read aloud),
speech only engine, and translator may include controls; text takes the code page's letters from
the engine, which is plain C++ and includes neither text nor anything above it.
tools/, tests/ and bench/ may include anything, but by its folder too; only generated files (a
moc file, the engine's compiled tables) are named bare.

Usage: check_layers.py [SOURCE_ROOT]; prints every refused include and exits 1 if there is one.
"""

import os
import re
import sys

# Each program folder and the folders it may include besides itself.
MAY_INCLUDE = {
    "app": {"translator", "controls", "speech", "common", "engine", "text", "morvella"},
    "translator": {"controls", "speech", "common", "engine", "text"},
    "controls": {"speech", "common", "engine"},
    "speech": {"engine"},
    "common": {"engine", "text"},
    "data": {"engine", "text"},
    "engine": set(),
    "text": {"engine"},
    "morvella": set(),
}
ANYTHING = ("tools", "tests", "bench")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def refusals(root):
    for top in sorted(MAY_INCLUDE) + list(ANYTHING):
        for folder, _, names in os.walk(os.path.join(root, top)):
            for name in sorted(names):
                if not name.endswith((".h", ".cpp")):
                    continue
                path = os.path.join(folder, name)
                with open(path, encoding="utf-8") as f:
                    included = INCLUDE.findall(f.read())
                for header in included:
                    target = header.split("/")[0]
                    where = os.path.relpath(path, root)
                    if "/" not in header and header.endswith(".h"):
                        yield "%s: %s is named without its folder" % (where, header)
                    elif top in MAY_INCLUDE and target in MAY_INCLUDE and target != top \
                            and target not in MAY_INCLUDE[top]:
                        yield "%s: %s: %s/ may not include %s/" % (where, header, top, target)


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    found = list(refusals(root))
    for line in found:
        print(line)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())

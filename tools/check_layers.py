#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Refuses an include that points up the program's layers, a circle of includes, or a project
header named bare.

The program's folders, each above the ones it may include:

    app -> translator, controls -> speech, common -> engine, text

app and translator may also include engine, controls may include common (what is read aloud),
speech only engine, and translator may include controls; text takes the code page's letters from
the engine, which is plain C++ and includes neither text nor anything above it.
support/ drives the windows from outside and may include every program folder; tests/ may include
anything, bench/ and tools/ anything but tests/. No program folder includes those four. Only
generated files (a moc file, the engine's compiled tables) are named bare.

A header and the source file of the same name are one unit; no unit includes itself round a circle
of others, inside a folder or across folders.

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
# The folders outside the program, and those of them each may not include.
OUTSIDE = {"support": {"tests", "bench", "tools"}, "tests": set(), "bench": {"tests"}, "tools": {"tests"}}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def includes(root):
    """Every project source file by its path from `root`, with the quoted includes it names."""
    for top in sorted(MAY_INCLUDE) + sorted(OUTSIDE):
        for folder, _, names in os.walk(os.path.join(root, top)):
            for name in sorted(names):
                if name.endswith((".h", ".cpp")):
                    path = os.path.join(folder, name)
                    with open(path, encoding="utf-8") as f:
                        yield os.path.relpath(path, root), INCLUDE.findall(f.read())


def refused_arrow(top, target):
    if top in OUTSIDE:
        return target in OUTSIDE[top]
    return target != top and (target in OUTSIDE or target in MAY_INCLUDE and target not in MAY_INCLUDE[top])


def circles(graph):
    """The units that stand on a circle, one sorted list a circle (Tarjan's strongly connected
    components of more than one unit)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(unit):
        index[unit] = low[unit] = len(index)
        stack.append(unit)
        on_stack.add(unit)
        for other in sorted(graph.get(unit, ())):
            if other not in index:
                visit(other)
                low[unit] = min(low[unit], low[other])
            elif other in on_stack:
                low[unit] = min(low[unit], index[other])
        if low[unit] == index[unit]:
            component = []
            while True:
                other = stack.pop()
                on_stack.discard(other)
                component.append(other)
                if other == unit:
                    break
            if len(component) > 1:
                found.append(sorted(component))

    for unit in sorted(graph):
        if unit not in index:
            visit(unit)
    return sorted(found)


def refusals(root):
    graph = {}
    for where, included in includes(root):
        top = where.split(os.sep)[0]
        unit = os.path.splitext(where)[0].replace(os.sep, "/")
        for header in included:
            if "/" not in header:
                if header.endswith(".h"):
                    yield "%s: %s is named without its folder" % (where, header)
                continue
            target = header.split("/")[0]
            if refused_arrow(top, target):
                yield "%s: %s: %s/ may not include %s/" % (where, header, top, target)
            other = os.path.splitext(header)[0]
            if other != unit:
                graph.setdefault(unit, set()).add(other)
    for circle in circles(graph):
        yield "these include each other round a circle: %s" % ", ".join(circle)


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    found = list(refusals(root))
    for line in found:
        print(line)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())

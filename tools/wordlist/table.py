# SPDX-License-Identifier: GPL-2.0-or-later
"""The size of the program's table, read from the engine's own header, so that the list the scripts
write always fits the table the program holds."""

import re
from pathlib import Path

LAYOUT = Path(__file__).resolve().parents[2] / "engine" / "Dic.h"


def _constant(name):
    found = re.search(r"\bconstexpr std::size_t %s = (\d+);" % name, LAYOUT.read_text(encoding="utf-8"))
    if not found:
        raise SystemExit("%s: no constant %s" % (LAYOUT, name))
    return int(found.group(1))


# How many pairs the table holds; the word list has exactly this many lines.
ENTRY_COUNT = _constant("EntryCount")
# Bytes of a field in Windows-1250, which is one byte per character.
FIELD_CAPACITY = _constant("FieldCapacity")

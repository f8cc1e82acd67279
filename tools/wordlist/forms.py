# SPDX-License-Identifier: GPL-2.0-or-later
"""English forms a learner types and the Czech that stands for them.

base_candidates guesses the base word of an inflected form (for ranking and
for forms the program's word-form rules cannot trace back); derive_form makes
an entry for such a form from its base word's Czech.
"""

import re

from .clean import fits, strip_parentheses

VERB_END = re.compile(r"(at|át|it|ít|et|ět|ét|out|ýt|ci|ct)( se| si)?$")


def czech_pos(cz):
    """A rough part of speech of a Czech rendering, read from its ending."""
    base = strip_parentheses(cz).rstrip("!?.")
    if VERB_END.search(base):
        return "v"
    if base.endswith(("ý", "í")) and " " not in base:
        return "adj"
    return "n"


def czech_past(inf):
    """Masculine past form of a regular Czech infinitive, or None."""
    verb, sep, refl = inf.partition(" ")
    if sep and refl not in ("se", "si"):
        return None
    for end, past in (("ovat", "oval"), ("nout", "nul"), ("at", "al"),
                      ("it", "il"), ("ět", "ěl"), ("et", "el")):
        if verb.endswith(end) and len(verb) > len(end) + 1:
            return verb[:-len(end)] + past + sep + refl
    return None


def czech_gerund(inf):
    """Verbal noun of a regular Czech infinitive (dělat -> dělání), or None."""
    verb, sep, refl = inf.partition(" ")
    if sep and refl not in ("se", "si"):
        return None
    for end, noun in (("ovat", "ování"), ("nout", "nutí"), ("at", "ání")):
        if verb.endswith(end) and len(verb) > len(end) + 1:
            return verb[:-len(end)] + noun + sep + refl
    return None


def derive_form(form, base, kind, translations, wn_pos):
    """Czech for an inflected English form, built from its base word's.

    Only regular Czech patterns are inflected; anything else keeps the base
    word's Czech and says which form it stands for, so nothing is passed off
    as a real Czech form it is not.
    """
    for cz in translations:
        cz = strip_parentheses(cz)
        if kind in ("past", "ing") and czech_pos(cz) != "v":
            continue
        if kind == "past":
            made = czech_past(cz)
            options = [made] if made else []
            options.append(cz + " (min. čas)")
        elif kind == "ing":
            made = czech_gerund(cz)
            options = [made] if made else []
            options.append(cz + " (-ing)")
        elif kind == "plural":
            if czech_pos(cz) != "n" or wn_pos.get(base, "n") != "n":
                continue
            options = [cz + " (mn. č.)"]
        else:
            options = [cz + " (" + kind + ")"]
        for c in options:
            if fits(c):
                return c
    return None


def base_candidates(w, exceptions):
    """(base, kind) guesses for an inflected form, most reliable first."""
    out = []
    for base, pos in exceptions.get(w, ()):
        if pos == "verb":
            out.append((base, "ing" if w.endswith("ing") else "past"))
        elif pos == "noun":
            out.append((base, "plural"))
    if w.endswith("ing") and len(w) > 4:
        stem = w[:-3]
        out.append((stem + "e", "ing"))
        if len(stem) > 2 and stem[-1] == stem[-2]:
            out.append((stem[:-1], "ing"))
        out.append((stem, "ing"))
    if w.endswith("ed") and len(w) > 4:
        out.append((w[:-1], "past"))
        stem = w[:-2]
        if len(stem) > 2 and stem[-1] == stem[-2]:
            out.append((stem[:-1], "past"))
        out.append((stem, "past"))
    if w.endswith("ies") and len(w) > 4:
        out.append((w[:-3] + "y", "plural"))
    if w.endswith("ves") and len(w) > 4:
        out.append((w[:-3] + "f", "plural"))
        out.append((w[:-3] + "fe", "plural"))
    if w.endswith("es") and len(w) > 3:
        out.append((w[:-2], "plural"))
    if w.endswith("s") and len(w) > 3:
        out.append((w[:-1], "plural"))
    return out

#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Writes data/czech-forms.txt: for every Czech word of the word list that Czech
inflects, the forms of it that a learner meets, so that the engine can lead "zahradě" to
"zahrada". Rerun it whenever data/wordlist.tsv changes (make czech-forms).

The forms come from Debian's Czech hunspell dictionary (hunspell-cs, GPL-2), its affix rules
expanded here. Hunspell lists some words without rules: irregular nouns ("psa", "domě"), the
past participles and present stems of irregular verbs ("řekl", "píšu"), irregular comparatives
("lepší") and pronouns. Those are linked to their base word by the reviewed corrections in
data/czech-corrections.txt and by a few sound-change guesses, each checked against the dictionary
(the guessed base must be a hunspell word and a word of the list).

Negated forms ("nevěděl") are left out: the engine reads a leading "ne" itself, so that the
negation can never be lost.

Output, UTF-8, one base a line, in word-list order: base<TAB>form form form ..., each form
written as how many characters to drop from the base's end and what to put there ("vědět" with
"1l" is "věděl"). The first line has the empty base: the words that begin with "ne" without
negating anything ("neděle", "nebe"), which the engine must not read as negations. Then, after
a line "%%", each form with more than one base: form<TAB>base<TAB>base...,
best first (a reviewed correction before the dictionary's own word before a guess; then the
base that shares the longest beginning with the form; then the commoner base).
"""

import argparse
import collections
import re
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]

# Case and number endings of nouns and adjectives, longest first, for the guesses that link an
# unruled hunspell word ("psovi") to its base ("pes").
NOUN_ENDINGS = sorted(
    ["", "a", "u", "e", "ě", "i", "y", "o", "ů", "ům", "em", "ech", "ích", "ách", "ám", "ami", "ou",
     "í", "ím", "ími", "ovi", "ové", "mi", "emi", "ata", "at", "aty", "atům", "atech", "ete", "eti",
     "etem", "ety"],
    key=len, reverse=True)
# What a nominative ends in after the stem.
BASE_ENDINGS = ["", "a", "e", "o", "í", "ě", "um"]
# Verbal prefixes, for the prefixed members of an irregular verb ("přišel": "přijít").
VERB_PREFIXES = ["při", "od", "ode", "vy", "na", "po", "pře", "u", "z", "ze", "za", "do", "ob",
                 "obe", "v", "ve", "vz", "roz", "roze", "s", "se", "nad", "pod", "před", "přede",
                 "pro", "vzej", "sou"]


def load_affixes(path):
    prefixes, suffixes, cross = collections.defaultdict(list), collections.defaultdict(list), {}
    for line in path.read_text(encoding="utf-8").split("\n"):
        parts = line.split("#")[0].split()
        if len(parts) == 4 and parts[0] in ("PFX", "SFX") and parts[3].isdigit():
            cross[parts[1]] = parts[2] == "Y"
        elif len(parts) >= 5 and parts[0] in ("PFX", "SFX"):
            kind, flag, strip, add, condition = parts[:5]
            strip = "" if strip == "0" else strip
            add, _, continuation = add.partition("/")
            add = "" if add == "0" else add
            pattern = re.compile("^" + condition if kind == "PFX" else condition + "$")
            (prefixes if kind == "PFX" else suffixes)[flag].append((strip, add, pattern, continuation))
    return prefixes, suffixes, cross


def load_dictionary(path):
    words = {}
    for line in path.read_text(encoding="utf-8").split("\n")[1:]:
        if line:
            word, _, flags = line.partition("/")
            words[word] = words.get(word, "") + flags
    return words


class Expander:
    """Hunspell's word generation: suffixes, then prefixes (with cross products and the prefix
    flags a suffix passes on). Forms whose prefix is a negation are left out."""

    NEGATING = ("ne", "nejne")

    def __init__(self, prefixes, suffixes, cross):
        self.prefixes, self.suffixes, self.cross = prefixes, suffixes, cross

    def forms(self, word, flags):
        return [form for form, _, negated in self.tagged_forms(word, flags) if not negated]

    def tagged_forms(self, word, flags):
        """Every form as (form, the suffix flag that made it or None, whether it is negated)."""
        suffixed = [(word, None, "")]
        for flag in flags:
            for strip, add, pattern, continuation in self.suffixes.get(flag, []):
                if pattern.search(word) and word.endswith(strip):
                    suffixed.append((word[: len(word) - len(strip)] + add, flag, continuation))
        out = [(form, flag, False) for form, flag, _ in suffixed]
        for form, flag, continuation in suffixed:
            prefix_flags = [f for f in flags if f in self.prefixes and (flag is None or self.cross.get(flag))]
            prefix_flags += [f for f in continuation if f in self.prefixes]
            for prefix_flag in prefix_flags:
                for strip, add, pattern, _ in self.prefixes[prefix_flag]:
                    if pattern.search(form) and form.startswith(strip):
                        out.append((add + form[len(strip):], flag, add in self.NEGATING))
        return out


def read_corrections(path, kind=""):
    """base: form form ...   (each form a word hunspell has, with or without rules, or not).
    With `kind` "first", the lines "first base: form form ..." instead: the base comes first
    among the bases the forms have anyway, and brings nothing else along; with "not", the lines
    "not base: form form ...": the forms are no forms of the base."""
    links = []
    for line in path.read_text(encoding="utf-8").split("\n"):
        line = line.split("#")[0].strip()
        marked = line.split(" ", 1)[0] in ("first", "not")
        if not line or (marked and not line.startswith(kind + " ")) or (not marked and kind):
            continue
        base, _, forms = line.removeprefix(kind + " ").partition(":")
        for form in forms.split():
            links.append((form.strip(), base.strip()))
    return links


def lengthened(stem):
    for short, long in (("a", "á"), ("ě", "í"), ("i", "í"), ("y", "ý"), ("o", "ů"), ("u", "ou")):
        at = stem.rfind(short)
        if at >= 0 and all(c not in "aeiouyáéíóúůýě" for c in stem[at + 1:]):
            yield stem[:at] + long + stem[at + 1:]


def shortened(word):
    """The word with its last long vowel made short: "psát" -> psat."""
    for at in range(len(word) - 1, -1, -1):
        short = {"á": "a", "í": "i", "é": "e", "ý": "y", "ů": "o"}.get(word[at])
        if short:
            return word[:at] + short + word[at + 1:]
    return word


# How sure a link of a form to a base is; the lower, the earlier the base stands among the form's.
RANK_FIRST = -1  # a reviewed "first" line puts the base ahead of all others
RANK_CORRECTION = 0  # a reviewed correction
RANK_DERIVED = 0.5  # the derived word itself ("vědomost" of "vědomý")
RANK_OWN_WORD = 1  # the hunspell word is the base itself
RANK_GUESS = 2  # a sound-change guess
RANK_PARTICIPLE = 2.5  # a participle the list has ("půjčil"), after its infinitive
RANK_OTHER_FORM = 3  # another form of a word the list lacks ("vlaky" for "vlaku")
RANK_NONE = 99  # no link yet: worse than any

# Hunspell's flags (cs_CZ.aff) that these rules read.
PARTICIPLE_FLAG = "O"
VERBAL_NOUN_FLAG = "S"
NEGATION_FLAG = "N"
QUALITY_NOUN_FLAG = "K"  # the -ost noun of an adjective
COMPARATIVE_FLAG = "y"
PERSON_NAME_FLAGS = set("PV")
VERB_OR_ADJECTIVE_FLAGS = set("ABIJTXOyRY")

PASSIVE_ENDINGS = (("án", ["at"]), ("en", ["it", "et"]), ("ěn", ["it", "ět"]), ("ut", ["out"]),
                   ("it", ["ít"]), ("yt", ["ýt"]))


def participle_bases(root):
    """"byl" -> být, "dělal" -> dělat, "tiskl" -> tisknout: the infinitive of an -l participle;
    "popsán" -> popsat: of a passive one."""
    for ending, verb_endings in PASSIVE_ENDINGS:
        if root.endswith(ending) and len(root) > len(ending) + 1:
            return [root[: -len(ending)] + verb_ending for verb_ending in verb_endings]
    if not root.endswith("l") or len(root) < 3:
        return []
    stem = root[:-1]
    out = [stem + "t"] + [s + "t" for s in lengthened(stem)]
    out += [stem + "nout", root[:-2] + "out", stem + "ct"]
    return out


def verbal_noun_bases(root):
    """"smazání" -> smazat, "stisknutí" -> stisknout: the verb a verbal noun names."""
    out = []
    for ending, verb_endings in (("ání", ["at"]), ("ení", ["it", "et", "ět"]), ("ění", ["it", "ět"]),
                                 ("utí", ["out"]), ("ití", ["ít"]), ("ytí", ["ýt"])):
        if root.endswith(ending):
            out += [root[: -len(ending)] + verb_ending for verb_ending in verb_endings]
    return out


def imperative_bases(root):
    """"přesvědčte" -> přesvědčit: the infinitive of a plural imperative hunspell lists alone."""
    if not root.endswith(("te", "me")) or len(root) < 5:
        return []
    stem = root[:-2]
    return [stem + ending for ending in ("it", "et", "ět", "at", "ovat")]


def derived_base(form, flag):
    """The word a derivation made, as the list may hold it: "vědomostí" of "vědomý" is a form
    of "vědomost", "rychlejšího" one of "rychlejší"."""
    if flag == QUALITY_NOUN_FLAG and "ost" in form:
        return form[: form.rfind("ost") + 3]
    if flag == COMPARATIVE_FLAG and "ší" in form:
        return form[: form.rfind("ší") + 2]
    return None


def noun_bases(root):
    """"psa" -> pes, "domě" -> dům, "stole" -> stůl, "práci" -> práce: guessed nominatives."""
    out = []
    for ending in NOUN_ENDINGS:
        if not root.endswith(ending) or len(root) - len(ending) < 2:
            continue
        stem = root[: len(root) - len(ending)]
        stems = [stem]
        if len(stem) >= 2 and stem[-1] not in "aeiouyáéíóúůýě":
            stems.append(stem[:-1] + "e" + stem[-1])  # the e that drops out: pes, psa
        stems += [stem[:at] + "ů" + stem[at + 1:] for at in range(len(stem)) if stem[at] == "o"]
        for s in stems:
            # A base never ends in more than its form has taken off: "pan" is no form of "pane".
            out += [s + base_ending for base_ending in BASE_ENDINGS if ending or not base_ending]
    return out


def common_prefix(a, b):
    n = 0
    while n < min(len(a), len(b)) and a[n] == b[n]:
        n += 1
    return n


def encoded(form, base):
    """A form as the base's end to drop and what follows: "věděl" of "vědět" is "1l"."""
    shared = common_prefix(form, base)
    return str(len(base) - shared) + form[shared:]


class WordList:
    """The bases: single Czech words of the list, in list order; "smát se" stands for "smát" too."""

    def __init__(self, path):
        self.order = {}
        self.reflexive = collections.defaultdict(list)
        for line in path.read_text(encoding="utf-8").split("\n"):
            if "\t" not in line:
                continue
            czech = line.split("\t")[1]
            if " " not in czech:
                self.order.setdefault(czech, len(self.order))
            elif re.fullmatch(r"\S+ s[ei]", czech):
                self.order.setdefault(czech, len(self.order))
                self.reflexive[czech.split()[0]].append(czech)

    def bases_of(self, lemma):
        """The list's words that the hunspell word `lemma` stands for."""
        out = [lemma] if lemma in self.order else []
        return out + self.reflexive.get(lemma, [])


def read_hunspell(path, order):
    dictionary = load_dictionary(path.with_suffix(".dic"))
    # The list writes names of places small ("afrika"); hunspell writes them large. Not names of
    # people: "Říkal" is a surname, "říkal" a form of "říkat".
    for root in list(dictionary):
        small = root.lower()
        if (small != root and small in order and small not in dictionary
                and not set(dictionary[root]) & PERSON_NAME_FLAGS):
            dictionary[small] = dictionary[root]
    return dictionary, Expander(*load_affixes(path.with_suffix(".aff")))


class Links:
    """Which hunspell words (roots) lead to which bases, each with its best rank."""

    def __init__(self, words):
        self.words = words
        self.roots = collections.defaultdict(dict)

    def link(self, root, base, rank):
        for b in self.words.bases_of(base):
            if self.roots[root].get(b, RANK_NONE) > rank:
                self.roots[root][b] = rank


def link_corrections(links, corrections, dictionary):
    order = links.words.order
    for form, base in corrections:
        links.link(form, base, RANK_CORRECTION)
        # The prefixed members of an irregular verb: "přišel" of "přijít" as "šel" of "jít".
        # A prefix often shortens the infinitive's vowel: "psát", "napsat".
        for prefix in VERB_PREFIXES:
            for prefixed in (prefix + base, prefix + shortened(base)):
                if prefixed in order and prefix + form in dictionary:
                    links.link(prefix + form, prefixed, RANK_CORRECTION)
                    break


def comparative_bases(root, expander):
    """"pomalejší" -> pomalý, "čistěji" -> čistý: hunspell lists the regular comparatives as words
    of their own, with no link to their adjective; its comparative rule, read backwards, gives it."""
    out = []
    for strip, add, pattern, _ in expander.suffixes.get(COMPARATIVE_FLAG, []):
        if add and root.endswith(add):
            positive = root[: len(root) - len(add)] + strip
            if pattern.search(positive):
                out.append(positive)
    return out


def link_dictionary_words(links, dictionary, expander):
    for root, flags in dictionary.items():
        # A participle the list has ("půjčil", "popsán") comes after its infinitive.
        participle = PARTICIPLE_FLAG in flags and root.endswith(("l",) + tuple(e for e, _ in PASSIVE_ENDINGS))
        links.link(root, root, RANK_PARTICIPLE if participle else RANK_OWN_WORD)
        if root in links.words.order and not participle:
            continue
        guesses = []
        if PARTICIPLE_FLAG in flags:
            guesses = participle_bases(root)
        elif VERBAL_NOUN_FLAG in flags and root.endswith(("ní", "tí")):
            guesses = verbal_noun_bases(root)
        elif not flags.replace(NEGATION_FLAG, ""):  # no rules but the negation's
            guesses = noun_bases(root) + imperative_bases(root)
        else:
            guesses = comparative_bases(root, expander)
        for guess in guesses:
            if guess != root and guess in dictionary and guess[0] == root[0] and min(len(root), len(guess)) >= 3:
                links.link(root, guess, RANK_GUESS)


def link_other_forms(links, dictionary, expander):
    """A word the list lacks whose other forms it has: "vlaku" leads to "vlaky" and "vlakem" when
    the list has no "vlak". After every other link; short forms are too often another word's
    ("min")."""
    for root, flags in dictionary.items():
        if links.roots.get(root) or not flags:
            continue
        for form in set(expander.forms(root, flags)):
            if form in links.words.order and form != root and len(form) >= 4 and common_prefix(form, root) >= 3:
                links.link(root, form, RANK_OTHER_FORM)


class Forms:
    """Every form with its bases, each base with its sort key: rank, then the longer shared
    beginning, then the commoner base."""

    def __init__(self, order):
        self.order = order
        self.bases = collections.defaultdict(dict)

    def add(self, form, base, rank):
        key = (rank, -common_prefix(form, base), self.order[base])
        if key < self.bases[form].get(base, (RANK_NONE,)):
            self.bases[form][base] = key


def expand_links(links, dictionary, expander):
    """Every form of every linked root, with its bases ranked."""
    forms = Forms(links.words.order)
    for root, bases in links.roots.items():
        if not bases:
            continue
        generated = expander.tagged_forms(root, dictionary[root]) if root in dictionary else [(root, None, False)]
        for form, flag, negated in generated:
            if negated:
                continue
            for base, rank in bases.items():
                forms.add(form, base, rank)
            # The derived word itself ("vědomost") before the word it comes from ("vědomý").
            derived = derived_base(form, flag)
            for word in (derived, derived and derived.removeprefix("nej")):
                if word and word in forms.order and word != form:
                    forms.add(form, word, RANK_DERIVED)
    # A negated word the list has when it lacks the positive one: "nechtěných" of "nechtěný".
    for root, flags in dictionary.items():
        if "ne" + root in forms.order and root not in forms.order:
            for form, _, negated in expander.tagged_forms(root, flags):
                if negated and form.startswith("ne"):
                    forms.add(form, "ne" + root, RANK_OWN_WORD)
    return forms


def drop_noise_beside_corrections(forms):
    """A reviewed correction makes the guesses and the other forms noise: "byla" is a form of
    "být", not of "byt"; "šli" one of "jít", not of "šle"."""
    for bases in forms.bases.values():
        if any(key[0] == RANK_CORRECTION for key in bases.values()):
            for base in [b for b, key in bases.items() if key[0] in (RANK_GUESS, RANK_OTHER_FORM)]:
                del bases[base]


def own_ne_words(dictionary, links, forms, expander):
    """Words of their own that begin with "ne" without negating anything ("neděle", "nebe"): the
    engine must not read "neděli" as the negation of "děli". Listed under the empty base, where
    the form without "ne" would lead somewhere."""
    own = set()
    for root, flags in dictionary.items():
        # A verb or an adjective that begins with "ne" is all but always a negation ("nedat" of
        # "dát"), whatever hunspell holds.
        if (root.startswith("ne") and root[2:] not in dictionary and not links.roots.get(root)
                and not set(flags) & VERB_OR_ADJECTIVE_FLAGS):
            own.update(f for f in expander.forms(root, flags)
                       if f.startswith("ne") and f not in forms.bases
                       and (f[2:] in forms.bases or f[2:] in forms.order))
    return own


def apply_reviewed_order(forms, corrections_path):
    for form, base in read_corrections(corrections_path, "first"):
        if base in forms.bases.get(form, {}):
            forms.bases[form][base] = (RANK_FIRST,)
    for form, base in read_corrections(corrections_path, "not"):
        forms.bases.get(form, {}).pop(base, None)


def write_forms(path, forms, own):
    by_base = collections.defaultdict(list)
    for form, bases in forms.bases.items():
        for base, key in bases.items():
            if form != base:
                by_base[base].append((form, key))
    lines = ["\t" + " ".join(encoded(f, "") for f in sorted(own))]
    for base in sorted(by_base, key=forms.order.get):
        lines.append(base + "\t" + " ".join(encoded(f, base) for f in sorted(f for f, _ in by_base[base])))
    # The ranks of a form's bases, where it has more than one, in the engine's order.
    ranked = []
    for form in sorted(forms.bases):
        bases = [b for b in sorted(forms.bases[form], key=lambda b: forms.bases[form][b]) if b != form]
        if len(bases) > 1:
            ranked.append("\t".join([form] + bases))
    header = ("# Generated by tools/forms/make_czech_forms.py from hunspell-cs and data/wordlist.tsv;\n"
              "# do not edit. base<TAB>forms (characters to drop from the base's end, then what\n"
              "# follows); the empty base: words beginning with \"ne\" that negate nothing; then after %%\n"
              "# each form with more than one base: form<TAB>base<TAB>base..., best first.\n")
    path.write_text(header + "\n".join(lines) + "\n%%\n" + "\n".join(ranked) + "\n", encoding="utf-8")
    print(f"{len(by_base)} bases, {sum(len(v) for v in by_base.values())} forms, "
          f"{len(ranked)} forms with more than one base -> {path}", file=sys.stderr)


def make_forms(words, dictionary, expander, corrections_path):
    """The forms of the list's words, with their bases ranked, and the own words that begin with
    "ne"."""
    links = Links(words)
    link_corrections(links, read_corrections(corrections_path), dictionary)
    link_dictionary_words(links, dictionary, expander)
    link_other_forms(links, dictionary, expander)
    forms = expand_links(links, dictionary, expander)
    drop_noise_beside_corrections(forms)
    own = own_ne_words(dictionary, links, forms, expander)
    apply_reviewed_order(forms, corrections_path)
    return forms, own


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--wordlist", type=Path, default=ROOT / "data" / "wordlist.tsv")
    parser.add_argument("--hunspell", type=Path, default=Path("/usr/share/hunspell/cs_CZ"))
    parser.add_argument("--corrections", type=Path, default=ROOT / "data" / "czech-corrections.txt")
    parser.add_argument("--out", type=Path, default=ROOT / "data" / "czech-forms.txt")
    args = parser.parse_args()
    words = WordList(args.wordlist)
    dictionary, expander = read_hunspell(args.hunspell, words.order)
    forms, own = make_forms(words, dictionary, expander, args.corrections)
    write_forms(args.out, forms, own)


if __name__ == "__main__":
    main()

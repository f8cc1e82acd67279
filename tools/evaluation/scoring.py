# SPDX-License-Identifier: GPL-2.0-or-later
"""How much of a human translation's meaning a machine sentence holds, by base form.

The pure part of the evaluation: splitting texts into words, leaving out function words, and
matching words through their base forms. Base forms come in as a function (word -> forms), so
the rules are tested without the program.
"""

import re
from collections import Counter

# Apostrophes inside a word keep it whole (don't, I'm), as the translator keeps it.
WORD = re.compile(r"[^\W\d_]+(?:['’][^\W\d_]+)*")
NO_TRANSLATION = "[..]"

ENGLISH_STOP = set("""
a an the this that these those there here some any each every all both either neither no not
nor and or but if then than so as because while when where what which who whom whose why how
whether of to in on at by for from with without into onto upon about over under after before
through between among against along across around up down out off near since until till per
via i me my mine myself you your yours yourself yourselves he him his himself she her hers
herself it its itself we us our ours ourselves they them their theirs themselves one ones be
am is are was were been being do does did done doing have has had having will would shall
should can could may might must let let's i'm i've i'll i'd you're you've you'll you'd he's
he'll he'd she's she'll she'd it's it'll we're we've we'll we'd they're they've they'll they'd
that's there's here's what's who's don't doesn't didn't won't wouldn't can't cannot couldn't
shouldn't isn't aren't wasn't weren't haven't hasn't hadn't mustn't
just also too very yet still even only ever already now oh yes ok okay please such nothing
nobody none something someone somebody anything anyone anybody everything everyone everybody
""".split())

CZECH_STOP = set("""
a i ale nebo ani anebo či že aby abych abys abychom abyste kdyby kdybych když protože než
jestli jestliže pokud zda zdali tedy však totiž neboť jako jak tak také taky též už již jen
jenom pouze ještě teď pak tam tu zde sem tady kde kam odkud kdy proč co coho čemu čím kdo koho
komu kým který která které kterého kterou kterým kterými jenž jež jehož jejž v ve na do z ze s
se si k ke o u po pro při za před přede nad nade pod pode mezi od ode bez beze přes kvůli
skrz proti vůči podle kolem okolo během kromě vedle ne ano no nu ó ach velmi
já mě mne mi mnou ty tě tebe ti tobě tebou on ona ono oni ony jeho ho mu jemu něj něho němu
ním jí ji ní nich nim nimi jim jimi je ně my nás nám námi vy vás vám vámi sebe sobě sebou
můj moje má mé mí mého mému mém mým mou mými mých mým tvůj tvoje tvá tvé tví tvého tvému tvém
tvým tvou tvými tvých náš naše naši našeho našemu našem naším našich našim našimi váš vaše
vaši vašeho vašemu vašem vaším vašich vašim vašimi její jejího jejímu jejím jejich svůj
svoje svá své sví svého svému svém svým svou svými svých ten ta to ti ty toho tomu tom tím té
tu tou těch těm těmi tento tato toto tuto tomto tímto tito tyto tohoto tomuto této touto těchto
těmto těmito tenhle tahle tohle tuhle tyhle tomhle tímhle tohohle jej jich takový taková takové každý každá každé všechen všechna všechno všichni všechny
vše všech všeho všem všemi nějaký nějaká nějaké něco někdo nic nikdo žádný žádná žádné
být jsem jsi je jsme jste jsou byl byla bylo byli byly budu budeš bude budeme budete budou
bych bys by bychom byste není nejsem nejsi nejsme nejste nejsou nebyl nebyla nebylo nebyli
nebyly nebude
""".split())


def words(text):
    """The words of a text, in lower case, in order; typographic apostrophes made plain."""
    return [w.lower().replace("’", "'") for w in WORD.findall(text)]


MIN_CONTENT_LETTERS = 2  # a lone letter is a cut word (e-mail) or a function word


def content_words(text, stop):
    return [w for w in words(text) if w not in stop and len(w) >= MIN_CONTENT_LETTERS]


def head_words(lines, stop):
    """The words of table words printed one a line, function words left out: a reflexive verb
    "bát se" gives "bát", so that a form of it never matches every "se"."""
    return [w for line in lines for w in words(line) if w not in stop]


def sentence_words(sentence):
    """The words of a sentence the translator printed; an untranslated box adds none."""
    return words(sentence.replace(NO_TRANSLATION, " "))


def keys(word, forms):
    """A word and the table words it is a form of."""
    return {word, *forms(word)}


def matched(reference, sentence, forms):
    """For each content word of the reference, whether the sentence holds it by base form."""
    held = set()
    for word in sentence:
        held |= keys(word, forms)
    return [bool(keys(word, forms) & held) for word in reference]


def base_of(word, forms):
    """The word's best base form, for counting misses of the same word together."""
    found = forms(word)
    return found[0] if found else word


def share(counts):
    """Percentage of found words in a (found, total) pair."""
    found, total = counts
    return 100.0 * found / total if total else 0.0


def commonest_misses(misses, limit):
    """misses: (base form, what was given instead) pairs; the limit commonest base forms, each
    with its count and its commonest givens."""
    by_base = {}
    for base, given in misses:
        by_base.setdefault(base, Counter())[given] += 1
    order = sorted(by_base, key=lambda b: (-sum(by_base[b].values()), b))[:limit]
    return [(b, sum(by_base[b].values()), by_base[b].most_common(3)) for b in order]

// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/EnglishForms.h"

#include "engine/Analyze.h"

#include <algorithm>
#include <array>
#include <utility>

namespace slovnik {
namespace {

// Forms no suffix rule reaches, each with its base words, commoner base first. Sorted by form.
constexpr std::array<std::pair<std::string_view, std::string_view>, 177> kIrregular{{
    {"am", "be"},
    {"are", "be"},
    {"ate", "eat"},
    {"beaten", "beat"},
    {"became", "become"},
    {"began", "begin"},
    {"begun", "begin"},
    {"bent", "bend"},
    {"best", "good well"},
    {"better", "good well"},
    {"bit", "bite"},
    {"bitten", "bite"},
    {"bled", "bleed"},
    {"blew", "blow"},
    {"blown", "blow"},
    {"bore", "bear"},
    {"born", "bear"},
    {"borne", "bear"},
    {"bought", "buy"},
    {"bound", "bind"},
    {"broke", "break"},
    {"broken", "break"},
    {"brought", "bring"},
    {"built", "build"},
    {"burnt", "burn"},
    {"came", "come"},
    {"caught", "catch"},
    {"children", "child"},
    {"chose", "choose"},
    {"chosen", "choose"},
    {"clung", "cling"},
    {"could", "can"},
    {"dealt", "deal"},
    {"did", "do"},
    {"done", "do"},
    {"drank", "drink"},
    {"drawn", "draw"},
    {"dreamt", "dream"},
    {"drew", "draw"},
    {"driven", "drive"},
    {"drove", "drive"},
    {"drunk", "drink"},
    {"dug", "dig"},
    {"dwelt", "dwell"},
    {"eaten", "eat"},
    {"elder", "old"},
    {"eldest", "old"},
    {"fallen", "fall"},
    {"farther", "far"},
    {"farthest", "far"},
    {"fed", "feed"},
    {"feet", "foot"},
    {"fell", "fall"},
    {"felt", "feel"},
    {"fewer", "few"},
    {"fled", "flee"},
    {"flew", "fly"},
    {"flown", "fly"},
    {"forbade", "forbid"},
    {"forgave", "forgive"},
    {"forgiven", "forgive"},
    {"forgot", "forget"},
    {"forgotten", "forget"},
    {"fought", "fight"},
    {"found", "find"},
    {"froze", "freeze"},
    {"frozen", "freeze"},
    {"further", "far"},
    {"furthest", "far"},
    {"gave", "give"},
    {"geese", "goose"},
    {"given", "give"},
    {"gone", "go"},
    {"got", "get"},
    {"gotten", "get"},
    {"grew", "grow"},
    {"ground", "grind"},
    {"grown", "grow"},
    {"had", "have"},
    {"halves", "half"},
    {"heard", "hear"},
    {"held", "hold"},
    {"hid", "hide"},
    {"hidden", "hide"},
    {"hung", "hang"},
    {"is", "be"},
    {"kept", "keep"},
    {"knelt", "kneel"},
    {"knew", "know"},
    {"knives", "knife"},
    {"known", "know"},
    {"laid", "lay"},
    {"lain", "lie"},
    {"lay", "lie"},
    {"learnt", "learn"},
    {"least", "little"},
    {"leaves", "leaf leave"},
    {"led", "lead"},
    {"left", "leave"},
    {"lent", "lend"},
    {"less", "little"},
    {"lives", "life live"},
    {"lost", "lose"},
    {"made", "make"},
    {"meant", "mean"},
    {"men", "man"},
    {"met", "meet"},
    {"mice", "mouse"},
    {"might", "may"},
    {"more", "much many"},
    {"most", "much many"},
    {"paid", "pay"},
    {"people", "person"},
    {"ran", "run"},
    {"rang", "ring"},
    {"ridden", "ride"},
    {"risen", "rise"},
    {"rode", "ride"},
    {"rose", "rise"},
    {"rung", "ring"},
    {"said", "say"},
    {"sang", "sing"},
    {"sank", "sink"},
    {"sat", "sit"},
    {"saw", "see"},
    {"seen", "see"},
    {"sent", "send"},
    {"shaken", "shake"},
    {"shelves", "shelf"},
    {"shone", "shine"},
    {"shook", "shake"},
    {"shot", "shoot"},
    {"should", "shall"},
    {"slept", "sleep"},
    {"smelt", "smell"},
    {"sold", "sell"},
    {"sought", "seek"},
    {"spent", "spend"},
    {"spoke", "speak"},
    {"spoken", "speak"},
    {"stole", "steal"},
    {"stolen", "steal"},
    {"stood", "stand"},
    {"struck", "strike"},
    {"sung", "sing"},
    {"swam", "swim"},
    {"swore", "swear"},
    {"sworn", "swear"},
    {"taken", "take"},
    {"taught", "teach"},
    {"teeth", "tooth"},
    {"thieves", "thief"},
    {"thought", "think"},
    {"threw", "throw"},
    {"thrown", "throw"},
    {"told", "tell"},
    {"took", "take"},
    {"tore", "tear"},
    {"torn", "tear"},
    {"understood", "understand"},
    {"was", "be"},
    {"went", "go"},
    {"were", "be"},
    {"wives", "wife"},
    {"woke", "wake"},
    {"woken", "wake"},
    {"wolves", "wolf"},
    {"women", "woman"},
    {"won", "win"},
    {"wore", "wear"},
    {"worn", "wear"},
    {"worse", "bad"},
    {"worst", "bad"},
    {"would", "will"},
    {"wound", "wind"},
    {"written", "write"},
    {"wrote", "write"},
}};
static_assert(std::is_sorted(kIrregular.begin(), kIrregular.end()));

void addIrregular(std::string_view word, std::vector<BaseCandidate> &out)
{
    const auto at = std::lower_bound(kIrregular.begin(), kIrregular.end(), word,
                                     [](const auto &row, std::string_view w) { return row.first < w; });
    if (at == kIrregular.end() || at->first != word)
        return;
    for (std::string_view bases = at->second; !bases.empty();) {
        const std::size_t blank = bases.find(' ');
        out.push_back({std::string(bases.substr(0, blank))});
        bases = blank == std::string_view::npos ? std::string_view{} : bases.substr(blank + 1);
    }
}

void add(std::string form, std::vector<BaseCandidate> &out)
{
    if (!form.empty())
        out.push_back({std::move(form)});
}

std::string withEnding(std::string_view stem, std::string_view ending)
{
    std::string word(stem);
    word += ending;
    return word;
}

// The guesses for a word without a prefix: its irregular and regular reductions.
void addReductions(std::string_view word, std::vector<BaseCandidate> &out)
{
    addIrregular(word, out);
    // A possessive or a contraction: "john's", "cats'" and "it's" lead to "john" and "cat".
    if (word.ends_with("'s"))
        add(std::string(word.substr(0, word.size() - 2)), out);
    else if (word.ends_with('\''))
        add(std::string(word.substr(0, word.size() - 1)), out);
    // "they've", "we'll", "you'd": the word before a contracted verb.
    for (const std::string_view verb : {"'ve", "'re", "'ll", "'d", "'m"}) {
        if (word.size() > verb.size() && word.ends_with(verb))
            add(std::string(word.substr(0, word.size() - verb.size())), out);
    }
    add(ReduceVerbForm(word), out);
    const std::string plural = ReducePlural(word);
    add(plural, out);
    if (const std::string compared = ReduceComparative(word); compared != word)
        add(compared, out);
    // "beginners": the plural of a doer, whose verb the table may have when it lacks the noun.
    if (plural.ends_with("er"))
        add(ReduceComparative(plural), out);
    // "boxes", "churches", "heroes": the plural rule drops only the "s".
    if (word.size() > 4 && word.ends_with("es"))
        add(std::string(word.substr(0, word.size() - 2)), out);
    // "dwarves", "knives": a noun whose "f" or "fe" turns into "v" before the plural ending.
    if (word.size() > 4 && word.ends_with("ves")) {
        const std::string_view stem = word.substr(0, word.size() - 3);
        add(withEnding(stem, "f"), out);
        add(withEnding(stem, "fe"), out);
    }
    // "copying", "modifying": the query rules read "ying" as "ie" (dying), so the plain stem too.
    if (word.size() > 5 && word.ends_with("ying"))
        add(std::string(word.substr(0, word.size() - 3)), out);
    // "larger", "nicest", "hoped", "making": a base ending in "e" that the ending swallowed.
    for (const std::string_view ending : {"er", "est", "ed", "ing"}) {
        if (word.size() > ending.size() + 2 && word.ends_with(ending))
            add(withEnding(word.substr(0, word.size() - ending.size()), "e"), out);
    }
    // "happier", "happiest", "happily": the "y" an ending turned into "i".
    for (const std::string_view ending : {"ier", "iest", "ily"}) {
        if (word.size() > ending.size() + 1 && word.ends_with(ending))
            add(withEnding(word.substr(0, word.size() - ending.size()), "y"), out);
    }
    // "slowly", "basically": an adverb of an adjective.
    if (word.size() > 4 && word.ends_with("ly")) {
        add(std::string(word.substr(0, word.size() - 2)), out);
        if (word.ends_with("ally"))
            add(std::string(word.substr(0, word.size() - 4)), out);
    }
    // "it's", "can't": the word without its apostrophe, as the query box reads it.
    if (std::string bare(word); std::erase(bare, '\'') > 0)
        add(std::move(bare), out);
}

} // namespace

std::vector<BaseCandidate> englishBaseCandidates(std::string_view word)
{
    std::vector<BaseCandidate> out;
    addReductions(word, out);
    // "shouldn't", "wasn't": the negation of the verb before "n't" ("won't" of "will", "can't" of
    // "can"). Not "wouldn't": its Czech is a verb's negation with "by", which no line shows.
    if (word.ends_with("n't") && word != "wouldn't") {
        std::string verb(word.substr(0, word.size() - 3));
        if (verb == "wo")
            verb = "will";
        else if (verb == "ca")
            verb = "can";
        else if (verb == "sha")
            verb = "shall";
        if (!verb.empty())
            out.push_back({std::move(verb), true});
    }
    // "unknown": the negation of a word the table may have ("known"), the word itself only: a
    // reduced word may be a noun, which "un" never negated ("unmatched" is no "not match").
    // "retyped": a word done again, reduced as any word. Only before a word of some length:
    // "under" and "read" are no such words.
    constexpr std::size_t kShortestAfterPrefix = 4;
    if (word.size() >= 2 + kShortestAfterPrefix && word.starts_with("un"))
        out.push_back({std::string(word.substr(2)), true});
    if (word.size() >= 2 + kShortestAfterPrefix && word.starts_with("re")) {
        const std::string_view rest = word.substr(2);
        out.push_back({std::string(rest)});
        addReductions(rest, out);
    }
    return out;
}

} // namespace slovnik

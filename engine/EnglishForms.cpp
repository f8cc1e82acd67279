#include "EnglishForms.h"

#include "Analyze.h"

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

void addIrregular(std::string_view word, std::vector<std::string> &out)
{
    const auto at = std::lower_bound(kIrregular.begin(), kIrregular.end(), word,
                                     [](const auto &row, std::string_view w) { return row.first < w; });
    if (at == kIrregular.end() || at->first != word)
        return;
    for (std::string_view bases = at->second; !bases.empty();) {
        const std::size_t blank = bases.find(' ');
        out.emplace_back(bases.substr(0, blank));
        bases = blank == std::string_view::npos ? std::string_view{} : bases.substr(blank + 1);
    }
}

void addIfAny(std::string form, std::vector<std::string> &out)
{
    if (!form.empty())
        out.push_back(std::move(form));
}

} // namespace

std::vector<std::string> englishBaseCandidates(std::string_view word)
{
    std::vector<std::string> out;
    addIrregular(word, out);
    // A possessive or a contraction: "john's", "cats'" and "it's" lead to "john" and "cat".
    if (word.ends_with("'s"))
        out.emplace_back(word.substr(0, word.size() - 2));
    else if (word.ends_with('\''))
        out.emplace_back(word.substr(0, word.size() - 1));
    addIfAny(ReduceVerbForm(word), out);
    addIfAny(ReducePlural(word), out);
    if (const std::string compared = ReduceComparative(word); compared != word)
        addIfAny(compared, out);
    // "boxes", "churches", "heroes": the plural rule drops only the "s".
    if (word.size() > 4 && word.ends_with("es"))
        out.emplace_back(word.substr(0, word.size() - 2));
    // "larger", "nicest", "hoped", "making": a base ending in "e" that the ending swallowed.
    for (const std::string_view ending : {"er", "est", "ed", "ing"}) {
        if (word.size() > ending.size() + 2 && word.ends_with(ending))
            out.push_back(std::string(word.substr(0, word.size() - ending.size())) + 'e');
    }
    // "happier", "happiest": the "y" the comparative turned into "i".
    for (const std::string_view ending : {"ier", "iest"}) {
        if (word.size() > ending.size() + 1 && word.ends_with(ending))
            out.push_back(std::string(word.substr(0, word.size() - ending.size())) + 'y');
    }
    // "it's", "can't": the word without its apostrophe, as the query box reads it.
    if (std::string bare(word); std::erase(bare, '\'') > 0)
        out.push_back(std::move(bare));
    return out;
}

} // namespace slovnik

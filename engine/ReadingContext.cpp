// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/ReadingContext.h"

#include "engine/BaseForms.h"
#include "engine/CzechForms.h"
#include "engine/Query.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace slovnik {
namespace {

// The contracted forms of "be": "I'm", "you're", "it's".
constexpr std::array<std::string_view, 3> kContractedBe{"'m", "'re", "'s"};

// Czech writes the preposition "s" (with) as "se" before s, z, š, ž and "mnou": "se sestrou",
// "se mnou". Before any other word, or at the end of a clause, "se" is the reflexive pronoun.
bool startsAfterPrepositionSe(std::string_view word)
{
    if (word.empty())
        return false;
    // s, z, š, ž in either case, in Windows-1250
    constexpr std::string_view kFirstLetters = "sSzZ\x9a\x8a\x9e\x8e";
    const std::string lower = lowerAsciiLetters(word.substr(0, 2));
    return kFirstLetters.find(word.front()) != std::string_view::npos || lower == "mn";
}

// The word before `at`, as the rules compare it: lower case, a typographic apostrophe read as "'".
std::string wordBefore(std::span<const std::string> words, std::size_t at)
{
    return cleanedWord(words[at - 1]);
}

} // namespace

// A one-word Czech field without the "se" or "si" of a reflexive verb ("vrátit se") or the "by"
// of a conditional ("měl by"); empty for a longer phrase.
std::string_view verbWord(std::string_view czech)
{
    for (const std::string_view pronoun : {" se", " si", " by"}) {
        if (czech.ends_with(pronoun))
            czech.remove_suffix(pronoun.size());
    }
    return czech.find(' ') == std::string_view::npos ? czech : std::string_view{};
}

// A Czech verb as the table writes it: its infinitive ("porazit", "být", "nést", "moci"), not a
// noun that ends alike ("čest", "život", "skřítci").
bool isCzechInfinitive(std::string_view czech)
{
    const std::string_view verb = verbWord(czech);
    if (verb.size() < 3)
        return false;
    const char before = verb[verb.size() - 2];
    // Windows-1250: á é ě í ý ů, the long vowels of "nést", "jíst", "růst", and of "být", "dát".
    constexpr std::string_view kLong = "\xe1\xe9\xec\xed\xfd\xf9";
    if (verb.ends_with("ci"))
        return verb.size() > 3
            && std::string_view("ou\xe9\xed").find(verb[verb.size() - 3]) != std::string_view::npos;
    if (!verb.ends_with('t'))
        return false;
    if (before == 's')
        return kLong.find(verb[verb.size() - 3]) != std::string_view::npos;
    // "-at", "-et", "-it", "-out" and the long vowels; "-ot" and "-yt" end nouns ("život", "byt").
    return std::string_view("aeiu").find(before) != std::string_view::npos
        || kLong.find(before) != std::string_view::npos;
}

// An infinitive, a past form ("selhal", "našel", "přišla") or another form of a verb ("žije"),
// which already reads as the deed.
bool isCzechVerb(std::string_view czech)
{
    const std::string_view verb = verbWord(czech);
    const bool past = verb.ends_with('l') || verb.ends_with("la") || verb.ends_with("lo")
        || verb.ends_with("li") || verb.ends_with("ly");
    if (past || isCzechInfinitive(czech))
        return true;
    const std::vector<BaseCandidate> bases = czechBaseCandidates(verb);
    return !bases.empty() && isCzechInfinitive(bases.front().word);
}

// Where an English past participle is an adjective rather than a deed: first in its clause, or
// after an article, a determiner, a preposition, a form of "be" or "get" or an adverb of degree
// ("the attached file", "was defeated", "I'm tired", "got married", "quite abandoned"). After its
// subject it is the deed ("they defeated").
bool participleReadsAsAdjective(std::span<const std::string> words, std::span<const TextWord> text,
                                std::size_t at)
{
    if (opensClause(text, at))
        return true;
    const std::string before = wordBefore(words, at);
    static constexpr std::string_view kBefore[]{
        "a",    "an",    "the",     "this",  "that",       "these",  "those",   "my",     "your",
        "his",  "her",   "its",     "our",   "their",      "some",   "any",     "no",     "every",
        "each", "of",    "in",      "on",    "at",         "for",    "with",    "by",     "from",
        "to",   "into",  "as",      "am",    "is",         "are",    "was",     "were",   "be",
        "been", "being", "get",     "gets",  "got",        "gotten", "getting", "become", "became",
        "seem", "seems", "feel",    "quite", "very",       "so",     "too",     "more",   "most",
        "less", "least", "already", "fully", "completely", "well",   "rather",  "not"};
    if (std::find(std::begin(kBefore), std::end(kBefore), before) != std::end(kBefore))
        return true;
    return std::any_of(kContractedBe.begin(), kContractedBe.end(),
                       [&before](std::string_view ending) { return before.ends_with(ending); });
}

// The subject pronoun before the word, if one stands there: "we" in "we work", "she" in "she works".
Subject subjectBefore(std::span<const std::string> words, std::span<const TextWord> text, std::size_t at)
{
    if (opensClause(text, at))
        return Subject::None;
    const std::string before = wordBefore(words, at);
    // "you" and "it" are objects as often ("I will destroy you like the last"): subjects only
    // first in their clause.
    const bool first = opensClause(text, at - 1);
    if (before == "he" || before == "she" || (before == "it" && first))
        return Subject::ThirdPerson;
    const bool other = before == "i" || before == "we" || before == "they" || (before == "you" && first);
    return other ? Subject::Other : Subject::None;
}

// "do", "does", "did" that open a question, first in the clause or after a question word, before
// its subject ("did you see", "where did they go"): Czech asks by word order and tone alone, so
// the word says nothing. "I did it", "we must do it" keep their deed.
bool isQuestionAuxiliary(std::span<const std::string> words, std::span<const TextWord> text, std::size_t at)
{
    const std::string word = lowerAsciiLetters(words[at]);
    if (word != "do" && word != "does" && word != "did")
        return false;
    if (at + 2 >= words.size() || text[at].endsClause || text[at + 1].endsClause)
        return false;
    static constexpr std::string_view kQuestionWords[]{"what", "where", "why", "how", "when", "who", "which"};
    const bool opens = opensClause(text, at)
        || std::find(std::begin(kQuestionWords), std::end(kQuestionWords), wordBefore(words, at))
            != std::end(kQuestionWords);
    static constexpr std::string_view kSubjects[]{"i", "you", "he", "she", "it", "we", "they"};
    const std::string subject = lowerAsciiLetters(words[at + 1]);
    // "Do it!" is an order; "does it", "did it" ask.
    if (word == "do" && subject == "it")
        return false;
    return opens && std::find(std::begin(kSubjects), std::end(kSubjects), subject) != std::end(kSubjects);
}

// After "will", "must", "can" and their like, or as an order first in its clause ("Wait here!",
// "Do it!"), an English verb most often means one deed done: Czech says it with the perfective
// verb ("udělat", "zaplatit"). Not an order "do not ...", which Czech gives imperfective.
bool asksForADeed(std::span<const std::string> words, std::span<const TextWord> text, std::size_t at)
{
    if (opensClause(text, at)) {
        const bool negated
            = at + 1 < words.size() && !text[at].endsClause && lowerAsciiLetters(words[at + 1]) == "not";
        return !negated;
    }
    const std::string before = wordBefore(words, at);
    static constexpr std::string_view kModals[]{"will",   "shall", "must",  "can",   "could",
                                                "should", "would", "might", "may",   "cannot",
                                                "can't",  "won't", "let's", "gotta", "gonna"};
    return before.ends_with("'ll")
        || std::find(std::begin(kModals), std::end(kModals), before) != std::end(kModals);
}

bool opensClause(std::span<const TextWord> text, std::size_t at)
{
    return at == 0 || text[at - 1].endsClause;
}

// Czech has no articles: "a car" is "auto", and "the" is "ten" only where it points.
bool isEnglishArticle(std::string_view word)
{
    const std::string cleaned = lowerAsciiLetters(word);
    return cleaned == "a" || cleaned == "an" || cleaned == "the";
}

// "se" and "si" that no phrase took: the pronoun of a reflexive verb, whose verb's box reads the
// verb ("připravte se": "prepare"). English says nothing for it; "with" would be wrong.
bool isUnsaidReflexivePronoun(std::span<const std::string> words, std::span<const TextWord> text,
                              std::size_t at)
{
    const std::string word = lowerAsciiLetters(words[at]);
    if (word == "si")
        return true;
    if (word != "se")
        return false;
    const bool last = at + 1 == words.size() || text[at].endsClause;
    return last || !startsAfterPrepositionSe(words[at + 1]);
}

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/BestReading.h"

#include "engine/BaseForms.h"
#include "engine/CzechForms.h"
#include "engine/EnglishForms.h"
#include "engine/Query.h"
#include "engine/ReadingContext.h"
#include "engine/ResultLine.h"
#include "engine/Translate.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace slovnik {
namespace {

// Of a word with very many lines ("to", "the") only the first few can be its everyday sense; of
// its base forms, the first few.
constexpr std::size_t kOwnLinesWeighed = 8;
constexpr std::size_t kLemmasWeighed = 3;
// A longer word stands for a word only when the word is its stem and it adds an ending.
constexpr std::size_t kShortestStemOfALongerWord = 3;
constexpr std::size_t kLongestEndingOfALongerWord = 2;

std::size_t wordCount(std::string_view text)
{
    std::size_t words = 0;
    bool inWord = false;
    for (const char c : text) {
        if (c != ' ' && !inWord)
            ++words;
        inWord = c != ' ';
    }
    return words;
}

BoxReading lineReading(std::string line, BoxReading::Source source)
{
    BoxReading reading;
    reading.kind = BoxReading::Kind::Line;
    reading.source = source;
    reading.line = std::move(line);
    return reading;
}

BoxReading ownReading(const ReadingIndex &index, std::uint32_t entry)
{
    return lineReading(index.line(entry), BoxReading::Source::Own);
}

// The first lines of a table word that can be its everyday sense.
std::vector<std::uint32_t> weighedLines(const ReadingIndex &index, const std::string &word)
{
    std::vector<std::uint32_t> lines = index.entriesOf(word);
    if (lines.size() > kOwnLinesWeighed)
        lines.resize(kOwnLinesWeighed);
    return lines;
}

// Whether `phrase` holds `word` as one of its words: "old woman" holds "old".
bool hasWord(std::string_view phrase, std::string_view word)
{
    for (std::size_t at = phrase.find(word); at != std::string_view::npos; at = phrase.find(word, at + 1)) {
        const std::size_t end = at + word.size();
        if ((at == 0 || phrase[at - 1] == ' ') && (end == phrase.size() || phrase[end] == ' '))
            return true;
    }
    return false;
}

// Whether `other` (a word of the shown field) translates `meant` (the shown word of the base
// form's everyday line), itself or as one of its forms: "hours" translates "hour". Only the form
// rules' guesses are weighed: `meant` is a table word already, so no scan of the table is needed.
bool translates(const ReadingIndex &index, std::string_view other, std::string_view meant)
{
    const std::string cleaned = cleanedWord(other);
    if (cleaned == meant)
        return true;
    const std::vector<BaseCandidate> guesses = index.direction() == TranslationDirection::CzechToEnglish
        ? englishBaseCandidates(cleaned)
        : czechBaseCandidates(cleaned);
    return std::any_of(guesses.begin(), guesses.end(),
                       [meant](const BaseCandidate &guess) { return !guess.negated && guess.word == meant; });
}

// The line of a Czech verb with its "se" or "si" (`pronouns`): "dívám": "dívat se = look".
BoxReading reflexiveReading(const ReadingIndex &index, std::string_view word,
                            std::initializer_list<std::string_view> pronouns = {" se", " si"})
{
    if (index.direction() != TranslationDirection::CzechToEnglish)
        return {};
    for (const BaseForm &form : index.readingsOf(word)) {
        for (const std::string_view pronoun : pronouns) {
            const std::vector<std::uint32_t> lines = index.entriesOf(form.word + std::string(pronoun));
            if (lines.empty() || form.negated)
                continue;
            BoxReading reading = lineReading(index.line(lines.front()), BoxReading::Source::BaseForm);
            reading.base = form.word + std::string(pronoun);
            return reading;
        }
    }
    return {};
}

// How far from its pronoun a reflexive verb may stand: "se moc nevěnoval", "se nám vzdal".
constexpr std::size_t kReflexiveReach = 3;

// Whether the table has a line for the word's base form, negated or not, with the `pronoun`.
bool takesReflexivePronoun(const ReadingIndex &index, std::string_view word, std::string_view pronoun)
{
    const std::vector<BaseForm> forms = index.readingsOf(word);
    return std::any_of(forms.begin(), forms.end(), [&](const BaseForm &form) {
        return form.word.ends_with(pronoun) || !index.entriesOf(form.word + std::string(pronoun)).empty();
    });
}

// Czech puts "se" and "si" second in the clause, often apart from their verb ("co se stalo",
// "brzy se vrátím"): the nearest word of the clause that has a line with that pronoun ("stát se
// = happen") reads it. A word the learner changed or a phrase took is left as it is.
void giveReflexivePronounsTheirVerbs(const ReadingIndex &index, std::span<const std::string> words,
                                     std::span<const TextWord> text, std::vector<BoxReading> &reading,
                                     const std::function<bool(std::size_t)> &isChanged)
{
    const auto clauseOf = [&text](std::size_t at) {
        std::size_t begin = at;
        while (begin > 0 && !text[begin - 1].endsClause)
            --begin;
        std::size_t end = at;
        while (end + 1 < text.size() && !text[end].endsClause)
            ++end;
        return std::pair{begin, end + 1};
    };
    for (std::size_t at = 0; at < reading.size(); ++at) {
        if (reading[at].kind != BoxReading::Kind::Unsaid
            || reading[at].unsaid != BoxReading::Unsaid::ReflexivePronoun)
            continue;
        std::string pronoun(1, ' ');
        pronoun += lowerAsciiLetters(words[at]);
        const auto [begin, end] = clauseOf(at);
        // The verb after the pronoun first, as the pronoun usually comes before it.
        for (std::size_t distance = 1; distance <= kReflexiveReach && distance < end - begin; ++distance) {
            bool given = false;
            for (const bool after : {true, false}) {
                if (after ? at + distance >= end : at < begin + distance)
                    continue;
                const std::size_t verb = after ? at + distance : at - distance;
                if (isChanged(verb))
                    continue;
                const BoxReading &current = reading[verb];
                if (current.kind == BoxReading::Kind::Covered || current.kind == BoxReading::Kind::Unsaid
                    || current.source == BoxReading::Source::Phrase)
                    continue;
                if (BoxReading reflexive = reflexiveReading(index, words[verb], {pronoun});
                    reflexive.kind == BoxReading::Kind::Line) {
                    reading[verb] = std::move(reflexive);
                    given = true;
                    break;
                }
                // A negated verb takes its pronoun too: "neboj se" is "nebát se = not be afraid",
                // not "boj" (fight) negated. Where its negated line is not offered it keeps its reading.
                if (takesReflexivePronoun(index, words[verb], pronoun)) {
                    const std::vector<BaseFormOffer> offers
                        = baseFormOffers(index.table(), words[verb], index.direction());
                    const auto negated
                        = std::find_if(offers.begin(), offers.end(), [&](const BaseFormOffer &offer) {
                              return offer.negated && offer.base.ends_with(pronoun);
                          });
                    if (negated != offers.end()) {
                        reading[verb] = lineReading(negated->line, BoxReading::Source::BaseForm);
                        reading[verb].base = negated->base;
                        reading[verb].negated = true;
                    }
                    given = true;
                    break;
                }
            }
            if (given)
                break;
        }
    }
}

// A word the table holds only in longer words: the commonest of those that differ from it by an
// ending ("víc": "více = more"), rather than the first in the alphabet ("či": "čidlo").
BoxReading closeLongerReading(const ReadingIndex &index, std::string_view word)
{
    if (BoxReading reflexive = reflexiveReading(index, word); reflexive.kind == BoxReading::Kind::Line)
        return reflexive;
    const std::string scanned = lowerAsciiLetters(word);
    if (scanned.size() < kShortestStemOfALongerWord)
        return {};
    const std::vector<std::uint32_t> longer = index.entriesExtending(scanned, kLongestEndingOfALongerWord);
    if (longer.empty())
        return {};
    const auto everyday = std::find_if(longer.begin(), longer.end(),
                                       [&index](std::uint32_t entry) { return index.isEveryday(entry); });
    return ownReading(index, everyday != longer.end() ? *everyday : longer.front());
}

// After its subject an English word is a verb ("we work", "they fear", "she works"): the first of
// its everyday lines that is a Czech verb, if its reading is none. After "I", "you", "we" and "they"
// the verb is the word itself, so a plural noun ("you dwarves") is left alone; after "he", "she"
// and "it" a word in "-s" is read through its base form.
void preferVerb(const ReadingIndex &index, std::string_view word, Subject subject, BoxReading &reading)
{
    if (reading.kind != BoxReading::Kind::Line || isCzechVerb(resultLineParts(reading.line).other))
        return;
    std::vector<std::string> words{lowerAsciiLetters(word)};
    if (subject == Subject::ThirdPerson && words.front().ends_with('s')) {
        for (const BaseForm &form : index.readingsOf(word)) {
            if (!form.negated && form.word != words.front())
                words.push_back(form.word);
        }
    }
    for (const std::string &each : words) {
        for (const std::uint32_t entry : weighedLines(index, each)) {
            if (isCzechInfinitive(resultLineParts(index.line(entry)).other)) {
                reading = each == words.front()
                    ? ownReading(index, entry)
                    : lineReading(index.line(entry), BoxReading::Source::BaseForm);
                if (each != words.front())
                    reading.base = each;
                return;
            }
        }
    }
}

// The perfective partner of the reading's Czech verb among the word's own lines: "dělat" gives
// "udělat", "platit" "zaplatit".
void preferPerfective(const ReadingIndex &index, std::string_view word, BoxReading &reading)
{
    if (reading.kind != BoxReading::Kind::Line || reading.source != BoxReading::Source::Own)
        return;
    const std::string_view verb = resultLineParts(reading.line).other;
    if (!isCzechInfinitive(verb) || verb != verbWord(verb))
        return;
    static constexpr std::string_view kPrefixes[]{"u", "za", "po", "na", "vy", "s", "z", "pro", "do", "o"};
    for (const std::uint32_t entry : weighedLines(index, lowerAsciiLetters(word))) {
        const std::string line = index.line(entry);
        const std::string_view other = resultLineParts(line).other;
        for (const std::string_view prefix : kPrefixes) {
            if (other.size() == prefix.size() + verb.size() && other.starts_with(prefix)
                && other.ends_with(verb)) {
                reading = ownReading(index, entry);
                return;
            }
        }
    }
}

// Words whose sense first in a clause differs from their everyday one: "So, what now?" is
// "Takže", where "so good" is "tak".
void preferClauseOpening(const ReadingIndex &index, std::string_view word, BoxReading &reading)
{
    static constexpr std::pair<std::string_view, std::string_view> kOpening[]{{"so", "so = tak\x9e\x65"}};
    const std::string cleaned = lowerAsciiLetters(word);
    for (const auto &[opening, line] : kOpening) {
        if (cleaned != opening)
            continue;
        for (const std::uint32_t entry : index.entriesOf(cleaned)) {
            if (index.line(entry) == line)
                reading = ownReading(index, entry);
        }
    }
}

} // namespace

BoxReading everydayReading(const ReadingIndex &index, std::string_view word, bool adjective)
{
    const std::string scanned = lowerAsciiLetters(word);
    const std::vector<std::uint32_t> own = weighedLines(index, scanned);
    if (!own.empty() && index.isEveryday(own.front()))
        return ownReading(index, own.front());

    // The words it stands for other than itself, best first, each with its everyday line. A
    // positive word read negated has the negated lines a box offers for it.
    std::vector<BoxReading> lemmas;
    bool firstLemmaReviewed = false; // its line is the reviewed sense of the base word itself
    for (const BaseForm &form : index.readingsOf(word)) {
        if (form.word == scanned || lemmas.size() == kLemmasWeighed)
            continue;
        BoxReading lemma;
        if (form.negated) {
            const std::vector<BaseFormOffer> offers = baseFormOffers(index.table(), word, index.direction());
            const auto line = std::find_if(offers.begin(), offers.end(), [&form](const BaseFormOffer &offer) {
                return offer.base == form.word;
            });
            if (line == offers.end())
                continue;
            lemma = lineReading(line->line, BoxReading::Source::BaseForm);
        } else {
            const std::vector<std::uint32_t> lines = index.entriesOf(form.word);
            if (lines.empty())
                continue;
            lemma = lineReading(index.line(lines.front()), BoxReading::Source::BaseForm);
            if (lemmas.empty())
                firstLemmaReviewed = index.review(lines.front()) == ReadingIndex::Review::ForTheWord;
        }
        lemma.base = form.word;
        lemma.negated = form.negated;
        lemmas.push_back(std::move(lemma));
    }
    if (lemmas.empty())
        return own.empty() ? closeLongerReading(index, word) : ownReading(index, own.front());

    // A form with lines of its own takes the one that translates a base form's everyday sense;
    // own lines that only mention it ("stará = old woman" for "starý = old") point to the base.
    for (const BoxReading &lemma : lemmas) {
        const std::string_view meant = resultLineParts(lemma.line).other;
        for (const std::uint32_t entry : own) {
            if (translates(index, resultLineParts(index.line(entry)).other, meant))
                return ownReading(index, entry);
        }
        const bool mentioned = std::any_of(own.begin(), own.end(), [&](std::uint32_t entry) {
            return hasWord(resultLineParts(index.line(entry)).other, meant);
        });
        if (mentioned)
            return lemma;
    }
    const std::string_view meant = resultLineParts(lemmas.front().line).other;
    const auto longer = [&](std::uint32_t entry) {
        return wordCount(resultLineParts(index.line(entry)).other) > wordCount(meant);
    };
    // A rare sense of a Czech form's own ("tohoto = hereof") gives way to the reviewed sense of its
    // base word, whose form it is. English guesses are not all forms: "leader" is no "lead".
    const bool czechForm = index.direction() == TranslationDirection::CzechToEnglish;
    const bool verbOfAPastForm = !czechForm && !adjective && scanned.ends_with("ed") && !own.empty()
        && index.review(own.front()) == ReadingIndex::Review::None && isCzechInfinitive(meant)
        && !isCzechVerb(resultLineParts(index.line(own.front())).other);
    const bool baseFirst = (firstLemmaReviewed && czechForm) || verbOfAPastForm;
    if (!own.empty() && !std::all_of(own.begin(), own.end(), longer) && !baseFirst)
        return ownReading(index, own.front());
    return lemmas.front();
}

std::vector<std::string> phraseLines(const ReadingIndex &index, std::span<const TextWord> text,
                                     std::size_t at)
{
    std::vector<std::string> lines;
    for (const PhraseMatch &match : index.matchesAt(text, at))
        lines.push_back(index.line(match.entry));
    return lines;
}

namespace {

// "don't worry", "didn't know": Czech says the negation on the verb ("nedělej si starosti",
// "nevěděl"). The contraction's box is unsaid and the verb's box reads its negated line, where
// the verb reads as a Czech verb; a learner's box is left as it is.
void putNegationsOnTheirVerbs(std::span<const std::string> words, std::span<const TextWord> text,
                              std::vector<BoxReading> &reading,
                              const std::function<bool(std::size_t)> &isChanged)
{
    static constexpr std::string_view kNegations[]{"don't", "doesn't", "didn't"};
    for (std::size_t at = 0; at + 1 < words.size(); ++at) {
        const std::string word = cleanedWord(words[at]);
        if (std::find(std::begin(kNegations), std::end(kNegations), word) == std::end(kNegations)
            || text[at].endsClause || isChanged(at) || isChanged(at + 1)
            || reading[at].kind != BoxReading::Kind::Line || reading[at + 1].kind != BoxReading::Kind::Line
            || reading[at + 1].negated)
            continue;
        const ResultLineParts verb = resultLineParts(reading[at + 1].line);
        // The verb leads its field: "dělat si starosti", "mít rád".
        if (!isCzechInfinitive(verb.other.substr(0, verb.other.find(' '))))
            continue;
        std::string line = negatedWord(verb.word, false);
        line += ResultSeparator;
        line += negatedWord(verb.other, true);
        if (line.size() > kMaxResultLineLength)
            continue;
        // A phrase stays the phrase, over the words it takes ("don't look back").
        BoxReading &negated = reading[at + 1];
        if (negated.base.empty())
            negated.base = verb.word;
        if (negated.source == BoxReading::Source::Own)
            negated.source = BoxReading::Source::BaseForm;
        negated.line = std::move(line);
        negated.negated = true;
        reading[at] = BoxReading{};
        reading[at].kind = BoxReading::Kind::Unsaid;
        reading[at].unsaid = BoxReading::Unsaid::Negation;
    }
}

} // namespace

std::vector<BoxReading> bestReading(const ReadingIndex &index, std::span<const std::string> words,
                                    const std::vector<bool> &clauseEnds, const std::vector<bool> &changed)
{
    const auto isChanged = [&changed](std::size_t at) { return at < changed.size() && changed[at]; };
    const std::vector<TextWord> text = textWords(index, words, clauseEnds);
    std::vector<BoxReading> reading(words.size());
    for (std::size_t at = 0; at < words.size(); ++at) {
        if (isChanged(at))
            continue;
        const std::vector<PhraseMatch> matches = index.matchesAt(text, at);
        const auto free = std::find_if(matches.begin(), matches.end(), [&](const PhraseMatch &match) {
            for (std::size_t i = 1; i < match.words; ++i) {
                if (isChanged(at + i))
                    return false;
            }
            return true;
        });
        if (free == matches.end()) {
            const bool english = index.direction() == TranslationDirection::EnglishToCzech;
            if (english && isEnglishArticle(words[at])) {
                reading[at].kind = BoxReading::Kind::Unsaid;
            } else if (english && isQuestionAuxiliary(words, text, at)) {
                reading[at].kind = BoxReading::Kind::Unsaid;
                reading[at].unsaid = BoxReading::Unsaid::Auxiliary;
            } else if (!english && isUnsaidReflexivePronoun(words, text, at)) {
                reading[at].kind = BoxReading::Kind::Unsaid;
                reading[at].unsaid = BoxReading::Unsaid::ReflexivePronoun;
            } else {
                reading[at] = everydayReading(index, words[at],
                                              english && participleReadsAsAdjective(words, text, at));
                if (const Subject subject = subjectBefore(words, text, at);
                    english && subject != Subject::None)
                    preferVerb(index, words[at], subject, reading[at]);
                if (english && opensClause(text, at))
                    preferClauseOpening(index, words[at], reading[at]);
                if (english && asksForADeed(words, text, at))
                    preferPerfective(index, words[at], reading[at]);
                // A longer word that merely begins with it ("či": "čidlo = detector") would mislead.
                if (reading[at].kind == BoxReading::Kind::Keep)
                    reading[at].kind = BoxReading::Kind::Nothing;
            }
            continue;
        }
        reading[at] = lineReading(index.line(free->entry), BoxReading::Source::Phrase);
        reading[at].phraseWords = free->words;
        for (std::size_t i = 1; i < free->words; ++i) {
            reading[at + i].kind = BoxReading::Kind::Covered;
            reading[at + i].coveredBy = at;
        }
        at += free->words - 1;
    }
    if (index.direction() == TranslationDirection::CzechToEnglish)
        giveReflexivePronounsTheirVerbs(index, words, text, reading, isChanged);
    else
        putNegationsOnTheirVerbs(words, text, reading, isChanged);
    return reading;
}

std::string readingSentence(std::span<const std::string> boxTexts, const std::vector<bool> &covered)
{
    std::string sentence;
    for (std::size_t at = 0; at < boxTexts.size(); ++at) {
        if (at < covered.size() && covered[at])
            continue;
        sentence += sentencePart(boxTexts[at]);
        sentence += ' ';
    }
    return sentence;
}

std::vector<bool> coveredBoxes(std::span<const BoxReading> reading)
{
    std::vector<bool> covered;
    for (const BoxReading &box : reading)
        covered.push_back(box.kind == BoxReading::Kind::Covered || box.kind == BoxReading::Kind::Unsaid);
    return covered;
}

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/ReadingIndex.h"

#include "engine/BaseForms.h"
#include "engine/CzechForms.h"
#include "engine/EnglishForms.h"
#include "engine/Query.h"
#include "engine/ResultLine.h"
#include "engine/Search.h"

#include <algorithm>

namespace slovnik {

// Entries and words compared by the entry's searched word, for the look-ups in m_byWord.
struct ReadingIndex::SearchedOrder {
    const ReadingIndex *index;
    bool operator()(std::uint32_t a, std::uint32_t b) const
    {
        return index->searched(a) < index->searched(b);
    }
    bool operator()(std::uint32_t entry, std::string_view word) const
    {
        return index->searched(entry) < word;
    }
    bool operator()(std::string_view word, std::uint32_t entry) const
    {
        return word < index->searched(entry);
    }
};

struct ReadingIndex::FirstWordOrder {
    bool operator()(const Phrase &a, const Phrase &b) const { return a.words.front() < b.words.front(); }
    bool operator()(const Phrase &phrase, std::string_view word) const { return phrase.words.front() < word; }
    bool operator()(std::string_view word, const Phrase &phrase) const { return word < phrase.words.front(); }
};

namespace {

// Punctuation a split keeps in a word but that closes a clause all the same: "(up);", "said:",
// a closing quote or bracket, a dash or an ellipsis (Windows-1250 0x85, 0x93, 0x94, 0x96, 0x97,
// 0xab, 0xbb).
constexpr std::string_view kClauseClosers = ";:)]}\"\x85\x93\x94\x96\x97\xab\xbb";

bool closesClause(std::string_view word)
{
    return !word.empty() && kClauseClosers.find(word.back()) != std::string_view::npos;
}

void addReading(std::vector<std::string> &readings, std::string reading)
{
    if (!reading.empty() && std::find(readings.begin(), readings.end(), reading) == readings.end())
        readings.push_back(std::move(reading));
}

// A phrase's words without its notes in brackets, which a text never repeats.
std::vector<std::string_view> phraseWords(std::string_view field)
{
    std::vector<std::string_view> words;
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t at = 0; at <= field.size(); ++at) {
        const char c = at < field.size() ? field[at] : ' ';
        if (c == '(')
            ++depth;
        if (c == ' ') {
            if (at > start && depth == 0 && field[start] != '(')
                words.push_back(field.substr(start, at - start));
            start = at + 1;
        }
        if (c == ')' && depth > 0)
            --depth;
    }
    return words;
}

} // namespace

std::vector<TextWord> textWords(const ReadingIndex &index, std::span<const std::string> words,
                                const std::vector<bool> &clauseEnds)
{
    std::vector<TextWord> text(words.size());
    for (std::size_t i = 0; i < words.size(); ++i) {
        TextWord &word = text[i];
        addReading(word.readings, lowerAsciiLetters(words[i]));
        addReading(word.readings, cleanedWord(words[i]));
        for (BaseForm &form : index.readingsOf(words[i])) {
            if (form.negated)
                continue;
            // A verb read with its pronoun ("dívám": "dívat se") begins that phrase as its verb.
            const std::size_t blank = form.word.find(' ');
            if (blank != std::string::npos)
                addReading(word.readings, form.word.substr(0, blank));
            addReading(word.readings, std::move(form.word));
        }
        word.endsClause = closesClause(words[i]) || (i < clauseEnds.size() && clauseEnds[i]);
        const std::string cleaned = cleanedWord(words[i]);
        if (cleaned.find('\'') != std::string::npos)
            word.contraction = cleaned;
    }
    return text;
}

ReadingIndex::ReadingIndex(std::span<const DictionaryEntry> table, TranslationDirection direction,
                           std::span<const std::uint16_t> everyday, std::span<const std::uint16_t> wordOrder,
                           std::span<const std::uint16_t> otherEveryday) :
    m_table(table),
    m_direction(direction),
    m_everyday(everyday),
    m_otherEveryday(otherEveryday)
{
    struct Place {
        std::size_t from, count;
        std::uint32_t entry;
    };
    std::vector<Place> places;
    for (std::size_t entry = 0; entry < table.size(); ++entry) {
        const std::string_view field = fieldText(SearchedField(table[entry], direction));
        if (field.find(' ') == std::string_view::npos)
            continue;
        const std::vector<std::string_view> words = phraseWords(field);
        if (words.size() >= 2) {
            places.push_back({m_phraseWords.size(), words.size(), static_cast<std::uint32_t>(entry)});
            m_phraseWords.insert(m_phraseWords.end(), words.begin(), words.end());
        }
    }
    m_phraseWords.shrink_to_fit();
    m_phrases.reserve(places.size());
    for (const Place &place : places)
        m_phrases.push_back({std::span(m_phraseWords).subspan(place.from, place.count), place.entry});
    if (wordOrder.size() == table.size()) {
        m_byWord.assign(wordOrder.begin(), wordOrder.end());
    } else {
        m_byWord.resize(table.size());
        for (std::size_t entry = 0; entry < table.size(); ++entry)
            m_byWord[entry] = static_cast<std::uint32_t>(entry);
        std::stable_sort(m_byWord.begin(), m_byWord.end(), SearchedOrder{this});
    }
    std::stable_sort(m_phrases.begin(), m_phrases.end(), FirstWordOrder{});
}

std::string_view ReadingIndex::searched(std::uint32_t entry) const
{
    return fieldText(SearchedField(m_table[entry], m_direction));
}

std::vector<BaseForm> ReadingIndex::readingsOf(std::string_view word) const
{
    std::vector<BaseForm> readings;
    const std::string cleaned = cleanedWord(word);
    if (cleaned.empty())
        return readings;
    const auto add = [&readings](std::string reading, bool negated) {
        const bool known = std::any_of(readings.begin(), readings.end(),
                                       [&reading](const BaseForm &form) { return form.word == reading; });
        if (!known)
            readings.push_back({std::move(reading), negated});
    };
    // A guess that only begins phrases ("dívat" of "dívat se") is a reading all the same.
    const auto isTableWord = [this](std::string_view probe) {
        const auto byFirst
            = [](const Phrase &phrase, std::string_view first) { return phrase.words.front() < first; };
        const auto phrase = std::lower_bound(m_phrases.begin(), m_phrases.end(), probe, byFirst);
        return std::binary_search(m_byWord.begin(), m_byWord.end(), probe, SearchedOrder{this})
            || (phrase != m_phrases.end() && phrase->words.front() == probe);
    };
    if (isTableWord(cleaned))
        add(cleaned, false);
    const bool czech = m_direction == TranslationDirection::CzechToEnglish;
    for (BaseCandidate &guess : czech ? czechBaseCandidates(cleaned) : englishBaseCandidates(cleaned)) {
        if (guess.negated && isTableWord(negatedWord(guess.word, czech)))
            add(negatedWord(guess.word, czech), false);
        else if (isTableWord(guess.word))
            add(std::move(guess.word), guess.negated);
    }
    return readings;
}

std::vector<std::uint32_t> ReadingIndex::entriesExtending(std::string_view prefix, std::size_t extra) const
{
    std::vector<std::uint32_t> entries;
    for (auto at = std::lower_bound(m_byWord.begin(), m_byWord.end(), prefix, SearchedOrder{this});
         at != m_byWord.end() && searched(*at).starts_with(prefix); ++at) {
        if (searched(*at).size() <= prefix.size() + extra)
            entries.push_back(*at);
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

ReadingIndex::Review ReadingIndex::review(std::uint32_t entry) const
{
    if (std::binary_search(m_everyday.begin(), m_everyday.end(), entry))
        return Review::ForTheWord;
    return std::binary_search(m_otherEveryday.begin(), m_otherEveryday.end(), entry)
        ? Review::ForItsTranslation
        : Review::None;
}

std::vector<std::uint32_t> ReadingIndex::entriesOf(std::string_view word) const
{
    const auto first
        = std::lower_bound(m_byWord.begin(), m_byWord.end(), word,
                           [this](std::uint32_t entry, std::string_view w) { return searched(entry) < w; });
    const auto last
        = std::upper_bound(first, m_byWord.end(), word,
                           [this](std::string_view w, std::uint32_t entry) { return w < searched(entry); });
    std::vector<std::uint32_t> entries(first, last);
    std::stable_sort(entries.begin(), entries.end(),
                     [this](std::uint32_t a, std::uint32_t b) { return review(a) > review(b); });
    return entries;
}

std::string ReadingIndex::line(std::uint32_t entry) const
{
    std::string line(searched(entry));
    line += ResultSeparator;
    line += fieldText(OtherField(m_table[entry], m_direction));
    return line.substr(0, kMaxResultLineLength);
}

bool ReadingIndex::continues(const Phrase &phrase, std::span<const TextWord> text, std::size_t at) const
{
    if (at + phrase.words.size() > text.size())
        return false;
    for (std::size_t i = 0; i + 1 < phrase.words.size(); ++i) {
        const std::string &contraction = text[at + i].contraction;
        if (!contraction.empty() && phrase.words[i] != contraction)
            return false;
    }
    for (std::size_t i = 1; i < phrase.words.size(); ++i) {
        if (text[at + i - 1].endsClause)
            return false;
        const std::vector<std::string> &readings = text[at + i].readings;
        if (std::find(readings.begin(), readings.end(), phrase.words[i]) == readings.end())
            return false;
    }
    return true;
}

std::span<const ReadingIndex::Phrase> ReadingIndex::phrasesStartingWith(std::string_view first) const
{
    const auto [from, to] = std::equal_range(m_phrases.begin(), m_phrases.end(), first, FirstWordOrder{});
    return {from, to};
}

std::vector<PhraseMatch> ReadingIndex::matchesAt(std::span<const TextWord> text, std::size_t at) const
{
    std::vector<PhraseMatch> matches;
    if (at >= text.size())
        return matches;
    const auto add = [&matches](const Phrase &phrase) {
        const bool found = std::any_of(matches.begin(), matches.end(), [&phrase](const PhraseMatch &match) {
            return match.entry == phrase.entry;
        });
        if (!found)
            matches.push_back({phrase.entry, phrase.words.size()});
    };
    for (const std::string &reading : text[at].readings) {
        for (const Phrase &phrase : phrasesStartingWith(reading)) {
            if (continues(phrase, text, at))
                add(phrase);
        }
    }
    // A Czech reflexive verb with its pronoun put first, as a clause often puts it: "si hrají"
    // is "hrát si", read in the pronoun's box.
    const std::string pronoun = text[at].readings.empty() ? std::string() : text[at].readings.front();
    if (m_direction == TranslationDirection::CzechToEnglish && (pronoun == "se" || pronoun == "si")
        && !text[at].endsClause && at + 1 < text.size()) {
        for (const std::string &reading : text[at + 1].readings) {
            for (const Phrase &phrase : phrasesStartingWith(reading)) {
                if (phrase.words.size() == 2 && phrase.words[1] == pronoun)
                    add(phrase);
            }
        }
    }
    std::sort(matches.begin(), matches.end(), [this](const PhraseMatch &a, const PhraseMatch &b) {
        if (a.words != b.words)
            return a.words > b.words;
        if (review(a.entry) != review(b.entry))
            return review(a.entry) > review(b.entry);
        return a.entry < b.entry;
    });
    return matches;
}

} // namespace slovnik

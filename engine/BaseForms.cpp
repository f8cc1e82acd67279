// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/BaseForms.h"

#include "engine/Cp1250Letters.h"
#include "engine/CzechForms.h"
#include "engine/EnglishForms.h"
#include "engine/Query.h"
#include "engine/ResultLine.h"
#include "engine/Search.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>

namespace slovnik {
namespace {

constexpr bool isWordEnd(unsigned char c)
{
    return cp1250::isLetter(c) || (c >= '0' && c <= '9');
}

constexpr unsigned char kLeftSingleQuote = 0x91;
constexpr unsigned char kRightSingleQuote = 0x92;

// The cleaned word itself, then the form rules' guesses.
std::vector<BaseCandidate> candidatesFor(std::string_view cleaned, TranslationDirection direction)
{
    std::vector<BaseCandidate> candidates{{std::string(cleaned), false}};
    std::vector<BaseCandidate> guesses = direction == TranslationDirection::EnglishToCzech
        ? englishBaseCandidates(cleaned)
        : czechBaseCandidates(cleaned);
    std::move(guesses.begin(), guesses.end(), std::back_inserter(candidates));
    return candidates;
}

// The entries whose searched field is one of a few words, found in one scan of the table.
class ExactHits {
public:
    explicit ExactHits(std::vector<std::string> words) : m_words(std::move(words)), m_hits(m_words.size())
    {
        for (const std::string &word : m_words) {
            if (word.size() <= FieldCapacity)
                m_lengths[word.size()] = true;
        }
    }

    void scan(std::span<const DictionaryEntry> table, TranslationDirection direction)
    {
        for (std::size_t i = 0; i < table.size(); ++i) {
            const std::string_view field = fieldText(SearchedField(table[i], direction));
            if (!m_lengths[field.size()])
                continue;
            for (std::size_t k = 0; k < m_words.size(); ++k) {
                if (m_words[k] == field)
                    m_hits[k].push_back(static_cast<std::uint32_t>(i));
            }
        }
    }

    /// The stored positions of the entries whose searched field is `word`.
    std::span<const std::uint32_t> entriesOf(std::string_view word) const
    {
        const auto at = std::find(m_words.begin(), m_words.end(), word);
        if (at == m_words.end())
            return {};
        return m_hits[static_cast<std::size_t>(at - m_words.begin())];
    }

private:
    std::vector<std::string> m_words;
    std::vector<std::vector<std::uint32_t>> m_hits;
    std::array<bool, FieldCapacity + 1> m_lengths{};
};

struct FoundForms {
    std::vector<BaseForm> forms;
    ExactHits hits;
};

// "untill", "unnless": one letter of a doubled pair too many, the slip of a table word.
std::vector<std::string> undoubled(std::string_view word)
{
    std::vector<std::string> words;
    for (std::size_t i = 1; i < word.size(); ++i) {
        if (word[i] == word[i - 1]) {
            std::string shorter(word);
            shorter.erase(i, 1);
            words.push_back(std::move(shorter));
        }
    }
    return words;
}

FoundForms findBaseForms(std::span<const DictionaryEntry> table, std::string_view word,
                         TranslationDirection direction)
{
    const std::string cleaned = cleanedWord(word);
    const bool czech = direction == TranslationDirection::CzechToEnglish;
    std::vector<BaseCandidate> candidates;
    std::vector<std::string> probes;
    std::vector<std::string> slips;
    if (!cleaned.empty()) {
        candidates = candidatesFor(cleaned, direction);
        for (const BaseCandidate &candidate : candidates) {
            if (candidate.negated)
                probes.push_back(negatedWord(candidate.word, czech));
            probes.push_back(candidate.word);
        }
        slips = undoubled(cleaned);
        probes.insert(probes.end(), slips.begin(), slips.end());
    }
    FoundForms found{{}, ExactHits(probes)};
    found.hits.scan(table, direction);
    const auto isTableWord
        = [&found](std::string_view probe) { return !found.hits.entriesOf(probe).empty(); };
    const auto add = [&found](std::string base, bool negated) {
        const bool known = std::any_of(found.forms.begin(), found.forms.end(),
                                       [&base](const BaseForm &form) { return form.word == base; });
        if (!known)
            found.forms.push_back({std::move(base), negated});
    };
    if (candidates.empty())
        return found;
    // A word read as a negation that is a slip of a table word is no negation: "untill" is no
    // "not till".
    if (std::any_of(slips.begin(), slips.end(), isTableWord))
        std::erase_if(candidates, [](const BaseCandidate &candidate) { return candidate.negated; });
    // The word itself; then the table's own negated words, before a positive word shown negated,
    // so that the first base form a learner meets says "not" in its line ("nechci" gives
    // "nechtít" before "chci"); then the other guesses in their order.
    if (isTableWord(cleaned))
        add(cleaned, false);
    for (const BaseCandidate &candidate : candidates) {
        if (candidate.negated && isTableWord(negatedWord(candidate.word, czech)))
            add(negatedWord(candidate.word, czech), false);
    }
    for (const BaseCandidate &candidate : candidates) {
        if (candidate.negated && isTableWord(negatedWord(candidate.word, czech)))
            continue;
        if (isTableWord(candidate.word))
            add(candidate.word, candidate.negated);
    }
    return found;
}

// A line built as the searches build theirs, within the same limits.
void appendBounded(std::string &line, std::string_view text, std::size_t bound)
{
    if (line.size() < bound)
        line.append(text.substr(0, bound - line.size()));
}

} // namespace

std::string cleanedWord(std::string_view word)
{
    const auto isEnd = [](char c) { return isWordEnd(static_cast<unsigned char>(c)); };
    const auto first = std::find_if(word.begin(), word.end(), isEnd);
    const auto last = std::find_if(word.rbegin(), word.rend(), isEnd).base();
    std::string cleaned;
    if (first >= last)
        return cleaned;
    cleaned.reserve(static_cast<std::size_t>(last - first));
    for (auto at = first; at != last; ++at) {
        const auto c = static_cast<unsigned char>(*at);
        cleaned.push_back(
            c == kLeftSingleQuote || c == kRightSingleQuote ? '\'' : static_cast<char>(cp1250::toSmall(c)));
    }
    return cleaned;
}

std::string negatedWord(std::string_view word, bool czech)
{
    std::string negation(czech ? "ne" : "not ");
    negation += word;
    return negation;
}

std::vector<BaseForm> baseForms(std::span<const DictionaryEntry> table, std::string_view word,
                                TranslationDirection direction)
{
    return findBaseForms(table, word, direction).forms;
}

bool readsAsNegation(std::span<const DictionaryEntry> table, std::string_view word,
                     TranslationDirection direction)
{
    const std::string cleaned = cleanedWord(word);
    const bool czech = direction == TranslationDirection::CzechToEnglish;
    if (!cleaned.starts_with(czech ? "ne" : "un"))
        return false;
    const std::vector<BaseForm> forms = findBaseForms(table, cleaned, direction).forms;
    return std::any_of(forms.begin(), forms.end(), [&](const BaseForm &form) {
        return form.negated || (czech && form.word != cleaned && form.word.starts_with("ne"));
    });
}

std::vector<BaseFormOffer> baseFormOffers(std::span<const DictionaryEntry> table, std::string_view word,
                                          TranslationDirection direction)
{
    const FoundForms found = findBaseForms(table, word, direction);
    const bool czechSearched = direction == TranslationDirection::CzechToEnglish;
    std::vector<BaseFormOffer> offers;
    for (const BaseForm &form : found.forms) {
        for (const std::uint32_t position : found.hits.entriesOf(form.word)) {
            const DictionaryEntry &entry = table[position];
            const std::string_view searched = fieldText(SearchedField(entry, direction));
            const std::string_view other = fieldText(OtherField(entry, direction));
            // A negated word may be longer than a field: it is cut so that the separator stays
            // whole and the line still splits at its "=".
            std::string line;
            appendBounded(line, form.negated ? negatedWord(searched, czechSearched) : std::string(searched),
                          kMaxWordPartLength - ResultSeparator.size());
            appendBounded(line, ResultSeparator, kMaxWordPartLength);
            appendBounded(line,
                          form.negated && !other.empty() ? negatedWord(other, !czechSearched)
                                                         : std::string(other),
                          kMaxResultLineLength);
            offers.push_back({std::move(line), form.word, form.negated});
        }
    }
    return offers;
}

std::string scannedWord(std::string_view word, WordScan scan, TranslationDirection direction)
{
    return scan == WordScan::DictionaryQuery ? cleanedQuery(word, direction) : lowerAsciiLetters(word);
}

bool scanFoundTheWord(std::span<const std::string> scannedLines, std::string_view word, WordScan scan,
                      TranslationDirection direction)
{
    const std::string itself = scannedWord(word, scan, direction);
    return std::any_of(scannedLines.begin(), scannedLines.end(),
                       [&itself](const std::string &line) { return resultLineParts(line).word == itself; });
}

std::vector<BaseFormOffer> missingBaseFormOffers(std::span<const DictionaryEntry> table,
                                                 std::span<const std::string> scannedLines,
                                                 std::string_view word, WordScan scan,
                                                 TranslationDirection direction)
{
    if (scanFoundTheWord(scannedLines, word, scan, direction))
        return {};
    std::vector<BaseFormOffer> offers = baseFormOffers(table, word, direction);
    const std::string itself = scannedWord(word, scan, direction);
    std::erase_if(offers, [&](const BaseFormOffer &offer) {
        const auto leadsThere = [&offer](const std::string &line) {
            return line == offer.line || resultLineParts(line).word == offer.base;
        };
        // Looked up, a base spelled otherwise that scans as the word itself is the same scan again.
        const bool sameScan = offer.base != itself && scannedWord(offer.base, scan, direction) == itself;
        return sameScan || std::any_of(scannedLines.begin(), scannedLines.end(), leadsThere);
    });
    return offers;
}

} // namespace slovnik

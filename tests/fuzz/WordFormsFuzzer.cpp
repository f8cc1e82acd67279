// SPDX-License-Identifier: GPL-2.0-or-later
// Query clean-up and the English word-form rules on arbitrary bytes: no rule may read outside
// the word (AddressSanitizer sees that, as the input lives in a buffer of exactly its size), and
// a guessed base form that is much longer than its word would mean a rule ran away.

#include "engine/Analyze.h"
#include "engine/Query.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace slovnik;
using slovnik::fuzz::require;

namespace {

void requireBounded(const std::string &result, std::string_view word, std::string_view rule)
{
    require(result.size() <= word.size() + 2, rule, word);
}

bool hasComparativeEnding(std::string_view word)
{
    return word.ends_with("er") || word.ends_with("est");
}

// The rules as the query run uses them, on one word.
void checkWord(std::string_view word)
{
    for (const auto direction : {TranslationDirection::EnglishToCzech, TranslationDirection::CzechToEnglish})
        requireBounded(NormalizeQuery(word, direction), word, "NormalizeQuery grows the text");

    requireBounded(ReducePlural(word), word, "ReducePlural grows the word");

    const std::string comparative = ReduceComparative(word);
    requireBounded(comparative, word, "ReduceComparative grows the word");
    if (!hasComparativeEnding(word))
        require(comparative == word, "ReduceComparative changes a word without -er/-est", word);

    // The engine never asks for the verb form of the empty word.
    if (!word.empty())
        requireBounded(ReduceVerbForm(word), word, "ReduceVerbForm grows the word");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view typed = slovnik::fuzz::asText(data, size);
    checkWord(typed);
    // What the reducers really see: the lower-cased, cleaned query.
    const std::string cleaned
        = NormalizeQuery(lowerAsciiLetters(typed), TranslationDirection::EnglishToCzech);
    checkWord(cleaned);
    return 0;
}

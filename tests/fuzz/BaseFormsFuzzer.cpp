// SPDX-License-Identifier: GPL-2.0-or-later
// Base forms on the real word table for any typed bytes: every base form is a distinct word of
// the searched field, a negated one only where the table lacks its negation, the clean-up never
// grows the word, and every offer line is within the line limit, belongs to a base form in
// base-form order and keeps a negation in both halves.

#include "engine/BaseForms.h"
#include "engine/ResultLine.h"
#include "engine/Search.h"
#include "tests/fuzz/TableInput.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

using namespace slovnik;
using slovnik::fuzz::require;

void slovnik::fuzz::checkTableInput(const TableInput &input)
{
    const auto [direction, choice, typed] = input;
    const std::set<std::string_view> &words = fieldWords(direction);
    const bool czech = direction == TranslationDirection::CzechToEnglish;

    const std::string cleaned = cleanedWord(typed);
    require(cleaned.size() <= typed.size(), "cleanedWord grows the word", typed);
    require(std::none_of(cleaned.begin(), cleaned.end(), [](char c) { return c >= 'A' && c <= 'Z'; }),
            "cleanedWord leaves a capital", typed);

    const std::vector<BaseForm> forms = baseForms(readableTable(), typed, direction);
    std::vector<std::string> seen;
    for (const BaseForm &form : forms) {
        require(words.contains(form.word), "a base form is no word of the searched field", typed);
        require(std::find(seen.begin(), seen.end(), form.word) == seen.end(), "a base form stands twice",
                typed);
        require(!form.negated || !words.contains(negatedWord(form.word, czech)),
                "a negated base form whose negation the table has", typed);
        seen.push_back(form.word);
    }

    std::size_t formAt = 0;
    for (const BaseFormOffer &offer : baseFormOffers(readableTable(), typed, direction)) {
        require(offer.line.size() <= kMaxResultLineLength, "an offer line over the limit", typed);
        while (formAt < forms.size() && forms[formAt].word != offer.base)
            ++formAt;
        require(formAt < forms.size(), "an offer out of base-form order or of no base form", typed);
        require(offer.negated == forms[formAt].negated, "an offer's negation differs from its base form's",
                typed);
        const ResultLineParts parts = resultLineParts(offer.line);
        require(parts.hasOther && offer.line.find(ResultSeparator) != std::string::npos,
                "an offer line without its separator", typed);
        if (offer.negated && !parts.other.empty())
            require(parts.other.starts_with(czech ? "not " : "ne"), "a negated offer reads as the plain word",
                    typed);
    }
    (void)choice;
}

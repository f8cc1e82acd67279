// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/Query.h"

#include <algorithm>

namespace slovnik {

std::string lowerAsciiLetters(std::string_view text)
{
    std::string lowered(text);
    for (char &c : lowered) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lowered;
}

std::string NormalizeQuery(std::string_view text, TranslationDirection direction)
{
    if (text.starts_with(' '))
        text.remove_prefix(1);
    if (direction == TranslationDirection::EnglishToCzech) {
        // Each article at most once, and "a " before "the ": "the a cat" keeps its "a ".
        if (text.starts_with("a "))
            text.remove_prefix(2);
        if (text.starts_with("the "))
            text.remove_prefix(4);
    }
    std::string cleaned(text);
    std::erase(cleaned, '\'');
    return cleaned;
}

std::string cleanedQuery(std::string_view typed, TranslationDirection direction)
{
    return NormalizeQuery(lowerAsciiLetters(typed), direction);
}

} // namespace slovnik

#pragma once

// Czech word forms behind the base forms: the words of which a cleaned (lower-case) Czech word
// is a declined, conjugated or compared form.

#include <string>
#include <string_view>
#include <vector>

namespace slovnik {

struct CzechBase {
    std::string word;
    bool negated = false; ///< the form is the negation of `word`
};

/// The candidate base words of a cleaned Czech word, likeliest first, without the word itself;
/// may hold words that are no table words.
std::vector<CzechBase> czechBaseCandidates(std::string_view word);

} // namespace slovnik

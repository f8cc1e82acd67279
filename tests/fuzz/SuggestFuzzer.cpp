// SPDX-License-Identifier: GPL-2.0-or-later
// Spelling suggestions on the real word table for any typed bytes. Every suggestion must be a
// distinct word of the searched field, there are never more than asked for, an empty cleaned
// query has none, and asking twice gives the same answer.

#include "engine/Query.h"
#include "engine/Search.h"
#include "engine/Suggest.h"
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
    const std::size_t limit = choice % (MaxSuggestions + 2);
    static Suggester suggester(readableTable());
    const std::set<std::string_view> &words = fieldWords(direction);

    const std::vector<std::string> suggestions = suggester.suggest(typed, direction, limit);
    require(suggestions.size() <= std::min(limit, MaxSuggestions), "more suggestions than asked for", typed);
    if (cleanedQuery(typed, direction).empty())
        require(suggestions.empty(), "suggestions for an empty query", typed);
    std::set<std::string> distinct;
    for (const std::string &suggestion : suggestions) {
        require(!suggestion.empty() && words.contains(suggestion),
                "a suggestion that is no word of the field", suggestion);
        require(distinct.insert(suggestion).second, "a word suggested twice", suggestion);
    }
    require(suggester.suggest(typed, direction, limit) == suggestions, "a second call answered otherwise",
            typed);
}

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Spelling help: the table's words closest to a mistyped one, so that "recieve" or Czech typed
// without its diacritics ("dekuji") still leads to an entry. Only the words of the searched
// field are offered, ranked by the cost of the typing errors between them and what was typed
// (TypingErrors.h); among equal costs the commoner word, which the table stores first, wins.

#include "engine/Dic.h"
#include "engine/Direction.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace slovnik {

/// The most suggestions one call gives.
inline constexpr std::size_t MaxSuggestions = 10;
/// How many suggested words the windows offer at a time.
inline constexpr std::size_t ShownSuggestions = 5;

class Suggester {
public:
    /// Reads `table`, which must stay readable and unchanged while the suggester lives.
    explicit Suggester(std::span<const DictionaryEntry> table);

    /// Up to min(limit, MaxSuggestions) distinct searched-field words of the table closest to
    /// `typed`, best first; `typed` is cleaned as the query box's text is. Gives nothing for a
    /// text that cleans to empty, is far longer than any word, is less than half letters, or
    /// holds a symbol or control character that no word of the field holds: none of these is a
    /// mistyped word (an emoji reaches the engine as "?").
    /// Deterministic. The first call for a direction gathers that field's words once.
    std::vector<std::string> suggest(std::string_view typed, TranslationDirection direction,
                                     std::size_t limit);

private:
    // The distinct words of one field, sorted byte-wise so that words sharing a beginning share
    // the rows of the distance table that belong to it.
    struct Candidates {
        std::string bytes; ///< every word, one after another
        std::vector<std::uint32_t> offsets; ///< where word k starts in bytes; one past the last
        std::vector<std::uint32_t> ranks; ///< the stored position of its first entry
        std::vector<std::uint8_t> shared; ///< characters word k has in common with word k - 1
        std::array<bool, 256> alphabet{}; ///< the bytes that occur in some word
    };

    const Candidates &candidates(TranslationDirection direction);
    static Candidates gather(std::span<const DictionaryEntry> table, TranslationDirection direction);

    std::span<const DictionaryEntry> m_table;
    std::array<std::optional<Candidates>, 2> m_candidates;
};

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The dictionary searches: linear scans of the whole table in stored order, each hit handed on
// at once as a result line "searched = other". There is no index; a scan is cheap enough to run
// on every keystroke.

#include "engine/Dic.h"
#include "engine/Direction.h"
#include "engine/ResultLine.h"

#include <cstdint>

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace slovnik {

/// Where the hits of a scan go, one line at a time, in table order.
class LineSink {
public:
    virtual ~LineSink() = default;
    virtual void addLine(std::string_view line) = 0;
    /// The same hit with its place in the table, for a sink that keeps places rather than text.
    virtual void addHit(std::size_t entry, std::string_view line)
    {
        static_cast<void>(entry);
        addLine(line);
    }
};

/// Room for one result line, which resultLineOf writes.
using ResultLineBuffer = std::array<char, kMaxResultLineLength>;
/// The line a search gives for `entry`, written into `buffer`: a list that keeps table places
/// makes its lines again from them.
std::string_view resultLineOf(const DictionaryEntry &entry, TranslationDirection direction,
                              ResultLineBuffer &buffer);

/// The field compared with the query, and the one shown after the separator.
const ShortField &SearchedField(const DictionaryEntry &entry, TranslationDirection direction);
const ShortField &OtherField(const DictionaryEntry &entry, TranslationDirection direction);

/// Both searches hand on each hit as "searched = other", at most kMaxResultLineLength characters;
/// an empty other field gives a line that ends in " = ".
///
/// Every entry whose searched field begins with the query (cut to kMaxPrefixQueryLength), byte
/// for byte. An empty query finds nothing.
void PrefixSearch(std::span<const DictionaryEntry> table, std::string_view query,
                  TranslationDirection direction, LineSink &sink);

/// Every entry whose searched field equals the whole word. An empty word finds nothing.
void ExactSearch(std::span<const DictionaryEntry> table, std::string_view word,
                 TranslationDirection direction, LineSink &sink);

} // namespace slovnik

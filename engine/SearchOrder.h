// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What the searches know of a table's order: the program's table is built with its positions
// ordered by each searched field, so a search need not look at every entry.

#include "engine/Direction.h"

#include <cstdint>
#include <span>

namespace slovnik {

struct DictionaryEntry;

/// Tells the searches the positions of `table` ordered by each searched field (English, then
/// Czech), byte by byte, equal fields in stored order. Both searches then test only the entries
/// that order puts together for the query, first to last as a scan would: the same hits in the
/// same order. The program's table calls it once, as it becomes readable.
void knowSearchOrder(const DictionaryEntry *table, std::span<const std::uint16_t> englishOrder,
                     std::span<const std::uint16_t> czechOrder);

/// The order knowSearchOrder gave for `table` and `direction`, or nothing.
std::span<const std::uint16_t> knownSearchOrder(std::span<const DictionaryEntry> table,
                                                TranslationDirection direction);

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The word table: every English-Czech pair the program knows, compiled in as writable data in a
// scrambled form and made readable once, in place, at start-up.

#include "engine/Direction.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace slovnik {

inline constexpr std::size_t FieldCapacity = 20;
inline constexpr std::size_t EntryCount = 27378;

/// A fixed-capacity short text: a length byte and room for FieldCapacity single-byte characters.
/// Only the first `length` characters belong to the value; the rest of the room is never read.
struct ShortField {
    std::uint8_t length;
    std::array<unsigned char, FieldCapacity> chars;
};

struct DictionaryEntry {
    ShortField English;
    ShortField Czech;
};

inline constexpr std::size_t kEntrySize = 42;
static_assert(sizeof(ShortField) == 1 + FieldCapacity);
static_assert(sizeof(DictionaryEntry) == kEntrySize, "the stored layout is two 21-byte fields");
static_assert(offsetof(DictionaryEntry, Czech) == 1 + FieldCapacity);

using Table = std::array<DictionaryEntry, EntryCount>;
static_assert(sizeof(Table) == EntryCount * kEntrySize);

/// The program's one table, in stored order. Scrambled until DescrambleTable has run, read-only
/// afterwards; nothing sorts, inserts or removes entries. Read it through readableTable().
extern Table DictionaryTable;

/// Turns DictionaryTable into readable Windows-1250 text in place, once per process: the shift
/// is not idempotent, so every later call, from any thread, only waits for the first to finish.
void DescrambleTable();

/// The readable table for every user (the windows, the tool, tests, benchmarks): de-scrambles it
/// on first use if the start-up sequence has not done so yet.
const Table &readableTable();

/// The positions in DictionaryTable of the lines that reviewers chose as the everyday sense of a
/// searched word of `direction` ("dítě = child", not "kid"), ascending. A line reviewed for the
/// other language's word ("gotta = musím") is not the everyday sense of its translation.
std::span<const std::uint16_t> everydayEntries(TranslationDirection direction);

/// The positions of DictionaryTable ordered by the searched field of `direction`, byte by byte,
/// equal fields in stored order: made when the program is built.
std::span<const std::uint16_t> searchedWordOrder(TranslationDirection direction);

/// The de-scrambling of any run of entries, for DescrambleTable and for tests on small tables.
/// Each character byte b inside a field's length becomes b - 1 (mod 256); a length above
/// FieldCapacity is taken as FieldCapacity; bytes beyond the length are left as they are.
void descrambleEntries(std::span<DictionaryEntry> entries);

/// The value of a field: its first min(length, FieldCapacity) characters.
inline std::string_view fieldText(const ShortField &field)
{
    const std::size_t length = field.length < FieldCapacity ? field.length : FieldCapacity;
    return {reinterpret_cast<const char *>(field.chars.data()), length};
}

} // namespace slovnik

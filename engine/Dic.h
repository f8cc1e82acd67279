#pragma once

// The word table: every English-Czech pair the program knows, compiled in as writable data in a
// scrambled form and made readable once, in place, at start-up.

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

inline constexpr std::size_t EntrySize = 42;
static_assert(sizeof(ShortField) == 1 + FieldCapacity);
static_assert(sizeof(DictionaryEntry) == EntrySize, "the stored layout is two 21-byte fields");
static_assert(offsetof(DictionaryEntry, Czech) == 1 + FieldCapacity);

using Table = std::array<DictionaryEntry, EntryCount>;
static_assert(sizeof(Table) == EntryCount * EntrySize);

/// The program's one table, in stored order. Scrambled until DescrambleTable has run, read-only
/// afterwards; nothing sorts, inserts or removes entries.
extern Table DictionaryTable;

/// Turns DictionaryTable into readable Windows-1250 text in place. Exactly one caller, the
/// start-up sequence: a second run would shift every character again.
void DescrambleTable();

/// The de-scrambling of any run of entries, for DescrambleTable and for tests on small tables.
/// Each character byte b inside a field's length becomes b - 1 (mod 256); a length above
/// FieldCapacity is taken as FieldCapacity; bytes beyond the length are left as they are.
void DescrambleEntries(std::span<DictionaryEntry> entries);

/// The value of a field: its first min(length, FieldCapacity) characters.
inline std::string_view FieldText(const ShortField &field)
{
    const std::size_t length = field.length < FieldCapacity ? field.length : FieldCapacity;
    return {reinterpret_cast<const char *>(field.chars.data()), length};
}

} // namespace slovnik

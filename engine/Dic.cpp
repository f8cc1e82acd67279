// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/Dic.h"

#include "engine/Direction.h"
#include "engine/SearchOrder.h"

#include <cstring>
#include <mutex>

namespace slovnik {

// Generated at build time from data/wordlist.tsv: the pairs in stored order, Windows-1250, each
// character byte + 1. The table is writable data on purpose: it is de-scrambled in place.
Table DictionaryTable = {{
#include "StoredTable.inc"
}};

namespace {

// Generated from data/everyday_en.tsv and data/everyday_cs.tsv: the positions of the lines a
// reviewer chose as the everyday sense of an English word, and of a Czech word, each ascending.
#include "EverydayEntries.inc"
static_assert(EntryCount <= 0xffff, "positions are stored in 16 bits");

// Generated from data/wordlist.tsv: the positions by the English field, then by the Czech field,
// each byte by byte and then by position.
constexpr std::uint16_t kWordOrder[2 * EntryCount] = {
#include "WordOrder.inc"
};

// A field's 20 characters are handled as two overlapping 16-byte chunks, [0, 16) and [4, 20),
// each with a row of 0/1 shifts for the field's length. Both chunks are read before either is
// written, and the tail is written first so that the head's write wins where they overlap: two
// vector subtractions per field keep the start-up pass near the speed of a plain copy.
constexpr std::size_t kChunk = 16;
constexpr std::size_t kTailStart = FieldCapacity - kChunk;
using Chunk = std::array<unsigned char, kChunk>;
struct ShiftRows {
    std::array<Chunk, FieldCapacity + 1> head{};
    std::array<Chunk, FieldCapacity + 1> tail{};
};

constexpr ShiftRows kShifts = [] {
    ShiftRows rows;
    for (std::size_t length = 0; length <= FieldCapacity; ++length) {
        for (std::size_t i = 0; i < kChunk; ++i) {
            rows.head[length][i] = i < length ? 1 : 0;
            const std::size_t position = kTailStart + i;
            rows.tail[length][i] = position >= kChunk && position < length ? 1 : 0;
        }
    }
    return rows;
}();

void shift(Chunk &chunk, const Chunk &by)
{
    for (std::size_t i = 0; i < kChunk; ++i)
        chunk[i] = static_cast<unsigned char>(chunk[i] - by[i]);
}

void descrambleField(ShortField &field)
{
    if (field.length > FieldCapacity) [[unlikely]]
        field.length = FieldCapacity;
    Chunk head;
    Chunk tail;
    std::memcpy(head.data(), field.chars.data(), kChunk);
    std::memcpy(tail.data(), field.chars.data() + kTailStart, kChunk);
    shift(head, kShifts.head[field.length]);
    shift(tail, kShifts.tail[field.length]);
    std::memcpy(field.chars.data() + kTailStart, tail.data(), kChunk);
    std::memcpy(field.chars.data(), head.data(), kChunk);
}

} // namespace

void descrambleEntries(std::span<DictionaryEntry> entries)
{
    for (DictionaryEntry &entry : entries) {
        descrambleField(entry.English);
        descrambleField(entry.Czech);
    }
}

void DescrambleTable()
{
    static std::once_flag descrambled;
    std::call_once(descrambled, [] {
        descrambleEntries(DictionaryTable);
        knowSearchOrder(DictionaryTable.data(), searchedWordOrder(TranslationDirection::EnglishToCzech),
                        searchedWordOrder(TranslationDirection::CzechToEnglish));
    });
}

const Table &readableTable()
{
    DescrambleTable();
    return DictionaryTable;
}

std::span<const std::uint16_t> everydayEntries(TranslationDirection direction)
{
    if (direction == TranslationDirection::EnglishToCzech)
        return kEverydayOfEnglishWords;
    return kEverydayOfCzechWords;
}

std::span<const std::uint16_t> searchedWordOrder(TranslationDirection direction)
{
    const std::span<const std::uint16_t> order(kWordOrder);
    return direction == TranslationDirection::EnglishToCzech ? order.first(EntryCount)
                                                             : order.last(EntryCount);
}

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/Search.h"

#include "engine/SearchOrder.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

namespace slovnik {
namespace {

// A line is built in a fixed buffer: a one-letter query has thousands of hits, and a heap
// allocation for each would cost more than the scan itself.
class LineBuffer {
public:
    explicit LineBuffer(ResultLineBuffer &chars) : m_chars(chars) { }
    void appendBounded(std::string_view text, std::size_t bound)
    {
        if (m_size >= bound)
            return;
        const std::size_t count = std::min(text.size(), bound - m_size);
        std::memcpy(m_chars.data() + m_size, text.data(), count);
        m_size += count;
    }
    std::string_view text() const { return {m_chars.data(), m_size}; }

private:
    ResultLineBuffer &m_chars;
    std::size_t m_size = 0;
};

ShortField DictionaryEntry::*searchedMember(TranslationDirection direction)
{
    return direction == TranslationDirection::EnglishToCzech ? &DictionaryEntry::English
                                                             : &DictionaryEntry::Czech;
}

// The program's table comes with its positions ordered by each searched field (made when it is
// built): the entries whose field begins with `key` (or equals it) stand together there. Their
// positions, in stored order, or nothing for a table without that order.
std::optional<std::vector<std::uint16_t>> orderedCandidates(std::span<const DictionaryEntry> table,
                                                            TranslationDirection direction,
                                                            std::string_view key, bool wholeField)
{
    const std::span<const std::uint16_t> order = knownSearchOrder(table, direction);
    if (order.empty())
        return std::nullopt;
    const auto fieldOf
        = [&](std::uint16_t place) { return fieldText(SearchedField(table[place], direction)); };
    const auto from = std::partition_point(order.begin(), order.end(),
                                           [&](std::uint16_t place) { return fieldOf(place) < key; });
    const auto to = std::partition_point(from, order.end(), [&](std::uint16_t place) {
        const std::string_view field = fieldOf(place);
        return wholeField ? field == key : field.substr(0, key.size()) == key;
    });
    std::vector<std::uint16_t> places(from, to);
    std::sort(places.begin(), places.end());
    return places;
}

// One scan, first entry to last, without an early exit: the list wants every hit. Where the
// table's order narrows the entries that can be hits, only those are tested, still first to last.
template <typename IsHit>
void scan(std::span<const DictionaryEntry> table, TranslationDirection direction, LineSink &sink, IsHit isHit,
          const std::optional<std::vector<std::uint16_t>> &candidates = std::nullopt)
{
    const auto searched = searchedMember(direction);
    ResultLineBuffer buffer;
    const auto test = [&](std::size_t place) {
        const DictionaryEntry &entry = table[place];
        if (isHit(entry.*searched))
            sink.addHit(place, resultLineOf(entry, direction, buffer));
    };
    if (candidates) {
        for (const std::uint16_t place : *candidates)
            test(place);
        return;
    }
    for (std::size_t place = 0; place < table.size(); ++place)
        test(place);
}

} // namespace

const ShortField &SearchedField(const DictionaryEntry &entry, TranslationDirection direction)
{
    return entry.*searchedMember(direction);
}

const ShortField &OtherField(const DictionaryEntry &entry, TranslationDirection direction)
{
    return direction == TranslationDirection::EnglishToCzech ? entry.Czech : entry.English;
}

std::string_view resultLineOf(const DictionaryEntry &entry, TranslationDirection direction,
                              ResultLineBuffer &buffer)
{
    LineBuffer line(buffer);
    line.appendBounded(fieldText(SearchedField(entry, direction)), kMaxWordPartLength);
    line.appendBounded(ResultSeparator, kMaxWordPartLength);
    line.appendBounded(fieldText(OtherField(entry, direction)), kMaxResultLineLength);
    return line.text();
}

void PrefixSearch(std::span<const DictionaryEntry> table, std::string_view query,
                  TranslationDirection direction, LineSink &sink)
{
    query = query.substr(0, kMaxPrefixQueryLength);
    if (query.empty())
        return;
    const auto first = static_cast<unsigned char>(query.front());
    scan(
        table, direction, sink,
        [&](const ShortField &field) {
            // The first byte alone rejects almost every entry without a call to memcmp.
            return field.length >= query.size() && field.length <= FieldCapacity && field.chars[0] == first
                && std::memcmp(field.chars.data(), query.data(), query.size()) == 0;
        },
        orderedCandidates(table, direction, query, false));
}

void ExactSearch(std::span<const DictionaryEntry> table, std::string_view word,
                 TranslationDirection direction, LineSink &sink)
{
    if (word.empty() || word.size() > FieldCapacity)
        return; // no field can equal it; the word itself is never cut
    const auto first = static_cast<unsigned char>(word.front());
    scan(
        table, direction, sink,
        [&](const ShortField &field) {
            return field.length == word.size() && field.chars[0] == first
                && std::memcmp(field.chars.data(), word.data(), word.size()) == 0;
        },
        orderedCandidates(table, direction, word, true));
}

} // namespace slovnik

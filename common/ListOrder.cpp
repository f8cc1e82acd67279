// SPDX-License-Identifier: GPL-2.0-or-later
#include "common/ListOrder.h"

#include "common/BuiltInOrder.h"
#include "engine/Dic.h"
#include "engine/Direction.h"
#include "engine/ResultLine.h"
#include "engine/Search.h"
#include "text/Cp1250.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <deque>
#include <limits>
#include <memory>
#include <mutex>
#include <numeric>
#include <utility>

namespace slovnik {
namespace {

constexpr std::array kDirections{TranslationDirection::EnglishToCzech, TranslationDirection::CzechToEnglish};

// What a list item knows of its line in a direction: the entry that gives it, or one of these.
constexpr std::uint16_t kNotLookedUp = std::numeric_limits<std::uint16_t>::max();
constexpr std::uint16_t kNoEntry = kNotLookedUp - 1;
static_assert(EntryCount < kNoEntry);

// The Unicode character of each Windows-1250 byte: a line's text is compared with a table line
// without converting the table line.
const std::array<char16_t, 256> &unicodeOfBytes()
{
    static const std::array<char16_t, 256> characters = [] {
        std::array<char16_t, 256> all{};
        for (std::size_t byte = 0; byte < all.size(); ++byte) {
            const char single = static_cast<char>(byte);
            all[byte] = fromCp1250(std::string_view(&single, 1)).at(0).unicode();
        }
        return all;
    }();
    return characters;
}

// The three pieces of the line a search gives for an entry.
std::array<std::string_view, 3> linePieces(const DictionaryEntry &entry, TranslationDirection direction)
{
    return {fieldText(SearchedField(entry, direction)), ResultSeparator,
            fieldText(OtherField(entry, direction))};
}

QString lineText(const DictionaryEntry &entry, std::size_t direction)
{
    QString line;
    for (const std::string_view piece : linePieces(entry, kDirections[direction]))
        line += fromCp1250(piece);
    return line;
}

// Whether `text` is the line the table gives for `entry` in the direction.
bool isLineOf(QStringView text, const DictionaryEntry &entry, std::size_t direction)
{
    const auto &unicode = unicodeOfBytes();
    qsizetype at = 0;
    for (const std::string_view piece : linePieces(entry, kDirections[direction]))
        for (const char byte : piece)
            if (at >= text.size() || text[at++].unicode() != unicode[static_cast<unsigned char>(byte)])
                return false;
    return at == text.size();
}

constexpr std::uint32_t kHashStart = 2166136261U;
constexpr std::uint32_t kHashFactor = 16777619U;

std::uint32_t hashStep(std::uint32_t hash, char16_t character)
{
    return (hash ^ character) * kHashFactor;
}

std::uint32_t hashOf(QStringView text)
{
    std::uint32_t hash = kHashStart;
    for (const QChar character : text)
        hash = hashStep(hash, character.unicode());
    return hash;
}

// Every line the table gives in a direction, found by its text: an open-addressing table of
// entry numbers (plus one; zero is a free slot), kept at most half full.
class TableLines {
public:
    explicit TableLines(std::span<const DictionaryEntry> table) : m_table(table)
    {
        for (std::size_t direction = 0; direction < kDirections.size(); ++direction) {
            m_slots[direction].assign(kSlotCount, 0);
            for (std::size_t entry = 0; entry < table.size(); ++entry) {
                std::size_t slot = hashOfEntry(entry, direction) & kSlotMask;
                while (m_slots[direction][slot] != 0)
                    slot = (slot + 1) & kSlotMask;
                m_slots[direction][slot] = static_cast<std::uint16_t>(entry + 1);
            }
        }
    }

    /// The first entry whose line in the direction is the text; kNoEntry when none gives it.
    std::uint16_t find(QStringView text, std::size_t direction) const
    {
        if (text.size() > static_cast<qsizetype>(kMaxResultLineLength))
            return kNoEntry;
        const std::uint32_t hash = hashOf(text);
        for (std::size_t slot = hash & kSlotMask; m_slots[direction][slot] != 0;
             slot = (slot + 1) & kSlotMask) {
            const std::size_t entry = m_slots[direction][slot] - 1U;
            if (sameText(text, entry, direction))
                return static_cast<std::uint16_t>(entry);
        }
        return kNoEntry;
    }

private:
    static constexpr std::size_t kSlotCount = std::size_t{1} << 16;
    static constexpr std::size_t kSlotMask = kSlotCount - 1;
    static_assert(EntryCount < kSlotCount / 2);

    std::uint32_t hashOfEntry(std::size_t entry, std::size_t direction) const
    {
        const auto &unicode = unicodeOfBytes();
        std::uint32_t hash = kHashStart;
        for (const std::string_view piece : linePieces(m_table[entry], kDirections[direction]))
            for (const char byte : piece)
                hash = hashStep(hash, unicode[static_cast<unsigned char>(byte)]);
        return hash;
    }

    bool sameText(QStringView text, std::size_t entry, std::size_t direction) const
    {
        return isLineOf(text, m_table[entry], direction);
    }

    std::span<const DictionaryEntry> m_table;
    std::array<std::vector<std::uint16_t>, kDirections.size()> m_slots;
};

// The collator's order of all the table's lines in one direction: each entry's place, equal lines
// sharing one, so that sorting by place is sorting by the collator.
std::vector<std::uint16_t> placesInOrder(std::span<const DictionaryEntry> table, std::size_t direction,
                                         const QCollator &collator)
{
    std::vector<QCollatorSortKey> keys;
    keys.reserve(table.size());
    for (const DictionaryEntry &entry : table)
        keys.push_back(collator.sortKey(lineText(entry, direction)));
    std::vector<std::uint32_t> order(table.size());
    std::iota(order.begin(), order.end(), 0U);
    std::sort(order.begin(), order.end(),
              [&keys](std::uint32_t a, std::uint32_t b) { return keys[a].compare(keys[b]) < 0; });
    std::vector<std::uint16_t> places(table.size());
    std::uint16_t place = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i > 0 && keys[order[i - 1]].compare(keys[order[i]]) != 0)
            ++place;
        places[order[i]] = place;
    }
    return places;
}

bool sameCollation(const QCollator &a, const QCollator &b)
{
    return a.locale() == b.locale() && a.caseSensitivity() == b.caseSensitivity()
        && a.numericMode() == b.numericMode() && a.ignorePunctuation() == b.ignorePunctuation();
}

// What the lists of the process share: the table's lines and, per collation, their places.
class TableLineOrder {
public:
    void keep() { m_kept = true; }
    bool isKept() const { return m_kept; }

    /// Null where the order is not kept, or not made yet and not to be made now.
    const TableLines *lines(bool make)
    {
        if (!m_kept)
            return nullptr;
        const std::scoped_lock lock(m_mutex);
        if (!m_lines && make)
            m_lines = std::make_unique<const TableLines>(readableTable());
        return m_lines.get();
    }

    bool isBuiltIn(const QCollator &collator) const { return sameCollation(collator, m_builtInCollator); }

    /// The places of a direction's lines in the collator's order: built in for the collation
    /// without a locale; else made now if `make`, and empty when not made yet.
    std::span<const std::uint16_t> places(const QCollator &collator, std::size_t direction, bool make)
    {
        if (isBuiltIn(collator))
            return builtInTableLinePlaces(kDirections[direction]);
        const std::scoped_lock lock(m_mutex);
        auto known = std::find_if(m_orders.begin(), m_orders.end(), [&collator](const Order &order) {
            return sameCollation(order.collator, collator);
        });
        if (known == m_orders.end()) {
            if (!make)
                return {};
            known = m_orders.insert(m_orders.end(), Order{collator, {}});
        }
        std::vector<std::uint16_t> &places = known->places[direction];
        if (places.empty() && make)
            places = placesInOrder(readableTable(), direction, collator);
        return places;
    }

private:
    struct Order {
        QCollator collator;
        std::array<std::vector<std::uint16_t>, kDirections.size()> places;
    };
    const QCollator m_builtInCollator = resultLineCollator(fallbackListLocale());
    std::atomic<bool> m_kept = false;
    std::mutex m_mutex;
    std::unique_ptr<const TableLines> m_lines;
    // A deque: the places handed out stay where they are when another collation's are added.
    std::deque<Order> m_orders;
};

TableLineOrder &tableLineOrder()
{
    static TableLineOrder order;
    return order;
}

} // namespace

QLocale fallbackListLocale()
{
    return QLocale(QLocale::Czech, QLocale::Czechia);
}

QLocale listLocale()
{
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        return fallbackListLocale();
    return system;
}

QCollator resultLineCollator(const QLocale &locale)
{
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

QCollator wordListCollator()
{
    QCollator collator(listLocale());
    collator.setCaseSensitivity(Qt::CaseSensitive);
    return collator;
}

std::span<const std::uint16_t> knownTableLinePlaces(const QCollator &collator, TranslationDirection direction)
{
    return tableLineOrder().places(collator, direction == kDirections[0] ? 0 : 1, false);
}

void keepTableLineOrder()
{
    tableLineOrder().keep();
}

std::vector<std::uint16_t> orderOfTableLines(TranslationDirection direction, const QCollator &collator)
{
    const std::size_t index = direction == kDirections[0] ? 0 : 1;
    return placesInOrder(readableTable(), index, collator);
}

CollatedLines::CollatedLines(QCollator collator) : m_collator(std::move(collator)) { }

void CollatedLines::clear()
{
    m_items.clear();
}

void CollatedLines::append(const QString &line)
{
    m_items.push_back({line, {kNotLookedUp, kNotLookedUp}, std::nullopt});
}

void CollatedLines::append(const QString &line, std::size_t tableEntry)
{
    Item item{line, {kNotLookedUp, kNotLookedUp}, std::nullopt};
    // Checked, not trusted: a search of another table, or a line cut short, has no place here.
    const std::span<const DictionaryEntry> table = readableTable();
    if (tableEntry < table.size())
        for (std::size_t direction = 0; direction < kDirections.size(); ++direction)
            if (isLineOf(line, table[tableEntry], direction))
                item.entries[direction] = static_cast<std::uint16_t>(tableEntry);
    m_items.push_back(std::move(item));
}

bool CollatedLines::allFromTable(std::size_t direction)
{
    // Where the order is built in, finding the lines is all it costs: worth it for short lists too.
    const bool worthIt = m_items.size() >= kTableOrderMinimumLines || tableLineOrder().isBuiltIn(m_collator);
    if (!tableLineOrder().isKept())
        return false;
    // Lines a search handed on with their entries need no look-up: the table's lines are found by
    // text only for the others, and made the first time one needs them.
    const TableLines *lines = nullptr;
    for (Item &item : m_items) {
        std::uint16_t &entry = item.entries[direction];
        if (entry == kNotLookedUp) {
            if (lines == nullptr)
                lines = tableLineOrder().lines(worthIt);
            if (lines == nullptr)
                return false;
            entry = lines->find(item.text, direction);
        }
        if (entry == kNoEntry)
            return false;
    }
    return true;
}

bool CollatedLines::sortByPlaces()
{
    if (m_items.empty())
        return false;
    // A list holds the lines of one direction; some lines are the same in both. A search that
    // named its first line's entry has said which.
    const std::array<std::uint16_t, 2> &known = m_items.front().entries;
    if (known[m_direction] == kNotLookedUp && known[1 - m_direction] < kNoEntry)
        m_direction = 1 - m_direction;
    const std::size_t direction = allFromTable(m_direction) ? m_direction : 1 - m_direction;
    if (direction != m_direction && !allFromTable(direction))
        return false;
    m_direction = direction;
    const std::span<const std::uint16_t> places
        = tableLineOrder().places(m_collator, direction, m_items.size() >= kTableOrderMinimumLines);
    if (places.size() != EntryCount)
        return false;
    const auto placeOf = [places, direction](const Item &item) { return places[item.entries[direction]]; };
    std::stable_sort(m_items.begin(), m_items.end(),
                     [&placeOf](const Item &a, const Item &b) { return placeOf(a) < placeOf(b); });
    return true;
}

void CollatedLines::sort()
{
    if (sortByPlaces())
        return;
    for (Item &item : m_items)
        if (!item.key)
            item.key = m_collator.sortKey(item.text);
    std::stable_sort(m_items.begin(), m_items.end(),
                     [](const Item &a, const Item &b) { return a.key->compare(*b.key) < 0; });
}

QStringList CollatedLines::lines() const
{
    QStringList out;
    out.reserve(size());
    for (const Item &item : m_items)
        out.append(item.text);
    return out;
}

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#include "common/Translation.h"

#include "common/ListOrder.h"
#include "engine/BaseForms.h"
#include "engine/Query.h"
#include "engine/ResultLine.h"
#include "text/Cp1250.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace slovnik {
namespace {

// A word box's list: offers come in unsorted during a scan and the whole list is sorted when
// the scan ends, so offers of an earlier scan for the same word stay ahead of equal ones. Each
// offer keeps its place in the table, which is all a box needs to hold to show it again. Lines
// of the program's table sort by their known places in the list order; any other list makes
// collation keys.
class OfferList final : public LineSink {
public:
    explicit OfferList(std::span<const DictionaryEntry> table, TranslationDirection direction) :
        m_places(table.data() == DictionaryTable.data() ? knownTableLinePlaces(m_collator, direction)
                                                        : std::span<const std::uint16_t>())
    {
    }

    void addLine(std::string_view line) override { addHit(kNoEntry, line); }
    void addHit(std::size_t entry, std::string_view line) override
    {
        m_items.push_back({static_cast<std::uint32_t>(entry), std::string(line), std::nullopt});
    }

    int AddPrefixOffers(std::span<const DictionaryEntry> table, std::string_view word,
                        TranslationDirection direction)
    {
        const int hits = prefixOffers(table, word, direction, *this);
        sort();
        return hits;
    }

    void AddReducedOffers(std::span<const DictionaryEntry> table, std::string_view word,
                          TranslationDirection direction)
    {
        for (const std::string &form : reducedOfferForms(word))
            AddPrefixOffers(table, form, direction);
    }

    QStringList lines() const
    {
        QStringList out;
        out.reserve(static_cast<qsizetype>(m_items.size()));
        for (const Item &item : m_items)
            out.append(fromCp1250(item.line));
        return out;
    }
    std::vector<std::uint32_t> entries() const
    {
        std::vector<std::uint32_t> out;
        out.reserve(m_items.size());
        for (const Item &item : m_items)
            out.push_back(item.entry);
        return out;
    }
    void sort()
    {
        const bool placed = m_places.size() == EntryCount
            && std::all_of(m_items.begin(), m_items.end(),
                           [](const Item &item) { return item.entry != kNoEntry; });
        if (placed) {
            std::stable_sort(m_items.begin(), m_items.end(), [this](const Item &a, const Item &b) {
                return m_places[a.entry] < m_places[b.entry];
            });
            return;
        }
        for (Item &item : m_items)
            if (!item.key)
                item.key = m_collator.sortKey(fromCp1250(item.line));
        std::stable_sort(m_items.begin(), m_items.end(),
                         [](const Item &a, const Item &b) { return a.key->compare(*b.key) < 0; });
    }

private:
    static constexpr std::uint32_t kNoEntry = ~std::uint32_t{0};
    struct Item {
        std::uint32_t entry;
        std::string line;
        std::optional<QCollatorSortKey> key;
    };
    QCollator m_collator = resultLineCollator();
    std::span<const std::uint16_t> m_places;
    std::vector<Item> m_items;
};

OfferList scannedOffers(std::span<const DictionaryEntry> table, std::string_view word,
                        TranslationDirection direction)
{
    OfferList list(table, direction);
    const std::string lowered = lowerAsciiLetters(word);
    if (lowered.empty())
        return list;
    if (list.AddPrefixOffers(table, lowered, direction) == 0
        && direction == TranslationDirection::EnglishToCzech)
        list.AddReducedOffers(table, lowered, direction);
    return list;
}

} // namespace

QStringList wordOffers(std::span<const DictionaryEntry> table, std::string_view word,
                       TranslationDirection direction)
{
    return scannedOffers(table, word, direction).lines();
}

QStringList suggestedOffers(Suggester &suggester, std::span<const DictionaryEntry> table,
                            std::string_view word, TranslationDirection direction)
{
    QStringList offers;
    for (const std::string &suggestion : suggester.suggest(word, direction, ShownSuggestions)) {
        OfferList lines(table, direction);
        ExactSearch(table, suggestion, direction, lines);
        lines.sort();
        offers += lines.lines();
    }
    return offers;
}

BoxOffers boxOffers(Suggester &suggester, std::span<const DictionaryEntry> table, std::string_view word,
                    TranslationDirection direction)
{
    const OfferList list = scannedOffers(table, word, direction);
    BoxOffers offers{list.entries(), {}, {}};
    // The lines in the table's encoding, as their text gives them back: a C0 control other than a
    // tab or a line break would not come back, and is dropped as the text would drop it.
    std::vector<std::string> scanned;
    scanned.reserve(offers.scanned.size());
    ResultLineBuffer buffer;
    for (const std::uint32_t entry : offers.scanned) {
        const std::string_view line = resultLineOf(table[entry], direction, buffer);
        const bool plain = std::none_of(line.begin(), line.end(), [](char c) {
            constexpr unsigned char kFirstPrintable = 0x20;
            return static_cast<unsigned char>(c) < kFirstPrintable
                && std::string_view("\t\n\v\f\r").find(c) == std::string_view::npos;
        });
        scanned.push_back(plain ? std::string(line) : toCp1250(fromCp1250(line)));
    }
    offers.onlyLongerWords
        = !scanned.empty() && !scanFoundTheWord(scanned, word, WordScan::TranslatorBox, direction);
    for (const BaseFormOffer &offer :
         missingBaseFormOffers(table, scanned, word, WordScan::TranslatorBox, direction))
        offers.baseForms.append({fromCp1250(offer.line), fromCp1250(offer.base), offer.negated});
    if (offers.scanned.empty()) {
        for (const QString &line : suggestedOffers(suggester, table, word, direction)) {
            const bool baseFormLine
                = std::any_of(offers.baseForms.cbegin(), offers.baseForms.cend(),
                              [&](const BaseFormLine &offer) { return offer.line == line; });
            if (!baseFormLine)
                offers.suggestions.append(line);
        }
    }
    return offers;
}

SourceWords splitSourceLines(const QStringList &lines)
{
    std::vector<std::string> encoded;
    encoded.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString &line : lines)
        encoded.push_back(toCp1250(line));
    return splitSourceText(encoded);
}

QString shortenedTextNotice()
{
    return QStringLiteral("Zdrojový text byl zkrácen na prvních %1 slov").arg(MaxWords);
}

} // namespace slovnik

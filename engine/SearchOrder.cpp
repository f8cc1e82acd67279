// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/SearchOrder.h"

namespace slovnik {
namespace {

struct SearchOrder {
    const DictionaryEntry *table = nullptr;
    std::span<const std::uint16_t> english;
    std::span<const std::uint16_t> czech;
};
// Set once, before the table is handed to any search.
SearchOrder g_searchOrder;

} // namespace

void knowSearchOrder(const DictionaryEntry *table, std::span<const std::uint16_t> englishOrder,
                     std::span<const std::uint16_t> czechOrder)
{
    g_searchOrder = {table, englishOrder, czechOrder};
}

std::span<const std::uint16_t> knownSearchOrder(std::span<const DictionaryEntry> table,
                                                TranslationDirection direction)
{
    if (table.data() != g_searchOrder.table)
        return {};
    const std::span<const std::uint16_t> order
        = direction == TranslationDirection::EnglishToCzech ? g_searchOrder.english : g_searchOrder.czech;
    return order.size() == table.size() ? order : std::span<const std::uint16_t>();
}

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#include "common/DictionaryHints.h"

#include "engine/BaseForms.h"
#include "engine/Query.h"
#include "engine/Search.h"
#include "text/Cp1250.h"

#include <string>

namespace slovnik {
namespace {

class FirstLine final : public LineSink {
public:
    void addLine(std::string_view line) override
    {
        if (!m_line)
            m_line = std::string(line);
    }
    const std::optional<std::string> &line() const { return m_line; }

private:
    std::optional<std::string> m_line;
};

} // namespace

QList<BaseFormWord> missingBaseForms(std::span<const DictionaryEntry> table, std::string_view typed,
                                     TranslationDirection direction, std::span<const std::string> listLines)
{
    QList<BaseFormWord> missing;
    std::string_view previous;
    for (const BaseFormOffer &offer :
         missingBaseFormOffers(table, listLines, typed, WordScan::DictionaryQuery, direction)) {
        // A base word's lines come together, and a link names the word once.
        if (!missing.isEmpty() && offer.base == previous)
            continue;
        previous = offer.base;
        const QString word = fromCp1250(offer.base);
        missing.append({word, offer.negated ? QStringLiteral("%1 (zápor)").arg(word) : word, offer.negated});
    }
    return missing;
}

QStringList negatedLines(std::span<const DictionaryEntry> table, std::string_view typed, const QString &base,
                         TranslationDirection direction)
{
    QStringList lines;
    for (const BaseFormOffer &offer : baseFormOffers(table, typed, direction)) {
        if (offer.negated && fromCp1250(offer.base) == base)
            lines.append(fromCp1250(offer.line));
    }
    return lines;
}

std::optional<QString> otherDirectionHint(std::span<const DictionaryEntry> table, std::string_view typed,
                                          TranslationDirection direction)
{
    const TranslationDirection other = flipped(direction);
    const std::string word = cleanedQuery(typed, other);
    if (word.empty())
        return std::nullopt;
    FirstLine first;
    ExactSearch(table, word, other, first);
    if (!first.line())
        return std::nullopt;
    const QString language = other == TranslationDirection::EnglishToCzech ? QStringLiteral("Anglicky")
                                                                           : QStringLiteral("Česky");
    return QStringLiteral("%1: %2").arg(language, fromCp1250(*first.line()));
}

} // namespace slovnik

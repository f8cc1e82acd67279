// SPDX-License-Identifier: GPL-2.0-or-later
#include "common/DictionaryHints.h"

#include "common/ResultLineText.h"
#include "engine/BaseForms.h"
#include "engine/Query.h"
#include "engine/Search.h"
#include "text/Cp1250.h"

#include <QSet>

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

bool listHoldsTheWord(std::string_view typed, TranslationDirection direction, const QAbstractItemModel *list)
{
    const QString itself = fromCp1250(cleanedQuery(typed, direction));
    for (int row = 0; list && row < list->rowCount(); ++row) {
        if (lineWords(list->index(row, 0).data().toString()).word == itself)
            return true;
    }
    return false;
}

QList<BaseFormWord> missingBaseForms(std::span<const DictionaryEntry> table, std::string_view typed,
                                     TranslationDirection direction, const QAbstractItemModel *list)
{
    const std::vector<BaseForm> forms = baseForms(table, typed, direction);
    if (forms.empty() || listHoldsTheWord(typed, direction, list))
        return {};
    QSet<QString> listed;
    for (int row = 0; list && row < list->rowCount(); ++row)
        listed.insert(lineWords(list->index(row, 0).data().toString()).word);
    const std::string query = cleanedQuery(typed, direction);
    QList<BaseFormWord> missing;
    for (const BaseForm &form : forms) {
        const QString word = fromCp1250(form.word);
        if (listed.contains(word) || cleanedQuery(form.word, direction) == query)
            continue;
        missing.append({word, form.negated ? QStringLiteral("%1 (zápor)").arg(word) : word, form.negated});
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

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

QList<BaseFormWord> missingBaseForms(std::span<const DictionaryEntry> table, std::string_view typed,
                                     TranslationDirection direction, const QAbstractItemModel *list)
{
    const std::vector<BaseForm> forms = baseForms(table, typed, direction);
    if (forms.empty())
        return {};
    const QString itself = fromCp1250(cleanedQuery(typed, direction));
    QSet<QString> listed;
    for (int row = 0; list && row < list->rowCount(); ++row) {
        const QString word = lineWords(list->index(row, 0).data().toString()).word;
        if (word == itself)
            return {};
        listed.insert(word);
    }
    QList<BaseFormWord> missing;
    for (const BaseForm &form : forms) {
        const QString word = fromCp1250(form.word);
        if (!listed.contains(word))
            missing.append({word, form.negated ? QStringLiteral("%1 (zápor)").arg(word) : word});
    }
    return missing;
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

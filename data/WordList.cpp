// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/WordList.h"

#include "engine/Dic.h"
#include "text/Cp1250.h"

#include <QSet>

namespace slovnik {
namespace {

QString fieldProblem(const QString &field)
{
    if (field.isEmpty())
        return QStringLiteral("is empty");
    if (field.front().isSpace() || field.back().isSpace())
        return QStringLiteral("has a leading or trailing blank");
    if (field.contains(u'='))
        return QStringLiteral("holds \"=\"");
    for (const QChar c : field) {
        if (c.category() == QChar::Other_Control)
            return QStringLiteral("holds a control character");
    }
    const std::string bytes = toCp1250(field);
    if (fromCp1250(bytes) != field.normalized(QString::NormalizationForm_C))
        return QStringLiteral("has a character outside Windows-1250");
    if (bytes.size() > FieldCapacity)
        return QStringLiteral("is longer than %1 characters").arg(FieldCapacity);
    return {};
}

} // namespace

WordListReading readWordList(const QByteArray &utf8)
{
    WordListReading reading;
    QSet<QString> seen;
    const QString text = QString::fromUtf8(utf8);
    if (text.toUtf8() != utf8)
        reading.problems << QStringLiteral("the list is not valid UTF-8");

    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast(); // the final line ends in a newline like every other
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const QString where = QStringLiteral("line %1").arg(i + 1);
        const QStringList fields = line.split(u'\t');
        if (fields.size() != 2) {
            reading.problems << where + QStringLiteral(": not two fields separated by one tab");
            continue;
        }
        bool usable = true;
        for (int f = 0; f < 2; ++f) {
            const QString problem = fieldProblem(fields.at(f));
            if (!problem.isEmpty()) {
                reading.problems << QStringLiteral("%1: the %2 field %3")
                                        .arg(where, f == 0 ? u"English" : u"Czech", problem);
                usable = false;
            }
        }
        if (seen.contains(line))
            reading.problems << where + QStringLiteral(": the pair stands twice");
        seen.insert(line);
        if (usable)
            reading.pairs.push_back({toCp1250(fields.at(0)), toCp1250(fields.at(1))});
    }
    return reading;
}

} // namespace slovnik

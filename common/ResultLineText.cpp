// SPDX-License-Identifier: GPL-2.0-or-later
#include "common/ResultLineText.h"

#include "engine/ResultLine.h"

#include <string_view>

namespace slovnik {
namespace {

std::u16string_view viewOf(const QString &text)
{
    return {reinterpret_cast<const char16_t *>(text.utf16()), static_cast<std::size_t>(text.size())};
}

QString fromView(std::u16string_view view)
{
    return QString::fromUtf16(view.data(), static_cast<qsizetype>(view.size()));
}

} // namespace

LineWords lineWords(const QString &line)
{
    const auto parts = resultLineParts(viewOf(line));
    return {fromView(parts.word), fromView(parts.other)};
}

QString takenText(const QString &text)
{
    return fromView(takenText(viewOf(text)));
}

DrawnColumns resultLineColumns(const QString &line)
{
    const auto parts = resultLineParts(viewOf(line));
    if (!parts.hasOther)
        return {line, {}};
    // The "=" and the blank after it stay with the right column.
    const std::size_t equals = line.indexOf(u'=');
    return {fromView(parts.word), fromView(viewOf(line).substr(equals, kMaxDrawnRightLength))};
}

} // namespace slovnik

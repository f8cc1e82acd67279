// SPDX-License-Identifier: GPL-2.0-or-later
#include "translator/SourceLines.h"

#include <QPlainTextEdit>
#include <QTextBlock>

namespace slovnik {

QStringList sourceLines(const QPlainTextEdit &box)
{
    QStringList lines;
    // Block by block rather than toPlainText(), which would turn no-break spaces into blanks and
    // so into word breaks; a line separator (Shift+Enter) ends a line as a paragraph does.
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next())
        lines.append(block.text().split(QChar::LineSeparator));
    return lines;
}

} // namespace slovnik

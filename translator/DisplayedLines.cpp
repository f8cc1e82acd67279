#include "DisplayedLines.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

namespace slovnik {

QStringList displayedLines(const QPlainTextEdit &box)
{
    QStringList lines;
    const QTextDocument *const document = box.document();
    const QAbstractTextDocumentLayout *const documentLayout = document->documentLayout();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        // The box lays out paragraphs lazily, as they come into view; asking for one's place
        // lays it out at the box's width.
        documentLayout->blockBoundingRect(block);
        const QString text = block.text();
        const QTextLayout *const layout = block.layout();
        if (!layout || layout->lineCount() == 0) {
            lines.append(text);
            continue;
        }
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines.append(text.mid(line.textStart(), line.textLength()));
        }
    }
    return lines;
}

} // namespace slovnik

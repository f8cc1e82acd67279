// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/DesignFonts.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QWidget>

namespace slovnik {

namespace {

// Asked for by name, not through fontconfig's stand-in for a missing family: a family it does not
// know comes back as the desktop's default face, which is far wider than the design's.
QFont namedFont(const QString &family, int pixelSize)
{
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

// Hinted to whole pixels and drawn without smoothing, a letter looks the same wherever it stands,
// so whether two letters touch depends on the pair alone.
QImage inkOf(const QFont &face, QChar letter, int left)
{
    const QFontMetrics metrics(face);
    QImage image(4 * metrics.height(), metrics.height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(face);
    painter.setPen(Qt::black);
    painter.drawText(left + metrics.height(), metrics.ascent(), QString(letter));
    return image;
}

bool isInk(const QImage &image, int x, int y)
{
    return x >= 0 && y >= 0 && x < image.width() && y < image.height() && qGray(image.pixel(x, y)) < 128;
}

// Ink touches where a pixel of one letter is a pixel of the other or one of its eight neighbours.
bool inkTouches(const QImage &first, const QImage &second)
{
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x) {
            if (!isInk(first, x, y))
                continue;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (isInk(second, x + dx, y + dy))
                        return true;
        }
    }
    return false;
}

// The pixels to add after `first` so that `second` keeps clear of it; the face's own spacing
// between two letters never comes closer than a pixel's overlap, so two are enough.
int gapToAdd(const QFont &face, QChar first, QChar second)
{
    constexpr int kWidestGap = 2;
    const QImage firstInk = inkOf(face, first, 0);
    const int advance = QFontMetrics(face).horizontalAdvance(first);
    for (int gap = 0; gap < kWidestGap; ++gap)
        if (!inkTouches(firstInk, inkOf(face, second, advance + gap)))
            return gap;
    return kWidestGap;
}

} // namespace

QFont designFont()
{
    QFont font = namedFont(QStringLiteral("Liberation Sans Narrow"), kDesignFontPixels);
    // Smoothed at 11 pixels, the stems of "i", "l" and "I" fall between two pixel columns and come
    // out as two grey ones (about 2.9:1 on white), and "li" blurs into a block; FreeType's hinting
    // no longer moves stems sideways. Drawn without smoothing, as the design's bitmap face was,
    // every stem is one black column; full hinting gives each letter whole pixels of room, so the
    // gaps between letters stay even.
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont arialFont(int pixelSize)
{
    QFont font = namedFont(QStringLiteral("Liberation Sans"), pixelSize);
    // At the size of the windows' text, smoothing splits the stems of "i", "l" and "I" into two
    // grey columns (123 and 139 on white, below 4.5:1) wherever the widths before a letter add up
    // to a fraction of a pixel. Drawn as the design face is, each stem is one black column. Where a
    // stem is wider than a pixel (a scale factor of 2) smoothing keeps it dark, and full hinting
    // would misplace letters ("w alk"); larger titles stay smoothed too.
    if (pixelSize <= kDesignFontPixels && qGuiApp && qGuiApp->devicePixelRatio() < 2) {
        font.setStyleStrategy(QFont::NoAntialias);
        font.setHintingPreference(QFont::PreferFullHinting);
    }
    return font;
}

void setApplicationFont()
{
    QApplication::setFont(arialFont(kDesignFontPixels));
}

void takeDesignFont(QWidget &widget)
{
    if (!widget.testAttribute(Qt::WA_SetFont))
        widget.setFont(designFont());
}

void keepLettersApart(QTextDocument &document, const QFont &face)
{
    QHash<QString, int> gaps;
    QTextCharFormat wider;
    wider.setFontLetterSpacingType(QFont::AbsoluteSpacing);
    // An edit of the help text may be undone, the gaps may not.
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        for (qsizetype i = 0; i + 1 < text.size(); ++i) {
            if (text[i].isSpace() || text[i + 1].isSpace())
                continue;
            const QString pair = text.mid(i, 2);
            auto gap = gaps.constFind(pair);
            if (gap == gaps.cend())
                gap = gaps.insert(pair, gapToAdd(face, text[i], text[i + 1]));
            if (*gap == 0)
                continue;
            QTextCursor letter(block);
            letter.setPosition(block.position() + static_cast<int>(i));
            letter.setPosition(block.position() + static_cast<int>(i) + 1, QTextCursor::KeepAnchor);
            wider.setFontLetterSpacing(*gap);
            letter.mergeCharFormat(wider);
        }
    }
    document.setUndoRedoEnabled(undo);
}

} // namespace slovnik

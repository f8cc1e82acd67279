// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/DesignFonts.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QWidget>

#include <algorithm>

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

// A letter's ink as rows of device pixels, bit x for column x, the letter drawn from column
// kInkLeft; a letter of the design face, even at four device pixels a pixel, is narrower than the
// rest of the row.
using Ink = QList<quint64>;
constexpr int kInkColumns = 64;
constexpr int kInkLeft = 8;

// Hinted to whole pixels and drawn without smoothing, a letter looks the same wherever it stands,
// so whether two letters touch depends on the pair alone.
Ink inkOf(const QFont &face, QChar letter, qreal pixelRatio)
{
    const QFontMetrics metrics(face);
    // Room above the ascent and below the descent for accents and tails that reach past them.
    const int margin = metrics.height() / 2;
    QImage image(kInkColumns, qCeil((metrics.height() + 2 * margin) * pixelRatio), QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(face);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(kInkLeft / pixelRatio, margin + metrics.ascent()), QString(letter));
    painter.end();
    Ink rows(image.height(), 0);
    for (int y = 0; y < image.height(); ++y) {
        const auto *pixels = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qGray(pixels[x]) < 128)
                rows[y] |= quint64{1} << x;
    }
    return rows;
}

// Ink touches where a pixel of one letter is a pixel of the other or one of its eight neighbours;
// `second` stands `offset` device pixels right of `first`.
bool inkTouches(const Ink &first, const Ink &second, int offset)
{
    if (offset >= kInkColumns)
        return false;
    for (qsizetype y = 0; y < first.size(); ++y) {
        quint64 near = 0;
        for (qsizetype row = std::max<qsizetype>(y - 1, 0); row <= std::min(y + 1, first.size() - 1); ++row)
            near |= first[row] | first[row] << 1 | first[row] >> 1;
        if (near & second[y] << offset)
            return true;
    }
    return false;
}

// The pixels to add after `first` so that `second` keeps clear of it; the face's own spacing
// between two letters never comes closer than a pixel's overlap, so two are enough.
int gapToAdd(const QFont &face, qreal pixelRatio, const Ink &first, QChar firstLetter, const Ink &second)
{
    constexpr int kWidestGap = 2;
    const qreal advance = QFontMetricsF(face).horizontalAdvance(firstLetter);
    for (int gap = 0; gap < kWidestGap; ++gap)
        if (!inkTouches(first, second, qRound((advance + gap) * pixelRatio)))
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

QList<QTextLayout::FormatRange> letterGaps(const QString &text, const QFont &face, qreal pixelRatio)
{
    QHash<QChar, Ink> inks;
    // By value: a later letter's insertion may move the ones already held.
    const auto inkOfLetter = [&](QChar letter) {
        auto ink = inks.constFind(letter);
        return ink != inks.cend() ? *ink : *inks.insert(letter, inkOf(face, letter, pixelRatio));
    };
    QHash<QString, int> gaps;
    QList<QTextLayout::FormatRange> wider;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i].isSpace() || text[i + 1].isSpace())
            continue;
        const QString pair = text.mid(i, 2);
        auto gap = gaps.constFind(pair);
        if (gap == gaps.cend())
            gap = gaps.insert(
                pair, gapToAdd(face, pixelRatio, inkOfLetter(text[i]), text[i], inkOfLetter(text[i + 1])));
        if (*gap == 0)
            continue;
        QTextCharFormat format;
        format.setFontLetterSpacingType(QFont::AbsoluteSpacing);
        format.setFontLetterSpacing(*gap);
        wider.append({static_cast<int>(i), 1, format});
    }
    return wider;
}

void keepLettersApart(QTextDocument &document, const QFont &face, qreal pixelRatio)
{
    // An edit of the help text may be undone, the gaps may not.
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    // One layout of the whole text after all the gaps, not one for each.
    QTextCursor edit(&document);
    edit.beginEditBlock();
    for (const QTextLayout::FormatRange &gap : letterGaps(document.toRawText(), face, pixelRatio)) {
        edit.setPosition(gap.start);
        edit.setPosition(gap.start + gap.length, QTextCursor::KeepAnchor);
        edit.mergeCharFormat(gap.format);
    }
    edit.endEditBlock();
    document.setUndoRedoEnabled(undo);
}

} // namespace slovnik

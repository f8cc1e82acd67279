// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/ButtonPainting.h"

#include "controls/Ex3DButtonLayout.h"

#include <QColor>
#include <QPainter>
#include <QPalette>

namespace slovnik {

namespace {

constexpr int kCaptionFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;

// Row r of the arrow spans columns r to 6 - r: whole pixels, whatever the antialiasing.
void fillArrow(QPainter &painter, QPoint topLeft, const QColor &colour)
{
    for (int row = 0; row < kArrowHeight; ++row)
        painter.fillRect(topLeft.x() + row, topLeft.y() + row, kArrowWidth - 2 * row, 1, colour);
}

void outlineArrow(QPainter &painter, QPoint topLeft, const QColor &colour)
{
    painter.fillRect(topLeft.x(), topLeft.y(), kArrowWidth, 1, colour);
    for (int row = 1; row < kArrowHeight; ++row) {
        painter.fillRect(topLeft.x() + row, topLeft.y() + row, 1, 1, colour);
        painter.fillRect(topLeft.x() + kArrowWidth - 1 - row, topLeft.y() + row, 1, 1, colour);
    }
}

} // namespace

void drawEdge(QPainter &painter, const QRect &rect, Edge edge, const QPalette &palette)
{
    const QColor light = palette.color(QPalette::Light);
    const QColor dark = palette.color(QPalette::Dark);
    const QColor &topLeft = edge == Edge::RaisedInner ? light : dark;
    const QColor &bottomRight = edge == Edge::RaisedInner ? dark : light;
    painter.fillRect(rect.left(), rect.top(), 1, rect.height(), topLeft);
    painter.fillRect(rect.left(), rect.top(), rect.width(), 1, topLeft);
    painter.fillRect(rect.right(), rect.top(), 1, rect.height(), bottomRight);
    painter.fillRect(rect.left(), rect.bottom(), rect.width(), 1, bottomRight);
}

void drawCaption(QPainter &painter, const QRect &area, const QString &text, const QColor &colour)
{
    if (area.isEmpty() || text.isEmpty())
        return;
    // An area too narrow for the first letter shows none of the caption ("Nápověda" beside the
    // help button's image): at 1x the letter's own margin keeps its ink out of the area, but at a
    // higher scale the clip would leave a sliver of its stem.
    if (painter.fontMetrics().horizontalAdvance(text.left(1)) > area.width())
        return;
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.setPen(colour);
    painter.drawText(area, kCaptionFlags, text);
    painter.restore();
}

void drawDisabledText(QPainter &painter, const QRect &area, const QString &text, const QPalette &palette)
{
    drawCaption(painter, area.translated(1, 1), text, palette.color(QPalette::Light));
    drawCaption(painter, area, text, palette.color(QPalette::Dark));
}

void drawDropdownArrow(QPainter &painter, QPoint topLeft, bool enabled, const QColor &colour,
                       const QPalette &palette)
{
    if (enabled) {
        fillArrow(painter, topLeft, colour);
        return;
    }
    outlineArrow(painter, topLeft + QPoint(1, 1), palette.color(QPalette::Light));
    outlineArrow(painter, topLeft, palette.color(QPalette::Dark));
}

} // namespace slovnik

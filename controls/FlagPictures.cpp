// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/Pictures.h"

#include <QPainter>
#include <QPolygonF>

namespace slovnik::pictures {

namespace {

// The flags' official colours.
const QColor kCzechBlue(0x11, 0x45, 0x7E);
const QColor kCzechRed(0xD7, 0x14, 0x1A);
const QColor kUnionBlue(0x01, 0x21, 0x69);
const QColor kUnionRed(0xC8, 0x10, 0x2E);
const QColor kEdge(0x60, 0x60, 0x60);

// The pairs: the big flag first, the small one after it, level with its bottom.
const QRectF kBigFlag(0, 1, 20, 14);
const QRectF kSmallFlag(22, 9, 8, 6);
// Nine by seven, so that the crosses have a middle row and column.
constexpr QPoint kSmallUnionFlag(21, 8);

// The Union Flag drawn cell by cell at 9 x 7 design pixels: a white-edged red cross and white
// diagonals on the blue. Smoothed stripes at this size only blur into pink; whole cells stay
// sharp at every scale.
constexpr const char *kSmallUnionCells[] = {
    "WBBWRWBBW", "BWBWRWBWB", "WWWWRWWWW", "RRRRRRRRR", "WWWWRWWWW", "BWBWRWBWB", "WBBWRWBBW",
};

void frame(QPainter &painter, const QRectF &area)
{
    painter.setPen(QPen(kEdge, 0.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0.25, 0.25, -0.25, -0.25));
}

} // namespace

void czechFlag(QPainter &painter, const QRectF &area)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    const qreal middle = area.top() + area.height() / 2;
    painter.fillRect(QRectF(area.left(), area.top(), area.width(), area.height() / 2), Qt::white);
    painter.fillRect(QRectF(area.left(), middle, area.width(), area.height() / 2), kCzechRed);
    painter.setBrush(kCzechBlue);
    painter.drawPolygon(
        QPolygonF({area.topLeft(), QPointF(area.left() + area.width() / 2, middle), area.bottomLeft()}));
    frame(painter, area);
    painter.restore();
}

void britishFlag(QPainter &painter, const QRectF &area)
{
    painter.save();
    painter.setClipRect(area);
    painter.fillRect(area, kUnionBlue);
    const qreal h = area.height();
    const auto diagonals = [&](const QColor &colour, qreal width) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(area.topLeft(), area.bottomRight());
        painter.drawLine(area.bottomLeft(), area.topRight());
    };
    diagonals(Qt::white, h / 5);
    diagonals(kUnionRed, h / 15);
    const QPointF centre = area.center();
    painter.setPen(Qt::NoPen);
    painter.fillRect(QRectF(area.left(), centre.y() - h / 6, area.width(), h / 3), Qt::white);
    painter.fillRect(QRectF(centre.x() - h / 6, area.top(), h / 3, h), Qt::white);
    painter.fillRect(QRectF(area.left(), centre.y() - h / 10, area.width(), h / 5), kUnionRed);
    painter.fillRect(QRectF(centre.x() - h / 10, area.top(), h / 5, h), kUnionRed);
    painter.restore();
}

void smallBritishFlag(QPainter &painter, QPoint topLeft)
{
    int y = topLeft.y();
    for (const char *row : kSmallUnionCells) {
        for (int x = 0; row[x] != '\0'; ++x) {
            const QColor colour = row[x] == 'R' ? kUnionRed : row[x] == 'W' ? QColor(Qt::white) : kUnionBlue;
            painter.fillRect(QRect(topLeft.x() + x, y, 1, 1), colour);
        }
        ++y;
    }
}

void czechThenBritish(QPainter &painter)
{
    czechFlag(painter, kBigFlag);
    smallBritishFlag(painter, kSmallUnionFlag);
}

void britishThenCzech(QPainter &painter)
{
    britishFlag(painter, kBigFlag);
    czechFlag(painter, kSmallFlag);
}

} // namespace slovnik::pictures

// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/Pictures.h"

#include "controls/PictureInks.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

// Outlines are 1 pixel wide and sit on half-pixel coordinates, so at the design size every line
// covers whole pixels.

namespace slovnik::pictures {

namespace {

void outlined(QPainter &painter, const QRectF &rect, const Ink &ink)
{
    painter.setPen(QPen(ink.edge, 1));
    painter.setBrush(ink.fill);
    painter.drawRect(rect);
}

void outlined(QPainter &painter, const QPolygonF &shape, const Ink &ink)
{
    painter.setPen(QPen(ink.edge, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(ink.fill);
    painter.drawPolygon(shape);
}

void textLines(QPainter &painter, qreal left, qreal right, qreal firstY, qreal lastY, qreal step)
{
    painter.setPen(QPen(kTextLine, 1));
    for (qreal y = firstY; y <= lastY; y += step)
        painter.drawLine(QPointF(left, y), QPointF(right, y));
}

void grid(QPainter &painter, const QRectF &rect)
{
    outlined(painter, rect, kPaper);
    painter.setPen(QPen(kTextLine, 1));
    for (qreal y = rect.top() + 3; y < rect.bottom(); y += 3)
        painter.drawLine(QPointF(rect.left(), y), QPointF(rect.right(), y));
}

void rightArrow(QPainter &painter, qreal tail, qreal tip)
{
    const qreal neck = tip - 4.5;
    outlined(
        painter,
        QPolygonF({{tail, 6.5}, {neck, 6.5}, {neck, 3.5}, {tip, 8}, {neck, 12.5}, {neck, 9.5}, {tail, 9.5}}),
        kArrow);
}

// The open book's and the help book's pages, edged in the cover's ink.
constexpr Ink kPage{kPaper.fill, kCover.edge};

} // namespace

void copySheets(QPainter &painter)
{
    outlined(painter, QRectF(1.5, 1.5, 8, 10), kPaper);
    textLines(painter, 3, 8, 4.5, 9.5, 2);
    outlined(painter, QRectF(6.5, 4.5, 8, 10), kPaper);
    textLines(painter, 8, 13, 7.5, 12.5, 2);
}

void pasteClipboard(QPainter &painter)
{
    outlined(painter, QRectF(1.5, 2.5, 10, 12), kBoard);
    outlined(painter, QRectF(4.5, 1.5, 4, 3), kClip);
    outlined(painter, QRectF(7.5, 6.5, 7, 8), kPaper);
    textLines(painter, 9, 13, 8.5, 12.5, 2);
}

void arrowIntoGrid(QPainter &painter)
{
    grid(painter, QRectF(8.5, 1.5, 6, 13));
    rightArrow(painter, 0.5, 11);
}

void information(QPainter &painter)
{
    painter.setPen(QPen(kSignBlue.edge, 1));
    painter.setBrush(kSignBlue.fill);
    painter.drawEllipse(QPointF(8, 8), 7, 7);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(8, 4.5), 1.25, 1.25);
    painter.drawRect(QRectF(7, 6.5, 2, 6));
}

void arrowOutOfGrid(QPainter &painter)
{
    grid(painter, QRectF(1.5, 1.5, 6, 13));
    rightArrow(painter, 5, 15.5);
}

void sheetWithLines(QPainter &painter)
{
    outlined(painter, QPolygonF({{2.5, 0.5}, {10.5, 0.5}, {13.5, 3.5}, {13.5, 15.5}, {2.5, 15.5}}), kPaper);
    painter.setPen(QPen(kOutline, 1));
    painter.drawPolyline(QPolygonF({{10.5, 0.5}, {10.5, 3.5}, {13.5, 3.5}}));
    textLines(painter, 4.5, 11.5, 5.5, 13.5, 2);
}

void openBook(QPainter &painter)
{
    outlined(painter, QPolygonF({{0.5, 3.5}, {7.5, 4.5}, {7.5, 14.5}, {0.5, 13.5}}), kPage);
    outlined(painter, QPolygonF({{8.5, 4.5}, {15.5, 3.5}, {15.5, 13.5}, {8.5, 14.5}}), kPage);
    painter.setPen(QPen(kTextLine, 1));
    for (qreal y = 6.5; y <= 11.5; y += 2.5) {
        painter.drawLine(QPointF(2, y), QPointF(6, y + 0.5));
        painter.drawLine(QPointF(10, y + 0.5), QPointF(14, y));
    }
}

void helpBook(QPainter &painter)
{
    outlined(painter, QRectF(2.5, 0.5, 11, 13), kCover);
    outlined(painter, QRectF(3.5, 13.5, 10, 2), kPage);

    QPainterPath hook;
    const QRectF bow(5.5, 3, 5, 4.5);
    hook.arcMoveTo(bow, 160);
    hook.arcTo(bow, 160, -250);
    hook.lineTo(8, 9.5);
    painter.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(hook);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(8, 11.5), 1, 1);
}

namespace {

void speakerCone(QPainter &painter)
{
    outlined(painter, QPolygonF({{1.5, 5.5}, {4.5, 5.5}, {8.5, 1.5}, {8.5, 14.5}, {4.5, 10.5}, {1.5, 10.5}}),
             kClip);
}

} // namespace

void speaker(QPainter &painter)
{
    speakerCone(painter);
    painter.setPen(QPen(kCover.fill, 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    // Two sound waves, centred on the cone's mouth.
    for (const qreal radius : {3.0, 6.0})
        painter.drawArc(QRectF(8.5 - radius, 8 - radius, 2 * radius, 2 * radius), -50 * 16, 100 * 16);
}

void speakerSilent(QPainter &painter)
{
    speakerCone(painter);
    painter.setPen(QPen(QColor(0xC0, 0x20, 0x20), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(10.5, 5), QPointF(15, 11));
    painter.drawLine(QPointF(15, 5), QPointF(10.5, 11));
}

void arrowIntoBox(QPainter &painter)
{
    outlined(painter, QRectF(0.5, 9.5, 15, 6), kPaper);
    painter.setPen(QPen(kTextLine, 1));
    painter.drawLine(QPointF(3, 12.5), QPointF(12, 12.5));
    outlined(painter,
             QPolygonF({{6.5, 0.5}, {9.5, 0.5}, {9.5, 4.5}, {12.5, 4.5}, {8, 9}, {3.5, 4.5}, {6.5, 4.5}}),
             kArrow);
}

void tick(QPainter &painter)
{
    painter.setPen(QPen(kArrow.fill, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygonF({{3.5, 10.5}, {8, 15}, {16.5, 4.5}}));
}

void cross(QPainter &painter)
{
    painter.setPen(QPen(QColor(0xC0, 0x20, 0x20), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(4.5, 4.5), QPointF(15.5, 15.5));
    painter.drawLine(QPointF(15.5, 4.5), QPointF(4.5, 15.5));
}

} // namespace slovnik::pictures

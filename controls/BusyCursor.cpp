// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/BusyCursor.h"

#include "controls/ImageList.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace slovnik {

namespace {

constexpr QSize kCursorSize(32, 32);
constexpr QPoint kHotSpot(13, 10);
constexpr qreal kLetterWidth = 4;
constexpr qreal kLetterHeight = 6;
constexpr qreal kLetterPitch = 7;
constexpr QPointF kFirstLetter(3.5, 22.5);

const QColor kSand(0xE0, 0xB0, 0x40);

void hourglass(QPainter &painter)
{
    const QPolygonF glass({{8.5, 3.5},
                           {17.5, 3.5},
                           {17.5, 6.5},
                           {14, 10.5},
                           {17.5, 14.5},
                           {17.5, 17.5},
                           {8.5, 17.5},
                           {8.5, 14.5},
                           {12, 10.5},
                           {8.5, 6.5}});
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawPolygon(glass);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSand);
    painter.drawPolygon(QPolygonF({{9.5, 4.5}, {16.5, 4.5}, {13, 8.5}}));
    painter.drawPolygon(QPolygonF({{13, 12.5}, {16.5, 16.5}, {9.5, 16.5}}));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(0x80, 0x50, 0x20));
    painter.drawRect(QRectF(6.5, 1.5, 13, 2));
    painter.drawRect(QRectF(6.5, 17.5, 13, 2));
}

// "SQL" in strokes of a 4 x 6 grid per letter.
QPainterPath letters()
{
    const auto at
        = [](int letter, qreal x, qreal y) { return kFirstLetter + QPointF(letter * kLetterPitch + x, y); };
    QPainterPath path;
    path.moveTo(at(0, kLetterWidth, 0));
    path.lineTo(at(0, 0, 0));
    path.lineTo(at(0, 0, kLetterHeight / 2));
    path.lineTo(at(0, kLetterWidth, kLetterHeight / 2));
    path.lineTo(at(0, kLetterWidth, kLetterHeight));
    path.lineTo(at(0, 0, kLetterHeight));
    path.addRect(QRectF(at(1, 0, 0), QSizeF(kLetterWidth, kLetterHeight)));
    path.moveTo(at(1, kLetterWidth / 2, kLetterHeight - 2));
    path.lineTo(at(1, kLetterWidth + 1, kLetterHeight + 1));
    path.moveTo(at(2, 0, 0));
    path.lineTo(at(2, 0, kLetterHeight));
    path.lineTo(at(2, kLetterWidth, kLetterHeight));
    return path;
}

void busyPicture(QPainter &painter)
{
    hourglass(painter);
    const QPainterPath text = letters();
    painter.setBrush(Qt::NoBrush);
    // A white rim keeps the letters readable on dark backgrounds.
    painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPath(text);
    painter.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPath(text);
}

bool busyCursorSet = false;

} // namespace

QCursor busyCursor()
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    const QPixmap pixmap = renderPicture(busyPicture, QSizeF(kCursorSize), kCursorSize, ratio);
    return QCursor(pixmap, kHotSpot.x(), kHotSpot.y());
}

void setBusyCursor(bool busy)
{
    if (busy == busyCursorSet)
        return;
    busyCursorSet = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(busyCursor());
    else
        QGuiApplication::restoreOverrideCursor();
}

} // namespace slovnik

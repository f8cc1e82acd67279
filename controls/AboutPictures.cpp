// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/AboutPictures.h"

#include "controls/DesignFonts.h"
#include "controls/PictureInks.h"
#include "controls/Pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace slovnik::pictures {

namespace {

// A light plate edged in the information sign's blue, with the name in its darker edge.
constexpr Ink kPlate{QColor(0xF4, 0xF7, 0xFC), kSignBlue.fill};
const QColor kGrid(0xE8, 0xF2, 0xFF);

constexpr QRectF kPlateArea(0.5, 0.5, 73, 20);
constexpr qreal kPlateRadius = 3;
// The flag pair's 30 x 16 drawn smaller, to leave the name room.
constexpr QPointF kFlagPairPlace(3, 4);
constexpr qreal kFlagPairScale = 0.8;
constexpr QRectF kNameArea(28, 0, 44, 21);
constexpr int kNamePixels = 11;

constexpr QPointF kGlobeCentre(8, 8);
constexpr qreal kGlobeRadius = 7;

} // namespace

void slovnikBadge(QPainter &painter)
{
    painter.save();
    painter.setPen(QPen(kPlate.edge, 1));
    painter.setBrush(kPlate.fill);
    painter.drawRoundedRect(kPlateArea, kPlateRadius, kPlateRadius);
    painter.translate(kFlagPairPlace);
    painter.scale(kFlagPairScale, kFlagPairScale);
    czechThenBritish(painter);
    painter.restore();

    painter.save();
    QFont font = arialFont(kNamePixels);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kSignBlue.edge);
    painter.drawText(kNameArea, Qt::AlignCenter, QStringLiteral("slovnik"));
    painter.restore();
}

void globe(QPainter &painter)
{
    painter.save();
    painter.setPen(QPen(kSea.edge, 1));
    painter.setBrush(kSea.fill);
    painter.drawEllipse(kGlobeCentre, kGlobeRadius, kGlobeRadius);

    // Two meridians and two parallels, clipped to the sphere.
    QPainterPath sphere;
    sphere.addEllipse(kGlobeCentre, kGlobeRadius - 0.5, kGlobeRadius - 0.5);
    painter.setClipPath(sphere);
    painter.setPen(QPen(kGrid, 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(kGlobeCentre, kGlobeRadius / 2.5, kGlobeRadius);
    painter.drawLine(QPointF(kGlobeCentre.x(), 0), QPointF(kGlobeCentre.x(), 16));
    painter.drawLine(QPointF(0, kGlobeCentre.y()), QPointF(16, kGlobeCentre.y()));
    painter.drawLine(QPointF(1, 4.5), QPointF(15, 4.5));
    painter.drawLine(QPointF(1, 11.5), QPointF(15, 11.5));
    painter.restore();
}

} // namespace slovnik::pictures

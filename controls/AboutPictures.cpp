#include "controls/AboutPictures.h"

#include "controls/Pictures.h"
#include "controls/WindowParts.h"

#include <QPainter>
#include <QPainterPath>

namespace slovnik::pictures {

namespace {

const QColor kPlate(0xF4, 0xF7, 0xFC);
const QColor kPlateEdge(0x1E, 0x5A, 0xB4);
const QColor kName(0x12, 0x3C, 0x7A);
const QColor kSea(0x3C, 0x8C, 0xDC);
const QColor kSeaEdge(0x1B, 0x4F, 0x8A);
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
    painter.setPen(QPen(kPlateEdge, 1));
    painter.setBrush(kPlate);
    painter.drawRoundedRect(kPlateArea, kPlateRadius, kPlateRadius);
    painter.translate(kFlagPairPlace);
    painter.scale(kFlagPairScale, kFlagPairScale);
    czechThenBritish(painter);
    painter.restore();

    painter.save();
    QFont font = arialFont(kNamePixels);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kName);
    painter.drawText(kNameArea, Qt::AlignCenter, QStringLiteral("slovnik"));
    painter.restore();
}

void globe(QPainter &painter)
{
    painter.save();
    painter.setPen(QPen(kSeaEdge, 1));
    painter.setBrush(kSea);
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

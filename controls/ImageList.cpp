// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/ImageList.h"

#include <QApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace slovnik {

namespace {

constexpr int kHalfAlpha = 128;

void paintFitted(QPainter &painter, const Picture &picture, QSizeF designSize, const QRectF &target)
{
    const qreal scale = std::min(target.width() / designSize.width(), target.height() / designSize.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.x() + (target.width() - designSize.width() * scale) / 2,
                      target.y() + (target.height() - designSize.height() * scale) / 2);
    painter.scale(scale, scale);
    picture(painter);
    painter.restore();
}

QPixmap blended(const QPixmap &source, const QColor &colour)
{
    QImage image = source.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&image);
        // SourceAtop keeps the picture's own coverage: transparent pixels stay transparent.
        painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        QColor half = colour;
        half.setAlpha(kHalfAlpha);
        painter.fillRect(image.rect(), half);
    }
    QPixmap result = QPixmap::fromImage(image);
    result.setDevicePixelRatio(source.devicePixelRatio());
    return result;
}

class PictureIconEngine final : public QIconEngine {
public:
    PictureIconEngine(Picture picture, QSizeF designSize, QList<QSize> offeredSizes) :
        m_picture(std::move(picture)),
        m_designSize(designSize),
        m_offeredSizes(std::move(offeredSizes))
    {
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return m_offeredSizes; }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        if (mode == QIcon::Disabled) {
            const qreal ratio = painter->device()->devicePixelRatio();
            QPixmap pm = pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
            pm.setDevicePixelRatio(ratio);
            painter->drawPixmap(rect.topLeft(), pm);
            return;
        }
        paintFitted(*painter, m_picture, m_designSize, rect);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        QPixmap pm = renderPicture(m_picture, m_designSize, size, 1.0);
        if (mode == QIcon::Disabled) {
            const QStyleOption option;
            return QApplication::style()->generatedIconPixmap(mode, pm, &option);
        }
        return pm;
    }

    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal) override
    {
        return pixmap(size, mode, state);
    }

    QIconEngine *clone() const override
    {
        return new PictureIconEngine(m_picture, m_designSize, m_offeredSizes);
    }

private:
    Picture m_picture;
    QSizeF m_designSize;
    QList<QSize> m_offeredSizes;
};

} // namespace

QPixmap renderPicture(const Picture &picture, QSizeF designSize, QSize logicalSize, qreal devicePixelRatio)
{
    const QSize deviceSize(static_cast<int>(std::ceil(logicalSize.width() * devicePixelRatio)),
                           static_cast<int>(std::ceil(logicalSize.height() * devicePixelRatio)));
    QPixmap pm(deviceSize);
    pm.fill(Qt::transparent);
    {
        QPainter painter(&pm);
        paintFitted(painter, picture, designSize, QRectF(QPointF(0, 0), QSizeF(deviceSize)));
    }
    pm.setDevicePixelRatio(devicePixelRatio);
    return pm;
}

QIcon pictureIcon(Picture picture, QSizeF designSize, QList<QSize> offeredSizes)
{
    return QIcon(new PictureIconEngine(std::move(picture), designSize, std::move(offeredSizes)));
}

ImageList::ImageList(QSize imageSize, QObject *parent) : QObject(parent), m_imageSize(imageSize) { }

int ImageList::count() const
{
    return static_cast<int>(m_pictures.size());
}

void ImageList::add(Picture picture)
{
    m_pictures.push_back(std::move(picture));
}

QPixmap ImageList::pixmap(int index, qreal devicePixelRatio, ImageStyle style,
                          const QColor &blendColour) const
{
    if (index < 0 || index >= count())
        return {};
    const QRgb blend = style == ImageStyle::Blend50 ? blendColour.rgba() : 0;
    const CacheKey key{index, devicePixelRatio, static_cast<int>(style), blend};
    if (const auto found = m_cache.find(key); found != m_cache.end())
        return found->second;

    QPixmap pm = renderPicture(m_pictures[static_cast<std::size_t>(index)], QSizeF(m_imageSize), m_imageSize,
                               devicePixelRatio);
    if (style == ImageStyle::Blend50)
        pm = blended(pm, blendColour);
    m_cache.emplace(key, pm);
    return pm;
}

void ImageList::draw(QPainter &painter, QPoint topLeft, int index, ImageStyle style,
                     const QColor &blendColour) const
{
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    const QPixmap pm = pixmap(index, ratio, style, blendColour);
    if (!pm.isNull())
        painter.drawPixmap(topLeft, pm);
}

QIcon ImageList::icon(int index) const
{
    if (index < 0 || index >= count())
        return {};
    return pictureIcon(m_pictures[static_cast<std::size_t>(index)], QSizeF(m_imageSize));
}

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Our counterpart of the platform's image lists: a numbered set of same-sized pictures that
// buttons and dialogs draw by index. Qt has no such type.

#include <QColor>
#include <QIcon>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QSize>

#include <functional>
#include <map>
#include <tuple>
#include <vector>

class QPainter;

namespace slovnik {

/// A picture painted in its own logical coordinates, (0, 0) to the list's image size. It is drawn
/// with vector operations, so every device pixel ratio gets a crisp rendering of its own.
using Picture = std::function<void(QPainter &)>;

enum class ImageStyle {
    Normal,
    /// Every painted pixel mixed half and half with a colour, the way a disabled image looks.
    Blend50,
};

/// A QObject so that controls can hold it through QPointer and forget it when it is destroyed.
class ImageList : public QObject {
    Q_OBJECT
public:
    explicit ImageList(QSize imageSize, QObject *parent = nullptr);

    QSize imageSize() const { return m_imageSize; }
    int width() const { return m_imageSize.width(); }
    int height() const { return m_imageSize.height(); }
    int count() const;

    /// Appends a picture; its index is the count before the call.
    void add(Picture picture);

    /// Draws image `index` with its top-left corner at `topLeft` (the painter's logical
    /// coordinates), transparent where the picture paints nothing. An index outside 0 to
    /// count() - 1 draws nothing. Blend50 mixes with `blendColour`.
    void draw(QPainter &painter, QPoint topLeft, int index, ImageStyle style = ImageStyle::Normal,
              const QColor &blendColour = {}) const;

    /// Image `index` rendered for a device pixel ratio; a null pixmap for an index outside the list.
    QPixmap pixmap(int index, qreal devicePixelRatio, ImageStyle style = ImageStyle::Normal,
                   const QColor &blendColour = {}) const;

    /// Image `index` as an icon that renders the picture afresh at every size asked of it.
    QIcon icon(int index) const;

private:
    using CacheKey = std::tuple<int, qreal, int, QRgb>;
    QSize m_imageSize;
    std::vector<Picture> m_pictures;
    mutable std::map<CacheKey, QPixmap> m_cache;
};

/// Renders a picture designed for `designSize` into a transparent pixmap of `logicalSize` at a
/// device pixel ratio, scaled to fit and centred.
QPixmap renderPicture(const Picture &picture, QSizeF designSize, QSize logicalSize, qreal devicePixelRatio);

/// An icon that renders a picture designed for `designSize` at whatever size is asked of it.
/// `offeredSizes` are the sizes it names to whoever asks which it has (none: any size).
QIcon pictureIcon(Picture picture, QSizeF designSize, QList<QSize> offeredSizes = {});

} // namespace slovnik

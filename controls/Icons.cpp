#include "Icons.h"

#include "ImageList.h"
#include "Pictures.h"

#include <QPainter>

namespace slovnik {

namespace {

constexpr QSize kButtonImageSize(16, 16);
constexpr QSize kFlagImageSize(30, 16);
constexpr QSize kDialogImageSize(20, 20);
constexpr QSizeF kWindowIconSize(32, 32);

// A 16 x 16 picture shown in a larger square.
Picture scaledFrom16(void (*picture)(QPainter &), int side)
{
    return [picture, side](QPainter &painter) {
        painter.scale(side / 16.0, side / 16.0);
        picture(painter);
    };
}

} // namespace

ImageList *createButtonImages(QObject *parent)
{
    auto *images = new ImageList(kButtonImageSize, parent);
    images->add(pictures::copySheets);
    images->add(pictures::pasteClipboard);
    images->add(pictures::arrowIntoGrid);
    images->add(pictures::information);
    images->add(pictures::arrowOutOfGrid);
    images->add(pictures::sheetWithLines);
    images->add(pictures::openBook);
    images->add(pictures::helpBook);
    return images;
}

ImageList *createFlagImages(QObject *parent)
{
    auto *images = new ImageList(kFlagImageSize, parent);
    images->add(pictures::czechThenBritish);
    images->add(pictures::britishThenCzech);
    return images;
}

ImageList *createDialogImages(QObject *parent)
{
    auto *images = new ImageList(kDialogImageSize, parent);
    images->add(pictures::tick);
    images->add(pictures::cross);
    images->add(scaledFrom16(pictures::information, kDialogImageSize.width()));
    return images;
}

QIcon dictionaryWindowIcon()
{
    return pictureIcon(scaledFrom16(pictures::openBook, 32), kWindowIconSize);
}

QIcon translatorWindowIcon()
{
    return pictureIcon([](QPainter &painter) { pictures::britishFlag(painter, QRectF(0, 4, 32, 24)); },
                       kWindowIconSize);
}

QIcon dialogWindowIcon()
{
    return pictureIcon(scaledFrom16(pictures::information, 32), kWindowIconSize);
}

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/Icons.h"

#include "controls/ImageList.h"
#include "controls/Pictures.h"

#include <QPainter>

namespace slovnik {

namespace {

constexpr QSize kButtonImageSize(16, 16);
constexpr QSize kFlagImageSize(30, 16);
constexpr QSize kDialogImageSize(20, 20);
constexpr QSizeF kWindowIconSize(32, 32);

// The sizes a window hands the desktop for its title bar and task list. An icon that names no
// sizes is drawn by the X11 platform at 16 to 128 pixels before the window can appear; the
// desktop scales these few, and its launchers take the installed icon instead.
QIcon windowIcon(Picture picture)
{
    return pictureIcon(std::move(picture), kWindowIconSize, {{16, 16}, {24, 24}, {32, 32}, {48, 48}});
}

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
    return windowIcon(scaledFrom16(pictures::openBook, 32));
}

QIcon translatorWindowIcon()
{
    return windowIcon([](QPainter &painter) { pictures::britishFlag(painter, QRectF(0, 4, 32, 24)); });
}

QIcon dialogWindowIcon()
{
    return windowIcon(scaledFrom16(pictures::information, 32));
}

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What a user meets of a laid-out control: where it stands, the name a screen reader reads, the
// hint that shows under the pointer and the picture an image button shows.

#include "controls/ImageList.h"

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace slovnik::support {

/// The control's rectangle within `ancestor`.
inline QRect placeIn(const QWidget &control, const QWidget &ancestor)
{
    return QRect(control.mapTo(&ancestor, QPoint(0, 0)), control.size());
}

inline QString screenReaderName(QWidget &control)
{
    QAccessibleInterface *const accessible = QAccessible::queryAccessibleInterface(&control);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

inline QString screenReaderDescription(QWidget &control)
{
    QAccessibleInterface *const accessible = QAccessible::queryAccessibleInterface(&control);
    return accessible ? accessible->text(QAccessible::Description) : QString();
}

/// The hint shown when the pointer rests on the middle of the control: the help event goes to the
/// widget the window has there, and from it up to its parents, as the platform's would.
inline QString hintShownOver(const QWidget &control)
{
    QToolTip::hideText();
    QWidget *const window = control.window();
    const QPoint middle = control.mapTo(window, control.rect().center());
    QWidget *const under = window->childAt(middle) ? window->childAt(middle) : window;
    QHelpEvent event(QEvent::ToolTip, under->mapFrom(window, middle), window->mapToGlobal(middle));
    QApplication::sendEvent(under, &event);
    const QString hint = QToolTip::isVisible() ? QToolTip::text() : QString();
    QToolTip::hideText();
    return hint;
}

/// Whether image `index` of `images` stands somewhere in the control's rendering: every opaque
/// pixel of the image, at one offset.
inline bool showsImage(QWidget &control, const ImageList &images, int index)
{
    const QImage shown = control.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage image = images.pixmap(index, 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int top = 0; top + image.height() <= shown.height(); ++top) {
        for (int left = 0; left + image.width() <= shown.width(); ++left) {
            bool same = true;
            for (int y = 0; y < image.height() && same; ++y)
                for (int x = 0; x < image.width() && same; ++x)
                    same = qAlpha(image.pixel(x, y)) < 255
                        || (shown.pixel(left + x, top + y) & 0xFFFFFF) == (image.pixel(x, y) & 0xFFFFFF);
            if (same)
                return true;
        }
    }
    return false;
}

} // namespace slovnik::support

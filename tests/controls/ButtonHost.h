// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// A shown window holding one image button, with a palette of known colours, and ways to look at
// what the button painted.

#include "controls/Ex3DButton.h"
#include "controls/ImageList.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <memory>

namespace slovnik::buttontest {

inline const QColor kFace(0xC0, 0xC0, 0xC0);
inline const QColor kLight(0xFF, 0xFF, 0xFF);
inline const QColor kDark(0x80, 0x80, 0x80);
inline const QColor kText(0x00, 0x00, 0x00);
inline const QColor kHighlight(0x00, 0x00, 0xFF);
inline const QColor kPicture(0x00, 0xFF, 0x00);
inline const QPoint kButtonPlace(10, 10);
inline const QPoint kAwayFromTheButton(190, 90);

inline QPalette testPalette()
{
    QPalette palette;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, kFace);
        palette.setColor(group, QPalette::Light, kLight);
        palette.setColor(group, QPalette::Dark, kDark);
        palette.setColor(group, QPalette::WindowText, kText);
        palette.setColor(group, QPalette::Highlight, kHighlight);
    }
    // As the styles do: a disabled control's highlight is grey, not the highlight colour.
    palette.setColor(QPalette::Disabled, QPalette::Highlight, kDark);
    return palette;
}

// One picture filling its whole image in one colour, so its pixels show exactly where it went.
inline std::unique_ptr<ImageList> solidImages(QSize size, int count = 1)
{
    auto images = std::make_unique<ImageList>(size);
    for (int i = 0; i < count; ++i)
        images->add([size](QPainter &painter) { painter.fillRect(QRect(QPoint(0, 0), size), kPicture); });
    return images;
}

class CountingButton : public TEx3DButton {
public:
    using TEx3DButton::TEx3DButton;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        ++paints;
        TEx3DButton::paintEvent(event);
    }
};

// A shown window with the button at kButtonPlace; mouse events go through the platform's window
// so that grabs, double-clicks and enter/leave work as they do for a user.
struct Host {
    QWidget window;
    CountingButton *button;

    explicit Host(QSize buttonSize = QSize(96, 22)) : button(new CountingButton(&window))
    {
        window.setPalette(testPalette());
        window.resize(200, 100);
        window.move(100, 100);
        button->setGeometry(QRect(kButtonPlace, buttonSize));
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qWarning("the test window was not exposed");
        // The platform reports the pointer entering a child only after it has seen the pointer
        // move somewhere in the window; a move to where the pointer already is does not count.
        QTest::mouseMove(handle(), kAwayFromTheButton);
        QTest::mouseMove(handle(), kAwayFromTheButton - QPoint(1, 1));
    }

    QPoint at(QPoint buttonPoint) const { return button->mapTo(&window, buttonPoint); }
    QWindow *handle() { return window.windowHandle(); }
    void press(QPoint p) { QTest::mousePress(handle(), Qt::LeftButton, {}, at(p)); }
    void move(QPoint p) { QTest::mouseMove(handle(), at(p)); }
    void release(QPoint p) { QTest::mouseRelease(handle(), Qt::LeftButton, {}, at(p)); }
    QImage picture() { return window.grab(button->geometry()).toImage(); }
};

inline QColor pixel(const QImage &image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

/// The button's left edge: the face with no frame, the highlight when hot, the shadow when hot and
/// pressed.
inline QColor leftEdge(Host &host)
{
    return pixel(host.picture(), 0, 10);
}

inline void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// The bounding box of the pixels in a colour.
inline QRect boxOf(const QImage &image, const QColor &colour)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (pixel(image, x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

// A caption area by its left and right edges (right exclusive), full height unless given.
inline QRect area(int left, int right, int top = 0, int height = 22)
{
    return QRect(left, top, right - left, height);
}

} // namespace slovnik::buttontest

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// TEx3DButton: the flat, hot-tracking image button behind every command button of the
// dictionary and translator windows. At rest it shows an image and an optional caption without a
// frame; under the pointer a raised frame; while held a sunken frame with the content one pixel
// right and down. It never takes the keyboard focus.
//
// A button to Qt: click() and the clicked() signal are the base's, so a click from assistive
// technology or code is the same click the mouse gives, and its Pressed state is the base's
// isDown(). The mouse handling stays its own, as the base's differs in four ways: here the held
// press also counts the row just below the button as inside while a click needs the release on
// the button itself; a double-click clicks once; the button still looks pressed while its click's
// handlers run (the base lets go of it first); and disabling it keeps a held press. The caption is
// its own too: the base's text would turn an "&" into a keyboard shortcut.

#include <QAbstractButton>
#include <QPointer>
#include <QString>

#include <cstdint>

class QMenu;

namespace slovnik {

class ImageList;

class TEx3DButton : public QAbstractButton {
    Q_OBJECT
public:
    /// 96 x 22, Space 2, everything else empty, zero or false.
    explicit TEx3DButton(QWidget *parent = nullptr);

    // Each setter stores a different value and schedules a repaint; an equal value does nothing.
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    std::uint8_t space() const { return m_space; }
    void setSpace(std::uint8_t space);
    bool dropdownSymbol() const { return m_dropdownSymbol; }
    void setDropdownSymbol(bool dropdownSymbol);
    std::int32_t imageIndex() const { return m_imageIndex; }
    void setImageIndex(std::int32_t imageIndex);
    /// When true the parent shows through instead of the background colour.
    bool transparent() const { return m_transparent; }
    void setTransparent(bool transparent);

    /// Not owned. The button forgets the list, and repaints, when the list is destroyed.
    ImageList *images() const;
    void setImages(ImageList *images);

    /// Not owned; dropped below the button when it is pressed. Forgotten when destroyed. Setting
    /// it schedules no repaint: the menu does not change the button's look.
    QMenu *dropdownMenu() const;
    void setDropdownMenu(QMenu *menu);

    QSize sizeHint() const override;

    // clicked(): the left button was pressed and released inside. Emitted before the button is
    // drawn unpressed, so it still looks pressed while the handlers run. isDown(): drawn pressed,
    // the left button went down on it and the pointer is still inside.

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void handlePress(QMouseEvent &event);
    /// Pops the menu up with its top-left at the button's bottom-left; true once it has closed.
    bool ShowDropdownMenu();
    /// The held pointer counts as inside down to the row just below the button; a click needs the
    /// release on the button itself (the base's hitButton()).
    bool holdsInside(QPoint point) const;
    void setPressed(bool pressed);

    QString m_caption;
    QPointer<ImageList> m_images;
    QMetaObject::Connection m_imagesDestroyed;
    std::int32_t m_imageIndex = 0;
    std::uint8_t m_space = 2;
    bool m_dropdownSymbol = false;
    QPointer<QMenu> m_dropdownMenu;
    bool m_transparent = false;

    /// Hot: the pointer is over the button.
    bool m_mouseInside = false;
    bool m_capturing = false; // the left button went down on us and is still held
    bool m_clickArmed = false; // that press was a single press, not the second of a double-click
    bool m_clicking = false; // the click's handlers are running
    bool m_leftWhileClicking = false; // the pointer left meanwhile, for a modal window perhaps
};

} // namespace slovnik

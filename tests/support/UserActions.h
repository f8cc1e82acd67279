// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What the window tests do as a user would: click an image button, type key by key, and answer
// the message dialog from inside its modal loop; and the lines a combo box offers.

#include "controls/Ex3DButton.h"
#include "controls/ExDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QWheelEvent>
#include <QtTest>

#include <functional>

namespace slovnik::support {

inline void click(TEx3DButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

/// Sends one key press per code point, with the character as the event's text (letters beyond
/// ASCII have no key code); an emoji's surrogate pair travels as one key.
inline void typeKeys(QWidget *target, const QString &text)
{
    for (qsizetype from = 0; from < text.size();) {
        const bool pair
            = text[from].isHighSurrogate() && from + 1 < text.size() && text[from + 1].isLowSurrogate();
        const qsizetype units = pair ? 2 : 1;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text.mid(from, units));
        QApplication::sendEvent(target, &press);
        from += units;
    }
}

/// One notch of the wheel, down, over the middle of `widget`, as the window system delivers it:
/// to the widget under the pointer, and from there up to its parents while none takes it.
inline void wheelDown(QWidget *widget)
{
    const QPointF middle = QRectF(widget->rect()).center();
    QWheelEvent notch(middle, widget->mapToGlobal(middle), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    // Only the window system's own events travel up to the parents; sendEvent would make it the
    // program's.
    QSpontaneKeyEvent::setSpontaneous(&notch);
    qApp->notify(widget, &notch);
}

/// Empties the text box as the user does (select all, Delete) and types `text`.
inline void typeOver(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    typeKeys(edit, text);
}

inline QStringList itemsOf(const QComboBox &box)
{
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items.append(box.itemText(i));
    return items;
}

/// Answers every message dialog shown while it lives: notes its title, text and width, runs
/// `onShown` while the dialog is up, and presses its one button from inside its modal loop.
/// Nothing is polled, so a dialog that never comes leaves nothing behind.
class DialogAnswerer : public QObject {
public:
    explicit DialogAnswerer(std::function<void()> onShown = {}) : m_onShown(std::move(onShown))
    {
        qApp->installEventFilter(this);
    }
    ~DialogAnswerer() override { qApp->removeEventFilter(this); }

    QStringList titles;
    QStringList texts;
    QList<int> widths;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *const dialog = qobject_cast<TDlgForm *>(watched);
        if (!dialog || event->type() != QEvent::Show)
            return false;
        titles.append(dialog->windowTitle());
        texts.append(dialog->Label1->text());
        widths.append(dialog->width());
        if (m_onShown)
            m_onShown();
        QToolButton *const button = dialog->ToolButton1;
        QMetaObject::invokeMethod(
            button, [button] { QTest::mouseClick(button, Qt::LeftButton); }, Qt::QueuedConnection);
        return false;
    }

private:
    std::function<void()> m_onShown;
};

} // namespace slovnik::support

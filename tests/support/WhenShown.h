// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Acting on a window that a modal loop (a dialog's exec, a menu's exec) shows, from inside that
// loop, without knowing when the loop starts.

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace slovnik::support {

/// Watches the application's Show and activation events; after each, once the event has been
/// handled, asks `find` for the widget to act on. A window is acted on once it is active (a popup
/// once it is visible), so that the keyboard focus is where the user would find it.
template <typename Find, typename Act> class ShowWatcher final : public QObject {
public:
    ShowWatcher(Find find, Act act, QObject *owner) :
        QObject(owner),
        m_find(std::move(find)),
        m_act(std::move(act))
    {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if ((type == QEvent::Show || type == QEvent::WindowActivate || type == QEvent::FocusIn)
            && watched->isWidgetType())
            QTimer::singleShot(0, this, [this] { tryToAct(); });
        return false;
    }

private:
    void tryToAct()
    {
        if (m_done)
            return;
        QWidget *const widget = m_find();
        if (widget && widget->isVisible()
            && (widget->windowType() == Qt::Popup || widget->isActiveWindow())) {
            m_done = true;
            qApp->removeEventFilter(this);
            deleteLater();
            m_act(*widget);
        }
    }

    Find m_find;
    Act m_act;
    bool m_done = false;
};

/// Runs `act` on the widget `find` returns as soon as it is shown and active, however slow the
/// run. `act` must end the modal loop (press the dialog's button, close the menu).
template <typename Find, typename Act> void whenShown(Find find, Act act)
{
    new ShowWatcher<Find, Act>(std::move(find), std::move(act), qApp); // owned by qApp
}

/// As whenShown, but the watch ends with `scope` if it has not acted by then: for an `act` that
/// reaches into the caller's locals, which a test that fails before the window shows would leave.
template <typename Find, typename Act> void whenShownWithin(QObject &scope, Find find, Act act)
{
    new ShowWatcher<Find, Act>(std::move(find), std::move(act), &scope);
}

} // namespace slovnik::support

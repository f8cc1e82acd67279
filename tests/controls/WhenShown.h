#pragma once

// Acting on a window that a modal loop (a dialog's exec, a menu's exec) shows, from inside that
// loop, without knowing when the loop starts.

#include <QApplication>
#include <QTimer>
#include <QWidget>

/// Polls for the widget `find` returns and runs `act` on it once it exists. `act` must end the
/// modal loop (press the dialog's button, close the menu); a widget that never shows leaves the
/// loop running and the test to its time limit.
template <typename Find, typename Act>
void whenShown(Find find, Act act, int triesLeft = 500)
{
    QTimer::singleShot(10, qApp, [find, act, triesLeft]() {
        if (QWidget *const widget = find()) {
            act(*widget);
            return;
        }
        if (triesLeft > 0)
            whenShown(find, act, triesLeft - 1);
    });
}

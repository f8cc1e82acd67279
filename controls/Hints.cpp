// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/Hints.h"

#include <QGuiApplication>
#include <QWidget>

namespace slovnik {

void showHintsWhileTheProgramIsActive(QWidget &window)
{
    const auto follow = [&window](Qt::ApplicationState state) {
        window.setAttribute(Qt::WA_AlwaysShowToolTips, state == Qt::ApplicationActive);
    };
    follow(QGuiApplication::applicationState());
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, &window, follow);
}

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ApplicationIdentity.h"

#include <QGuiApplication>

namespace slovnik {

void nameApplication()
{
    QCoreApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(kDesktopFileName));
}

} // namespace slovnik

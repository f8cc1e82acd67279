#include "app/ApplicationIdentity.h"

#include <QGuiApplication>

namespace slovnik {

void nameApplication()
{
    QCoreApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(kDesktopFileName));
}

} // namespace slovnik

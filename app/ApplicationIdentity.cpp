#include "ApplicationIdentity.h"

#include <QGuiApplication>

namespace slovnik {

void nameApplication()
{
    QCoreApplication::setApplicationName(QString::fromUtf8(ApplicationTitle));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(DesktopFileName));
}

} // namespace slovnik

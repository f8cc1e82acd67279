#include "controls/WindowPlacement.h"

#include <QScreen>
#include <QWidget>

namespace slovnik {

void centreOnScreen(QWidget &window)
{
    const QScreen *screen = window.screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    window.move(available.x() + (available.width() - window.frameGeometry().width()) / 2,
                available.y() + (available.height() - window.frameGeometry().height()) / 2);
}

void makeFixedDialogWindow(QWidget &window, QSize clientSize, bool stayOnTop)
{
    const Qt::WindowType type = window.windowType() == Qt::Dialog ? Qt::Dialog : Qt::Window;
    Qt::WindowFlags flags = type | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint;
    if (stayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    window.setWindowFlags(flags);
    window.setFixedSize(clientSize);
    centreOnScreen(window);
}

} // namespace slovnik

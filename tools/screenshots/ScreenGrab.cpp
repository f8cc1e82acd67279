// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/screenshots/ScreenGrab.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QRect>
#include <QScreen>
#include <QThread>
#include <QWidget>
#include <QWindow>

namespace slovnik::screenshots {

namespace {

constexpr qint64 kExposeLimitMs = 5000;
constexpr int kPaintRounds = 10;
constexpr unsigned long kPaintRoundMs = 30;

} // namespace

void settle(QWidget &window)
{
    QElapsedTimer waited;
    waited.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed())
           && waited.elapsed() < kExposeLimitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, kPaintRoundMs);
    // The exposure is followed by paints and their flush to the display.
    for (int round = 0; round < kPaintRounds; ++round) {
        QCoreApplication::processEvents();
        QThread::msleep(kPaintRoundMs);
    }
}

bool saveScreenshot(const QList<QWidget *> &windows, const QString &path)
{
    if (windows.isEmpty())
        return false;
    QRect area;
    for (const QWidget *window : windows)
        area |= window->frameGeometry();
    QScreen *const screen = windows.front()->screen();
    if (!screen)
        return false;
    const QRect onScreen = area.intersected(screen->geometry());
    const QPixmap shot
        = screen->grabWindow(0, onScreen.x() - screen->geometry().x(), onScreen.y() - screen->geometry().y(),
                             onScreen.width(), onScreen.height());
    return !shot.isNull() && shot.save(path, "PNG");
}

} // namespace slovnik::screenshots

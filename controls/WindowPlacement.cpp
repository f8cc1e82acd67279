// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/WindowPlacement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace slovnik {

namespace {

void centreFrame(QWidget &window)
{
    const QScreen *screen = window.screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    window.move(available.x() + (available.width() - window.frameGeometry().width()) / 2,
                available.y() + (available.height() - window.frameGeometry().height()) / 2);
}

// Watches a window's moves and resizes until its frame is first known.
class FrameWatch final : public QObject {
public:
    FrameWatch(QWidget &window, std::function<void()> place) : QObject(&window), m_place(std::move(place))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::Move && type != QEvent::Resize && type != QEvent::Show)
            return false;
        auto *const window = static_cast<QWidget *>(watched);
        if (!window->isVisible() || window->frameGeometry().size() == window->size())
            return false;
        window->removeEventFilter(this);
        deleteLater();
        m_place();
        return false;
    }

private:
    std::function<void()> m_place;
};

} // namespace

void centreOnScreen(QWidget &window)
{
    centreFrame(window);
    placeAgainOnceTheFrameIsKnown(window, [&window] { centreFrame(window); });
}

void placeAgainOnceTheFrameIsKnown(QWidget &window, std::function<void()> place)
{
    // Once is enough: a window placed again before its frame was known keeps its one watch.
    for (QObject *const child : window.children())
        if (dynamic_cast<FrameWatch *>(child))
            return;
    new FrameWatch(window, std::move(place));
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

void showInFront(QWidget *window)
{
    if (!window)
        return;
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace slovnik

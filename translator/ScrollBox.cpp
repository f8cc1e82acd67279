// SPDX-License-Identifier: GPL-2.0-or-later
#include "translator/ScrollBox.h"

#include <QEvent>

namespace slovnik {

ScrollBox::ScrollBox(QWidget *parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    // Only the controls inside take the focus.
    setFocusPolicy(Qt::NoFocus);
}

bool ScrollBox::viewportEvent(QEvent *event)
{
    const bool handled = QScrollArea::viewportEvent(event);
    if (event->type() == QEvent::Resize)
        Q_EMIT viewResized();
    return handled;
}

} // namespace slovnik

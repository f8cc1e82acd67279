// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/LinkLabel.h"

#include "controls/FocusFrame.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace slovnik {

LinkLabel::LinkLabel(QWidget *parent) : QLabel(parent)
{
    // Tab only: a click opens the link at once and has no use for the focus.
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::activate()
{
    if (isEnabled())
        Q_EMIT clicked();
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    m_pressedOnLabel = true;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    // A press dragged off the label before release is a change of mind, as with a button.
    const bool click = m_pressedOnLabel && rect().contains(event->position().toPoint());
    m_pressedOnLabel = false;
    if (click)
        activate();
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        activate();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    if (width() >= sizeHint().width()) {
        QLabel::paintEvent(event);
    } else {
        QPainter painter(this);
        const QRect room = contentsRect();
        const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, room.width());
        style()->drawItemText(&painter, room, QStyle::visualAlignment(layoutDirection(), alignment()).toInt(),
                              palette(), isEnabled(), shown, foregroundRole());
    }
    if (!hasFocus())
        return;
    // The only sign of where a keyboard user stands; the label draws no frame of its own.
    QPainter painter(this);
    drawFocusFrame(painter, *this, rect());
}

} // namespace slovnik

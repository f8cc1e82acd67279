// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/FocusFrame.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

namespace slovnik {

void drawFocusFrame(QPainter &painter, const QWidget &widget, const QRect &rect)
{
    QStyleOptionFocusRect option;
    option.initFrom(&widget);
    option.rect = rect;
    option.backgroundColor = widget.palette().color(widget.backgroundRole());
    widget.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, &widget);
}

} // namespace slovnik

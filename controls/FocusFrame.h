// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The focus frame of a control that paints itself.

class QPainter;
class QRect;
class QWidget;

namespace slovnik {

/// The style's focus frame around `rect`, painted for `widget`: for a control whose own look shows
/// no focus. Like the style's controls, it shows once the keyboard has moved the focus.
void drawFocusFrame(QPainter &painter, const QWidget &widget, const QRect &rect);

} // namespace slovnik

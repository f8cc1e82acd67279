// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Where an image button puts its caption, image and drop-down arrow: pure geometry, so that the
// painting and its tests agree on one set of rules.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace slovnik {

struct Ex3DButtonParts {
    QSize size; ///< the button's client size
    int space = 2; ///< the margin, 0 to 255
    bool dropdownSymbol = false;
    /// An image list is set and the index is below its count. A negative index counts as shown
    /// here (the caption makes room for it) although no image is drawn.
    bool imageShown = false;
    QSize imageSize; ///< the list's image size; ignored unless imageShown
    bool hasCaption = false;
    bool pressed = false;
    bool enabled = true;
};

struct Ex3DButtonLayout {
    /// Room kept for the arrow at the right: 2 x space + 7 with the arrow, else 0.
    int arrowRoom = 0;
    /// Where the caption is drawn and clipped; empty when the margins leave no room. It moves one
    /// pixel right and down while pressed.
    QRect captionArea;
    /// Top-left of the image: at the left margin with a caption, else centred; one pixel right
    /// and down while pressed and enabled (a disabled image never moves).
    QPoint imagePosition;
    /// Top-left of the arrow's 7 x 4 triangle; moves with the pressed offset, enabled or not.
    QPoint arrowPosition;
};

inline constexpr int kArrowWidth = 7;
inline constexpr int kArrowHeight = 4;

Ex3DButtonLayout layoutEx3DButton(const Ex3DButtonParts &parts);

} // namespace slovnik

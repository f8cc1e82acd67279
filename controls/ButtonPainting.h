// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The drawing steps of the image button that stand on their own: 3-D frames, a one-line caption
// in its area, the embossed caption of a disabled button, and the drop-down arrow. Colours come
// from the palette: Light is the button highlight, Dark the button shadow.

#include <QPoint>
#include <QRect>
#include <QString>

class QColor;
class QPainter;
class QPalette;

namespace slovnik {

enum class Edge {
    RaisedInner, ///< highlight at top and left, shadow at bottom and right
    SunkenOuter, ///< shadow at top and left, highlight at bottom and right
};

/// A 1-pixel frame on the outermost pixels of `rect`. The bottom and right lines are drawn last,
/// so the top-right and bottom-left corner pixels take their colour.
void drawEdge(QPainter &painter, const QRect &rect, Edge edge, const QPalette &palette);

/// One line of text, vertically centred, left-aligned, clipped to `area`; an "&" underlines the
/// next character and "&&" shows one "&". An empty area draws nothing.
void drawCaption(QPainter &painter, const QRect &area, const QString &text, const QColor &colour);

/// The caption of a disabled button: in the highlight colour one pixel right and down, then in
/// the shadow colour in place.
void drawDisabledText(QPainter &painter, const QRect &area, const QString &text, const QPalette &palette);

/// The drop-down arrow with its top-left at `topLeft`. Enabled: a solid triangle seven pixels
/// wide and four high, point down, in `colour`. Disabled: its outline in the highlight colour one
/// pixel right and down, then in the shadow colour in place, unfilled.
void drawDropdownArrow(QPainter &painter, QPoint topLeft, bool enabled, const QColor &colour,
                       const QPalette &palette);

} // namespace slovnik

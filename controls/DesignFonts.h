// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The faces the windows were designed in, and the free faces that stand in for them. Every window
// takes its face from here; none names a family itself.

#include <QFont>
#include <QList>
#include <QTextLayout>

class QTextDocument;
class QWidget;

namespace slovnik {

/// The design's 8-point fonts are 11 pixels high at 96 dots per inch.
inline constexpr int kDesignFontPixels = 11;

/// The face every window is designed in ("MS Sans Serif", 8 points), which no free system has.
/// Liberation Sans Narrow at 11 pixels stands in for it: capitals 8 pixels and small letters 6
/// pixels high, and narrow enough that each line of the help windows fits the width the window was
/// laid out for, which Liberation Sans at 11 pixels just fails to do. Drawn without smoothing, so
/// that thin letters are black, not grey.
QFont designFont();

/// The design's "Arial" at `pixelSize`: Liberation Sans, a free face with Arial's metrics. Up to the
/// design size, on screens of one pixel per point of design, it is drawn as the design face is,
/// without smoothing and with full hinting.
QFont arialFont(int pixelSize);

/// Makes the dictionary window's face (Arial at the design size) the application's default, before
/// any window exists. Every face costs a few milliseconds to load; the windows created hidden at
/// start-up then measure their controls in the one face already loaded, and take their own when
/// first shown or measured (takeDesignFont), not before the dictionary window appears.
void setApplicationFont();

/// Gives `widget` and the controls on it the design face, once; a later call changes nothing.
void takeDesignFont(QWidget &widget);

/// The letters of `text` whose ink would touch the next letter's in `face`, drawn without
/// smoothing at `pixelRatio` device pixels a pixel, each with the letter spacing, a pixel or two,
/// that keeps them apart; every other gap stays as the face sets it.
QList<QTextLayout::FormatRange> letterGaps(const QString &text, const QFont &face, qreal pixelRatio);

/// Gives the letters of `document` the gaps of letterGaps.
void keepLettersApart(QTextDocument &document, const QFont &face, qreal pixelRatio);

} // namespace slovnik

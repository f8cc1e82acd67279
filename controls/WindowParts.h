// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What the dictionary window, the translator and the secondary windows build alike: the design
// fonts, the focus frame, hints, bringing a window to the front and the busy cursor of a handler.
// Each rule is written here once; a window only names its own values.

#include <QFont>

class QColor;
class QComboBox;
class QPainter;
class QPalette;
class QRect;
class QWidget;

namespace slovnik {

/// Gives `control` its design name as its object name, as a form editor does, and returns it.
template <class Control> Control *designNamed(Control *control, const char *name)
{
    control->setObjectName(QLatin1StringView(name));
    return control;
}

/// The design's 8-point fonts are 11 pixels high at 96 dots per inch.
inline constexpr int kDesignFontPixels = 11;
/// Every drop-down list of the windows shows at most this many lines at a time.
inline constexpr int kVisibleListLines = 8;

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

/// The usual least contrast of text against its background.
inline constexpr double kTextContrast = 4.5;
/// WCAG's contrast ratio of two colours, 1 to 21.
double contrast(const QColor &one, const QColor &other);

/// The grey of text meant to stand back (placeholders, suggestions) in `palette`: its placeholder
/// colour laid opaque on the base colour, as a face drawn without smoothing needs it, and darkened
/// toward the text colour as far as it takes to reach kTextContrast against the base.
QColor readableGrey(const QPalette &palette);

/// Gives `widget` and the controls on it the design face, once; a later call changes nothing.
void takeDesignFont(QWidget &widget);

/// The style's focus frame around `rect`, painted for `widget`: for a control whose own look shows
/// no focus. Like the style's controls, it shows once the keyboard has moved the focus.
void drawFocusFrame(QPainter &painter, const QWidget &widget, const QRect &rect);

/// The hints of `window`'s controls show whenever the program is the active one, not only while
/// `window` itself is: the learner points at the translator's buttons with the dictionary window
/// active. While another program is active they stay hidden.
void showHintsWhileTheProgramIsActive(QWidget &window);

/// Only a box with the keyboard focus changes its choice with the wheel: the wheel over a box the
/// learner has not entered passes on to what holds it, as the pointer passes on its way. The wheel
/// does not give the focus either.
void changeOnlyWhenFocusedByWheel(QComboBox &box);

/// Shows a modeless window, or brings it back to the front; does nothing without one.
void showInFront(QWidget *window);

} // namespace slovnik

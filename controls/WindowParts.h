#pragma once

// What the dictionary window, the translator and the secondary windows build alike: the design
// fonts, the button strip, the flag of a direction, bringing a window to the front and the busy
// cursor of a handler. Each rule is written here once; a window only names its own values.

#include "Direction.h"

#include <QFont>

class QPainter;
class QRect;
class QWidget;

namespace slovnik {

class ImageList;
class TEx3DButton;

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

/// The design's "Arial" at `pixelSize`: Liberation Sans, a free face with Arial's metrics.
QFont arialFont(int pixelSize);

/// Makes the dictionary window's face (Arial at the design size) the application's default, before
/// any window exists. Every face costs a few milliseconds to load; the windows created hidden at
/// start-up then measure their controls in the one face already loaded, and take their own when
/// first shown or measured (takeDesignFont), not before the dictionary window appears.
void setApplicationFont();

/// Gives `widget` and the controls on it the design face, once; a later call changes nothing.
void takeDesignFont(QWidget &widget);

/// One image button of a window's button strip, as the design places it.
struct StripButtonDesign {
    int left;
    int width;
    int image; ///< index into the image list the button shows
    const char16_t *hint; ///< tool tip and accessible name; empty for none
    const char16_t *caption = u"";
};

/// Every strip button stands at top 1 and is 22 pixels high.
inline constexpr int kStripButtonTop = 1;
inline constexpr int kStripButtonHeight = 22;

/// Creates a button of a strip: placed on `strip` as `design` says, showing `images` (not owned),
/// with the hand-point cursor. Its accessible name is its hint, or its caption when it has none.
/// A window adds one more button by one more design row and one more call.
TEx3DButton *addStripButton(QWidget *strip, ImageList *images, const StripButtonDesign &design);

/// The image of the flag images that a direction button shows for `direction`.
int flagOf(TranslationDirection direction);

/// The style's focus frame around `rect`, painted for `widget`: for a control whose own look shows
/// no focus. Like the style's controls, it shows once the keyboard has moved the focus.
void drawFocusFrame(QPainter &painter, const QWidget &widget, const QRect &rect);

/// The hints of `window`'s controls show whenever the program is the active one, not only while
/// `window` itself is: the learner points at the translator's buttons with the dictionary window
/// active. While another program is active they stay hidden.
void showHintsWhileTheProgramIsActive(QWidget &window);

/// Shows a modeless window, or brings it back to the front; does nothing without one.
void showInFront(QWidget *window);

/// The busy cursor from construction to the end of the scope, however the scope is left.
class BusyCursorScope {
public:
    BusyCursorScope();
    ~BusyCursorScope();
    BusyCursorScope(const BusyCursorScope &) = delete;
    BusyCursorScope &operator=(const BusyCursorScope &) = delete;
};

} // namespace slovnik

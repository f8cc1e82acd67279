#pragma once

// Where top-level windows stand and how their borders behave.

#include <QSize>

class QWidget;

namespace slovnik {

/// The windows' design sizes are outer sizes, on a frame 8 pixels wider and 27 higher than the
/// client area; Qt sizes the client area and leaves the frame to the window manager.
inline constexpr QSize kDesignFrame(8, 27);

/// Moves a top-level window so that it stands in the middle of its screen's available area.
/// Before the window is first shown its frame is not yet known, so the window's own size is
/// centred; the frame adds the same few pixels on every side.
void centreOnScreen(QWidget &window);

/// A window with a dialog border: a title bar with the close box only, a fixed client size, and
/// centred on the screen. `stayOnTop` keeps it above other windows.
void makeFixedDialogWindow(QWidget &window, QSize clientSize, bool stayOnTop);

} // namespace slovnik

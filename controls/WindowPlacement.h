// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Where top-level windows stand, on the screen and in front of others, and how their borders behave.

#include <QSize>

#include <functional>

class QWidget;

namespace slovnik {

/// The windows' design sizes are outer sizes, on a frame 8 pixels wider and 27 higher than the
/// client area; Qt sizes the client area and leaves the frame to the window manager.
inline constexpr QSize kDesignFrame(8, 27);

/// Moves a top-level window so that it stands in the middle of its screen's available area. Before
/// the window is first shown its frame is not yet known, so the window's own size is centred; once
/// the window manager has drawn its frame, the frame it really draws is centred, once.
void centreOnScreen(QWidget &window);

/// Runs `place` once, when the window manager first reports the frame it draws around `window`
/// (the title bar is taller than the sides, so a place worked out from the client size alone is
/// off). A window that gets no frame is left where it is. The learner's own moves come later and
/// are never undone.
void placeAgainOnceTheFrameIsKnown(QWidget &window, std::function<void()> place);

/// A window with a dialog border: a title bar with the close box only, a fixed client size, and
/// centred on the screen. `stayOnTop` keeps it above other windows.
void makeFixedDialogWindow(QWidget &window, QSize clientSize, bool stayOnTop);

/// Shows a modeless window, or brings it back to the front; does nothing without one.
void showInFront(QWidget *window);

} // namespace slovnik

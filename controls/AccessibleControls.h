// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// How our windows and controls look to assistive technology (a screen reader, voice control): Qt
// knows its own widgets, but names a TEx3DButton by its text, which our buttons leave empty (the
// caption and the hint are their own), sees LinkLabel as a label without a way to press it, shows
// a top-level QWidget as a filler instead of a window, and on Linux names a combo box by the text
// it holds, so the label is lost once the user types.

class QComboBox;
class QString;

namespace slovnik {

/// TEx3DButton becomes a button and LinkLabel a link, each named by its accessible name or else
/// by what it shows (the button's caption, else its hint; the label's text), with a "Press"
/// action that clicks it when it is enabled, once the press has been answered (a modal window it
/// opens does not hold up the caller). Every window is a window named by its caption, the message
/// dialog an alert; a bare QFrame is a plain container. A combo box keeps its accessible name and
/// gives its chosen line as its value and text. Needs the QApplication; call it before any window
/// is shown, as Qt keeps the interface it first made for a widget. Calling it again does nothing.
void installAccessibleControls();

/// Names a combo box, its list and the text field of an editable one alike: the list that the
/// focus is in while it is open, and the field that the caret is in, carry the box's label too,
/// never what was typed.
void nameComboBox(QComboBox &box, const QString &name);

} // namespace slovnik

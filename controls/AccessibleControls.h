#pragma once

// How our own controls look to assistive technology (a screen reader, voice control): Qt knows
// its own widgets, but sees TEx3DButton and LinkLabel as bare widgets without a role, a name or a
// way to press them.

namespace slovnik {

/// TEx3DButton becomes a button and LinkLabel a link, each named by its accessible name or else
/// by what it shows (the button's caption, else its hint; the label's text), with a "Press"
/// action that clicks it when it is enabled. Needs the QApplication; call it before any window is
/// shown, as Qt keeps the interface it first made for a widget. Calling it again does nothing.
void installAccessibleControls();

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// When the controls' hints (tool tips) show.

class QWidget;

namespace slovnik {

/// The hints of `window`'s controls show whenever the program is the active one, not only while
/// `window` itself is: the learner points at the translator's buttons with the dictionary window
/// active. While another program is active they stay hidden.
void showHintsWhileTheProgramIsActive(QWidget &window);

} // namespace slovnik

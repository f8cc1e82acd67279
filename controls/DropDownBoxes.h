// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What every drop-down box of the windows does alike: how many lines its list shows, and when the
// wheel changes its choice.

class QComboBox;

namespace slovnik {

/// Every drop-down list of the windows shows at most this many lines at a time.
inline constexpr int kVisibleListLines = 8;

/// Only a box with the keyboard focus changes its choice with the wheel: the wheel over a box the
/// learner has not entered passes on to what holds it, as the pointer passes on its way. The wheel
/// does not give the focus either.
void changeOnlyWhenFocusedByWheel(QComboBox &box);

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The dictionary help window: shown without blocking by the dictionary window's help button, and
// kept above every other window while it is shown, the dictionary window included, so the learner
// can read it while typing a query.

#include "controls/HelpWindow.h"

namespace slovnik {

class TDicHelpForm : public HelpWindow {
    Q_OBJECT
public:
    /// Hidden at first; Memo1 holds the dictionary help text, 23 lines.
    explicit TDicHelpForm(QWidget *parent = nullptr);
};

} // namespace slovnik

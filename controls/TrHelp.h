// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The translator help window: shown without blocking by the translator's help button; an
// ordinary window that others may cover.

#include "controls/HelpWindow.h"

namespace slovnik {

class TTrHelpForm : public HelpWindow {
    Q_OBJECT
public:
    /// Hidden at first; Memo1 holds the translator help text, 23 lines.
    explicit TTrHelpForm(QWidget *parent = nullptr);
};

} // namespace slovnik

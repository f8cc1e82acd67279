// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The program's five windows and its message loop.

#include "app/Startup.h"

#include <memory>

namespace slovnik {

class Speaker;
class TMainForm;
class TTransForm;
class TTrHelpForm;
class TAboutForm;
class TDicHelpForm;

/// Names the application, makes the dictionary window's face its default and installs the
/// controls' accessible interfaces: once, after the QApplication and before any window exists.
void prepareApplication();

/// Creates the windows hidden, in this order: the dictionary window (its creation runs the
/// start-up sequence with `module`), the translator, the translator help, the About and the
/// dictionary help window. They live as long as this object; closing any but the dictionary
/// window only hides it.
struct ApplicationWindows {
    explicit ApplicationWindows(const ExternalModule &module = morvellaModule());
    ~ApplicationWindows();

    /// The one voice both windows read English with; it loads nothing until first asked. First
    /// in, last out: the windows' speaker buttons refer to it.
    const std::unique_ptr<Speaker> speaker;

    // Declared in creation order, so destroyed in the reverse: the translator, which will take
    // images from the dictionary window, goes before it.
    const std::unique_ptr<TMainForm> MainForm;
    const std::unique_ptr<TTransForm> TransForm;
    const std::unique_ptr<TTrHelpForm> TrHelpForm;
    const std::unique_ptr<TAboutForm> AboutForm;
    const std::unique_ptr<TDicHelpForm> DicHelpForm;
};

/// Shows the dictionary window and dispatches events until it is closed; returns the exit code, 0.
int runMessageLoop(TMainForm &mainForm);

} // namespace slovnik

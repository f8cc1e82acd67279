// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The windows' controls carry the names their design gives them, so that a reader of the design
// and a test find the same control.

#include <QLatin1StringView>

namespace slovnik {

/// Gives `control` its design name as its object name, as a form editor does, and returns it.
template <class Control> Control *designNamed(Control *control, const char *name)
{
    control->setObjectName(QLatin1StringView(name));
    return control;
}

} // namespace slovnik

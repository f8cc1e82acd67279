// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The cursor of a search run: an hourglass with "SQL" beneath it.

#include <QCursor>

namespace slovnik {

/// The busy cursor, drawn for the primary screen's pixel ratio, its hot spot in the hourglass's
/// waist.
QCursor busyCursor();

/// Sets the busy cursor application-wide (true) or takes back what this function set (false).
/// Repeated calls with the same value change nothing, so the cursor stack never grows from it.
void setBusyCursor(bool busy);

/// The busy cursor from construction to the end of the scope, however the scope is left.
class BusyCursorScope {
public:
    BusyCursorScope() { setBusyCursor(true); }
    ~BusyCursorScope() { setBusyCursor(false); }
    BusyCursorScope(const BusyCursorScope &) = delete;
    BusyCursorScope &operator=(const BusyCursorScope &) = delete;
};

} // namespace slovnik

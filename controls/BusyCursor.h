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

} // namespace slovnik

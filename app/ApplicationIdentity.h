// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The name under which the desktop shows the program.

namespace slovnik {

/// The application title, as the task bar and the desktop entry show it.
inline constexpr const char *kApplicationTitle = "Anglicko - český slovník";

/// The desktop entry's base name (io.github.slovnik_app.slovnik.desktop), also the AppStream id;
/// Wayland takes it as the application's id, which joins the windows to the entry and its icon.
inline constexpr const char *kDesktopFileName = "io.github.slovnik_app.slovnik";

/// Names the running application after kApplicationTitle. Window captions stay exactly as each
/// window sets them: the title is not set as Qt's display name, which Qt would append to them.
void nameApplication();

} // namespace slovnik

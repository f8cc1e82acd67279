// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Pictures of windows as the screen shows them, drop-down lists and other pop-ups included.

#include <QList>
#include <QString>

class QWidget;

namespace slovnik::screenshots {

/// Lets `window` appear and finish painting: waits until the display has exposed it, at most a
/// few seconds, and handles the events that follow.
void settle(QWidget &window);

/// Saves what the screen shows of the windows in `windows` (the first one and whatever pops up
/// over it) as a PNG file; the picture spans their frames. False when nothing could be saved.
bool saveScreenshot(const QList<QWidget *> &windows, const QString &path);

} // namespace slovnik::screenshots

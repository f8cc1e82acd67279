// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The About window's own pictures, each painted into its design rectangle.

#include <QSize>

class QPainter;

namespace slovnik::pictures {

inline constexpr QSize kBadgeSize(74, 21);
inline constexpr QSize kGlobeSize(16, 16);

/// The program's badge: the two flags and its name on a light plate with a blue edge.
void slovnikBadge(QPainter &painter);

/// A small globe, for the web address beside it.
void globe(QPainter &painter);

} // namespace slovnik::pictures

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The inks the program's own pictures are drawn with. A shape is filled with one ink and edged
// with a darker one of its hue, so the two travel together as one value.

#include <QColor>

namespace slovnik::pictures {

struct Ink {
    QColor fill;
    QColor edge;
};

inline constexpr QColor kOutline(0x40, 0x40, 0x40);
inline constexpr QColor kTextLine(0x70, 0x80, 0xA0);

inline constexpr Ink kPaper{QColor(0xFF, 0xFF, 0xFF), kOutline};
inline constexpr Ink kClip{QColor(0xC8, 0xC8, 0xC8), kOutline};
inline constexpr Ink kArrow{QColor(0x2E, 0x8B, 0x2E), QColor(0x1B, 0x5E, 0x1B)};
inline constexpr Ink kBoard{QColor(0xB0, 0x7A, 0x40), QColor(0x5A, 0x3A, 0x1A)};
inline constexpr Ink kCover{QColor(0x20, 0x50, 0xA0), QColor(0x14, 0x30, 0x60)};
// The information sign's blue, which the About badge also takes for its plate's edge and name.
inline constexpr Ink kSignBlue{QColor(0x1E, 0x5A, 0xB4), QColor(0x12, 0x3C, 0x7A)};
inline constexpr Ink kSea{QColor(0x3C, 0x8C, 0xDC), QColor(0x1B, 0x4F, 0x8A)};

} // namespace slovnik::pictures

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// How far a colour stands out from its background, and the grey that stays readable: text drawn
// without smoothing has no half-tones to fall back on.

class QColor;
class QPalette;

namespace slovnik {

/// The usual least contrast of text against its background.
inline constexpr double kTextContrast = 4.5;
/// WCAG's contrast ratio of two colours, 1 to 21.
double contrast(const QColor &one, const QColor &other);

/// The grey of text meant to stand back (placeholders, suggestions) in `palette`: its placeholder
/// colour laid opaque on the base colour, as a face drawn without smoothing needs it, and darkened
/// toward the text colour as far as it takes to reach kTextContrast against the base.
QColor readableGrey(const QPalette &palette);

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What the voice is given to read. The voice reads plain ASCII English, so the text is cut and
// folded here, before it crosses to the synthesis thread: however large or strange the text,
// the voice only ever sees a few thousand printable characters.

#include <QStringView>

#include <string>

namespace slovnik {

/// The first MaxWords words of `text` (runs of characters between blanks, line breaks and other
/// characters the voice cannot read), each cut to WordCapacity characters, joined by single
/// blanks. Letters with diacritics lose them; NUL, control characters, emoji and every other
/// character outside printable ASCII separate words. Stops reading `text` at the word after the
/// last one kept. Empty when nothing readable is left.
std::string speakableText(QStringView text);

} // namespace slovnik

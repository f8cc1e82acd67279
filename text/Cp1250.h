// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The one crossing between Qt's Unicode text and the engine's single-byte Windows-1250 text.

#include <QString>
#include <string>
#include <string_view>

namespace slovnik {

/// Unicode -> Windows-1250. Composes each character with its combining marks first (NFC), so a
/// Czech letter typed as base + combining mark still becomes its one byte. Blanks and hyphens
/// that only forbid a line break (U+00A0, U+2007, U+202F; U+2011) are a blank and "-". A letter
/// without a byte becomes its base letter where that has one ("ï" -> "i", "ñ" -> "n"), a letter
/// of another language that has none its usual letters ("ø" -> "o", "ß" -> "ss", "ł" -> "l"),
/// also where the code page has a byte for it; a compatibility character the characters it
/// stands for (NFKC, else NFKD without marks: "ﬁ" -> "fi"). Every other code point without a
/// byte (emoji, an unpaired surrogate, CJK...) becomes one "?". Format characters (U+200B,
/// U+200E, U+FEFF, the soft hyphen...) and C0 control characters other than the tab and the
/// line breaks (LF, VT, FF, CR) are dropped. Never fails.
std::string toCp1250(const QString &text);

/// Windows-1250 -> Unicode. Every one of the 256 byte values has a code point, so this is
/// lossless: toCp1250(fromCp1250(b)) is b again for every byte but the dropped controls, the
/// soft hyphen, the no-break space and the letters read as others (ß, Ł, ł, Đ, đ), none of which
/// the table holds.
QString fromCp1250(std::string_view bytes);

} // namespace slovnik

#pragma once

// The one crossing between Qt's Unicode text and the engine's single-byte Windows-1250 text.

#include <QString>
#include <string>
#include <string_view>

namespace slovnik {

/// Unicode -> Windows-1250. Composes each character with its combining marks first (NFC), so a
/// Czech letter typed as base + combining mark still becomes its one byte. A letter without a byte
/// becomes its base letter where that has one ("ï" -> "i", "ñ" -> "n"); every other code point
/// without a byte (emoji, an unpaired surrogate, CJK...) becomes one "?". C0 control characters
/// other than the tab and the line breaks (LF, VT, FF, CR) are dropped. Never fails.
std::string toCp1250(const QString &text);

/// Windows-1250 -> Unicode. Every one of the 256 byte values has a code point, so this is
/// lossless: toCp1250(fromCp1250(b)) is b again for every byte but the dropped controls.
QString fromCp1250(std::string_view bytes);

} // namespace slovnik

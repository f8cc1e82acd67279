#pragma once

// The one crossing between Qt's Unicode text and the engine's single-byte Windows-1250 text.

#include <QString>
#include <string>
#include <string_view>

namespace slovnik {

/// Unicode -> Windows-1250. Composes each character with its combining marks first (NFC), so a
/// Czech letter typed as base + combining mark still becomes its one byte. Every code point
/// without a Windows-1250 byte (emoji, an unpaired surrogate, CJK...) becomes one "?". Never fails.
std::string toCp1250(const QString &text);

/// Windows-1250 -> Unicode. Every one of the 256 byte values has a code point, so this is
/// lossless: fromCp1250(b) converts back to exactly b.
QString fromCp1250(std::string_view bytes);

} // namespace slovnik

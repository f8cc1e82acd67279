// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What the build knows of the table's result lines, for code that runs without Qt (slovnik-cli's
// look-up): their order in the lists' collation without a locale, and the character of every
// Windows-1250 byte. Both are written by slovnik-tableorder (tools/tableorder) with the lists'
// own code and the program's own conversion, and tests hold them to those.

#include "engine/Direction.h"

#include <cstdint>
#include <span>

namespace slovnik {

/// Each entry's place among the direction's lines in resultLineCollator(fallbackListLocale()):
/// orderOfTableLines as it was when the program was built.
std::span<const std::uint16_t> builtInTableLinePlaces(TranslationDirection direction);

/// The Unicode character of a Windows-1250 byte, as fromCp1250 gives it.
char16_t builtInUnicodeOfByte(unsigned char byte);

} // namespace slovnik

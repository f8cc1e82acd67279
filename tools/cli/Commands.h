#pragma once

#include "Direction.h"

#include <QString>
#include <cstdio>

namespace slovnik::cli {

/// De-scrambles the word table and prints every entry, UTF-8, as "position TAB English TAB Czech".
int dump(std::FILE *out);

/// Runs the dictionary window's query run on the text as if typed into the query box and prints
/// the result lines in the window's order, one a line, duplicates included.
int lookup(const QString &text, TranslationDirection direction, std::FILE *out);

} // namespace slovnik::cli

#pragma once

#include "Direction.h"

#include <QString>
#include <cstdio>
#include <optional>

namespace slovnik::cli {

/// Prints every entry, UTF-8, as "position TAB English TAB Czech".
int dump(std::FILE *out, std::FILE *err);

/// Runs the dictionary window's query run on the text as if typed into the query box and prints
/// the result lines in the window's order, one a line, duplicates included.
int lookup(const QString &text, TranslationDirection direction, std::FILE *out, std::FILE *err);

/// Prints the table words closest to a mistyped word, as the dictionary offers them when a
/// query finds nothing: best first, one a line, at most MaxSuggestions.
int suggest(const QString &word, TranslationDirection direction, std::FILE *out, std::FILE *err);

/// Splits the source text as the translator does, offers every word's dictionary lines, chooses
/// offer 0 everywhere and prints the sentence (or, with listOffers, each word and its offers).
int translate(const QString &text, TranslationDirection direction, bool listOffers, std::FILE *out,
              std::FILE *err);

/// Reads the first words of the text aloud in English, or with `wavFile` writes them there as a
/// 16-bit mono WAV file instead.
int say(const QString &text, const std::optional<QString> &wavFile, std::FILE *err);

} // namespace slovnik::cli

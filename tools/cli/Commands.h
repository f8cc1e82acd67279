// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "engine/Direction.h"

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

/// What translate prints: the sentence of every box's first offer; each word with its offers and
/// then its base-form offers ("  ~ " and the line); or the sentence with every box that has
/// base-form offers filled with its first one, as the translator's fill command does.
enum class TranslateOutput { Sentence, Offers, FilledSentence };

/// Splits the source text as the translator does, offers every word's dictionary lines and
/// prints what `output` asks for.
int translate(const QString &text, TranslationDirection direction, TranslateOutput output, std::FILE *out,
              std::FILE *err);

/// Prints the table words of which WORD is a form, best first, one a line; a negated form's
/// base as its negation ("nevědět" for "nevěděl" when the table has only "vědět").
int forms(const QString &word, TranslationDirection direction, std::FILE *out, std::FILE *err);

/// Reads the first words of the text aloud in English, or with `wavFile` writes them there as a
/// 16-bit mono WAV file instead.
int say(const QString &text, const std::optional<QString> &wavFile, std::FILE *err);

/// Where show takes its text: the primary selection (the clipboard when nothing is selected),
/// the clipboard, or the command line; or the clipboard's, for the translator.
enum class ShowSource { Selection, Clipboard, Text, TranslateClipboard };

/// Asks the running program over the session bus, starting it through the bus when it is not
/// running, to look the text up in the dictionary window and bring it to the front. Success when
/// shown, BadInput when there was nothing to look up, Unavailable without a session bus or when
/// the program cannot be reached; one line on `err`, Czech and English, says why.
int show(ShowSource source, const QString &text, std::FILE *err);

} // namespace slovnik::cli

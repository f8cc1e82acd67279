// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The word-by-word translator without its window: splitting a source text into words, the
// look-ups that fill a word's box, and joining the chosen meanings into a sentence.

#include "engine/Dic.h"
#include "engine/Direction.h"
#include "engine/Search.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace slovnik {

inline constexpr std::size_t MaxWords = 128;
inline constexpr std::size_t WordCapacity = 50;
/// Turned into blanks before a line is split: digits and the punctuation that ends or marks
/// off words. Everything else, apostrophes, hyphens and brackets included, stays in a word.
inline constexpr std::string_view SeparatorChars = "!,.0123456789?[]";
inline constexpr std::string_view kEmptyBoxPart = "[..]";

struct SourceWords {
    std::vector<std::string> words; ///< at most MaxWords, each 1 to WordCapacity characters
    bool truncated = false; ///< the text held more words than MaxWords
    /// One flag per word: a clause ends after it (a ".", ",", "!" or "?", or the end of its line),
    /// so that no phrase is read across it.
    std::vector<bool> clauseEnds;
};

/// Splits the lines of a source text (Windows-1250) into words: separators become blanks, only
/// blanks separate words, A to Z are lower-cased, words are cut to WordCapacity characters, and
/// a word never continues into the next line. Words after the MaxWords-th are dropped.
SourceWords splitSourceText(std::span<const std::string> lines);

/// The prefix hits of a word as typed (no clean-up), in table order; returns their number.
int prefixOffers(std::span<const DictionaryEntry> table, std::string_view word,
                 TranslationDirection direction, LineSink &offers);

/// The second try for an English word without hits: its plural and comparative reductions,
/// non-empty ones only, each to be searched by prefix.
std::vector<std::string> reducedOfferForms(std::string_view word);

/// What a box's text contributes to the sentence: "[..]" for an empty box, else its takenText, at most
/// kMaxTakenTextLength characters.
std::string sentencePart(std::string_view boxText);

/// Each box's part followed by one blank, the last one included.
std::string buildSentence(std::span<const std::string> boxTexts);

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What a result line is, and every cut and limit applied to one, in one place. A result line is
// "searched = other": the searched field, the separator, the other field. Whoever reads a line
// back (the dictionary window, the result chooser, the translator's sentence, the tool) splits it
// at its first "=", and may meet a line the user typed, so the rules hold for any text.

#include "engine/Dic.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace slovnik {

inline constexpr std::string_view ResultSeparator = " = ";

/// The searched word with the separator: the longest start of a line before the other word.
inline constexpr std::size_t kMaxWordPartLength = FieldCapacity + ResultSeparator.size();
/// A whole line: both fields and the separator.
inline constexpr std::size_t kMaxResultLineLength = kMaxWordPartLength + FieldCapacity;
/// A prefix query longer than this is cut; no field is anywhere near it.
inline constexpr std::size_t kMaxPrefixQueryLength = 255;
/// What one word box gives the sentence, and what the Copy button puts on the clipboard.
inline constexpr std::size_t kMaxTakenTextLength = 255;
/// The other word of a chosen line, as the word list keeps it.
inline constexpr std::size_t kMaxOtherWordLength = 100;
/// The result chooser draws the right column from the "=" on, at most this many characters.
inline constexpr std::size_t kMaxDrawnRightLength = 30;

/// A line split at its first "=": the word ends one blank before it, the other word starts one
/// blank after it. A line without "=" is all word and has no other word (`hasOther` false).
template <class Char> struct BasicResultLineParts {
    std::basic_string_view<Char> word;
    std::basic_string_view<Char> other;
    bool hasOther = false;
};
using ResultLineParts = BasicResultLineParts<char>;

template <class Char> constexpr BasicResultLineParts<Char> resultLineParts(std::basic_string_view<Char> line)
{
    const std::size_t equals = line.find(Char('='));
    if (equals == std::basic_string_view<Char>::npos)
        return {line, {}, false};
    const std::size_t wordLength = equals >= 1 ? equals - 1 : 0;
    const std::size_t otherStart = std::min(line.size(), equals + 2);
    return {line.substr(0, wordLength), line.substr(otherStart), true};
}

constexpr ResultLineParts resultLineParts(std::string_view line)
{
    return resultLineParts<char>(line);
}

/// What a line gives when it is taken as a translation (a copy, a sentence part): at most
/// kMaxTakenTextLength characters after "= " when it holds "=", else the whole text. A sentence
/// part is cut to kMaxTakenTextLength in either case.
template <class Char> constexpr std::basic_string_view<Char> takenText(std::basic_string_view<Char> line)
{
    const BasicResultLineParts<Char> parts = resultLineParts(line);
    return parts.hasOther ? parts.other.substr(0, kMaxTakenTextLength) : line;
}

} // namespace slovnik

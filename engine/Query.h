// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What the learner typed, made into the text the searches compare.

#include "engine/Direction.h"

#include <string>
#include <string_view>

namespace slovnik {

/// Lower-cases the letters A to Z only; every other byte, Czech capitals with diacritics
/// included, stays as typed.
std::string lowerAsciiLetters(std::string_view text);

/// Removes one leading blank, then (English queries only) a leading "a " and then a leading
/// "the ", then every apostrophe. Inner and trailing blanks and all other characters stay.
/// May return the empty text, which means: nothing to search.
std::string NormalizeQuery(std::string_view text, TranslationDirection direction);

/// The query box's text as the searches take it: lowerAsciiLetters, then NormalizeQuery.
std::string cleanedQuery(std::string_view typed, TranslationDirection direction);

} // namespace slovnik

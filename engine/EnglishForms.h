// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// English word forms behind the base forms: the query rules' guesses (Analyze.h) and the
// irregular forms no suffix rule reaches. Every candidate is only a guess for an exact look-up.

#include "engine/BaseCandidate.h"

#include <string_view>
#include <vector>

namespace slovnik {

/// The candidate base words of a cleaned (lower-case) English word, likeliest first, without the
/// word itself; may hold duplicates and words that are no table words. "un" before a word is
/// read as its negation ("unknown" of "known").
std::vector<BaseCandidate> englishBaseCandidates(std::string_view word);

} // namespace slovnik

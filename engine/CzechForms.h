// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Czech word forms behind the base forms: the words of which a cleaned (lower-case) Czech word
// is a declined, conjugated or compared form.

#include "engine/BaseCandidate.h"

#include <string_view>
#include <vector>

namespace slovnik {

/// The candidate base words of a cleaned Czech word, likeliest first, without the word itself;
/// may hold words that are no table words.
std::vector<BaseCandidate> czechBaseCandidates(std::string_view word);

} // namespace slovnik

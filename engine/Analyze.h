// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// English word forms: fixed suffix rules that guess the base form of an inflected word. No word
// list stands behind them, so a guess is only a candidate for an exact look-up; a wrong guess
// merely finds nothing. Texts are lower-cased Windows-1250 bytes; comparisons are byte-wise.

#include <string>
#include <string_view>

namespace slovnik {

/// "cats" -> "cat": drops a final "s" from a word of two or more characters; else empty.
std::string ReducePlural(std::string_view word);

/// "bigger" -> "big", "fastest" -> "fast". A word without a comparative ending comes back
/// unchanged (never empty unless the word is "er", "est" or empty).
std::string ReduceComparative(std::string_view word);

/// "running" -> "run", "tried" -> "try", "goes" -> "go", "has" -> "have". Empty when no rule
/// applies, or when the word is "ying" (no stem to inspect).
std::string ReduceVerbForm(std::string_view word);

} // namespace slovnik

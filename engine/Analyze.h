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

namespace analyze {
// The rules' helpers, exposed for their own tests.

/// The last n characters of w, or the whole of w when it is shorter.
std::string_view LastChars(std::string_view w, std::size_t n);
/// The last character of a non-empty w, as a one-character text.
std::string_view LastChar(std::string_view w);
/// w without its last n characters; empty when w has no more than n.
std::string_view DropLast(std::string_view w, std::size_t n);
/// True when w has at least six characters and the two just before a final ending of k - 1
/// characters are equal ("bigger", k = 3: the "gg").
bool HasDoubledLetter(std::string_view w, std::size_t k);
/// True for "a", "e", "i", "o", "u" and "w" only.
bool IsVowelOrW(std::string_view c);

} // namespace analyze
} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What a slip of the fingers or of spelling costs, for ranking the words a learner may have
// meant. Costs are in tenths of one plain edit, so the mistakes people really make (a doubled
// letter, ie for ei, a wrong vowel, the key next door, a Czech letter typed without its
// diacritic) rank above arbitrary ones. All texts are Windows-1250 bytes.

#include <array>
#include <cstdint>

namespace slovnik::typing {

using Cost = std::uint16_t;

/// One plain insertion, deletion, substitution or swap of neighbours.
inline constexpr Cost kEditCost = 10;
/// A letter typed twice, or once where it is doubled.
inline constexpr Cost kDoubledLetterCost = 3;
/// The same letter with another diacritic, without one, or in the other case: "c" for "č".
inline constexpr Cost kDiacriticCost = 1;

/// The cost of typing byte `typed` where byte `intended` belongs, as [typed][intended]: 0 for the
/// same byte. Worked out once, on first use.
using SubstitutionCosts = std::array<std::array<std::uint8_t, 256>, 256>;
const SubstitutionCosts &substitutionCosts();

inline Cost substitutionCost(unsigned char typed, unsigned char intended)
{
    return substitutionCosts()[typed][intended];
}

/// The cost of typing two neighbouring letters swapped ("ie" for "ei" costs little).
Cost transpositionCost(unsigned char first, unsigned char second);

/// The cost of a letter typed in excess (`previous` the letter typed before it, 0 at the start)
/// or left out (`previous` the intended letter before it): cheap when it only doubles or
/// undoubles that letter.
Cost insertionOrDeletionCost(unsigned char letter, unsigned char previous);

} // namespace slovnik::typing

// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/TypingErrors.h"

#include "engine/Cp1250Letters.h"

#include <array>
#include <string_view>

namespace slovnik::typing {
namespace {

using cp1250::baseLetter;

constexpr Cost kVowelCost = 5;
constexpr Cost kNeighbourCost = 6;
constexpr Cost kVowelSwapCost = 2;
constexpr Cost kSilentLetterCost = 6;
constexpr Cost kVowelInOrOutCost = 7;

// The letter rows of an English keyboard, each shifted half a key to the right of the one above.
constexpr std::array<std::string_view, 3> kKeyRows = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};

// Letters that sound alike or that a Czech keyboard swaps (QWERTZ puts z where y is).
constexpr std::array<std::string_view, 7> kLookAlikes = {"ck", "cs", "sz", "yz", "vw", "gj", "fv"};

bool isVowel(char base)
{
    return base != 0 && std::string_view("aeiouy").find(base) != std::string_view::npos;
}

bool areKeyNeighbours(char a, char b)
{
    for (std::size_t row = 0; row < kKeyRows.size(); ++row) {
        const std::size_t at = kKeyRows[row].find(a);
        if (at == std::string_view::npos)
            continue;
        const auto holdsNear = [&](std::size_t r, std::size_t from, std::size_t to) {
            for (std::size_t k = from; k <= to && k < kKeyRows[r].size(); ++k) {
                if (kKeyRows[r][k] == b)
                    return true;
            }
            return false;
        };
        const bool sameRow = holdsNear(row, at == 0 ? 0 : at - 1, at + 1);
        const bool above = row > 0 && holdsNear(row - 1, at, at + 1);
        const bool below = row + 1 < kKeyRows.size() && holdsNear(row + 1, at == 0 ? 0 : at - 1, at);
        return sameRow || above || below;
    }
    return false;
}

bool lookAlike(char a, char b)
{
    for (const std::string_view pair : kLookAlikes) {
        if ((pair[0] == a && pair[1] == b) || (pair[0] == b && pair[1] == a))
            return true;
    }
    return false;
}

// The cost between two different plain letters.
Cost letterSubstitution(char a, char b)
{
    if (isVowel(a) && isVowel(b))
        return kVowelCost;
    if (areKeyNeighbours(a, b) || lookAlike(a, b))
        return kNeighbourCost;
    return kEditCost;
}

} // namespace

// Asked for on every cell of the ranking's distance table, so worked out once for every pair:
// first for the 26 plain letters, then for the bytes through their base letters.
const SubstitutionCosts &substitutionCosts()
{
    static const SubstitutionCosts table = [] {
        constexpr int kLetters = 26;
        std::array<std::array<Cost, kLetters>, kLetters> letters{};
        for (int a = 0; a < kLetters; ++a) {
            for (int b = 0; b < kLetters; ++b)
                letters[a][b] = a == b
                    ? kDiacriticCost
                    : letterSubstitution(static_cast<char>('a' + a), static_cast<char>('a' + b));
        }
        std::array<char, 256> bases{};
        for (unsigned c = 0; c < 256; ++c)
            bases[c] = baseLetter(static_cast<unsigned char>(c));
        SubstitutionCosts costs{};
        for (unsigned typed = 0; typed < 256; ++typed) {
            for (unsigned intended = 0; intended < 256; ++intended) {
                const char a = bases[typed];
                const char b = bases[intended];
                const Cost cost = typed == intended ? 0
                    : a == 0 || b == 0              ? kEditCost
                                                    : letters[a - 'a'][b - 'a'];
                costs[typed][intended] = static_cast<std::uint8_t>(cost);
            }
        }
        return costs;
    }();
    return table;
}

Cost transpositionCost(unsigned char first, unsigned char second)
{
    const char a = baseLetter(first);
    const char b = baseLetter(second);
    return isVowel(a) && isVowel(b) ? kVowelSwapCost : kEditCost;
}

Cost insertionOrDeletionCost(unsigned char letter, unsigned char previous)
{
    const char base = baseLetter(letter);
    if (base != 0 && base == baseLetter(previous))
        return kDoubledLetterCost;
    // The h of ch, gh, ph, sh, th, wh is silent or half heard, and often left out or put in.
    if (base == 'h' && std::string_view("cgpstw").find(baseLetter(previous)) != std::string_view::npos)
        return kSilentLetterCost;
    // An unstressed vowel is easily left out ("intresting") or heard where there is none.
    if (isVowel(base))
        return kVowelInOrOutCost;
    return kEditCost;
}

} // namespace slovnik::typing

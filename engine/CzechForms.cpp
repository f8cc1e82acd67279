// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/CzechForms.h"

#include "engine/FormIndexLayout.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>

namespace slovnik {
namespace {

// The index is one long string literal, longer than the least a compiler must take; GCC and
// clang take it whole.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Woverlength-strings"
#include "CzechFormIndex.inc"
#pragma GCC diagnostic pop

using namespace formindex;

constexpr std::size_t kBlockCount = std::size(kFormBlocks);
constexpr std::size_t kFormByteCount = sizeof(kFormBytes) - 1; // without the literal's own zero

std::string_view baseWord(std::uint32_t number)
{
    return {kBaseBytes + kBaseStarts[number]};
}

// The whole first form of a block: it shares nothing with a form before it.
std::string_view blockFirstForm(std::size_t block)
{
    return {kFormBytes + kFormBlocks[block] + 1};
}

/// The base words of a form, best first; nothing for a form the index lacks. A word of its own
/// that begins with "ne" without negating anything ("neděle") is in the index with no base.
std::optional<std::vector<std::string_view>> indexedBases(std::string_view form)
{
    std::optional<std::vector<std::string_view>> bases;
    if (form.empty() || form.size() > kMaxFormLength)
        return bases;
    // The last block whose first form is not after the form.
    std::size_t low = 0;
    std::size_t high = kBlockCount;
    while (high - low > 1) {
        const std::size_t middle = low + (high - low) / 2;
        if (blockFirstForm(middle) <= form)
            low = middle;
        else
            high = middle;
    }
    const std::size_t end = low + 1 < kBlockCount ? kFormBlocks[low + 1] : kFormByteCount;
    std::string current;
    for (std::size_t at = kFormBlocks[low]; at < end;) {
        const auto shared = static_cast<unsigned char>(kFormBytes[at]);
        const std::string_view rest(kFormBytes + at + 1);
        current.resize(std::min<std::size_t>(shared, current.size()));
        current += rest;
        at += 1 + rest.size() + 1;
        const auto count = static_cast<unsigned char>(kFormBytes[at]);
        const char *numbers = kFormBytes + at + 1;
        at += 1 + 2 * std::size_t{count};
        if (current < form)
            continue;
        if (current == form) {
            bases.emplace();
            for (std::size_t k = 0; k < count; ++k) {
                const auto low8 = static_cast<unsigned char>(numbers[2 * k]);
                const auto high8 = static_cast<unsigned char>(numbers[2 * k + 1]);
                bases->push_back(baseWord(static_cast<std::uint32_t>(low8 | high8 << 8)));
            }
        }
        break;
    }
    return bases;
}

} // namespace

std::vector<BaseCandidate> czechBaseCandidates(std::string_view word)
{
    std::vector<BaseCandidate> out;
    const auto bases = indexedBases(word);
    if (bases) {
        for (const std::string_view base : *bases)
            out.push_back({std::string(base), false});
        return out;
    }
    // "nevěděl", "neznámého": the index holds no negated forms; the positive form stands for
    // them, and the negation goes with it.
    if (word.size() > 4 && word.starts_with("ne")) {
        const std::string_view positive = word.substr(2);
        out.push_back({std::string(positive), true});
        for (const std::string_view base : indexedBases(positive).value_or(std::vector<std::string_view>{}))
            out.push_back({std::string(base), true});
    }
    return out;
}

} // namespace slovnik

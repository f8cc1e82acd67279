// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What tests of every layer share: small readable tables built from plain pairs, short names for
// the two directions, and the name of a parameterised case taken from its row.

#include "engine/Dic.h"
#include "engine/Direction.h"

#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace slovnik::support {

inline constexpr TranslationDirection kEn = TranslationDirection::EnglishToCzech;
inline constexpr TranslationDirection kCs = TranslationDirection::CzechToEnglish;

/// For INSTANTIATE_TEST_SUITE_P: each case is named by the `name` of its row.
inline constexpr auto rowName = [](const auto &row) { return std::string(row.param.name); };

inline ShortField field(std::string_view text)
{
    ShortField f{static_cast<std::uint8_t>(text.size()), {}};
    f.chars.fill('#'); // room beyond the length must never be read
    std::memcpy(f.chars.data(), text.data(), text.size());
    return f;
}

inline std::vector<DictionaryEntry>
table(std::initializer_list<std::pair<std::string_view, std::string_view>> pairs)
{
    std::vector<DictionaryEntry> entries;
    for (const auto &[english, czech] : pairs)
        entries.push_back({field(english), field(czech)});
    return entries;
}

} // namespace slovnik::support

#pragma once

// Small readable tables for engine tests, built from plain pairs.

#include "Dic.h"

#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

namespace slovnik::testing {

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

} // namespace slovnik::testing

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <cstdint>

namespace slovnik {

/// Which language a query is in. The dictionary window and the translator each keep their own.
enum class TranslationDirection : std::uint8_t {
    EnglishToCzech = 0, ///< queries are English: the English field is searched, the Czech shown
    CzechToEnglish = 1, ///< queries are Czech: the Czech field is searched, the English shown
};

/// The other direction.
constexpr TranslationDirection flipped(TranslationDirection direction)
{
    return direction == TranslationDirection::EnglishToCzech ? TranslationDirection::CzechToEnglish
                                                             : TranslationDirection::EnglishToCzech;
}

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What the harnesses that search the real word table share: the table de-scrambled once, before
// the first input, each input read as a search direction and the typed bytes and handed to the
// harness's checkTableInput, and the words of each searched field.

#include "engine/Dic.h"
#include "engine/Direction.h"
#include "engine/Search.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <set>
#include <string_view>

// Each harness is an executable of its own, with this header in its one source file.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    slovnik::readableTable();
    return 0;
}

namespace slovnik::fuzz {

struct TableInput {
    TranslationDirection direction;
    /// The first byte without the direction's bit, for a harness's own choices.
    std::uint8_t choice;
    std::string_view typed;
};

/// The harness's checks of one input; defined in its source file.
void checkTableInput(const TableInput &input);

/// Every distinct word of the field searched in `direction`, for checking what a search returns;
/// gathered once per direction.
inline const std::set<std::string_view> &fieldWords(TranslationDirection direction)
{
    const auto gather = [](TranslationDirection searched) {
        std::set<std::string_view> words;
        for (const DictionaryEntry &entry : readableTable())
            words.insert(fieldText(SearchedField(entry, searched)));
        return words;
    };
    static const std::set<std::string_view> english = gather(TranslationDirection::EnglishToCzech);
    static const std::set<std::string_view> czech = gather(TranslationDirection::CzechToEnglish);
    return direction == TranslationDirection::EnglishToCzech ? english : czech;
}

} // namespace slovnik::fuzz

/// Bit 0 of the first byte picks the direction, the other bytes are typed; no bytes, no check.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using slovnik::TranslationDirection;
    if (size > 0)
        slovnik::fuzz::checkTableInput(
            {(data[0] & 1) != 0 ? TranslationDirection::CzechToEnglish : TranslationDirection::EnglishToCzech,
             static_cast<std::uint8_t>(data[0] >> 1), slovnik::fuzz::asText(data + 1, size - 1)});
    return 0;
}

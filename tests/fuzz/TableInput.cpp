// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/fuzz/TableInput.h"

#include "engine/Search.h"

#include <cstddef>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    slovnik::readableTable();
    return 0;
}

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

namespace slovnik::fuzz {

const std::set<std::string_view> &fieldWords(TranslationDirection direction)
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

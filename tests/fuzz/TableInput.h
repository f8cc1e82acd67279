#pragma once

// What the harnesses that search the real word table share: the table de-scrambled once, before
// the first input, and each input read as a search direction and the typed bytes.

#include "engine/Dic.h"
#include "engine/Direction.h"
#include "engine/Search.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <optional>
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

/// Bit 0 of the first byte picks the direction, the other bytes are typed; nothing for no bytes.
inline std::optional<TableInput> tableInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return std::nullopt;
    return TableInput{(data[0] & 1) != 0 ? TranslationDirection::CzechToEnglish
                                         : TranslationDirection::EnglishToCzech,
                      static_cast<std::uint8_t>(data[0] >> 1), asText(data + 1, size - 1)};
}

/// Every distinct word of the field searched in `direction`, for checking what a search returns.
inline std::set<std::string_view> fieldWords(TranslationDirection direction)
{
    std::set<std::string_view> words;
    for (const DictionaryEntry &entry : readableTable())
        words.insert(fieldText(SearchedField(entry, direction)));
    return words;
}

} // namespace slovnik::fuzz

#pragma once

// What the harnesses that search the real word table share: the table de-scrambled once, before
// the first input, and each input read as a search direction and the typed bytes.

#include "engine/Dic.h"
#include "engine/Direction.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <optional>
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

} // namespace slovnik::fuzz

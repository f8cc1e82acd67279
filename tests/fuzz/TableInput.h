// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What the harnesses that search the real word table share: the table de-scrambled once, before
// the first input, each input read as a search direction and the typed bytes and handed to the
// harness's checkTableInput, and the words of each searched field. TableInput.cpp holds libFuzzer's
// two entry points for them, so a harness links it and defines checkTableInput alone.

#include "engine/Dic.h"
#include "engine/Direction.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstdint>
#include <set>
#include <string_view>

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
const std::set<std::string_view> &fieldWords(TranslationDirection direction);

} // namespace slovnik::fuzz

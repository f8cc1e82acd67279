// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The start-up sequence that runs while the dictionary window is being created: the direction,
// the one call of the external module, and the de-scrambling of the word table.

#include "engine/Direction.h"

#include <cstdint>

namespace slovnik {

/// The external module's two entry points as the start-up sequence calls them. The module exports
/// them by number, not by name ("ordinal 1" and "ordinal 2"): the first takes and gives nothing,
/// the second gives a 32-bit value. Both must return normally, which their noexcept types make a
/// promise rather than a hope.
struct ExternalModule {
    void (*ordinal1)() noexcept;
    std::uint32_t (*ordinal2)() noexcept;
};

/// The module the program is linked against (bound when the program is loaded).
ExternalModule morvellaModule();

/// The result of the module's ordinal 2, stored once at start-up; 0 before. Nothing depends on
/// its value.
extern std::uint32_t ExternalModuleResult;

/// Calls ordinal 1, then ordinal 2, and stores the latter's result in ExternalModuleResult.
void CallExternalModule(const ExternalModule &module);

/// Sets the dictionary's direction to CzechToEnglish, calls the module, then makes the word
/// table readable. The module and the table are handled once per process: a later call only sets
/// the direction, as a second de-scrambling would shift the table's text again.
void runStartupSequence(TranslationDirection &direction, const ExternalModule &module);

} // namespace slovnik

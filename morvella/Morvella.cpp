// SPDX-License-Identifier: GPL-2.0-or-later
#include "morvella/Morvella.h"

namespace {

constexpr uint32_t kVersionStamp = (uint32_t{MORVELLA_VERSION_MAJOR} << 16)
    | (uint32_t{MORVELLA_VERSION_MINOR} << 8) | uint32_t{MORVELLA_VERSION_PATCH};

// The program expects nothing of the announcement; the module keeps it only so that the stamp
// can tell an announced caller from one that skipped ordinal 1.
bool announced = false;

} // namespace

extern "C" {

void morvellaOrdinal1(void) noexcept
{
    announced = true;
}

uint32_t morvellaOrdinal2(void) noexcept
{
    return announced ? kVersionStamp : 0;
}

} // extern "C"

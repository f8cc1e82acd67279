// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// A stand-in for the external module: the start-up sequence calls it as it would the real one,
// and it does nothing.

#include "app/Startup.h"

#include <cstdint>

namespace slovnik::support {

inline void quietOrdinal1() noexcept { }
inline std::uint32_t quietOrdinal2() noexcept
{
    return 0;
}

inline ExternalModule quietModule()
{
    return {quietOrdinal1, quietOrdinal2};
}

} // namespace slovnik::support

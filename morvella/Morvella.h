// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The external module's two entry points. They stand for the module's unnamed ordinals 1 and 2,
// which take no arguments; plain C names keep them callable from any caller.

#include <stdint.h>

#if defined(MORVELLA_BUILDING)
#define MORVELLA_EXPORT __attribute__((visibility("default")))
#else
#define MORVELLA_EXPORT
#endif

#ifdef __cplusplus
#define MORVELLA_NOEXCEPT noexcept
extern "C" {
#else
#define MORVELLA_NOEXCEPT
#endif

/// Ordinal 1: announces the program to the module. Always returns; no result.
MORVELLA_EXPORT void morvellaOrdinal1(void) MORVELLA_NOEXCEPT;

/// Ordinal 2: the module's version stamp, 0x00MMmmpp (major, minor, patch). Always returns.
MORVELLA_EXPORT uint32_t morvellaOrdinal2(void) MORVELLA_NOEXCEPT;

#ifdef __cplusplus
}
#endif

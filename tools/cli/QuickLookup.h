// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// slovnik-cli's look-up without Qt: a script that looks words up one process at a time pays for
// the loading of Qt and ICU on every word, more than the look-up itself. Where the look-up needs
// neither (a plain ASCII text, in the collation without a locale or a Czech one, whose order is
// built in), it is done here; anything else goes to the full tool.

#include <cstdio>
#include <optional>
#include <span>

namespace slovnik::cli {

/// Runs the command line (without the program name) when it is a look-up that needs no Qt, and
/// gives its exit code; nothing, without having written anything, when the full tool must run it.
/// What it prints is what the full tool prints for the same command line.
std::optional<int> quickLookup(std::span<const char *const> arguments, std::FILE *out, std::FILE *err);

} // namespace slovnik::cli

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What every slovnik-cli command shares, without Qt: its exit codes and how it writes its output.

#include <cstdio>
#include <string_view>

namespace slovnik::cli {

/// BadInput: the text is not valid UTF-8. CannotWrite: the output (or a file asked for) could not
/// be written. Unavailable, the same code: say has no voice or no audio output.
enum ExitCode : int { Success = 0, BadInput = 1, WrongUsage = 2, CannotWrite = 3, Unavailable = CannotWrite };

/// Writes `text` to `out` and flushes it: Success, or CannotWrite with a message on `err` when
/// any of it could not be written (a full disk, a closed pipe).
int writeAllBytes(std::string_view text, std::FILE *out, std::FILE *err);

} // namespace slovnik::cli

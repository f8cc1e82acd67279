// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// slovnik-cli: the engine on the command line, for scripts, tests and maintainers.

#include "tools/cli/Output.h"

#include <QByteArray>
#include <QByteArrayList>
#include <cstdio>

namespace slovnik::cli {

/// Runs one command line (without the program name), arguments as the raw bytes the shell gave;
/// reads `in` where a command takes text, writes results to `out` and messages to `err`, and
/// returns the process exit code.
int run(const QByteArrayList &arguments, std::FILE *in, std::FILE *out, std::FILE *err);

/// Writes `text` to `out` and flushes it: Success, or CannotWrite with a message on `err` when
/// any of it could not be written (a full disk, a closed pipe).
int writeAll(const QByteArray &text, std::FILE *out, std::FILE *err);

} // namespace slovnik::cli

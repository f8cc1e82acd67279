#pragma once

// slovnik-cli: the engine on the command line, for scripts, tests and maintainers.

#include <QByteArrayList>
#include <cstdio>

namespace slovnik::cli {

enum ExitCode : int { Success = 0, BadInput = 1, WrongUsage = 2 };

/// Runs one command line (without the program name), arguments as the raw bytes the shell gave;
/// reads `in` where a command takes text, writes results to `out` and messages to `err`, and
/// returns the process exit code.
int run(const QByteArrayList &arguments, std::FILE *in, std::FILE *out, std::FILE *err);

} // namespace slovnik::cli

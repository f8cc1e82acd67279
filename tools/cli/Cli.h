#pragma once

// slovnik-cli: the engine on the command line, for scripts, tests and maintainers.

#include <QByteArray>
#include <QByteArrayList>
#include <cstdio>

namespace slovnik::cli {

/// BadInput: the text is not valid UTF-8. CannotWrite: the output (or a file asked for) could not
/// be written. Unavailable, the same code: say has no voice or no audio output.
enum ExitCode : int { Success = 0, BadInput = 1, WrongUsage = 2, CannotWrite = 3, Unavailable = CannotWrite };

/// Runs one command line (without the program name), arguments as the raw bytes the shell gave;
/// reads `in` where a command takes text, writes results to `out` and messages to `err`, and
/// returns the process exit code.
int run(const QByteArrayList &arguments, std::FILE *in, std::FILE *out, std::FILE *err);

/// Writes `text` to `out` and flushes it: Success, or CannotWrite with a message on `err` when
/// any of it could not be written (a full disk, a closed pipe).
int writeAll(const QByteArray &text, std::FILE *out, std::FILE *err);

} // namespace slovnik::cli

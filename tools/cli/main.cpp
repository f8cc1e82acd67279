// SPDX-License-Identifier: GPL-2.0-or-later
// slovnik-cli as a user runs it: a plain look-up is done here without loading Qt; every other
// command line is handed, as it is, to the full tool (CommandsMain.cpp), which this process
// becomes. The full tool lives in the program's private folder, found from this program's own
// place (installed) or where the build made it.

#include "tools/cli/Output.h"
#include "tools/cli/QuickLookup.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <span>
#include <string>

namespace {

std::string fullTool()
{
    std::string self(4096, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", self.data(), self.size());
    if (length > 0 && static_cast<std::size_t>(length) < self.size()) {
        self.resize(static_cast<std::size_t>(length));
        const std::string installed = self.substr(0, self.rfind('/') + 1) + SLOVNIK_CLI_FROM_BINDIR;
        if (::access(installed.c_str(), X_OK) == 0)
            return installed;
    }
    return SLOVNIK_CLI_BUILT;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::span<const char *const> arguments(argv + 1, static_cast<std::size_t>(argc > 0 ? argc - 1 : 0));
    if (const auto done = slovnik::cli::quickLookup(arguments, stdout, stderr))
        return *done;
    const std::string tool = fullTool();
    ::execv(tool.c_str(), argv);
    std::fprintf(stderr, "slovnik-cli: cannot start %s: %s\n", tool.c_str(), std::strerror(errno));
    return slovnik::cli::Unavailable;
}

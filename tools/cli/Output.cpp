// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/cli/Output.h"

#include <cerrno>
#include <cstring>

namespace slovnik::cli {

int writeAllBytes(std::string_view text, std::FILE *out, std::FILE *err)
{
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    if (std::fflush(out) == 0 && written)
        return Success;
    std::fprintf(err, "slovnik-cli: cannot write the output: %s\n", std::strerror(errno));
    return CannotWrite;
}

} // namespace slovnik::cli

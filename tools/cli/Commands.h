#pragma once

#include <cstdio>

namespace slovnik::cli {

/// De-scrambles the word table and prints every entry, UTF-8, as "position TAB English TAB Czech".
int dump(std::FILE *out);

} // namespace slovnik::cli

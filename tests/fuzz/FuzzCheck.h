// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The harnesses' invariant checks. libFuzzer counts any abort as a crash and keeps the input;
// assert() would vanish under NDEBUG, so the checks are made here and always.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace slovnik::fuzz {

/// Prints the broken invariant and, escaped, the text it was broken on, then aborts.
[[noreturn]] inline void fail(std::string_view invariant, std::string_view text = {})
{
    std::fprintf(stderr, "broken invariant: %.*s\n", static_cast<int>(invariant.size()), invariant.data());
    std::fputs("on: \"", stderr);
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7f && b != '"' && b != '\\')
            std::fputc(b, stderr);
        else
            std::fprintf(stderr, "\\x%02x", b);
    }
    std::fputs("\"\n", stderr);
    std::abort();
}

inline void require(bool holds, std::string_view invariant, std::string_view text = {})
{
    if (!holds)
        fail(invariant, text);
}

/// The fuzzer's input as the byte text the engine works on.
inline std::string_view asText(const std::uint8_t *data, std::size_t size)
{
    return {reinterpret_cast<const char *>(data), size};
}

} // namespace slovnik::fuzz

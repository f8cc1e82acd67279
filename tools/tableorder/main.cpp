// SPDX-License-Identifier: GPL-2.0-or-later
// slovnik-tableorder OUTPUT: writes what common/BuiltInOrder.h gives: the order of the word
// table's result lines in the collation the lists use without a locale, so that a process without
// a locale (or a Czech user's) never makes it, and the character of each Windows-1250 byte, so
// that slovnik-cli's look-up prints its lines without Qt. It is not a mode of slovnik-tablegen,
// whose byte order of the words (--word-order) is an input of the engine: this order is made from
// the built engine's lines with the lists' own code and ICU.

#include "common/BuiltInOrder.h"
#include "common/ListOrder.h"
#include "engine/Dic.h"
#include "text/Cp1250.h"

#include <cstdio>

namespace slovnik {

// While they are being made, neither is built in yet.
std::span<const std::uint16_t> builtInTableLinePlaces(TranslationDirection)
{
    return {};
}

char16_t builtInUnicodeOfByte(unsigned char)
{
    return 0;
}

} // namespace slovnik

int main(int argc, char *argv[])
{
    using namespace slovnik;
    if (argc != 2) {
        std::fprintf(stderr, "usage: slovnik-tableorder OUTPUT\n");
        return 2;
    }
    std::FILE *out = std::fopen(argv[1], "w");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    const QCollator collator = resultLineCollator(fallbackListLocale());
    std::fprintf(out,
                 "// Written by slovnik-tableorder: each entry's place among the table's result lines.\n"
                 "constexpr std::array<std::array<std::uint16_t, EntryCount>, 2> kBuiltInPlaces{{\n");
    for (const TranslationDirection direction :
         {TranslationDirection::EnglishToCzech, TranslationDirection::CzechToEnglish}) {
        std::fprintf(out, "    {{");
        std::size_t column = 0;
        for (const std::uint16_t place : orderOfTableLines(direction, collator))
            std::fprintf(out, "%s%u,", column++ % 16 == 0 ? "\n        " : " ", place);
        std::fprintf(out, "\n    }},\n");
    }
    std::fprintf(out, "}};\n\nconstexpr std::array<char16_t, 256> kUnicodeOfBytes{");
    for (int byte = 0; byte < 256; ++byte) {
        const char single = static_cast<char>(byte);
        std::fprintf(out, "%s0x%04x,", byte % 8 == 0 ? "\n    " : " ",
                     static_cast<unsigned>(fromCp1250(std::string_view(&single, 1)).at(0).unicode()));
    }
    std::fprintf(out, "\n};\n");
    return std::fclose(out) == 0 ? 0 : 1;
}

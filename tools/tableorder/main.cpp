// slovnik-tableorder OUTPUT: writes the order of the word table's result lines in the collation
// the lists use without a locale, for common/BuiltInLineOrder.cpp: a process without a locale
// (and a Czech user's) then never makes that order itself.

#include "common/ListOrder.h"
#include "engine/Dic.h"

#include <cstdio>

namespace slovnik {

// While the order is being made, none is built in yet.
std::span<const std::uint16_t> builtInTableLinePlaces(TranslationDirection)
{
    return {};
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
    std::fprintf(out, "}};\n");
    return std::fclose(out) == 0 ? 0 : 1;
}

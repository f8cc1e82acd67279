// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/ProgramReading.h"

namespace slovnik {

std::unique_ptr<const ReadingIndex> programReadingIndex(TranslationDirection direction)
{
    // The lines reviewed for the word itself come first; those reviewed for a translation of it
    // ("gotta = musím" for "musím") only where none is.
    return std::make_unique<const ReadingIndex>(readableTable(), direction, everydayEntries(direction),
                                                searchedWordOrder(direction),
                                                everydayEntries(flipped(direction)));
}

} // namespace slovnik

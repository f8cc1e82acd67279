// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/ProgramReading.h"

namespace slovnik {

std::unique_ptr<const ReadingIndex> programReadingIndex(TranslationDirection direction)
{
    return std::make_unique<const ReadingIndex>(readableTable(), direction, everydayEntries(),
                                                searchedWordOrder(direction));
}

} // namespace slovnik

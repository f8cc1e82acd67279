// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The reading index of the program's own table, with what the build knows of it: the reviewed
// everyday lines and the order of each field.

#include "engine/ReadingIndex.h"

#include <memory>

namespace slovnik {

/// De-scrambles the table on first use, as readableTable() does.
std::unique_ptr<const ReadingIndex> programReadingIndex(TranslationDirection direction);

} // namespace slovnik

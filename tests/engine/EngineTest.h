// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What the engine's test files share: the small tables and, beside them in the same namespace, the
// matchers the files read lists with.

#include "tests/support/SmallTable.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace slovnik::support {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

} // namespace slovnik::support

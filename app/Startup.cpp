// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/Startup.h"

#include "engine/Dic.h"
#include "morvella/Morvella.h"

namespace slovnik {

std::uint32_t ExternalModuleResult = 0;

ExternalModule morvellaModule()
{
    return {&morvellaOrdinal1, &morvellaOrdinal2};
}

void CallExternalModule(const ExternalModule &module)
{
    module.ordinal1();
    ExternalModuleResult = module.ordinal2();
}

void runStartupSequence(TranslationDirection &direction, const ExternalModule &module)
{
    direction = TranslationDirection::CzechToEnglish;
    // A second dictionary window in one process (the tests make several) must not shift the
    // readable table again, nor call the module twice.
    static bool tableReadable = false;
    if (tableReadable)
        return;
    CallExternalModule(module);
    DescrambleTable();
    tableReadable = true;
}

} // namespace slovnik

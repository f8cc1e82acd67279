// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// A result list without a window: it keeps the lines as the dictionary window's list does
// (unsorted while a scan adds them, the whole list sorted when sorting comes back on, duplicates
// kept) for the command-line tool and the benchmarks.

#include "common/ListOrder.h"
#include "engine/QueryRun.h"
#include "text/Cp1250.h"

namespace slovnik {

class CollectedResults final : public ResultList {
public:
    void addLine(std::string_view line) override { m_lines.append(fromCp1250(line)); }
    void clearLines() override { m_lines.clear(); }
    void setSorted(bool sorted) override
    {
        if (sorted)
            m_lines.sort();
    }
    void setRedrawSuspended(bool) override { }
    void selectFirstLine() override { }

    const CollatedLines &lines() const { return m_lines; }

private:
    CollatedLines m_lines{resultLineCollator()};
};

/// Outside a window there are no events to process and no cursor to show.
class QuietSearchHost final : public SearchHost {
public:
    void processPendingEvents() override { }
    void setBusyCursor(bool) override { }
};

} // namespace slovnik

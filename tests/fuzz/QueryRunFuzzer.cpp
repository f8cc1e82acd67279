// SPDX-License-Identifier: GPL-2.0-or-later
// The dictionary window's query run on the real word table, with a list that records what the
// run puts into it. Every line must be a hit of the query as the run cleaned it: a prefix hit,
// or (English) an exact hit of one of its base forms.

#include "engine/Query.h"
#include "engine/QueryRun.h"
#include "tests/fuzz/TableInput.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using namespace slovnik;
using slovnik::fuzz::require;

namespace {

class RecordingList final : public ResultList, public SearchHost {
public:
    std::vector<std::string> lines;

    void addLine(std::string_view line) override
    {
        // The window only tolerates lines while its redraw is held and its sorting is off.
        require(m_suspended && !m_sorted, "a line arrived outside a search run", line);
        lines.emplace_back(line);
    }
    void clearLines() override { lines.clear(); }
    void setSorted(bool sorted) override { m_sorted = sorted; }
    void setRedrawSuspended(bool suspended) override { m_suspended = suspended; }
    void selectFirstLine() override { }
    void processPendingEvents() override { }
    void setBusyCursor(bool) override { }

private:
    bool m_sorted = true;
    bool m_suspended = false;
};

} // namespace

void slovnik::fuzz::checkTableInput(const TableInput &input)
{
    const auto [direction, choice, typed] = input;

    RecordingList list;
    QueryRun queryRun(readableTable(), list, list);
    queryRun.run(typed, direction);

    const std::string query = NormalizeQuery(lowerAsciiLetters(typed), direction);
    const std::string_view prefix = std::string_view(query).substr(0, kMaxPrefixQueryLength);
    const std::vector<std::string> candidates = direction == TranslationDirection::EnglishToCzech
        ? inflectedCandidates(query)
        : std::vector<std::string>{};
    if (query.empty())
        require(list.lines.empty(), "an empty query found lines", typed);
    for (const std::string &line : list.lines) {
        const std::size_t separator = line.find(ResultSeparator);
        require(separator != std::string::npos, "a result line without \" = \"", line);
        const std::string_view searched = std::string_view(line).substr(0, separator);
        require(searched.starts_with(prefix)
                    || std::find(candidates.begin(), candidates.end(), searched) != candidates.end(),
                "a result line that is no hit of the query", line);
    }
    (void)choice;
}

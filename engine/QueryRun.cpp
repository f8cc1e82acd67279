// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/QueryRun.h"

#include "engine/Analyze.h"
#include "engine/Query.h"

namespace slovnik {

std::vector<std::string> inflectedCandidates(std::string_view query)
{
    std::vector<std::string> candidates;
    for (std::string form : {ReducePlural(query), ReduceComparative(query),
                             query.empty() ? std::string() : ReduceVerbForm(query)}) {
        if (!form.empty())
            candidates.push_back(std::move(form));
    }
    return candidates;
}

QueryRun::QueryRun(std::span<const DictionaryEntry> table, ResultList &list, SearchHost &host) :
    m_table(table),
    m_list(list),
    m_host(host)
{
}

bool QueryRun::run(std::string_view typedText, TranslationDirection direction)
{
    const std::uint64_t generation = ++m_generation;
    m_list.clearLines();
    const std::string query = cleanedQuery(typedText, direction);
    if (query.empty())
        return true;
    if (direction == TranslationDirection::EnglishToCzech && !InflectedSearch(query, direction, generation))
        return false;
    return searchRun(Scan::Prefix, query, direction, generation);
}

bool QueryRun::InflectedSearch(std::string_view query, TranslationDirection direction,
                               std::uint64_t generation)
{
    for (const std::string &candidate : inflectedCandidates(query)) {
        if (!searchRun(Scan::Exact, candidate, direction, generation))
            return false;
    }
    return true;
}

bool QueryRun::searchRun(Scan scan, std::string_view text, TranslationDirection direction,
                         std::uint64_t generation)
{
    m_host.processPendingEvents();
    // A query run started meanwhile has cleared the list and filled it for the newer text;
    // lines of this older text must not join them.
    if (generation != m_generation)
        return false;
    m_host.setBusyCursor(true);
    m_list.setSorted(false);
    m_list.setRedrawSuspended(true);
    if (scan == Scan::Prefix)
        PrefixSearch(m_table, text, direction, m_list);
    else
        ExactSearch(m_table, text, direction, m_list);
    m_list.setSorted(true);
    m_list.setRedrawSuspended(false);
    m_list.selectFirstLine();
    m_host.setBusyCursor(false);
    return true;
}

} // namespace slovnik

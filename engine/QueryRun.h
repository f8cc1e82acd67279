// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The query run of the dictionary window: what one change of the query text does to the result
// list. The window implements the list and the host; tests implement recording ones.
//
// Why a run re-enters the event loop: a one-letter query has thousands of hits, and the list is
// filled while the user goes on typing. Between the scans of a run (and while the list sorts)
// the host handles the waiting window events, so each keystroke is seen at once. A keystroke
// handled there changes the query and starts a newer run inside the older one's call.
//
// How that stays safe: every run takes the next value of a generation counter. After each
// re-entry a run compares its value with the counter; once a newer run has started, the older
// one returns at once and never touches the list again, so the list only ever holds the lines
// of the newest query. Nothing a run holds (the table, the query bytes it copied) can be
// invalidated by the newer run.

#include "engine/Dic.h"
#include "engine/Direction.h"
#include "engine/Search.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace slovnik {

/// The sorted result list of the window, as the searches drive it.
class ResultList : public LineSink {
public:
    virtual void clearLines() = 0;
    /// Switching sorting on puts every line, old and new, into the list's order.
    virtual void setSorted(bool sorted) = 0;
    virtual void setRedrawSuspended(bool suspended) = 0;
    /// Chooses line 0; chooses nothing when the list is empty. Not a choice of the user's.
    virtual void selectFirstLine() = 0;
};

/// What a search run needs from the application around it.
class SearchHost {
public:
    virtual ~SearchHost() = default;
    /// Handles the window events waiting now; a change of the query among them starts a newer
    /// query run inside this call.
    virtual void processPendingEvents() = 0;
    virtual void setBusyCursor(bool busy) = 0;
};

/// The non-empty candidate base forms of an English query, in the order they are looked up:
/// plural, comparative (the query itself when it has no comparative ending), verb form.
std::vector<std::string> inflectedCandidates(std::string_view query);

class QueryRun {
public:
    QueryRun(std::span<const DictionaryEntry> table, ResultList &list, SearchHost &host);

    /// Runs the query for the text as it stands in the query box: clears the list, lower-cases
    /// A to Z, cleans the text, and unless nothing is left runs the exact searches of its English
    /// base forms (EnglishToCzech only) and then the prefix search, each as a search run.
    /// A run started from inside one of its own search runs (through the host's event
    /// processing) supersedes it: the older run stops and never touches the list again, and
    /// returns false.
    bool run(std::string_view typedText, TranslationDirection direction);

private:
    /// The exact searches of inflectedCandidates; false when a newer run superseded this one.
    bool InflectedSearch(std::string_view query, TranslationDirection direction, std::uint64_t generation);

    enum class Scan { Prefix, Exact };
    bool searchRun(Scan scan, std::string_view text, TranslationDirection direction,
                   std::uint64_t generation);

    std::span<const DictionaryEntry> m_table;
    ResultList &m_list;
    SearchHost &m_host;
    std::uint64_t m_generation = 0;
};

} // namespace slovnik

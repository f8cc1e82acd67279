// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/cli/QuickLookup.h"

#include "common/BuiltInOrder.h"
#include "engine/Dic.h"
#include "engine/QueryRun.h"
#include "engine/ResultLine.h"
#include "engine/Search.h"
#include "tools/cli/Output.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace slovnik::cli {
namespace {

struct Request {
    TranslationDirection direction = TranslationDirection::CzechToEnglish;
    std::string_view text;
};

// The full tool's reading of "lookup [DIRECTION] [--] TEXT" where it is one that tool would run;
// help, version, unknown options and anything else are left to it.
std::optional<Request> plainLookup(std::span<const char *const> arguments)
{
    if (arguments.empty() || std::string_view(arguments.front()) != "lookup")
        return std::nullopt;
    Request request;
    int texts = 0;
    bool optionsEnded = false;
    for (const char *argument : arguments.subspan(1)) {
        const std::string_view word(argument);
        if (optionsEnded || word.size() <= 1 || word.front() != '-') {
            request.text = word;
            ++texts;
        } else if (word == "--") {
            optionsEnded = true;
        } else if (word == "--en-cs" || word == "--cs-en") {
            request.direction = word == "--en-cs" ? TranslationDirection::EnglishToCzech
                                                  : TranslationDirection::CzechToEnglish;
        } else {
            return std::nullopt;
        }
    }
    // Printable ASCII is the same in UTF-8 and in Windows-1250, and needs no normalization.
    const bool plain
        = std::all_of(request.text.begin(), request.text.end(), [](char c) { return c >= ' ' && c <= '~'; });
    if (texts != 1 || !plain)
        return std::nullopt;
    return request;
}

// The locale whose collation the lists use is the one Qt takes for the system's: LC_ALL, else
// LC_NUMERIC, else LANG. The built-in order is that of no locale ("C", "POSIX") or Czech.
bool builtInOrderApplies()
{
    const char *name = nullptr;
    for (const char *variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        name = std::getenv(variable);
        if (name != nullptr && *name != '\0')
            break;
    }
    if (name == nullptr || *name == '\0')
        return true;
    const std::string_view locale(name);
    const std::string_view language = locale.substr(0, locale.find_first_of(".@"));
    return language == "C" || language == "POSIX" || language == "cs" || language == "cs_CZ";
}

// The result list as the query run fills it. Each search run hands its lines on in table order,
// so the entry of each line is found by one walk through the table per run; the entry gives the
// line's place in the built-in order.
class PlacedLines final : public ResultList {
public:
    explicit PlacedLines(TranslationDirection direction) : m_direction(direction) { }

    void clearLines() override { m_lines.clear(); }
    void setSorted(bool sorted) override
    {
        if (!sorted) {
            m_nextEntry = 0;
            return;
        }
        const std::span<const std::uint16_t> places = builtInTableLinePlaces(m_direction);
        std::stable_sort(m_lines.begin(), m_lines.end(), [places](const Line &a, const Line &b) {
            return places[a.entry] < places[b.entry];
        });
    }
    void setRedrawSuspended(bool) override { }
    void selectFirstLine() override { }

    void addLine(std::string_view line) override
    {
        const Table &table = readableTable();
        while (m_nextEntry < table.size() && !givesLine(table[m_nextEntry], line))
            ++m_nextEntry;
        if (m_nextEntry == table.size()) {
            m_lost = true;
            return;
        }
        m_lines.push_back({std::string(line), m_nextEntry});
    }

    /// False when a line was not found where the walk expected it: the order cannot be trusted.
    bool complete() const { return !m_lost; }

    std::string utf8() const
    {
        std::string text;
        for (const Line &line : m_lines) {
            for (const char byte : line.text)
                appendUtf8(text, builtInUnicodeOfByte(static_cast<unsigned char>(byte)));
            text += '\n';
        }
        return text;
    }

private:
    struct Line {
        std::string text;
        std::size_t entry;
    };

    bool givesLine(const DictionaryEntry &entry, std::string_view line) const
    {
        const std::string_view searched = fieldText(SearchedField(entry, m_direction));
        const std::string_view other = fieldText(OtherField(entry, m_direction));
        return line.size() == searched.size() + ResultSeparator.size() + other.size()
            && line.starts_with(searched) && line.substr(searched.size()).starts_with(ResultSeparator)
            && line.ends_with(other);
    }

    static void appendUtf8(std::string &text, char16_t character)
    {
        if (character < 0x80) {
            text += static_cast<char>(character);
        } else if (character < 0x800) {
            text += static_cast<char>(0xC0 | (character >> 6));
            text += static_cast<char>(0x80 | (character & 0x3F));
        } else {
            text += static_cast<char>(0xE0 | (character >> 12));
            text += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (character & 0x3F));
        }
    }

    TranslationDirection m_direction;
    std::vector<Line> m_lines;
    std::size_t m_nextEntry = 0;
    bool m_lost = false;
};

class NoHost final : public SearchHost {
public:
    void processPendingEvents() override { }
    void setBusyCursor(bool) override { }
};

} // namespace

std::optional<int> quickLookup(std::span<const char *const> arguments, std::FILE *out, std::FILE *err)
{
    const std::optional<Request> request = plainLookup(arguments);
    if (!request || !builtInOrderApplies())
        return std::nullopt;
    PlacedLines lines(request->direction);
    NoHost host;
    QueryRun(readableTable(), lines, host).run(request->text, request->direction);
    if (!lines.complete())
        return std::nullopt;
    return writeAllBytes(lines.utf8(), out, err);
}

} // namespace slovnik::cli

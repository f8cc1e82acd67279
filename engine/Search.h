#pragma once

// The dictionary searches: linear scans of the whole table in stored order, each hit handed on
// at once as a result line "searched = other". There is no index; a scan is cheap enough to run
// on every keystroke.

#include "Dic.h"
#include "Direction.h"

#include <span>
#include <string>
#include <string_view>

namespace slovnik {

inline constexpr std::string_view ResultSeparator = " = ";
/// A prefix query longer than this is cut; no field is anywhere near it.
inline constexpr std::size_t MaxPrefixQueryLength = 255;
inline constexpr std::size_t MaxResultLineLength = 2 * FieldCapacity + ResultSeparator.size();

/// Where the hits of a scan go, one line at a time, in table order.
class LineSink {
public:
    virtual ~LineSink() = default;
    virtual void addLine(std::string_view line) = 0;
};

/// The field compared with the query, and the one shown after the separator.
const ShortField &SearchedField(const DictionaryEntry &entry, TranslationDirection direction);
const ShortField &OtherField(const DictionaryEntry &entry, TranslationDirection direction);

/// "searched = other", at most MaxResultLineLength characters. An empty other field gives a
/// line that ends in " = ".
std::string BuildResultLine(const DictionaryEntry &entry, TranslationDirection direction);

/// Every entry whose searched field begins with the query (cut to MaxPrefixQueryLength), byte
/// for byte. An empty query finds nothing.
void PrefixSearch(std::span<const DictionaryEntry> table, std::string_view query,
                  TranslationDirection direction, LineSink &sink);

/// Every entry whose searched field equals the whole word. An empty word finds nothing.
void ExactSearch(std::span<const DictionaryEntry> table, std::string_view word,
                 TranslationDirection direction, LineSink &sink);

/// The position of the first "=" in a result line splits it into the searched word (before
/// " = ") and the other word (after "= "). Lines without "=" have no other word.
struct ResultLineParts {
    std::string_view word;
    std::string_view other;
};
ResultLineParts SplitResultLine(std::string_view line);

} // namespace slovnik

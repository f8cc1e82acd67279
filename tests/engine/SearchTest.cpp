// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/Search.h"
#include "tests/engine/EngineTest.h"

#include <string>
#include <vector>

namespace slovnik {
namespace {

using namespace slovnik::support;

struct Collected final : LineSink {
    std::vector<std::string> lines;
    void addLine(std::string_view line) override { lines.emplace_back(line); }
};

const std::vector<DictionaryEntry> kTable = table({
    {"dog", "pes"},
    {"cat", "kočka"},
    {"dogma", "dogma"},
    {"do", "dělat"},
    {"Dog", "Pes"},
    {"abcdefghijklmnopqrst", "dvacet"},
    {"x", ""},
    {"\xc8\x61j", "tea"}, // Čaj
    {"\xe8\x61j", "tea"}, // čaj
});

std::vector<std::string> prefix(std::string_view query, TranslationDirection direction)
{
    Collected hits;
    PrefixSearch(kTable, query, direction, hits);
    return hits.lines;
}

std::vector<std::string> exact(std::string_view word, TranslationDirection direction)
{
    Collected hits;
    ExactSearch(kTable, word, direction, hits);
    return hits.lines;
}

TEST(PrefixSearch, ListsEveryEntryBeginningWithTheQueryInTableOrder)
{
    EXPECT_THAT(prefix("d", kEn), ElementsAre("dog = pes", "dogma = dogma", "do = dělat"));
    EXPECT_THAT(prefix("dog", kEn), ElementsAre("dog = pes", "dogma = dogma"));
    EXPECT_THAT(prefix("d", kCs),
                ElementsAre("dogma = dogma", "dělat = do", "dvacet = abcdefghijklmnopqrst"));
}

TEST(PrefixSearch, IsByteWiseAndCaseSensitive)
{
    EXPECT_THAT(prefix("D", kEn), ElementsAre("Dog = Pes"));
    EXPECT_THAT(prefix("\xc8", kEn), ElementsAre("\xc8\x61j = tea"));
    EXPECT_THAT(prefix("\xe8", kEn), ElementsAre("\xe8\x61j = tea"));
}

TEST(PrefixSearch, QueriesLongerThanAnyFieldFindNothing)
{
    EXPECT_THAT(prefix("abcdefghijklmnopqrst", kEn), ElementsAre("abcdefghijklmnopqrst = dvacet"));
    EXPECT_THAT(prefix("abcdefghijklmnopqrstu", kEn), IsEmpty());
    EXPECT_THAT(prefix(std::string(300, 'a'), kEn), IsEmpty());
    EXPECT_THAT(prefix("", kEn), IsEmpty());
}

TEST(ExactSearch, MatchesTheWholeFieldOnly)
{
    EXPECT_THAT(exact("dog", kEn), ElementsAre("dog = pes"));
    EXPECT_THAT(exact("do", kEn), ElementsAre("do = dělat"));
    EXPECT_THAT(exact("d", kEn), IsEmpty());
    EXPECT_THAT(exact("tea", kCs), ElementsAre("tea = \xc8\x61j", "tea = \xe8\x61j"));
    // The word is never cut: its first 20 characters equalling a field is no hit.
    EXPECT_THAT(exact("abcdefghijklmnopqrstu", kEn), IsEmpty());
}

TEST(ResultLine, IsSearchedSeparatorOther)
{
    EXPECT_THAT(exact("cat", kEn), ElementsAre("cat = kočka"));
    EXPECT_THAT(exact("kočka", kCs), ElementsAre("kočka = cat"));
    EXPECT_THAT(exact("x", kEn), ElementsAre("x = "));
    EXPECT_EQ(exact("abcdefghijklmnopqrst", kEn).at(0).size(), 20u + 3u + 6u);
}

TEST(ResultLine, SplitsAtTheFirstEqualsSign)
{
    const auto parts = [](std::string_view line) {
        const ResultLineParts p = resultLineParts(line);
        return std::pair(std::string(p.word), std::string(p.other));
    };
    EXPECT_EQ(parts("dog = pes"), std::pair(std::string("dog"), std::string("pes")));
    EXPECT_EQ(parts("a = b = c"), std::pair(std::string("a"), std::string("b = c")));
    EXPECT_EQ(parts("x = "), std::pair(std::string("x"), std::string()));
    EXPECT_EQ(parts("x="), std::pair(std::string(), std::string()));
    EXPECT_EQ(parts("=y"), std::pair(std::string(), std::string()));
    EXPECT_EQ(parts("plain"), std::pair(std::string("plain"), std::string()));
    EXPECT_EQ(parts(""), std::pair(std::string(), std::string()));
}

} // namespace
} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/Translate.h"
#include "tests/engine/EngineTest.h"

#include <ostream>

#include <string>
#include <vector>

namespace slovnik {
namespace {

using namespace slovnik::support;

SourceWords split(std::vector<std::string> lines)
{
    return splitSourceText(lines);
}

std::string words(int count, std::string_view separator = " ")
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += 'w';
        text += separator;
    }
    return text;
}

struct SplitCase {
    const char *name;
    const char *line;
    std::vector<std::string> words;
};
// CTest lists a case with its row, which prints as its name rather than its bytes.
void PrintTo(const SplitCase &row, std::ostream *out)
{
    *out << row.name;
}

class SplitExamples : public ::testing::TestWithParam<SplitCase> { };
TEST_P(SplitExamples, GiveTheirWords)
{
    const SourceWords source = split({GetParam().line});
    EXPECT_EQ(source.words, GetParam().words);
    EXPECT_FALSE(source.truncated);
}
INSTANTIATE_TEST_SUITE_P(Texts, SplitExamples,
                         ::testing::Values(
                             // "Ahoj, Petře! Jak se máš?" in Windows-1250
                             SplitCase{"greeting",
                                       "Ahoj, Pet\xf8"
                                       "e! Jak se m\xe1\x9a?",
                                       {"ahoj",
                                        "pet\xf8"
                                        "e",
                                        "jak", "se", "m\xe1\x9a"}},
                             SplitCase{"onlyAToZLowered",
                                       "\xc8"
                                       "ESK\xdd",
                                       {"\xc8"
                                        "esk\xdd"}},
                             SplitCase{"digitsSeparate", "R2D2", {"r", "d"}},
                             SplitCase{"leadingNumber", "3 ko\xe8ky", {"ko\xe8ky"}},
                             SplitCase{"bracketsAndDotsOnly", "[..]", {}},
                             SplitCase{"apostropheStays", "don't", {"don't"}},
                             SplitCase{"hyphenStays", "e-mail", {"e-mail"}},
                             SplitCase{"parenthesesStay", "(d\xf9m)", {"(d\xf9m)"}},
                             SplitCase{"tabJoinsWords", "a\tb c", {"a\tb", "c"}},
                             SplitCase{"runsOfBlanks", "   a    b   ", {"a", "b"}},
                             SplitCase{"quotesColonSemicolonStay", "\"ano\": ne;", {"\"ano\":", "ne;"}},
                             SplitCase{"empty", "", {}}),
                         rowName);

TEST(Split, WordNeverContinuesIntoTheNextLine)
{
    EXPECT_THAT(split({"ab", "cd", "", "e"}).words, ElementsAre("ab", "cd", "e"));
}

TEST(Split, LongWordsAreCutToFiftyCharacters)
{
    const SourceWords source = split({std::string(60, 'x') + " y"});
    EXPECT_THAT(source.words, ElementsAre(std::string(50, 'x'), "y"));
}

TEST(Split, ExactlyMaxWordsIsNotTruncatedEvenWithSeparatorsAfter)
{
    const SourceWords source = split({words(128) + " ... !!", "", "   "});
    EXPECT_EQ(source.words.size(), MaxWords);
    EXPECT_FALSE(source.truncated);
}

TEST(Split, OneWordMoreIsTruncatedAndTheFirstKept)
{
    const SourceWords source = split({words(127), "last", "dropped"});
    EXPECT_EQ(source.words.size(), MaxWords);
    EXPECT_EQ(source.words.back(), "last");
    EXPECT_TRUE(source.truncated);
}

TEST(Split, TenThousandWordsKeepTheFirst128)
{
    const SourceWords source = split({words(10000, ", ")});
    EXPECT_EQ(source.words.size(), MaxWords);
    EXPECT_TRUE(source.truncated);
}

TEST(Split, NulAndHighBytesAreWordCharacters)
{
    const SourceWords source = split({std::string("a\0b \xff", 5)});
    EXPECT_THAT(source.words, ElementsAre(std::string("a\0b", 3), "\xff"));
}

TEST(Sentence, JoinsThePartAfterEqualsOfEachBox)
{
    const std::vector<std::string> boxes{"pes = dog", "", "pes = dog = hound", "hello"};
    EXPECT_EQ(buildSentence(boxes), "dog [..] dog = hound hello ");
}

TEST(Sentence, EmptyPartAfterEqualsLeavesTwoBlanks)
{
    const std::vector<std::string> boxes{"x=", "y"};
    EXPECT_EQ(buildSentence(boxes), " y ");
    EXPECT_EQ(sentencePart("x="), "");
    EXPECT_EQ(sentencePart("="), "");
    EXPECT_EQ(sentencePart("a=bc"), "c");
}

TEST(Sentence, PartsAreCutTo255Characters)
{
    EXPECT_EQ(sentencePart(std::string(300, 'a')).size(), 255u);
    EXPECT_EQ(sentencePart("x = " + std::string(300, 'b')), std::string(255, 'b'));
    EXPECT_THAT(buildSentence(std::vector<std::string>{}), IsEmpty());
}

TEST(ReducedOffers, ArePluralThenComparative)
{
    EXPECT_THAT(reducedOfferForms("cats"), ElementsAre("cat", "cats"));
    EXPECT_THAT(reducedOfferForms("bigger"), ElementsAre("big"));
    EXPECT_THAT(reducedOfferForms("er"), IsEmpty());
}

} // namespace
} // namespace slovnik

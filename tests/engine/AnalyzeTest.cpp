// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/Analyze.h"
#include "engine/Query.h"
#include "tests/engine/EngineTest.h"

#include <ostream>

#include <string>

namespace slovnik {
namespace {

using namespace slovnik::support;

// The query's rules, each on worked examples: a row names the rule it tries.
struct Example {
    const char *name;
    std::string (*rule)(std::string_view);
    const char *input;
    const char *expected;
};
// CTest lists a case with its row, which prints as its name rather than its bytes.
void PrintTo(const Example &row, std::ostream *out)
{
    *out << row.name;
}

std::string normalizedEnglish(std::string_view query)
{
    return NormalizeQuery(query, kEn);
}
std::string normalizedCzech(std::string_view query)
{
    return NormalizeQuery(query, kCs);
}

const Example kExamples[] = {
    {"cats", ReducePlural, "cats", "cat"},
    {"boxesLosesOnlyTheS", ReducePlural, "boxes", "boxe"},
    {"is", ReducePlural, "is", "i"},
    {"loneSTooShort", ReducePlural, "s", ""},
    {"empty", ReducePlural, "", ""},
    {"noFinalS", ReducePlural, "cat", ""},
    {"upperCaseSIsNotAnEnding", ReducePlural, "CATS", ""},
    {"biggerDoubledG", ReduceComparative, "bigger", "big"},
    {"olderTooShortForDoubling", ReduceComparative, "older", "old"},
    {"tallerDoubledL", ReduceComparative, "taller", "tal"},
    {"faster", ReduceComparative, "faster", "fast"},
    {"biggest", ReduceComparative, "biggest", "big"},
    {"fastest", ReduceComparative, "fastest", "fast"},
    {"waterAnyEr", ReduceComparative, "water", "wat"},
    {"catUnchanged", ReduceComparative, "cat", "cat"},
    {"erAloneEmpty", ReduceComparative, "er", ""},
    {"estAloneEmpty", ReduceComparative, "est", ""},
    {"oneLetterUnchanged", ReduceComparative, "a", "a"},
    {"emptyStaysEmpty", ReduceComparative, "", ""},
    {"restIsEstNotEr", ReduceComparative, "rest", "r"},
    {"playingVowelStem", ReduceVerbForm, "playing", "play"},
    {"dying", ReduceVerbForm, "dying", "die"},
    {"crying", ReduceVerbForm, "crying", "crie"},
    {"sayingAfterW", ReduceVerbForm, "sewying", "sewy"},
    {"yingAloneNoCandidate", ReduceVerbForm, "ying", ""},
    {"runningDoubled", ReduceVerbForm, "running", "run"},
    {"walking", ReduceVerbForm, "walking", "walk"},
    {"sing", ReduceVerbForm, "sing", "s"},
    {"ingAlone", ReduceVerbForm, "ing", ""},
    {"tried", ReduceVerbForm, "tried", "try"},
    {"stoppedDoubled", ReduceVerbForm, "stopped", "stop"},
    {"walked", ReduceVerbForm, "walked", "walk"},
    {"need", ReduceVerbForm, "need", "ne"},
    {"has", ReduceVerbForm, "has", "have"},
    {"does", ReduceVerbForm, "does", "do"},
    {"goes", ReduceVerbForm, "goes", "go"},
    {"passes", ReduceVerbForm, "passes", "pass"},
    {"wishes", ReduceVerbForm, "wishes", "wish"},
    {"tries", ReduceVerbForm, "tries", "try"},
    {"watchesPlainS", ReduceVerbForm, "watches", "watche"},
    {"sAlone", ReduceVerbForm, "s", ""},
    {"catNoRule", ReduceVerbForm, "cat", ""},
    {"runsAgreesWithPlural", ReduceVerbForm, "runs", "run"},
    {"leadingBlank", normalizedEnglish, " cat", "cat"},
    {"onlyOneBlankRemoved", normalizedEnglish, "  cat", " cat"},
    {"articleInEnglish", normalizedEnglish, "a cat", "cat"},
    {"articleStaysInCzech", normalizedCzech, "a cat", "a cat"},
    {"theStaysInCzech", normalizedCzech, "the cat", "the cat"},
    {"aThenThe", normalizedEnglish, "a the cat", "cat"},
    {"aTestedBeforeThe", normalizedEnglish, "the a cat", "a cat"},
    {"theWithoutBlank", normalizedEnglish, "the", "the"},
    {"articleAloneLeavesNothing", normalizedEnglish, "a ", ""},
    {"blankThenArticle", normalizedEnglish, " a dog", "dog"},
    {"apostrophe", normalizedEnglish, "don't", "dont"},
    {"apostrophesEverywhereInCzech", normalizedCzech, "'a'b'", "ab"},
    {"blankAndApostrophesOnly", normalizedEnglish, " '''", ""},
    {"innerAndTrailingBlanksStay", normalizedEnglish, "ice  cream ", "ice  cream "},
    {"emptyQuery", normalizedEnglish, "", ""},
};

class RuleExamples : public ::testing::TestWithParam<Example> { };
TEST_P(RuleExamples, GiveTheirResult)
{
    EXPECT_EQ(GetParam().rule(GetParam().input), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Worked, RuleExamples, ::testing::ValuesIn(kExamples), rowName);

TEST(lowerAsciiLetters, LowersOnlyAToZ)
{
    // "ŽLUŤOUČKÝ" in Windows-1250: the capitals with diacritics stay.
    EXPECT_EQ(lowerAsciiLetters("Dog \x8eLU\x8dOU\xc8K\xdd @[`{"), "dog \x8elu\x8dou\xc8k\xdd @[`{");
}

} // namespace
} // namespace slovnik

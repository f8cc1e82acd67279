#include "engine/Analyze.h"
#include "engine/Query.h"
#include "tests/support/SmallTable.h"

#include <gtest/gtest.h>

#include <ostream>

#include <functional>

namespace slovnik {
namespace {

using namespace slovnik::testing;

struct Example {
    const char *name;
    const char *input;
    const char *expected;
};
// CTest lists a case with its row, which prints as its name rather than its bytes.
void PrintTo(const Example &row, std::ostream *out)
{
    *out << row.name;
}

class ReducePluralExamples : public ::testing::TestWithParam<Example> { };
TEST_P(ReducePluralExamples, GiveTheirResult)
{
    EXPECT_EQ(ReducePlural(GetParam().input), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Worked, ReducePluralExamples,
                         ::testing::Values(Example{"cats", "cats", "cat"},
                                           Example{"boxesLosesOnlyTheS", "boxes", "boxe"},
                                           Example{"is", "is", "i"}, Example{"loneSTooShort", "s", ""},
                                           Example{"empty", "", ""}, Example{"noFinalS", "cat", ""},
                                           Example{"upperCaseSIsNotAnEnding", "CATS", ""}),
                         rowName);

class ReduceComparativeExamples : public ::testing::TestWithParam<Example> { };
TEST_P(ReduceComparativeExamples, GiveTheirResult)
{
    EXPECT_EQ(ReduceComparative(GetParam().input), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Worked, ReduceComparativeExamples,
    ::testing::Values(Example{"biggerDoubledG", "bigger", "big"},
                      Example{"olderTooShortForDoubling", "older", "old"},
                      Example{"tallerDoubledL", "taller", "tal"}, Example{"faster", "faster", "fast"},
                      Example{"biggest", "biggest", "big"}, Example{"fastest", "fastest", "fast"},
                      Example{"waterAnyEr", "water", "wat"}, Example{"catUnchanged", "cat", "cat"},
                      Example{"erAloneEmpty", "er", ""}, Example{"estAloneEmpty", "est", ""},
                      Example{"oneLetterUnchanged", "a", "a"}, Example{"emptyStaysEmpty", "", ""},
                      Example{"restIsEstNotEr", "rest", "r"}),
    rowName);

class ReduceVerbFormExamples : public ::testing::TestWithParam<Example> { };
TEST_P(ReduceVerbFormExamples, GiveTheirResult)
{
    EXPECT_EQ(ReduceVerbForm(GetParam().input), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Worked, ReduceVerbFormExamples,
    ::testing::Values(Example{"playingVowelStem", "playing", "play"}, Example{"dying", "dying", "die"},
                      Example{"crying", "crying", "crie"}, Example{"sayingAfterW", "sewying", "sewy"},
                      Example{"yingAloneNoCandidate", "ying", ""},
                      Example{"runningDoubled", "running", "run"}, Example{"walking", "walking", "walk"},
                      Example{"sing", "sing", "s"}, Example{"ingAlone", "ing", ""},
                      Example{"tried", "tried", "try"}, Example{"stoppedDoubled", "stopped", "stop"},
                      Example{"walked", "walked", "walk"}, Example{"need", "need", "ne"},
                      Example{"has", "has", "have"}, Example{"does", "does", "do"},
                      Example{"goes", "goes", "go"}, Example{"passes", "passes", "pass"},
                      Example{"wishes", "wishes", "wish"}, Example{"tries", "tries", "try"},
                      Example{"watchesPlainS", "watches", "watche"}, Example{"sAlone", "s", ""},
                      Example{"catNoRule", "cat", ""}, Example{"runsAgreesWithPlural", "runs", "run"}),
    rowName);

struct NormalizeExample {
    const char *name;
    const char *input;
    TranslationDirection direction;
    const char *expected;
};
void PrintTo(const NormalizeExample &row, std::ostream *out)
{
    *out << row.name;
}

class NormalizeQueryExamples : public ::testing::TestWithParam<NormalizeExample> { };
TEST_P(NormalizeQueryExamples, GiveTheirResult)
{
    EXPECT_EQ(NormalizeQuery(GetParam().input, GetParam().direction), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Worked, NormalizeQueryExamples,
    ::testing::Values(NormalizeExample{"leadingBlank", " cat", kEn, "cat"},
                      NormalizeExample{"onlyOneBlankRemoved", "  cat", kEn, " cat"},
                      NormalizeExample{"articleInEnglish", "a cat", kEn, "cat"},
                      NormalizeExample{"articleStaysInCzech", "a cat", kCs, "a cat"},
                      NormalizeExample{"theStaysInCzech", "the cat", kCs, "the cat"},
                      NormalizeExample{"aThenThe", "a the cat", kEn, "cat"},
                      NormalizeExample{"aTestedBeforeThe", "the a cat", kEn, "a cat"},
                      NormalizeExample{"theWithoutBlank", "the", kEn, "the"},
                      NormalizeExample{"articleAloneLeavesNothing", "a ", kEn, ""},
                      NormalizeExample{"blankThenArticle", " a dog", kEn, "dog"},
                      NormalizeExample{"apostrophe", "don't", kEn, "dont"},
                      NormalizeExample{"apostrophesEverywhereInCzech", "'a'b'", kCs, "ab"},
                      NormalizeExample{"blankAndApostrophesOnly", " '''", kEn, ""},
                      NormalizeExample{"innerAndTrailingBlanksStay", "ice  cream ", kEn, "ice  cream "},
                      NormalizeExample{"empty", "", kEn, ""}),
    rowName);

TEST(lowerAsciiLetters, LowersOnlyAToZ)
{
    // "ŽLUŤOUČKÝ" in Windows-1250: the capitals with diacritics stay.
    EXPECT_EQ(lowerAsciiLetters("Dog \x8eLU\x8dOU\xc8K\xdd @[`{"), "dog \x8elu\x8dou\xc8k\xdd @[`{");
}

} // namespace
} // namespace slovnik

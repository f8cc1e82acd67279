// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/WordList.h"
#include "tests/support/SmallTable.h"

#include <gtest/gtest.h>

#include <ostream>

namespace slovnik {
namespace {

QStringList problemsOf(const char *utf8)
{
    return readWordList(QByteArray(utf8)).problems;
}

TEST(WordList, ReadsPairsInOrderAsWindows1250)
{
    const WordListReading reading = readWordList("dog\tpes\ntea\tčaj\n");
    ASSERT_TRUE(reading.problems.isEmpty()) << reading.problems.join(u'\n').toStdString();
    ASSERT_EQ(reading.pairs.size(), 2u);
    EXPECT_EQ(reading.pairs[0].english, "dog");
    EXPECT_EQ(reading.pairs[1].czech, "\xe8\x61j");
}

TEST(WordList, TwentyCodePageCharactersFitEvenWhenUtf8IsLonger)
{
    // 20 letters with diacritics are 40 bytes of UTF-8 but 20 of the table.
    EXPECT_TRUE(problemsOf("long\tžžžžžžžžžžžžžžžžžžžž\n").isEmpty());
    EXPECT_EQ(problemsOf("long\tžžžžžžžžžžžžžžžžžžžžž\n").size(), 1);
}

struct BrokenLine {
    const char *name;
    const char *line;
};
// CTest lists a case with its row, which prints as its name rather than its bytes.
void PrintTo(const BrokenLine &row, std::ostream *out)
{
    *out << row.name;
}

class WordListRule : public ::testing::TestWithParam<BrokenLine> { };

TEST_P(WordListRule, IsReportedWithItsLine)
{
    const QStringList problems = problemsOf(GetParam().line);
    ASSERT_EQ(problems.size(), 1) << problems.join(u'\n').toStdString();
    EXPECT_TRUE(problems.front().startsWith(u"line ")) << problems.front().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    BrokenLines, WordListRule,
    ::testing::Values(BrokenLine{"EqualsSign", "a=b\tx\n"}, BrokenLine{"EmptyField", "dog\t\n"},
                      BrokenLine{"LeadingBlank", " dog\tpes\n"}, BrokenLine{"TrailingBlank", "dog\tpes \n"},
                      BrokenLine{"NoTab", "dog pes\n"}, BrokenLine{"ThreeFields", "dog\tpes\tx\n"},
                      BrokenLine{"ControlCharacter", "do\x01g\tpes\n"},
                      BrokenLine{"OutsideCodePage", "snow\t雪\n"},
                      BrokenLine{"TooLong", "abcdefghijklmnopqrstu\tx\n"},
                      BrokenLine{"PairTwice", "dog\tpes\ndog\tpes\n"}),
    slovnik::support::rowName);

} // namespace
} // namespace slovnik

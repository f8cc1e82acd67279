#include "Cp1250.h"

#include <gtest/gtest.h>

namespace slovnik {
namespace {

TEST(Cp1250, EveryByteSurvivesTheRoundTrip)
{
    std::string everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte.push_back(static_cast<char>(b));
    const QString unicode = fromCp1250(everyByte);
    ASSERT_EQ(unicode.size(), 256);
    EXPECT_EQ(toCp1250(unicode), everyByte);
}

TEST(Cp1250, CzechLettersHaveTheirCodePageBytes)
{
    EXPECT_EQ(toCp1250(QStringLiteral(u"žluťoučký kůň")), "\x9el\x75\x9do\x75\xe8k\xfd k\xf9\xf2");
    EXPECT_EQ(fromCp1250("\xc8\x61j"), QStringLiteral(u"Čaj"));
}

TEST(Cp1250, DecomposedLettersAreComposedFirst)
{
    const QString decomposed = QStringLiteral(u"C\u030Caj"); // C + combining caron
    EXPECT_EQ(toCp1250(decomposed), "\xc8\x61j");
}

TEST(Cp1250, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach)
{
    EXPECT_EQ(toCp1250(QStringLiteral(u"a😀b")), "a?b"); // a surrogate pair is one character
    EXPECT_EQ(toCp1250(QStringLiteral(u"Ωש中")), "???");
    QString unpaired = QStringLiteral(u"x");
    unpaired.append(QChar(0xD800));
    unpaired.append(u'y');
    unpaired.append(QChar(0xDC00));
    EXPECT_EQ(toCp1250(unpaired), "x?y?");
}

TEST(Cp1250, ControlCharactersAndNulPassThrough)
{
    const QString withControls = QStringLiteral(u"a") + QChar(0) + QChar(0x1A) + QChar(u'\t');
    EXPECT_EQ(toCp1250(withControls), std::string("a\0\x1a\t", 4));
}

TEST(Cp1250, CharactersThatComposingLengthensGiveOneQuestionMarkEach)
{
    EXPECT_EQ(toCp1250(QStringLiteral(u"a\u09DDb")), "a?b"); // BENGALI LETTER RHA
    EXPECT_EQ(toCp1250(QStringLiteral(u"\u0344")), "?"); // COMBINING GREEK DIALYTIKA TONOS
    EXPECT_EQ(toCp1250(QStringLiteral(u"\U0001D15E")), "?"); // MUSICAL SYMBOL HALF NOTE
    EXPECT_EQ(toCp1250(QStringLiteral(u"C\u030C\u09DD")), "\xc8?"); // composing still works beside
}

// Both took minutes when the whole text was normalised at once; a pasted text may be this long.
// Composing a whole text at once is quadratic in Qt: these took minutes. A hang here is caught by
// the test's time limit in CTest, not by a timed assertion.
TEST(Cp1250, LongDecomposedTextAndLongRunsOfMarksConvert)
{
    const QString decomposed = QStringLiteral(u"C\u030Caj ").repeated(1'000'000);
    // EXPECT_TRUE: a failure would otherwise print megabytes.
    EXPECT_TRUE(toCp1250(decomposed) == QByteArray("\xc8\x61j ").repeated(1'000'000).toStdString());

    const QString marked = QStringLiteral(u"a") + QStringLiteral(u"\u0301\u0323").repeated(100'000);
    EXPECT_TRUE(toCp1250(marked) == "a" + std::string(200'000, '?'));
}

} // namespace
} // namespace slovnik

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
    EXPECT_EQ(toCp1250(QStringLiteral(u"žluťoučký kůň")),
              "\x9el\x75\x9do\x75\xe8k\xfd k\xf9\xf2");
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

} // namespace
} // namespace slovnik

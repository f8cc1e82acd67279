// SPDX-License-Identifier: GPL-2.0-or-later
#include "text/Cp1250.h"
#include "engine/Cp1250Letters.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <gtest/gtest.h>
#include <unicode/uchar.h>

#include <map>
#include <ostream>
#include <string>

namespace slovnik {
namespace {

// Every byte comes back but the invisible ones and the few the boundary reads as others, none of
// which the table holds: the no-break space (0xA0), the soft hyphen (0xAD), and Ł ł ß Đ đ.
TEST(Cp1250, EveryByteButTheDroppedAndReadAsOthersSurvivesTheRoundTrip)
{
    std::string everyByte;
    std::string expected = "\t\n\v\f\r";
    for (int b = 0; b < 256; ++b) {
        everyByte.push_back(static_cast<char>(b));
        const std::string readAs = b == 0xA0 ? " "
            : b == 0xAD                      ? ""
            : b == 0xA3                      ? "L"
            : b == 0xB3                      ? "l"
            : b == 0xDF                      ? "ss"
            : b == 0xD0                      ? "D"
            : b == 0xF0                      ? "d"
                                             : std::string(1, static_cast<char>(b));
        if (b >= 0x20)
            expected += readAs;
    }
    const QString unicode = fromCp1250(everyByte);
    ASSERT_EQ(unicode.size(), 256);
    EXPECT_EQ(toCp1250(unicode), expected);
}

std::string unicodeName(char16_t character)
{
    constexpr int kLongestName = 128;
    char name[kLongestName] = {};
    UErrorCode error = U_ZERO_ERROR;
    u_charName(character, U_UNICODE_CHAR_NAME, name, kLongestName, &error);
    return U_SUCCESS(error) ? name : "";
}

// The engine's statement of the code page against two references of its own: each byte above 127
// is the character Qt's codec decodes it to; it is a letter when Unicode names that character a
// Latin letter; a capital lower-cases to the byte of the small letter of the same name; and a
// letter is written with the plain letter its name gives ("LATIN CAPITAL LETTER C WITH CARON": c).
TEST(Cp1250, TheEnginesLettersAreUnicodesOfQtsCodec)
{
    QByteArray highBytes;
    for (unsigned b = cp1250::kFirstHighByte; b <= 0xFF; ++b)
        highBytes.append(static_cast<char>(b));
    QStringDecoder decoder("windows-1250");
    ASSERT_TRUE(decoder.isValid());
    const QString decoded = decoder.decode(highBytes);
    ASSERT_EQ(decoded.size(), highBytes.size());
    std::map<std::string, unsigned char> byName;
    for (qsizetype i = 0; i < decoded.size(); ++i)
        byName[unicodeName(decoded.at(i).unicode())] = static_cast<unsigned char>(highBytes.at(i));

    static const QRegularExpression kLatinLetter(
        QRegularExpression::anchoredPattern(QStringLiteral("LATIN (CAPITAL|SMALL) LETTER (.+?)( WITH .+)?")));
    for (qsizetype i = 0; i < decoded.size(); ++i) {
        const auto b = static_cast<unsigned char>(highBytes.at(i));
        const std::string name = unicodeName(decoded.at(i).unicode());
        SCOPED_TRACE(QByteArray::number(b, 16).toStdString() + " " + name);
        EXPECT_EQ(cp1250::character(b), decoded.at(i).unicode());
        const QRegularExpressionMatch letter = kLatinLetter.match(QString::fromStdString(name));
        EXPECT_EQ(cp1250::isLetter(b), letter.hasMatch());
        const bool capital = letter.hasMatch() && letter.captured(1) == u"CAPITAL";
        EXPECT_EQ(cp1250::toSmall(b),
                  capital ? byName.at("LATIN SMALL LETTER " + letter.captured(2).toStdString()
                                      + letter.captured(3).toStdString())
                          : b);
        const bool plain = letter.hasMatch() && letter.captured(2).size() == 1;
        EXPECT_EQ(cp1250::baseLetter(b),
                  plain ? static_cast<char>(std::tolower(letter.captured(2).at(0).toLatin1())) : char{0});
    }
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

struct Reduction {
    const char *name;
    const char16_t *typed;
    const char *engineText;
};
// CTest lists a case by its row's name, not its bytes.
void PrintTo(const Reduction &row, std::ostream *out)
{
    *out << row.name;
}

class Cp1250Reduction : public ::testing::TestWithParam<Reduction> { };

// A letter the code page lacks stands as its base letter, so the word stays whole; only what has
// no base letter in the code page is "?". Invisible controls are dropped, tab and line breaks kept.
TEST_P(Cp1250Reduction, ReachesTheEngineAs)
{
    EXPECT_EQ(toCp1250(QString::fromUtf16(GetParam().typed)), GetParam().engineText);
}

INSTANTIATE_TEST_SUITE_P(
    Cp1250, Cp1250Reduction,
    ::testing::Values(
        Reduction{"diaeresis", u"naïve", "naive"}, Reduction{"tilde", u"señor", "senor"},
        Reduction{"capitals", u"NAÏVE SEÑOR", "NAIVE SENOR"},
        Reduction{"cedillaIsInTheCodePage", u"façade",
                  "fa\xe7"
                  "ade"},
        Reduction{"decomposed", u"jalapen\u0303o", "jalapeno"},
        Reduction{"markWithoutComposition", u"a\u0331b", "ab"}, Reduction{"noBaseLetter", u"≠ά", "??"},
        Reduction{"noBreakSpacesAreBlanks", u"v\u00a0pond\u011bl\u00ed k\u202fbabi\u010dce 1\u20070",
                  "v pond\xecl\xed k babi\xe8\x63\x65 1 0"},
        Reduction{"nonBreakingHyphen", u"e\u2011mail", "e-mail"},
        Reduction{"ligature", u"\ufb01sh \ufb00", "fish ff"},
        Reduction{"fullWidthAndSuperscript", u"\uff44og m\u00b2", "dog m2"},
        Reduction{"lettersWithoutDecomposition", u"\u00f8l stra\u00dfe \u00e6on \u0111ak \u0142\u00f3d\u017a",
                  "ol strasse aeon dak l\xf3\x64\x9f"},
        Reduction{"markedLetterWithoutDecomposition", u"\u01ff", "o"},
        Reduction{"formatCharacters", u"\ufeff\u200fdog\u200b\u200e\u2060s\u00ad\ufeff", "dogs"},
        Reduction{"controlsAfterAWord", u"dog\u0001\u0002", "dog"},
        Reduction{"otherControls", u"a\u001f\u001ab\u0008", "ab"},
        Reduction{"tabAndLineBreaksKept", u"a\tb\r\n\v\fc", "a\tb\r\n\v\fc"},
        Reduction{"delAndC1", u"\u007f\u0085", "\x7f?"}),
    [](const auto &row) { return std::string(row.param.name); });

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

// SPDX-License-Identifier: GPL-2.0-or-later
#include "text/Cp1250.h"

#include "engine/Cp1250Letters.h"

#include <QHash>

#include <array>
#include <optional>

namespace slovnik {
namespace {

constexpr int kByteValues = 256;
constexpr char kUnmappable = '?';

// The characters are the engine's own statement of the code page. The reverse direction is a
// hash of them rather than Qt's encoder, which substitutes unmappable characters with a SUB
// control byte that is indistinguishable from a genuine U+001A: one lookup per character keeps a
// 10 MB paste fast.
struct CodePage {
    std::array<char16_t, kByteValues> toUnicode{};
    QHash<char16_t, char> toByte;

    CodePage()
    {
        for (int b = 0; b < kByteValues; ++b) {
            toUnicode[b] = cp1250::character(static_cast<unsigned char>(b));
            toByte.insert(toUnicode[b], static_cast<char>(b));
        }
    }
};

const CodePage &codePage()
{
    static const CodePage page;
    return page;
}

// The code point at i; units tells how many UTF-16 units it takes. An unpaired surrogate is a
// code point of its own.
char32_t codePointAt(QStringView text, qsizetype i, qsizetype &units)
{
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        units = 2;
        return QChar::surrogateToUcs4(c, text[i + 1]);
    }
    units = 1;
    return c.unicode();
}

qsizetype codePointCount(QStringView text)
{
    qsizetype count = 0;
    for (qsizetype i = 0, units = 0; i < text.size(); i += units, ++count)
        codePointAt(text, i, units);
    return count;
}

char byteOf(char32_t codePoint)
{
    if (codePoint > 0xFFFF || QChar::isSurrogate(codePoint))
        return kUnmappable;
    const CodePage &page = codePage();
    const auto found = page.toByte.constFind(static_cast<char16_t>(codePoint));
    return found == page.toByte.cend() ? kUnmappable : *found;
}

void appendCodePoints(std::string &bytes, QStringView text)
{
    for (qsizetype i = 0, units = 0; i < text.size(); i += units)
        bytes.push_back(byteOf(codePointAt(text, i, units)));
}

// A code point with the combining marks after it: the most that composing makes one letter of.
qsizetype characterEnd(QStringView text, qsizetype start)
{
    qsizetype units = 0;
    codePointAt(text, start, units);
    qsizetype end = start + units;
    while (end < text.size() && QChar::combiningClass(codePointAt(text, end, units)) != 0)
        end += units;
    return end;
}

// A control character other than the tab and the line breaks is invisible in a text box, yet as
// a byte it would make the word it stands in match nothing.
bool isDroppedControl(char32_t codePoint)
{
    constexpr char32_t kTab = 0x09;
    constexpr char32_t kCarriageReturn = 0x0D;
    constexpr char32_t kLastC0 = 0x1F;
    return codePoint <= kLastC0 && (codePoint < kTab || codePoint > kCarriageReturn);
}

// A format character (a zero-width space, a direction mark, a byte order mark, a soft hyphen)
// is invisible too: pasted from a web page or a right-to-left text, it hides inside a word.
bool isFormatCharacter(char32_t codePoint)
{
    constexpr char32_t kSoftHyphen = 0xAD; // the first of them
    return codePoint >= kSoftHyphen && QChar::category(codePoint) == QChar::Other_Format;
}

// What a few characters stand as although the code page has a byte for them, or although
// Unicode gives them no decomposition. Czech typesetting puts a no-break space after a
// one-letter preposition ("v pondělí"): as the code page's own no-break byte it would join the
// two words, so every no-break blank is a blank. The table is English and Czech only, so a
// Polish, German or Nordic letter stands as the letters a reader would write for it.
std::string_view readAs(char32_t codePoint)
{
    if (codePoint < 0xA0)
        return {};
    switch (codePoint) {
    case 0x00A0: // no-break space
    case 0x2007: // figure space
    case 0x202F: // narrow no-break space
        return " ";
    case 0x2010: // hyphen
    case 0x2011: // non-breaking hyphen
        return "-";
    case 0x00DF:
        return "ss";
    case 0x1E9E:
        return "SS";
    case 0x00E6:
        return "ae";
    case 0x00C6:
        return "AE";
    case 0x0153:
        return "oe";
    case 0x0152:
        return "OE";
    case 0x00F8:
        return "o";
    case 0x00D8:
        return "O";
    case 0x0111: // đ
    case 0x00F0: // ð
        return "d";
    case 0x0110: // Đ
    case 0x00D0: // Ð
        return "D";
    case 0x0142:
        return "l";
    case 0x0141:
        return "L";
    case 0x0131:
        return "i";
    case 0x0127:
        return "h";
    case 0x0126:
        return "H";
    case 0x00FE:
        return "th";
    case 0x00DE:
        return "Th";
    case 0x014B:
        return "n";
    case 0x014A:
        return "N";
    case 0x0167:
        return "t";
    case 0x0166:
        return "T";
    case 0x0138:
        return "k";
    default:
        return {};
    }
}

bool allMapped(QStringView text)
{
    for (qsizetype i = 0, units = 0; i < text.size(); i += units)
        if (byteOf(codePointAt(text, i, units)) == kUnmappable)
            return false;
    return true;
}

// Appends each code point's byte, or what it is read as; false, with `bytes` as it was, when one
// has neither. Combining marks are left out when `withoutMarks`.
bool appendReadable(std::string &bytes, QStringView text, bool withoutMarks)
{
    const std::size_t before = bytes.size();
    for (qsizetype i = 0, units = 0; i < text.size(); i += units) {
        const char32_t codePoint = codePointAt(text, i, units);
        if (withoutMarks && QChar::category(codePoint) == QChar::Mark_NonSpacing)
            continue;
        if (const std::string_view read = readAs(codePoint); !read.empty()) {
            bytes += read;
        } else if (const char byte = byteOf(codePoint); byte != kUnmappable) {
            bytes.push_back(byte);
        } else {
            bytes.resize(before);
            return false;
        }
    }
    return true;
}

// A letter without a byte of its own, such as "ï", "ñ" or "ǿ", stands as its base letter without
// the marks ("i", "n", "o"): "naïve" stays one word the dictionary knows. The base of a letter
// only: "≠" decomposes into "=" and a mark, and must not become the result line's separator.
bool appendBaseLetter(std::string &bytes, QStringView composed)
{
    qsizetype units = 0;
    const char32_t letter = codePointAt(composed, 0, units);
    const bool marked = units < composed.size() || QChar::decompositionTag(letter) == QChar::Canonical;
    if (!QChar::isLetter(letter) || !marked)
        return false;
    const QString decomposed = composed.toString().normalized(QString::NormalizationForm_D);
    const char32_t base = codePointAt(decomposed, 0, units);
    return QChar::isLetter(base) && appendReadable(bytes, QStringView(decomposed).first(units), false);
}

// A compatibility character, such as the ligature "ﬁ", a full-width "ａ" or a superscript "²",
// stands as the characters it is a variant of, when the code page has them all. A variant of a
// mark alone (U+FF9E) stands for nothing visible, and stays a "?".
bool appendCompatibilityVariant(std::string &bytes, QStringView character)
{
    qsizetype units = 0;
    const QChar::Decomposition tag = QChar::decompositionTag(codePointAt(character, 0, units));
    if (tag == QChar::NoDecomposition || tag == QChar::Canonical)
        return false;
    const std::size_t before = bytes.size();
    if (appendReadable(bytes, character.toString().normalized(QString::NormalizationForm_KC), false))
        return true;
    return appendReadable(bytes, character.toString().normalized(QString::NormalizationForm_KD), true)
        && bytes.size() > before;
}

// Composing turns "C" + combining caron into "Č", one character at a time: Qt composes a whole
// text in quadratic time (10 MB of decomposed Czech took minutes). A character that composing
// makes longer (U+09DD BENGALI LETTER RHA becomes two code points, neither in the code page) is
// kept as typed, so that no character gives more "?" than it has code points.
void appendCharacter(std::string &bytes, QStringView character)
{
    // Alone, a code point below the combining marks or without a decomposition is already
    // composed: almost every character needs no normalising.
    constexpr char32_t kFirstCombiningMark = 0x0300;
    // Qt also orders a character's marks in quadratic time; no letter of the code page carries
    // more than one, and Unicode's stream-safe text allows a starter 30, perhaps as pairs.
    constexpr qsizetype kMostUnitsComposed = 2 * (1 + 30);
    qsizetype units = 0;
    const char32_t first = codePointAt(character, 0, units);
    if (isDroppedControl(first) || isFormatCharacter(first))
        return;
    if (units == character.size()) {
        if (const std::string_view read = readAs(first); !read.empty()) {
            bytes += read;
            return;
        }
        if (byteOf(first) != kUnmappable)
            return bytes.push_back(byteOf(first));
    }
    if (character.size() > kMostUnitsComposed)
        return appendCodePoints(bytes, character);
    const bool composable = units < character.size()
        || (first >= kFirstCombiningMark && QChar::decompositionTag(first) != QChar::NoDecomposition);
    const QString composed
        = composable ? character.toString().normalized(QString::NormalizationForm_C) : character.toString();
    const QStringView shorter
        = codePointCount(composed) <= codePointCount(character) ? QStringView(composed) : character;
    if (allMapped(shorter))
        return appendCodePoints(bytes, shorter);
    if (!appendBaseLetter(bytes, shorter) && !appendCompatibilityVariant(bytes, shorter))
        appendCodePoints(bytes, shorter);
}

} // namespace

std::string toCp1250(const QString &text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype start = 0, end = 0; start < text.size(); start = end) {
        end = characterEnd(text, start);
        appendCharacter(bytes, QStringView(text).sliced(start, end - start));
    }
    return bytes;
}

QString fromCp1250(std::string_view bytes)
{
    const CodePage &page = codePage();
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char b : bytes)
        *out++ = QChar(page.toUnicode[static_cast<unsigned char>(b)]);
    return text;
}

} // namespace slovnik

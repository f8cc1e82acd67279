#include "text/Cp1250.h"

#include <QHash>
#include <QStringDecoder>

#include <array>
#include <optional>

namespace slovnik {
namespace {

constexpr int kByteValues = 256;
constexpr char kUnmappable = '?';

// Qt's encoder substitutes unmappable characters with a SUB control byte that is
// indistinguishable from a genuine U+001A, so the reverse direction is built from the decoder's
// table instead: it is exact, and one lookup per character keeps a 10 MB paste fast.
struct CodePage {
    std::array<char16_t, kByteValues> toUnicode{};
    QHash<char16_t, char> toByte;

    CodePage()
    {
        QByteArray everyByte(kByteValues, '\0');
        for (int b = 0; b < kByteValues; ++b)
            everyByte[b] = static_cast<char>(b);
        QStringDecoder decoder("windows-1250");
        const QString decoded = decoder.decode(everyByte);
        Q_ASSERT(decoded.size() == kByteValues);
        for (int b = 0; b < kByteValues; ++b) {
            toUnicode[b] = decoded.at(b).unicode();
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

bool allMapped(QStringView text)
{
    for (qsizetype i = 0, units = 0; i < text.size(); i += units)
        if (byteOf(codePointAt(text, i, units)) == kUnmappable)
            return false;
    return true;
}

// A letter without a byte of its own, such as "ï", "ñ" or "ç", stands as its base letter without
// the marks ("i", "n", "c"): "naïve" stays one word the dictionary knows. The base of a letter
// only: "≠" decomposes into "=" and a mark, and must not become the result line's separator.
std::optional<char> baseLetterByte(QStringView composed)
{
    qsizetype units = 0;
    const char32_t letter = codePointAt(composed, 0, units);
    const bool marked = units < composed.size() || QChar::decompositionTag(letter) == QChar::Canonical;
    if (!QChar::isLetter(letter) || !marked)
        return std::nullopt;
    const QString decomposed = composed.toString().normalized(QString::NormalizationForm_D);
    const char32_t base = codePointAt(decomposed, 0, units);
    const char byte = byteOf(base);
    if (!QChar::isLetter(base) || byte == kUnmappable)
        return std::nullopt;
    return byte;
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
    if (isDroppedControl(first))
        return;
    if (units == character.size() && byteOf(first) != kUnmappable)
        return bytes.push_back(byteOf(first));
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
    if (const std::optional<char> base = baseLetterByte(shorter))
        return bytes.push_back(*base);
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

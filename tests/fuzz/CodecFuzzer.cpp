// SPDX-License-Identifier: GPL-2.0-or-later
// The crossing between Unicode and Windows-1250. Bytes must come back exactly, whether their
// letters are composed or not, but for the invisible characters, which are dropped, and the few
// read as others (the no-break space, ß, ł...); Unicode text, however broken (unpaired
// surrogates, marks without a base), must convert without a crash and within a bounded length.

#include "tests/fuzz/FuzzCheck.h"
#include "text/Cp1250.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

using namespace slovnik;
using slovnik::fuzz::require;

namespace {

// Each UTF-16 unit's byte, from the decoding direction, which is checked exact on its own.
struct ByteOf {
    std::array<std::optional<char>, 0x10000> table{};

    ByteOf()
    {
        for (int b = 0; b < 256; ++b) {
            const QString one = fromCp1250(std::string(1, static_cast<char>(b)));
            table[one.at(0).unicode()] = static_cast<char>(b);
        }
    }
};

const ByteOf &byteOf()
{
    static const ByteOf byteOfUnit;
    return byteOfUnit;
}

bool isDroppedControl(char16_t unit)
{
    return unit < 0x20 && (unit < u'\t' || unit > u'\r');
}

// The most characters one code point stands for: Unicode's longest compatibility decomposition.
constexpr std::size_t kLongestReading = 18;

// A byte's character that the conversion reads as something else: a no-break space as a blank, a
// soft hyphen (a format character) as nothing, a letter of another language as its usual letters.
bool isReadAsOther(char b)
{
    switch (static_cast<unsigned char>(b)) {
    case 0xA0:
    case 0xAD:
    case 0xA3:
    case 0xB3:
    case 0xDF:
    case 0xD0:
    case 0xF0:
        return true;
    default:
        return false;
    }
}

bool isPlainAscii(const std::string &bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char b) { return b >= ' ' && b < 0x7F; });
}

// What one code point of composed text, with no marks after it, may become: its byte; for a
// character read as others, plain letters, a blank or a hyphen; for one without a byte, "?" or
// what it stands for; a dropped control or format character, nothing.
void checkOne(const QString &one, const std::string &bytes)
{
    const QChar c = one.at(0);
    if (isDroppedControl(c.unicode()) || (!c.isSurrogate() && c.category() == QChar::Other_Format)) {
        require(bytes.empty(), "an invisible character is kept", bytes);
        return;
    }
    const std::optional<char> byte = c.isSurrogate() ? std::nullopt : byteOf().table[c.unicode()];
    if (byte && !isReadAsOther(*byte)) {
        require(bytes == std::string(1, *byte), "a character of the code page loses its byte", bytes);
        return;
    }
    require(!bytes.empty() && bytes.size() <= kLongestReading, "a character becomes too much", bytes);
    if (c.isLetter() && c.decompositionTag() == QChar::Canonical && bytes != "?") {
        const QChar base = QString(c).normalized(QString::NormalizationForm_D).at(0);
        const std::optional<char> baseByte = byteOf().table[base.unicode()];
        require(!baseByte || isReadAsOther(*baseByte) || bytes == std::string(1, *baseByte),
                "a marked letter does not become its base letter", bytes);
    }
    if (c.isLetter() && !byte && c.decompositionTag() == QChar::NoDecomposition)
        require(bytes == "?" || isPlainAscii(bytes), "a foreign letter becomes no plain letters", bytes);
}

void checkBytes(std::string_view bytes)
{
    const QString unicode = fromCp1250(bytes);
    require(unicode.size() == static_cast<qsizetype>(bytes.size()), "not one character per byte", bytes);
    std::string kept;
    for (const char b : bytes)
        if (!isDroppedControl(static_cast<unsigned char>(b)) && !isReadAsOther(b))
            kept.push_back(b);
    std::string plain(bytes);
    std::erase_if(plain, [](char b) { return isReadAsOther(b); });
    require(toCp1250(fromCp1250(plain)) == kept, "the round trip changes the bytes", bytes);
    // The same text with its letters typed as base + combining mark must come back the same.
    require(toCp1250(fromCp1250(plain).normalized(QString::NormalizationForm_D)) == kept,
            "decomposed letters do not compose back", bytes);
    require(toCp1250(unicode).size() <= kLongestReading * bytes.size(), "the text grows too much", bytes);
}

void checkUnits(std::string_view raw)
{
    QString units;
    for (std::size_t i = 0; i + 1 < raw.size(); i += 2) {
        const auto low = static_cast<unsigned char>(raw[i]);
        const auto high = static_cast<unsigned char>(raw[i + 1]);
        units.append(QChar(static_cast<char16_t>(low | high << 8)));
    }
    const std::string bytes = toCp1250(units);
    // toUcs4 counts a surrogate pair once and an unpaired surrogate once.
    require(bytes.size() <= kLongestReading * static_cast<std::size_t>(units.toUcs4().size()),
            "more than a reading's bytes per code point", bytes);
    // Text that is already composed, with no marks left over, converts code point by code point.
    const QList<uint> codePoints = units.toUcs4();
    const bool unmarked = std::none_of(codePoints.cbegin(), codePoints.cend(),
                                       [](uint c) { return QChar::combiningClass(c) != 0; });
    if (!unmarked || units.normalized(QString::NormalizationForm_C) != units)
        return;
    std::string oneByOne;
    for (qsizetype i = 0; i < units.size(); ++i) {
        const qsizetype length
            = units.at(i).isHighSurrogate() && i + 1 < units.size() && units.at(i + 1).isLowSurrogate() ? 2
                                                                                                        : 1;
        const QString one = units.mid(i, length);
        const std::string converted = toCp1250(one);
        checkOne(one, converted);
        oneByOne += converted;
        i += length - 1;
    }
    require(bytes == oneByOne, "a character converts differently beside others", bytes);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view raw = slovnik::fuzz::asText(data, size);
    checkBytes(raw);
    checkUnits(raw);
    return 0;
}

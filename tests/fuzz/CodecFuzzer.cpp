// The crossing between Unicode and Windows-1250. Bytes must come back exactly, whether their
// letters are composed or not, but for the invisible controls, which are dropped; Unicode text, however broken (unpaired surrogates, marks without
// a base), must convert without a crash and without ever producing more characters than it had.

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

// What the conversion must give for composed text: each code point's byte; for a letter without
// one, its base letter's where that has one; "?" for any other code point without one, a
// surrogate pair being one code point; no byte for a control other than tab and line breaks.
std::string expectedBytes(const QString &text)
{
    std::string bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (isDroppedControl(c.unicode()))
            continue;
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        std::optional<char> byte = c.isSurrogate() ? std::nullopt : byteOf().table[c.unicode()];
        if (!byte && c.isLetter() && c.decompositionTag() == QChar::Canonical) {
            const QChar base = QString(c).normalized(QString::NormalizationForm_D).at(0);
            if (base.isLetter())
                byte = byteOf().table[base.unicode()];
        }
        bytes.push_back(byte.value_or('?'));
    }
    return bytes;
}

void checkBytes(std::string_view bytes)
{
    const QString unicode = fromCp1250(bytes);
    require(unicode.size() == static_cast<qsizetype>(bytes.size()), "not one character per byte", bytes);
    std::string kept;
    for (const char b : bytes)
        if (!isDroppedControl(static_cast<unsigned char>(b)))
            kept.push_back(b);
    require(toCp1250(unicode) == kept, "the round trip changes the bytes", bytes);
    // The same text with its letters typed as base + combining mark must come back the same.
    require(toCp1250(unicode.normalized(QString::NormalizationForm_D)) == kept,
            "decomposed letters do not compose back", bytes);
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
    require(bytes.size() <= static_cast<std::size_t>(units.toUcs4().size()), "more bytes than code points",
            bytes);
    // Text that is already composed, with no marks left over, converts code point by code point.
    const QList<uint> codePoints = units.toUcs4();
    const bool unmarked = std::none_of(codePoints.cbegin(), codePoints.cend(),
                                       [](uint c) { return QChar::combiningClass(c) != 0; });
    if (unmarked && units.normalized(QString::NormalizationForm_C) == units)
        require(bytes == expectedBytes(units), "a character without a byte is not \"?\"", bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view raw = slovnik::fuzz::asText(data, size);
    checkBytes(raw);
    checkUnits(raw);
    return 0;
}

#include "Cp1250.h"

#include <QHash>
#include <QStringDecoder>

#include <array>

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

} // namespace

std::string toCp1250(const QString &text)
{
    const CodePage &page = codePage();
    const QString composed = text.normalized(QString::NormalizationForm_C);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(composed.size()));
    for (qsizetype i = 0; i < composed.size(); ++i) {
        const QChar c = composed.at(i);
        if (c.isHighSurrogate() && i + 1 < composed.size() && composed.at(i + 1).isLowSurrogate()) {
            ++i; // a whole pair is one character outside the code page
            bytes.push_back(kUnmappable);
            continue;
        }
        const auto found = page.toByte.constFind(c.unicode());
        bytes.push_back(found == page.toByte.cend() || c.isSurrogate() ? kUnmappable : *found);
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

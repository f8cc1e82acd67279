// SPDX-License-Identifier: GPL-2.0-or-later
#include "speech/SpeakableText.h"

#include "engine/Translate.h"

#include <QString>

namespace slovnik {

namespace {

constexpr char kBreak = ' ';

// The Latin letters with diacritics that a text is likely to hold: Latin-1 and the Latin
// Extended blocks, Czech among them.
constexpr char16_t kLastFoldedLetter = 0x024F;

struct FoldedLetters {
    char base[kLastFoldedLetter + 1] = {};
    FoldedLetters()
    {
        for (char16_t code = 0x80; code <= kLastFoldedLetter; ++code) {
            const QString parts = QChar(code).decomposition();
            if (!parts.isEmpty() && parts.front().unicode() < 0x7F && parts.front().isLetter())
                base[code] = static_cast<char>(parts.front().unicode());
        }
    }
};

// Printable ASCII stays; a Latin letter with a diacritic becomes its base letter; anything else
// is a break between words. A table, so that a huge paste costs one look-up a character.
char readableChar(QChar c)
{
    static const FoldedLetters folded;
    const char16_t code = c.unicode();
    if (code > u' ' && code < 0x7F)
        return static_cast<char>(code);
    if (code <= kLastFoldedLetter && folded.base[code] != 0)
        return folded.base[code];
    return kBreak;
}

} // namespace

std::string speakableText(QStringView text)
{
    std::string spoken;
    std::size_t words = 0;
    std::size_t wordLength = 0;
    for (const QChar c : text) {
        const char readable = readableChar(c);
        if (readable == kBreak) {
            if (wordLength > 0 && ++words == MaxWords)
                break;
            wordLength = 0;
            continue;
        }
        if (wordLength == WordCapacity)
            continue;
        if (wordLength == 0 && !spoken.empty())
            spoken += kBreak;
        spoken += readable;
        ++wordLength;
    }
    return spoken;
}

} // namespace slovnik

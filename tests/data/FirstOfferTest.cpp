// What the translator offers first, on the table compiled into the program: the reviewed
// everyday translation of the commonest English words, never a phrase ahead of its headword.

#include "Cp1250.h"
#include "Dic.h"
#include "ListOrder.h"
#include "Search.h"
#include "Translation.h"

#include <QFile>
#include <gtest/gtest.h>

#include <map>
#include <string>

namespace slovnik {
namespace {

using enum TranslationDirection;

// The entry's English-to-Czech result line, as the searches build it.
QString lineOf(const DictionaryEntry &entry)
{
    struct Capture final : LineSink {
        void addLine(std::string_view line) override { text = fromCp1250(line); }
        QString text;
    } capture;
    ExactSearch(std::span(&entry, 1), fieldText(entry.English), EnglishToCzech, capture);
    return capture.text;
}

TEST(FirstOffer, CommonestEnglishWordsOfferTheirReviewedEverydayTranslation)
{
    QFile file(QStringLiteral(SLOVNIK_EVERYDAY_EN));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    int words = 0;
    QStringList wrong;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        ++words;
        const QString word = line.section(u'\t', 0, 0);
        const QString everyday = word + QStringLiteral(" = ") + line.section(u'\t', 1);
        const QString first = wordOffers(readableTable(), toCp1250(word), EnglishToCzech).value(0);
        if (first != everyday)
            wrong << everyday + QStringLiteral(" (offered: ") + first + u')';
    }
    // The thousand commonest words by the list's own ranking and those of the subtitle list.
    EXPECT_GE(words, 1000);
    EXPECT_TRUE(wrong.isEmpty()) << wrong.join(u"; ").toStdString();
}

TEST(FirstOffer, NoPhraseSortsAheadOfItsHeadwordsOwnEntries)
{
    // A phrase is offered for its first word too: "if ... is not" once sorted ahead of "if = …".
    const QCollator collator = resultLineCollator();
    std::map<std::string, QString> firstOwnLine;
    for (const DictionaryEntry &entry : readableTable()) {
        const std::string_view english = fieldText(entry.English);
        if (english.find(' ') != std::string_view::npos)
            continue;
        const QString line = lineOf(entry);
        const auto [own, added] = firstOwnLine.try_emplace(std::string(english), line);
        if (!added && collator.compare(line, own->second) < 0)
            own->second = line;
    }
    QStringList ahead;
    for (const DictionaryEntry &entry : readableTable()) {
        const std::string_view english = fieldText(entry.English);
        const std::size_t blank = english.find(' ');
        if (blank == std::string_view::npos)
            continue;
        const auto own = firstOwnLine.find(std::string(english.substr(0, blank)));
        if (own != firstOwnLine.end() && collator.compare(lineOf(entry), own->second) < 0)
            ahead << lineOf(entry) + QStringLiteral(" before ") + own->second;
    }
    EXPECT_TRUE(ahead.isEmpty()) << ahead.join(u"; ").toStdString();
}

} // namespace
} // namespace slovnik

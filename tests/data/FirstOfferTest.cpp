// SPDX-License-Identifier: GPL-2.0-or-later
// What the translator offers first, on the table compiled into the program: the reviewed
// everyday translation of the commonest English and Czech words, never a phrase ahead of its
// headword.

#include "common/ListOrder.h"
#include "common/Translation.h"
#include "engine/Dic.h"
#include "engine/Search.h"
#include "text/Cp1250.h"

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

// The word-TAB-text lines of a reviewed list, comments and the best reading's own senses left out.
QList<QStringList> reviewedLines(const char *path)
{
    QFile file(QString::fromUtf8(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<QStringList> lines;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        const QStringList fields = line.split(u'\t');
        if (!line.isEmpty() && !line.startsWith(u'#') && fields.value(2) != u"reading")
            lines << fields;
    }
    return lines;
}

// The reviewed lines that are not the translator's first offer for their word, with what it
// offers instead; words listed in `allowed` may miss.
QStringList wrongFirstOffers(const char *path, TranslationDirection direction,
                             const QStringList &allowed = {})
{
    QStringList wrong;
    for (const QStringList &reviewed : reviewedLines(path)) {
        const QString &word = reviewed.value(0);
        const QString everyday = word + QStringLiteral(" = ") + reviewed.value(1);
        const QString first = wordOffers(readableTable(), toCp1250(word), direction).value(0);
        if (first != everyday && !allowed.contains(word))
            wrong << everyday + QStringLiteral(" (offered: ") + first + u')';
    }
    return wrong;
}

TEST(FirstOffer, CommonestEnglishWordsOfferTheirReviewedEverydayTranslation)
{
    // The thousand commonest words by the list's own ranking and those of the subtitle list.
    EXPECT_GE(reviewedLines(SLOVNIK_EVERYDAY_EN).size(), 1000);
    const QStringList wrong = wrongFirstOffers(SLOVNIK_EVERYDAY_EN, EnglishToCzech);
    EXPECT_TRUE(wrong.isEmpty()) << wrong.join(u"; ").toStdString();
}

TEST(FirstOffer, CommonestCzechWordsOfferTheirReviewedEverydayTranslation)
{
    QStringList exceptions;
    for (const QStringList &line : reviewedLines(SLOVNIK_EVERYDAY_CS_EXCEPTIONS))
        exceptions << line.value(0);
    EXPECT_GE(reviewedLines(SLOVNIK_EVERYDAY_CS).size(), 1000);
    EXPECT_LE(exceptions.size(), 20);
    const QStringList wrong = wrongFirstOffers(SLOVNIK_EVERYDAY_CS, CzechToEnglish, exceptions);
    EXPECT_TRUE(wrong.isEmpty()) << wrong.join(u"; ").toStdString();
}

TEST(FirstOffer, OnlyTheListedExceptionsOfferAnotherLine)
{
    // An exception whose reviewed line has become the first offer is no longer a conflict: the
    // list keeps only the conflicts that stand.
    QStringList words;
    for (const QStringList &line : reviewedLines(SLOVNIK_EVERYDAY_CS_EXCEPTIONS))
        words << line.value(0);
    QStringList resolved;
    for (const QStringList &reviewed : reviewedLines(SLOVNIK_EVERYDAY_CS)) {
        const QString &word = reviewed.value(0);
        const QString first = wordOffers(readableTable(), toCp1250(word), CzechToEnglish).value(0);
        if (words.contains(word) && first == word + QStringLiteral(" = ") + reviewed.value(1))
            resolved << word;
    }
    EXPECT_TRUE(resolved.isEmpty()) << resolved.join(u", ").toStdString();
}

TEST(FirstOffer, CommonWordFormsOfferNoLongerWordFirst)
{
    // "si" once offered "siamský = siamese", "mr" "mrs = paní": a longer word that merely begins
    // with the typed one. A line of the word itself, or of its base form (butters: butter), is right.
    QStringList longer;
    const QList<QStringList> words = reviewedLines(SLOVNIK_OWN_LINES);
    EXPECT_GE(words.size(), 80);
    for (const QStringList &line : words) {
        const TranslationDirection direction = line.value(0) == u"cs" ? CzechToEnglish : EnglishToCzech;
        const QString &word = line.value(1);
        const QString first = wordOffers(readableTable(), toCp1250(word), direction).value(0);
        const QString field = first.section(QStringLiteral(" = "), 0, 0);
        if (first.isEmpty()
            || (field.startsWith(word) && field.size() > word.size() && field.at(word.size()).isLetter()))
            longer << word + QStringLiteral(" (offered: ") + first + u')';
    }
    EXPECT_TRUE(longer.isEmpty()) << longer.join(u"; ").toStdString();
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

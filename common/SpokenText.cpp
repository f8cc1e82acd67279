// SPDX-License-Identifier: GPL-2.0-or-later
#include "common/SpokenText.h"

#include "common/ResultLineText.h"
#include "engine/Query.h"
#include "text/Cp1250.h"

namespace slovnik {

namespace {

constexpr auto kEnglish = TranslationDirection::EnglishToCzech;

TextToSpeak nothing(const QString &why)
{
    return {{}, u"Není co přečíst anglicky: "_qs + why};
}

TextToSpeak english(const QString &text, const QString &whyNot)
{
    return text.trimmed().isEmpty() ? nothing(whyNot) : TextToSpeak{text, {}};
}

// The English word of a line "word = other" whose searched word was in `direction`'s source
// language.
QString englishWordOf(const QString &line, TranslationDirection direction)
{
    const LineWords words = lineWords(line);
    return direction == kEnglish ? words.word : words.other;
}

} // namespace

TextToSpeak dictionaryTextToSpeak(const DictionaryReading &reading)
{
    if (!reading.chosenLine.isEmpty())
        return english(englishWordOf(reading.chosenLine, reading.direction),
                       u"zvolený řádek nemá anglické slovo"_qs);
    if (reading.historyLineDirection)
        return english(englishWordOf(reading.queryText, *reading.historyLineDirection),
                       u"řádek historie nemá anglické slovo"_qs);
    const TranslationDirection queryLanguage
        = reading.queryIsOtherDirectionWord ? flipped(reading.direction) : reading.direction;
    if (queryLanguage != kEnglish)
        return nothing(u"dotaz je český; zvolte řádek s anglickým slovem"_qs);
    const QString query = reading.queryText.trimmed();
    if (query.size() > kLongestQueryToSpeak || query.contains(u'\n') || query.contains(u'\r'))
        return nothing(u"dotaz delší než jeden řádek o %1 znacích se nečte"_qs.arg(kLongestQueryToSpeak));
    return english(fromCp1250(NormalizeQuery(lowerAsciiLetters(toCp1250(query)), queryLanguage)),
                   u"dotaz je prázdný"_qs);
}

TextToSpeak translatorTextToSpeak(const TranslatorReading &reading)
{
    const TranslationDirection sourceLanguage = reading.sourceTranslated.value_or(reading.direction);
    if (sourceLanguage == kEnglish && !reading.sourceText.trimmed().isEmpty())
        return {reading.sourceText, {}};
    if (!reading.sentenceOffers || reading.sentence.trimmed().isEmpty())
        return nothing(sourceLanguage == kEnglish ? u"zdrojový text je prázdný"_qs
                                                  : u"nejdřív sestavte větu z anglických nabídek"_qs);
    if (*reading.sentenceOffers == kEnglish)
        return nothing(u"věta je sestavena z českých nabídek"_qs);
    return {reading.sentence, {}};
}

} // namespace slovnik

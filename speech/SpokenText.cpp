#include "SpokenText.h"

#include "Cp1250.h"
#include "Query.h"
#include "ResultLineText.h"

namespace slovnik {

QString dictionaryTextToSpeak(const QString &chosenLine, const QString &queryText,
                              TranslationDirection direction)
{
    const bool englishQueries = direction == TranslationDirection::EnglishToCzech;
    if (!chosenLine.isEmpty()) {
        const LineWords words = lineWords(chosenLine);
        return englishQueries ? words.word : words.other;
    }
    if (!englishQueries)
        return {};
    return fromCp1250(NormalizeQuery(lowerAsciiLetters(toCp1250(queryText)), direction));
}

QString translatorTextToSpeak(const QString &sourceText, const QString &translatedText,
                              TranslationDirection direction)
{
    return direction == TranslationDirection::EnglishToCzech ? sourceText : translatedText;
}

} // namespace slovnik

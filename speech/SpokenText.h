#pragma once

// Which English text each window reads aloud. The windows read their controls and pass them in;
// the choice is made here, where it is tested without a window.

#include "Direction.h"

#include <QString>

namespace slovnik {

/// The dictionary window: the English word of the chosen result line (its searched word with
/// English queries, its other word with Czech ones); with no line chosen and English queries, the
/// query box's text cleaned as a query is; otherwise nothing (the empty text).
QString dictionaryTextToSpeak(const QString &chosenLine, const QString &queryText,
                              TranslationDirection direction);

/// The translator: its English side, the source text when translating from English, the
/// translated text when translating into it.
QString translatorTextToSpeak(const QString &sourceText, const QString &translatedText,
                              TranslationDirection direction);

} // namespace slovnik

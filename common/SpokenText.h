// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Which English text each window reads aloud, or why there is none. The voice is English: a Czech
// text is never given to it. The windows read their controls and pass them in; the choice is made
// here, where it is tested without a window.

#include "engine/Direction.h"

#include <QString>

#include <optional>

namespace slovnik {

/// What a speaker button reads: English text, or, when there is none, why (for its hint).
struct TextToSpeak {
    QString text;
    QString reason;
};

/// The longest query the dictionary window reads: one line of this many characters.
inline constexpr qsizetype kLongestQueryToSpeak = 40;

struct DictionaryReading {
    QString chosenLine; ///< the chosen result line; empty when none is chosen
    QString queryText; ///< the query box's text
    /// The direction a history line was chosen in, when the query box holds one.
    std::optional<TranslationDirection> historyLineDirection;
    TranslationDirection direction;
    /// The window names the query a word of the other direction ("Anglicky: because = protože"
    /// while queries are Czech), so it is in the other language.
    bool queryIsOtherDirectionWord = false;
};

/// The dictionary window: the English word of the chosen result line; with no line chosen, the
/// English part of a history line in the query box; otherwise an English query of one line of at
/// most kLongestQueryToSpeak characters, cleaned as a query is. A query is English when queries
/// are English, or when the window names it an English word; never by the direction alone.
TextToSpeak dictionaryTextToSpeak(const DictionaryReading &reading);

struct TranslatorReading {
    QString sourceText;
    QString sentence; ///< the translated text
    /// The direction of the offers the sentence was built from; none when it was not built.
    std::optional<TranslationDirection> sentenceOffers;
    /// The direction the source text was translated in; none until it is translated.
    std::optional<TranslationDirection> sourceTranslated;
    TranslationDirection direction;
};

/// The translator: its source text when it is English (translated from English, or, before it is
/// translated, with the direction from English); otherwise, or with no source text, the sentence
/// when it was built from English offers. A switch of direction after translating changes neither
/// text's language.
TextToSpeak translatorTextToSpeak(const TranslatorReading &reading);

} // namespace slovnik

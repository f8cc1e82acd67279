// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The translator's logic on Qt's side: the source text's lines into words, what the translator
// offers for one word, and its one message.

#include "engine/Dic.h"
#include "engine/Direction.h"

#include "engine/Suggest.h"
#include "engine/Translate.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace slovnik {

/// The result lines whose searched word begins with the word (lower-cased A to Z, otherwise as
/// typed), sorted case-blind as the dictionary's result list; for an English word without hits,
/// the lines of its plural and comparative reductions instead. Offer 0 is the one chosen; no
/// offers leave the box empty.
QStringList wordOffers(std::span<const DictionaryEntry> table, std::string_view word,
                       TranslationDirection direction);

/// For a word without offers of its own: the result lines of the words closest to it (up to
/// ShownSuggestions of them, best word first), each word's lines sorted as offers are. Only lines
/// of the suggested words themselves, so that the list stays short.
QStringList suggestedOffers(Suggester &suggester, std::span<const DictionaryEntry> table,
                            std::string_view word, TranslationDirection direction);

/// A line offered for a base form of a word: the table's line of the base word, or, for a negated
/// form whose negated word the table lacks, that line with the negation shown in both halves.
struct BaseFormLine {
    QString line;
    QString base; ///< the base word, for the offer's hint
    bool negated = false;
};

/// Everything a word box offers, in the order its list shows it.
struct BoxOffers {
    /// wordOffers, as the places of their entries in the table: the box's own lines; line 0 is the
    /// one chosen.
    std::vector<std::uint32_t> scanned;
    /// Only when no scanned line is a line of the word itself (there are none, or only longer
    /// words that begin with it): the lines of its base forms, best first, without the lines
    /// scanned already. None is chosen.
    QList<BaseFormLine> baseForms;
    /// Only when nothing was scanned: suggestedOffers, without the base-form lines. None is chosen.
    QStringList suggestions;
    /// Lines were scanned, but none of the word itself: only longer words that begin with it.
    bool onlyLongerWords = false;
};
BoxOffers boxOffers(Suggester &suggester, std::span<const DictionaryEntry> table, std::string_view word,
                    TranslationDirection direction);

/// Splits the lines of a source text as the translator does (see splitSourceText).
SourceWords splitSourceLines(const QStringList &lines);

/// The notice after a source text with more than MaxWords words was shortened.
QString shortenedTextNotice();

} // namespace slovnik

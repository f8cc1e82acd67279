// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What the dictionary window says beside the result list about what was typed: the word's base
// forms ("zahradě" is a form of "zahrada") and whether it is a word of the other direction
// ("because" typed in Czech→English). Neither changes the result list.

#include "engine/Dic.h"
#include "engine/Direction.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace slovnik {

/// A base form to look up, and how a link names it.
struct BaseFormWord {
    QString word; ///< what a click looks up
    QString label; ///< the word, with "(zápor)" after it when the typed form is its negation
    /// The typed form is the negation of `word`, which the table has only positive: a click
    /// shows negatedLines, never the word's own plain lines.
    bool negated = false;
};

/// The base forms of `typed` (Windows-1250, as the query box holds it), best first, one link each,
/// that the result list (`listLines`, as the query run gave them) does not already lead to: the
/// missingBaseFormOffers of a dictionary query.
QList<BaseFormWord> missingBaseForms(std::span<const DictionaryEntry> table, std::string_view typed,
                                     TranslationDirection direction, std::span<const std::string> listLines);

/// When `typed`, cleaned as a query of the other direction, is a whole word of that direction:
/// "Anglicky: because = protože" (the other direction is English→Czech) or "Česky: pes = dog",
/// with the word's first line in the table's order.
std::optional<QString> otherDirectionHint(std::span<const DictionaryEntry> table, std::string_view typed,
                                          TranslationDirection direction);

/// The lines of the base form `base` of `typed` with the negation in both halves, as the
/// translator offers them: "nevědět = not know" for "nevěděl" and "vědět".
QStringList negatedLines(std::span<const DictionaryEntry> table, std::string_view typed, const QString &base,
                         TranslationDirection direction);

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What the dictionary window says beside the result list about what was typed: the word's base
// forms ("zahradě" is a form of "zahrada") and whether it is a word of the other direction
// ("because" typed in Czech→English). Neither changes the result list.

#include "engine/Dic.h"
#include "engine/Direction.h"

#include <QAbstractItemModel>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>
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

/// Whether `list` (if any) holds a line of `typed` itself, cleaned as a query is.
bool listHoldsTheWord(std::string_view typed, TranslationDirection direction, const QAbstractItemModel *list);

/// The base forms of `typed` (Windows-1250, as the query box holds it), best first, that the
/// result list (`list`'s lines, if any) does not already lead to: none when one of its lines is of
/// the typed word itself (cleaned as a query is), and none whose word is the searched word of one.
/// Never one that, looked up, is the same query again ("don't" is one of "don't", but the query
/// box reads both as "dont").
QList<BaseFormWord> missingBaseForms(std::span<const DictionaryEntry> table, std::string_view typed,
                                     TranslationDirection direction, const QAbstractItemModel *list);

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

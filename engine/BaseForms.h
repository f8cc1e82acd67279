// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The word behind a form: the table words of which a typed or pasted word is a form. A learner
// meets "zahradě", "nevěděl", "Čaj", "(big)" or "it’s"; the table holds "zahrada", "vědět",
// "čaj", "big" and "it's". Texts are Windows-1250 bytes, as the table stores them.

#include "engine/Dic.h"
#include "engine/Direction.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace slovnik {

struct BaseForm {
    std::string word; ///< a word of the searched field of the table, Windows-1250 as stored
    /// The typed form is the negation of `word` ("nevěděl" of "vědět") and the table has no
    /// negated word.
    bool negated = false;
};

/// The word with what is not part of it removed: punctuation and symbols at both ends stripped
/// (letters and digits stay), a typographic apostrophe (‘ ’) read as "'", and every capital
/// lower-cased, those with diacritics included (Č -> č). May return the empty text.
std::string cleanedWord(std::string_view word);

/// The table words of which `word` (Windows-1250, as typed or as split from a text) is a form,
/// best first, no duplicates; only words that are exact searched-field words of the table. The
/// cleaned word itself comes first when it is a table word (also when no clean-up was needed).
/// Negation is never lost: a negated form gives the table's
/// negated word where there is one, ahead of every positive word with `negated` set. A word that
/// is a table word with one letter of a doubled pair too many ("untill") is not read as a
/// negation.
std::vector<BaseForm> baseForms(std::span<const DictionaryEntry> table, std::string_view word,
                                TranslationDirection direction);

struct BaseFormOffer {
    /// The line to offer: the base word's exact table line. For a negated base form both halves
    /// carry the negation, "nevědět = not know" (Czech to English), "not know = nevědět" (English
    /// to Czech), so a sentence never reads as the plain word.
    std::string line;
    std::string base; ///< the base word the line belongs to (for a hint: "tvar slova zahrada")
    bool negated = false;
};

/// The exact lines of the base forms of `word`, in base-form order, then table order; at most
/// kMaxResultLineLength characters each.
std::vector<BaseFormOffer> baseFormOffers(std::span<const DictionaryEntry> table, std::string_view word,
                                          TranslationDirection direction);

/// How a window searched the table for a word, which tells what it takes for the word itself.
enum class WordScan {
    /// The dictionary's query: the typed text as the query box reads it (cleanedQuery).
    DictionaryQuery,
    /// A translator box: the split word with A to Z lower-cased (lowerAsciiLetters).
    TranslatorBox,
};

/// `word` (Windows-1250, as typed or as split from a text) as `scan` searched the table for it.
std::string scannedWord(std::string_view word, WordScan scan, TranslationDirection direction);

/// Whether one of `scannedLines`, the lines `scan` found for `word`, is a line of the word itself:
/// its word part is scannedWord. When none is, they are lines of longer words that begin with it
/// ("psa": "psací stroj"), or of its plural and comparative reductions.
bool scanFoundTheWord(std::span<const std::string> scannedLines, std::string_view word, WordScan scan,
                      TranslationDirection direction);

/// The one rule for what a window offers beside `scannedLines`, the lines `scan` found for `word`:
/// nothing when scanFoundTheWord; else the base-form offers of the word that the lines do not
/// already lead to. An offer is left out when its line is scanned, when its base word is the word
/// part of a scanned line, or when its base word is spelled otherwise but scans as the word itself
/// ("don't" for "dont": a query reads both as "dont"). So a window that found nothing, or only
/// longer words, gets the rest.
std::vector<BaseFormOffer> missingBaseFormOffers(std::span<const DictionaryEntry> table,
                                                 std::span<const std::string> scannedLines,
                                                 std::string_view word, WordScan scan,
                                                 TranslationDirection direction);

/// Whether the base forms of `word` read it as a negation: one is a positive word shown negated
/// ("nevěděl": vědět), or the table's negated word for a Czech word that begins with "ne" too
/// ("nechci": nechtít). Its spelling suggestions ("věděl", "viděl") would drop the negation.
bool readsAsNegation(std::span<const DictionaryEntry> table, std::string_view word,
                     TranslationDirection direction);

/// The negation of a table word as a line shows it: "ne" + a Czech word, "not " + an English one.
std::string negatedWord(std::string_view word, bool czech);

} // namespace slovnik

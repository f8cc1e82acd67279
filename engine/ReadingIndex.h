// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Phrases of the table read in a text: "I get up at seven" holds the table's "get up", "she looks
// after her brother" its "look after", "mám rád" its "mít rád". A phrase is found in the box of
// its first word; each of its words must be a word of the text, in a row, as typed or as one of
// the word's base forms.

#include "engine/BaseForms.h"
#include "engine/Dic.h"
#include "engine/Direction.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace slovnik {

/// The ways one word of a text may stand in a phrase: as split (A to Z lower-cased), cleaned,
/// and each of its base forms that keeps its meaning (a negated form's positive word does not).
/// `endsClause`: punctuation after the word ends the clause, so no phrase runs on past it.
/// `contraction`: a word with an apostrophe holds a second word ("let's" is "let us"), so a
/// phrase runs on past it only where the phrase spells it so: "let's go" never reads as "let go".
struct TextWord {
    std::vector<std::string> readings;
    bool endsClause = false;
    std::string contraction;
};

/// One phrase found at a word: the table entry and how many words of the text it takes (2 or more).
struct PhraseMatch {
    std::uint32_t entry = 0;
    std::size_t words = 0;
};

/// The table's searched field of one direction, indexed for reading a text: its entries by their
/// whole word, and its phrases (fields of two or more words) by their first word. Words in
/// brackets are notes ("vzdát se (čeho)") and are not matched. `everyday`: the ascending positions
/// of lines reviewed as their searched word's everyday sense, which come before a word's other
/// lines; `otherEveryday`: of lines reviewed for their other word, which come next. `wordOrder`:
/// the table's positions by searched word, where the build made them (searchedWordOrder), else the
/// index sorts them itself. Built once; holds views into the table and the positions, which must
/// outlive it.
class ReadingIndex {
public:
    // The phrases view words held by the index itself.
    ReadingIndex(const ReadingIndex &) = delete;
    ReadingIndex &operator=(const ReadingIndex &) = delete;
    ReadingIndex(std::span<const DictionaryEntry> table, TranslationDirection direction,
                 std::span<const std::uint16_t> everyday = {}, std::span<const std::uint16_t> wordOrder = {},
                 std::span<const std::uint16_t> otherEveryday = {});

    TranslationDirection direction() const { return m_direction; }
    std::span<const DictionaryEntry> table() const { return m_table; }

    /// Every phrase that starts at word `at` and that the following words continue, longest
    /// first, then reviewed lines, then in table order; none runs past the end of a clause.
    std::vector<PhraseMatch> matchesAt(std::span<const TextWord> text, std::size_t at) const;

    /// The entries whose searched field is exactly `word`: reviewed lines first, then table order.
    std::vector<std::uint32_t> entriesOf(std::string_view word) const;
    /// The entries whose searched field begins with `prefix` and is at most `extra` characters
    /// longer, in table order.
    std::vector<std::uint32_t> entriesExtending(std::string_view prefix, std::size_t extra) const;
    /// Every table word a word of a text may stand for, likeliest first: the word cleaned, then
    /// the form rules' guesses that are searched words of the table or first words of its
    /// phrases ("hodiny": hodiny, hodina; "mám": mám, mít; "dívám": dívat, of "dívat se"). A negated form gives the table's negated word, else the positive word
    /// with `negated` set. Unlike the base forms a window offers, no reading is left out.
    std::vector<BaseForm> readingsOf(std::string_view word) const;

    /// Which word a reviewer chose the entry as the everyday sense of; a later one ranks higher.
    enum class Review : std::uint8_t { None, ForItsTranslation, ForTheWord };
    Review review(std::uint32_t entry) const;
    /// Whether a reviewer chose the entry as the everyday sense of either of its words.
    bool isEveryday(std::uint32_t entry) const { return review(entry) != Review::None; }
    /// The entry as a result line, "searched = other".
    std::string line(std::uint32_t entry) const;

private:
    struct Phrase {
        std::span<const std::string_view> words; ///< in m_phraseWords
        std::uint32_t entry;
    };
    struct SearchedOrder;
    struct FirstWordOrder;
    std::span<const Phrase> phrasesStartingWith(std::string_view first) const;
    std::string_view searched(std::uint32_t entry) const;
    bool continues(const Phrase &phrase, std::span<const TextWord> text, std::size_t at) const;

    std::span<const DictionaryEntry> m_table;
    TranslationDirection m_direction;
    std::span<const std::uint16_t> m_everyday;
    std::span<const std::uint16_t> m_otherEveryday;
    // Some 4,000 phrases: their words are kept in one piece, not as a vector each.
    std::vector<std::string_view> m_phraseWords;
    std::vector<Phrase> m_phrases; ///< by first word, then entry
    std::vector<std::uint32_t> m_byWord; ///< every entry, by searched word, then entry
};

/// The text's words ready for phrase matching, their readings from `index`. `clauseEnds[i]`,
/// where given, says that a separator (".", ",", "!", "?") or a line end followed word i.
std::vector<TextWord> textWords(const ReadingIndex &index, std::span<const std::string> words,
                                const std::vector<bool> &clauseEnds = {});

} // namespace slovnik

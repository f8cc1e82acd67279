// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The best reading of a translated text: for each word the line a learner most likely means,
// where the boxes' sorted order puts a rare sense or a longer word first ("děti" sorts "babies"
// first, "psa" offers only "psací stroj"), and the table's phrases read as phrases ("get up" is
// "vstát", not "dostat nahoru"). It only chooses among what the table holds.

#include "engine/ReadingIndex.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace slovnik {

/// What the best reading gives one word's box.
struct BoxReading {
    enum class Kind : std::uint8_t {
        Keep, ///< nothing better than what the box holds, or the learner changed it
        Line, ///< choose `line`
        Covered, ///< the phrase chosen in box `coveredBy` takes this word; it adds nothing
        Unsaid, ///< a word the other language leaves unsaid (`unsaid`); it adds nothing
        Nothing, ///< no line says what the word means (only longer words begin with it): none
    };
    /// What an unsaid word is.
    enum class Unsaid : std::uint8_t {
        Article, ///< English "a", "an", "the": Czech has no articles
        ReflexivePronoun, ///< Czech "se", "si" of a reflexive verb, which English does not say
        Auxiliary, ///< English "do", "does", "did" of a question ("did you see"): Czech has none
        Negation, ///< English "don't", "didn't": Czech puts "ne-" on the verb, which reads negated
    };
    /// Where `line` comes from: the word's own lines, a base form's, or a phrase's.
    enum class Source : std::uint8_t { Own, BaseForm, Phrase };

    Kind kind = Kind::Keep;
    Source source = Source::Own;
    std::string line; ///< Windows-1250, "searched = other"
    std::string base; ///< BaseForm: the base word, for the offer's hint
    bool negated = false; ///< BaseForm: the line shows a negated base word
    std::size_t phraseWords = 1; ///< Phrase: how many words the phrase takes
    std::size_t coveredBy = 0; ///< Covered: the box holding the phrase
    Unsaid unsaid = Unsaid::Article; ///< Unsaid: what the word is
};

/// The everyday line of one word: among the lines of the word itself and of its base forms, the
/// one a learner most likely means. The table holds the commonest English words first and each
/// English word's everyday sense first, so the earliest line is the everyday one; a word form
/// with lines of its own ("hodiny", "šel") takes the one that translates its base form's everyday
/// sense ("hodina = hour" makes it "hours", "jít = go" makes it "went"); a word whose own lines
/// are all longer phrases than its base form's ("stará": "my old girl") takes the base form's.
/// An English form in "-ed" whose own line is not the reviewed one and whose base form's line is a
/// Czech verb reads the verb ("defeated": "porazit", not "poražený"), unless `adjective` ("was
/// defeated", where the adjective reads better). Keep when the table has neither.
BoxReading everydayReading(const ReadingIndex &index, std::string_view word, bool adjective = false);

/// The phrase lines a box offers: the phrases that start at word `at`, longest first.
std::vector<std::string> phraseLines(const ReadingIndex &index, std::span<const TextWord> text,
                                     std::size_t at);

/// The best reading of all boxes, left to right: a phrase starting at a word takes the longest
/// run of words it can (its first line in table order), and covers the boxes of its other
/// words; any other word takes its everyday line. A box with `changed[i]` set keeps what the
/// learner gave it, and no phrase starts in it or covers it.
std::vector<BoxReading> bestReading(const ReadingIndex &index, std::span<const std::string> words,
                                    const std::vector<bool> &clauseEnds, const std::vector<bool> &changed);

/// The sentence as buildSentence makes it, but a box with `covered[i]` set, whose word a phrase in
/// an earlier box takes or the other language leaves unsaid, adds nothing: no "[..]" and no second
/// translation.
std::string readingSentence(std::span<const std::string> boxTexts, const std::vector<bool> &covered);

/// Which boxes of a reading add nothing to its sentence: covered or unsaid.
std::vector<bool> coveredBoxes(std::span<const BoxReading> reading);

} // namespace slovnik

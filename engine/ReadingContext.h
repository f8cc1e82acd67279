// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a word's neighbours in the text say about how to read it: the grammar the best reading
// needs beyond the table, for English and Czech words in Windows-1250. No table is read here.

#include "engine/ReadingIndex.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace slovnik {

/// A one-word Czech field without a reflexive "se"/"si" or a conditional "by"; empty for a phrase.
std::string_view verbWord(std::string_view czech);
/// A Czech infinitive as the table writes it ("porazit", "vrátit se"), not a noun ending alike.
bool isCzechInfinitive(std::string_view czech);
/// An infinitive, a past form ("selhal") or another form of a Czech verb ("žije").
bool isCzechVerb(std::string_view czech);

/// An English past participle that reads as an adjective: first in its clause or after an
/// article, a determiner, a preposition, "be", "get" or an adverb of degree.
bool participleReadsAsAdjective(std::span<const std::string> words, std::span<const TextWord> text,
                                std::size_t at);

/// The English subject pronoun right before a word.
enum class Subject : std::uint8_t { None, ThirdPerson, Other };
Subject subjectBefore(std::span<const std::string> words, std::span<const TextWord> text, std::size_t at);

/// "do", "does", "did" opening a question before its subject ("where did you go").
bool isQuestionAuxiliary(std::span<const std::string> words, std::span<const TextWord> text, std::size_t at);
/// An English verb after a modal ("must do") or as an order first in its clause ("Wait!").
bool asksForADeed(std::span<const std::string> words, std::span<const TextWord> text, std::size_t at);
/// The word is the first of its clause.
bool opensClause(std::span<const TextWord> text, std::size_t at);
/// English "a", "an", "the", which Czech does not say.
bool isEnglishArticle(std::string_view word);
/// A Czech "se" or "si" that is a reflexive verb's pronoun, not the preposition "se" ("se sestrou").
bool isUnsaidReflexivePronoun(std::span<const std::string> words, std::span<const TextWord> text,
                              std::size_t at);

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/Translate.h"

#include "engine/Analyze.h"
#include "engine/Query.h"
#include "engine/ResultLine.h"

namespace slovnik {
namespace {

// The separators that end a clause; digits and brackets only end a word.
constexpr std::string_view kClauseSeparators = "!,.?";

class WordCollector {
public:
    explicit WordCollector(SourceWords &out) : m_out(out) { }

    void take(char c) { m_word.push_back(c); }

    // A blank or the end of a line closes the word being read, if any.
    void endWord()
    {
        if (m_word.empty())
            return;
        if (m_out.words.size() == MaxWords) {
            m_out.truncated = true;
        } else {
            m_word.resize(std::min(m_word.size(), WordCapacity));
            m_out.words.push_back(lowerAsciiLetters(m_word));
            m_out.clauseEnds.push_back(false);
        }
        m_word.clear();
    }

    // Only a kept word carries the mark; words past MaxWords are gone anyway.
    void endClause()
    {
        endWord();
        if (!m_out.clauseEnds.empty())
            m_out.clauseEnds.back() = true;
    }

private:
    SourceWords &m_out;
    std::string m_word;
};

} // namespace

SourceWords splitSourceText(std::span<const std::string> lines)
{
    SourceWords result;
    WordCollector collector(result);
    for (const std::string &line : lines) {
        for (const char c : line) {
            if (kClauseSeparators.find(c) != std::string_view::npos)
                collector.endClause();
            else if (c == ' ' || SeparatorChars.find(c) != std::string_view::npos)
                collector.endWord();
            else
                collector.take(c);
        }
        collector.endClause();
    }
    return result;
}

int prefixOffers(std::span<const DictionaryEntry> table, std::string_view word,
                 TranslationDirection direction, LineSink &offers)
{
    struct Counting final : LineSink {
        LineSink &target;
        int hits = 0;
        explicit Counting(LineSink &t) : target(t) { }
        void addLine(std::string_view line) override
        {
            ++hits;
            target.addLine(line);
        }
        void addHit(std::size_t entry, std::string_view line) override
        {
            ++hits;
            target.addHit(entry, line);
        }
    } counting(offers);
    PrefixSearch(table, word, direction, counting);
    return counting.hits;
}

std::vector<std::string> reducedOfferForms(std::string_view word)
{
    std::vector<std::string> forms;
    for (std::string form : {ReducePlural(word), ReduceComparative(word)}) {
        if (!form.empty())
            forms.push_back(std::move(form));
    }
    return forms;
}

std::string sentencePart(std::string_view boxText)
{
    if (boxText.empty())
        return std::string(kEmptyBoxPart);
    return std::string(takenText(boxText).substr(0, kMaxTakenTextLength));
}

std::string buildSentence(std::span<const std::string> boxTexts)
{
    std::string sentence;
    for (const std::string &text : boxTexts) {
        sentence += sentencePart(text);
        sentence += ' ';
    }
    return sentence;
}

} // namespace slovnik

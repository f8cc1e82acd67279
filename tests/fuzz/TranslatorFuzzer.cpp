// SPDX-License-Identifier: GPL-2.0-or-later
// The translator's split of a source text into words, both on Windows-1250 lines as the engine
// gets them and on the Unicode text of the window's box, the sentence built from word boxes, and
// the best reading of the words in both directions on the program's table.

#include "common/Translation.h"
#include "engine/BestReading.h"
#include "engine/ProgramReading.h"
#include "engine/Translate.h"
#include "tests/fuzz/FuzzCheck.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using namespace slovnik;
using slovnik::fuzz::require;

namespace {

std::vector<std::string> splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string_view::npos; start = end + 1)
        lines.emplace_back(text.substr(start, end - start));
    lines.emplace_back(text.substr(start));
    return lines;
}

void checkWords(const SourceWords &split)
{
    require(split.words.size() <= MaxWords, "more than 128 words");
    require(!split.truncated || split.words.size() == MaxWords, "shortened, but fewer than 128 kept");
    for (const std::string &word : split.words) {
        require(!word.empty(), "an empty word");
        require(word.size() <= WordCapacity, "a word longer than 50", word);
        require(word.find(' ') == std::string::npos, "a word holding a blank", word);
    }
}

// Boxes as the translator window fills them: a word as typed, an offer "word = meaning" (here
// a source line standing in for one), and a box left empty.
void checkSentence(const SourceWords &split, const std::vector<std::string> &lines)
{
    std::vector<std::string> boxes = split.words;
    boxes.insert(boxes.end(), lines.begin(), lines.end());
    boxes.emplace_back();
    const std::string sentence = buildSentence(boxes);

    std::string expected;
    for (const std::string &box : boxes) {
        const std::string part = sentencePart(box);
        require(part.size() <= 255, "a sentence part longer than 255", part);
        require(!box.empty() || part == kEmptyBoxPart, "an empty box that is not [..]");
        expected += part;
        expected += ' ';
    }
    require(sentence == expected, "the sentence is not its parts, each with a blank", sentence);
}

// Every box gets one reading; a covered box points back to the phrase that takes it, and a
// phrase never runs past the text or over a box the learner changed. The input's bytes also say
// where clauses end and which boxes the learner changed.
void checkReading(const SourceWords &split, std::string_view text)
{
    static const auto english = programReadingIndex(TranslationDirection::EnglishToCzech);
    static const auto czech = programReadingIndex(TranslationDirection::CzechToEnglish);
    const std::size_t count = split.words.size();
    std::vector<bool> clauseEnds(count);
    std::vector<bool> changed(count);
    for (std::size_t at = 0; at < count && at < text.size(); ++at) {
        clauseEnds[at] = (static_cast<unsigned char>(text[at]) & 1U) != 0;
        changed[at] = (static_cast<unsigned char>(text[at]) & 6U) == 6U;
    }
    for (const ReadingIndex *index : {english.get(), czech.get()}) {
        const std::vector<BoxReading> reading = bestReading(*index, split.words, clauseEnds, changed);
        require(reading.size() == count, "not one reading for each box");
        for (std::size_t at = 0; at < count; ++at) {
            const BoxReading &box = reading[at];
            require(!changed[at] || box.kind == BoxReading::Kind::Keep, "a changed box was read anew");
            if (box.kind == BoxReading::Kind::Covered) {
                require(box.coveredBy < at, "a box covered by a later one");
                require(reading[box.coveredBy].source == BoxReading::Source::Phrase, "covered by no phrase");
                require(!changed[at], "a changed box covered");
            }
            if (box.kind == BoxReading::Kind::Line)
                require(at + box.phraseWords <= count, "a phrase past the text's end");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text = slovnik::fuzz::asText(data, size);
    const std::vector<std::string> lines = splitLines(text);
    const SourceWords split = splitSourceText(lines);
    checkWords(split);
    checkSentence(split, lines);
    checkReading(split, text);

    // The box's text in Unicode, as pasted: invalid UTF-8 becomes replacement characters.
    const QString unicode = QString::fromUtf8(text.data(), static_cast<qsizetype>(size));
    checkWords(splitSourceLines(unicode.split(u'\n')));
    return 0;
}

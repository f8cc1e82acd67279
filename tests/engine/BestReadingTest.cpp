// SPDX-License-Identifier: GPL-2.0-or-later
// The best reading on a small table: phrases across the words of a text, each word's everyday
// line, and the learner's own choices kept. Czech in Windows-1250 escapes.

#include "engine/BestReading.h"
#include "tests/engine/EngineTest.h"

#include <ostream>

namespace slovnik {
namespace {

using namespace slovnik::support;

const std::vector<DictionaryEntry> kTable = table({
    {"look", "d\xedvat se"}, // dívat se
    {"look after", "pe\xe8ovat o"}, // pečovat o
    {"look for", "hledat"},
    {"get", "dostat"},
    {"get up", "vst\xe1t"}, // vstát
    {"up", "nahoru"},
    {"give", "d\xe1t"}, // dát
    {"give up",
     "vzd\xe1t se (\xe8"
     "eho)"}, // vzdát se (čeho): the note is no word of the phrase
    {"kid", "d\xedt\xec"}, // dítě
    {"child", "d\xedt\xec"},
    {"babies",
     "d\xec"
     "ti"}, // děti
    {"children",
     "d\xec"
     "ti"},
    {"old", "star\xfd"}, // starý
    {"my old girl", "star\xe1"}, // stará
    {"like",
     "m\xedt r\xe1"
     "d"}, // mít rád
    {"have", "m\xedt"}, // mít
    {"glad",
     "r\xe1"
     "d"}, // rád
    {"typewriter", "psac\xed stroj"}, // psací stroj
    {"engine", "stroj"},
    {"play", "hr\xe1t si"}, // hrát si
    {"with", "se"},
    {"this", "tento"},
    {"hereof", "tohoto"},
    {"defeat", "porazit"},
    {"defeated",
     "pora\x9e"
     "en\xfd"}, // poražený
    {"stand", "st\xe1t"}, // stát
    {"happen", "st\xe1t se"},
    {"work",
     "pr\xe1"
     "ce"}, // práce
    {"work", "pracovat"},
    {"so", "tak"},
    {"so", "tak\x9e\x65"}, // takže
    {"do",
     "d\xec"
     "lat"}, // dělat
    {"do",
     "ud\xec"
     "lat"},
    {"fight", "boj"},
    {"be afraid", "b\xe1t se"}, // bát se
    {"don't",
     "ned\xec"
     "lej"}, // nedělej
});
// "child = dítě", as a reviewer chose it over "kid"; "this = tento".
constexpr std::uint16_t kEveryday[] = {9, 21};

struct ReadingCase {
    const char *name;
    TranslationDirection direction;
    std::vector<std::string> words;
    std::vector<bool> changed;
    std::string sentence; ///< each box's chosen part; a box kept as it is shows "[..]"
};
void PrintTo(const ReadingCase &row, std::ostream *out)
{
    *out << row.name;
}

class BestReadingOf : public ::testing::TestWithParam<ReadingCase> { };
TEST_P(BestReadingOf, ReadsTheText)
{
    const ReadingCase &row = GetParam();
    const ReadingIndex index(kTable, row.direction, kEveryday);
    const std::vector<BoxReading> reading = bestReading(index, row.words, {}, row.changed);
    std::vector<std::string> texts;
    for (const BoxReading &box : reading)
        texts.push_back(box.kind == BoxReading::Kind::Line ? box.line : std::string());
    EXPECT_EQ(readingSentence(texts, coveredBoxes(reading)), row.sentence);
}
INSTANTIATE_TEST_SUITE_P(
    Texts, BestReadingOf,
    ::testing::Values(
        ReadingCase{"phraseCoversItsWords", kEn, {"i", "get", "up"}, {}, "[..] vst\xe1t "},
        ReadingCase{"phraseThroughBaseForms", kEn, {"looking", "for"}, {}, "hledat "},
        ReadingCase{"longestPhraseWins", kEn, {"looks", "after", "up"}, {}, "pe\xe8ovat o nahoru "},
        ReadingCase{"irregularFormStartsAPhrase",
                    kEn,
                    {"gave", "up"},
                    {},
                    "vzd\xe1t se (\xe8"
                    "eho) "},
        ReadingCase{
            "changedBoxKeepsItsTextAndStopsThePhrase", kEn, {"get", "up"}, {false, true}, "dostat [..] "},
        ReadingCase{"czechPhraseThroughAVerbForm",
                    kCs,
                    {"m\xe1m",
                     "r\xe1"
                     "d",
                     "psac\xed", "stroj"},
                    {},
                    "like typewriter "},
        ReadingCase{"formTakesTheLineOfItsBaseFormsEverydaySense",
                    kCs,
                    {"d\xec"
                     "ti"},
                    {},
                    "children "},
        ReadingCase{"phraseOnlyLinesGiveWayToTheBaseForm", kCs, {"star\xe1"}, {}, "old "},
        ReadingCase{"rareOwnSenseGivesWayToTheReviewedBase", kCs, {"tohoto"}, {}, "this "},
        ReadingCase{"reflexivePronounFirst", kCs, {"si", "hraj\xed"}, {}, "play "},
        ReadingCase{"reflexivePronounAfter", kCs, {"hraj\xed", "si"}, {}, "play "},
        ReadingCase{"noWordNoLine", kCs, {"xq"}, {}, "[..] "},
        // "se" apart from its verb is unsaid; before s, z, š, ž it may be the preposition.
        ReadingCase{"reflexivePronounUnsaid", kCs, {"d\xedv\xe1m", "xq", "se"}, {}, "look [..] "},
        ReadingCase{"seBeforeSIsWith", kCs, {"se", "sestrou"}, {}, "with [..] "},
        ReadingCase{"negatedVerbTakesItsPronoun", kCs, {"neboj", "se"}, {}, "not be afraid "},
        ReadingCase{"reflexivePronounGoesToItsVerb", kCs, {"xq", "se", "stalo"}, {}, "[..] happen "},
        ReadingCase{"englishArticlesAreUnsaid", kEn, {"the", "child", "an", "a"}, {}, "d\xedt\xec "},
        ReadingCase{"questionAuxiliaryIsUnsaid",
                    kEn,
                    {"did", "you", "look", "do"},
                    {},
                    "[..] d\xedvat se d\xec"
                    "lat "},
        ReadingCase{"wordAfterItsSubjectReadsAsAVerb",
                    kEn,
                    {"we", "work", "xq", "work"},
                    {},
                    "[..] pracovat [..] pr\xe1"
                    "ce "},
        ReadingCase{"soFirstInItsClauseIsTakze", kEn, {"so", "xq", "so"}, {}, "tak\x9e\x65 [..] tak "},
        ReadingCase{"negationGoesOnTheVerb", kEn, {"don't", "look"}, {}, "ned\xedvat se "},
        // After "must" or as an order, the deed once done: the perfective verb.
        ReadingCase{"deedAfterAModalIsPerfective",
                    kEn,
                    {"xq", "must", "do", "xq", "do"},
                    {},
                    "[..] [..] ud\xec"
                    "lat [..] d\xec"
                    "lat "},
        // A past participle after its subject is the deed; after "be", or first, the adjective.
        ReadingCase{"participleAfterItsSubjectReadsTheVerb", kEn, {"xq", "defeated"}, {}, "[..] porazit "},
        ReadingCase{"participleAfterBeStaysTheAdjective",
                    kEn,
                    {"xq", "was", "defeated"},
                    {},
                    "[..] [..] pora\x9e"
                    "en\xfd "}),
    rowName);

TEST(BestReading, NoPhraseRunsAcrossTheEndOfAClause)
{
    const ReadingIndex index(kTable, kEn);
    const std::vector<std::string> words{"get", "up"};
    const std::vector<TextWord> text = textWords(index, words, {true, true});
    EXPECT_THAT(index.matchesAt(text, 0), IsEmpty());
    const std::vector<std::string> closed{"get;", "up"};
    EXPECT_THAT(index.matchesAt(textWords(index, closed), 0), IsEmpty());
    EXPECT_THAT(phraseLines(index, textWords(index, words), 0), ElementsAre("get up = vst\xe1t"));
}

// A line reviewed for the word itself comes before one reviewed for its translation, which comes
// before the table's order ("dítě = kid" first there).
TEST(BestReading, TheWordsOwnReviewOutranksItsTranslations)
{
    constexpr std::uint16_t kKid[] = {8};
    const ReadingIndex reviewedForDite(kTable, kCs, kEveryday, {}, kKid);
    EXPECT_EQ(everydayReading(reviewedForDite, "d\xedt\xec").line, "d\xedt\xec = child");
    const ReadingIndex reviewedForChild(kTable, kCs, {}, {}, kEveryday);
    EXPECT_EQ(everydayReading(reviewedForChild, "d\xedt\xec").line, "d\xedt\xec = child");
}

} // namespace
} // namespace slovnik

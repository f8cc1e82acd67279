// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/BaseForms.h"
#include "tests/engine/EngineTest.h"

#include <ostream>
#include <string>
#include <vector>

namespace slovnik {
namespace {

using namespace slovnik::support;

// Czech in Windows-1250: \xe8 = č, \xe1 = á, \x9a = š, \x9d = ť, \xfd = ý, \xec = ě, \xf8 = ř, \x9e = ž,
// \xd8 = Ř, \xf9 = ů, \xe9 = é, \xed = í. A letter a-f after an escape is escaped too, or the escape
// would take it in: \x61 = a, \x63 = c, \x64 = d, \x65 = e, \x41 = A.
const std::vector<DictionaryEntry> kTable = table({
    {"tea", "\xe8\x61j"},
    {"big", "velk\xfd"},
    {"it's", "to je"},
    {"good", "dobr\xfd"},
    {"well", "dob\xf8\x65"},
    {"bad", "\x9apatn\xfd"},
    {"go", "j\xedt"},
    {"box", "krabice"},
    {"happy", "\x9a\x9d\x61stn\xfd"},
    {"unhappy", "ne\x9a\x9d\x61stn\xfd"},
    {"know", "v\xec\x64\xect"},
    {"know", "zn\xe1t"},
    {"dog", "pes"},
    {"typewriter", "psac\xed stroj"},
    {"known", "zn\xe1m\xfd"},
    {"slow", "pomal\xfd"},
    {"begin", "za\xe8\xedt"},
    {"copy", "kop\xedrovat"},
    {"knife", "n\xf9\x9e"},
    {"garden", "zahrada"},
    {"house", "d\xf9m"},
    {"I", "j\xe1"},
    {"this", "tento"},
    {"be", "b\xfdt"},
    {"say", "\xf8\xed\x63t"},
    {"i want", "chci"},
    {"do not want", "necht\xedt"},
    {"peso", "peso"},
    {"woman", "\x9e\x65na"},
    {"chase", "hn\xe1t"},
    {"learn", "u\xe8it se"},
    {"teach", "u\xe8it"},
    {"until", "dokud"},
    {"till", "a\x9e"},
    {"they", "oni"},
});

struct Case {
    const char *name;
    TranslationDirection direction;
    const char *typed;
    std::vector<std::string> forms; ///< each negated one after "-"
};
// CTest lists a case with its row, which prints as its name rather than its bytes.
void PrintTo(const Case &row, std::ostream *out)
{
    *out << row.name;
}

std::vector<std::string> shown(const std::vector<BaseForm> &forms)
{
    std::vector<std::string> out;
    for (const BaseForm &form : forms)
        out.push_back((form.negated ? "-" : "") + form.word);
    return out;
}

const Case kCases[] = {
    {"tableWordItself", kEn, "tea", {"tea"}},
    {"punctuationAtBothEnds", kEn, "(\"big\");", {"big"}},
    {"typographicApostrophe", kEn, "It\x92s", {"it's"}},
    {"capitalWithDiacritic", kCs, "\xc8\x41J", {"\xe8\x61j"}},
    {"irregularComparative", kEn, "better", {"good", "well"}},
    {"irregularSuperlative", kEn, "Worst!", {"bad"}},
    {"irregularVerb", kEn, "went", {"go"}},
    {"pluralInEs", kEn, "boxes", {"box"}},
    {"comparativeOfY", kEn, "happier", {"happy"}},
    {"englishNegation", kEn, "unknown", {"-known"}},
    {"adverb", kEn, "slowly", {"slow"}},
    {"pluralOfADoer", kEn, "beginners", {"begin"}},
    {"yingVerb", kEn, "copying", {"copy"}},
    {"pluralInVes", kEn, "knives", {"knife"}},
    {"negatedTableWord", kCs, "ne\x9a\x9d\x61stn\xfd", {"ne\x9a\x9d\x61stn\xfd"}},
    {"negationKept", kCs, "nezn\xe1t", {"-zn\xe1t"}},
    {"declined", kCs, "zahrad\xec", {"zahrada"}},
    {"stemChange", kCs, "dom\xec", {"d\xf9m"}},
    {"fleetingVowel", kCs, "psa", {"pes"}},
    {"pronoun", kCs, "m\xec", {"j\xe1"}},
    {"demonstrative", kCs, "t\xe9to", {"tento"}},
    {"czechIrregularVerb", kCs, "jsem", {"b\xfdt"}},
    {"irregularPast", kCs, "\xd8\x65kl", {"\xf8\xed\x63t"}},
    {"czechSuperlative", kCs, "nejlep\x9a\xed", {"dobr\xfd"}},
    {"negatedFormOfTableWord", kCs, "ne\x9a\x9d\x61stn\xe9ho", {"ne\x9a\x9d\x61stn\xfd"}},
    {"negatedForm", kCs, "nev\xec\x64\xecl", {"-v\xec\x64\xect"}},
    {"tableNegationBeforePositiveShownNegated", kCs, "nechci", {"necht\xedt", "-chci"}},
    {"rareReadingLeftOut", kCs, "pes.", {"pes"}},
    {"commonerNounBeforeRareVerb", kCs, "\x9e\x65nu", {"\x9e\x65na", "hn\xe1t"}},
    {"presentTense", kCs, "u\xe8\xedm", {"u\xe8it", "u\xe8it se"}},
    {"slipIsNoNegation", kEn, "untill", {}},
    {"contractedVerb", kEn, "They\x92ve", {"they"}},
    {"onlyPunctuation", kEn, "...", {}},
    {"nothingBehind", kEn, "xqzw", {}},
};

class BaseFormsOf : public ::testing::TestWithParam<Case> { };
TEST_P(BaseFormsOf, AreTheTableWordsBehindTheForm)
{
    EXPECT_EQ(shown(baseForms(kTable, GetParam().typed, GetParam().direction)), GetParam().forms);
}
INSTANTIATE_TEST_SUITE_P(Words, BaseFormsOf, ::testing::ValuesIn(kCases), rowName);

TEST(BaseFormOffers, AreTheBaseWordsExactLinesInTableOrder)
{
    const std::vector<BaseFormOffer> offers = baseFormOffers(kTable, "better", kEn);
    ASSERT_EQ(offers.size(), 2u);
    EXPECT_EQ(offers[0].line, "good = dobr\xfd");
    EXPECT_EQ(offers[0].base, "good");
    EXPECT_EQ(offers[1].line, "well = dob\xf8\x65");
}

TEST(BaseFormOffers, CarryTheNegationInBothHalves)
{
    const std::vector<BaseFormOffer> offers = baseFormOffers(kTable, "nezn\xe1t", kCs);
    ASSERT_EQ(offers.size(), 1u);
    EXPECT_EQ(offers[0].line, "nezn\xe1t = not know");
    EXPECT_EQ(offers[0].base, "zn\xe1t");
    EXPECT_TRUE(offers[0].negated);
    // A negated word longer than a field is cut before the separator, never the separator.
    const auto longWord = table({{"x", "abcdefghijklmnopqrst"}});
    EXPECT_EQ(baseFormOffers(longWord, "neabcdefghijklmnopqrst", kCs).at(0).line,
              "neabcdefghijklmnopqr = not x");
}

TEST(MissingBaseFormOffers, ComeOnlyWhenNoScannedLineIsForTheWordItself)
{
    constexpr WordScan kBox = WordScan::TranslatorBox;
    const std::vector<std::string> itself{"tea = \xe8\x61j"};
    const std::vector<std::string> longerOnly{"teapot = konvice"};
    const std::vector<std::string> reduced{"box = krabice"};
    EXPECT_THAT(missingBaseFormOffers(kTable, itself, "tea", kBox, kEn), IsEmpty());
    EXPECT_EQ(missingBaseFormOffers(kTable, longerOnly, "tea", kBox, kEn).size(), 1u);
    EXPECT_EQ(missingBaseFormOffers(kTable, {}, "(tea)", kBox, kEn).size(), 1u);
    EXPECT_THAT(missingBaseFormOffers(kTable, reduced, "boxes", kBox, kEn), IsEmpty()); // a scanned line once
    // The scan says what the word itself is: a query reads "It's" as "its", a box as "it's".
    const std::vector<std::string> its{"its = jeho"};
    EXPECT_TRUE(scanFoundTheWord(its, "It's", WordScan::DictionaryQuery, kEn));
    EXPECT_FALSE(scanFoundTheWord(its, "It's", kBox, kEn));
}

} // namespace
} // namespace slovnik

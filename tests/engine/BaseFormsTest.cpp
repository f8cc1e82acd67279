#include "engine/BaseForms.h"
#include "tests/support/SmallTable.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace slovnik {
namespace {

using namespace slovnik::testing;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Czech in Windows-1250: \xe8 = č, \xe1 = á, \x9a = š, \x9d = ť, \xfd = ý, \xec = ě, \xf8 = ř,
// \xd8 = Ř, \xf9 = ů, \xe9 = é, \xed = í.
const std::vector<DictionaryEntry> kTable = table({
    {"tea",
     "\xe8"
     "aj"},
    {"big", "velk\xfd"},
    {"it's", "to je"},
    {"good", "dobr\xfd"},
    {"well", "dob\xf8\x65"},
    {"bad", "\x9apatn\xfd"},
    {"go", "j\xedt"},
    {"box", "krabice"},
    {"happy",
     "\x9a\x9d"
     "astn\xfd"},
    {"unhappy",
     "ne\x9a\x9d"
     "astn\xfd"},
    {"know",
     "v\xec"
     "d\xect"},
    {"know", "zn\xe1t"},
    {"dog", "pes"},
    {"typewriter", "psac\xed stroj"},
    {"known", "zn\xe1m\xfd"},
    {"slow", "pomal\xfd"},
    {"begin", "za\xe8\xedt"},
    {"copy", "kop\xedrovat"},
    {"garden", "zahrada"},
    {"house", "d\xf9m"},
    {"I", "j\xe1"},
    {"this", "tento"},
    {"be", "b\xfdt"},
    {"say",
     "\xf8\xed"
     "ct"},
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

class BaseFormsOf : public ::testing::TestWithParam<Case> { };
TEST_P(BaseFormsOf, AreTheTableWordsBehindTheForm)
{
    EXPECT_EQ(shown(baseForms(kTable, GetParam().typed, GetParam().direction)), GetParam().forms);
}
INSTANTIATE_TEST_SUITE_P(
    Words, BaseFormsOf,
    ::testing::Values(
        Case{"tableWordItself", kEn, "tea", {"tea"}},
        Case{"punctuationAtBothEnds", kEn, "(\"big\");", {"big"}},
        Case{"typographicApostrophe", kEn, "It\x92s", {"it's"}},
        Case{"capitalWithDiacritic",
             kCs,
             "\xc8"
             "AJ",
             {"\xe8"
              "aj"}},
        Case{"irregularComparative", kEn, "better", {"good", "well"}},
        Case{"irregularSuperlative", kEn, "Worst!", {"bad"}}, Case{"irregularVerb", kEn, "went", {"go"}},
        Case{"pluralInEs", kEn, "boxes", {"box"}}, Case{"comparativeOfY", kEn, "happier", {"happy"}},
        Case{"englishNegation", kEn, "unknown", {"-known"}}, Case{"adverb", kEn, "slowly", {"slow"}},
        Case{"pluralOfADoer", kEn, "beginners", {"begin"}}, Case{"yingVerb", kEn, "copying", {"copy"}},
        Case{"negatedTableWord",
             kCs,
             "ne\x9a\x9d"
             "astn\xfd",
             {"ne\x9a\x9d"
              "astn\xfd"}},
        Case{"negationKept", kCs, "nezn\xe1t", {"-zn\xe1t"}},
        Case{"declined", kCs, "zahrad\xec", {"zahrada"}}, Case{"stemChange", kCs, "dom\xec", {"d\xf9m"}},
        Case{"fleetingVowel", kCs, "psa", {"pes"}}, Case{"pronoun", kCs, "m\xec", {"j\xe1"}},
        Case{"demonstrative", kCs, "t\xe9to", {"tento"}}, Case{"czechIrregularVerb", kCs, "jsem", {"b\xfdt"}},
        Case{"irregularPast",
             kCs,
             "\xd8"
             "ekl",
             {"\xf8\xed"
              "ct"}},
        Case{"czechSuperlative", kCs, "nejlep\x9a\xed", {"dobr\xfd"}},
        Case{"negatedFormOfTableWord",
             kCs,
             "ne\x9a\x9d"
             "astn\xe9ho",
             {"ne\x9a\x9d"
              "astn\xfd"}},
        Case{"negatedForm",
             kCs,
             "nev\xec"
             "d\xecl",
             {"-v\xec"
              "d\xect"}},
        Case{"onlyPunctuation", kEn, "...", {}}, Case{"nothingBehind", kEn, "xqzw", {}}),
    rowName);

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

TEST(BoxBaseFormOffers, ComeOnlyWhenNoScannedLineIsForTheWordItself)
{
    const std::vector<std::string> itself{"tea = \xe8"
                                          "aj"};
    const std::vector<std::string> longerOnly{"teapot = konvice"};
    const std::vector<std::string> reduced{"box = krabice"};
    EXPECT_THAT(boxBaseFormOffers(kTable, itself, "tea", kEn), IsEmpty());
    EXPECT_EQ(boxBaseFormOffers(kTable, longerOnly, "tea", kEn).size(), 1u);
    EXPECT_EQ(boxBaseFormOffers(kTable, {}, "(tea)", kEn).size(), 1u);
    EXPECT_THAT(boxBaseFormOffers(kTable, reduced, "boxes", kEn), IsEmpty()); // a scanned line once
}

} // namespace
} // namespace slovnik

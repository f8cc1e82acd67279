// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/Suggest.h"
#include "engine/Cp1250Letters.h"
#include "tests/engine/EngineTest.h"

#include <ostream>

#include <string>
#include <vector>

namespace slovnik {
namespace {

using namespace slovnik::support;

// Czech in Windows-1250: d\xec = dě, \xe8 = č, \xfd = ý, \x9e = ž, \xc8 = Č. A letter a-f after an
// escape is escaped too, or the escape would take it in: \x65 = e.
const std::vector<DictionaryEntry> kTable = table({
    {"receive", "p\xf8ijmout"},
    {"recipe", "recept"},
    {"relieve", "ulevit"},
    {"beginning", "za\xe8\xe1tek"},
    {"separate", "odd\xecl\x69t"},
    {"friend", "p\xf8\xedtel"},
    {"cut", "\xf8\x65zat"},
    {"cat", "ko\xe8ka"},
    {"cats", "ko\xe8ky"},
    {"dog", "pes"},
    {"dig", "kopat"},
    {"thank you", "d\xeckuji"},
    {"woman", "\x9e\x65na"},
    {"Prague", "Praha"},
    {"what?", "co?"},
    {"receive", "dostat"}, // a word stands once however many entries hold it
    {"knew", "v\xec\x64\xecl"},
    {"saw", "vid\xecl"},
});

struct Case {
    const char *name;
    TranslationDirection direction;
    const char *typed;
    const char *first;
};
// CTest lists a case with its row, which prints as its name rather than its bytes.
void PrintTo(const Case &row, std::ostream *out)
{
    *out << row.name;
}

const Case kCases[] = {
    {"ieForEi", kEn, "recieve", "receive"},
    {"undoubledLetter", kEn, "begining", "beginning"},
    {"doubledLetter", kEn, "frriend", "friend"},
    {"wrongVowel", kEn, "seperate", "separate"},
    {"keyNeighbour", kEn, "dpg", "dog"},
    {"swappedLetters", kEn, "dgo", "dog"},
    {"phrase", kEn, "thank yuo", "thank you"},
    {"czechWithoutDiacritics", kCs, "dekuji", "d\xeckuji"},
    {"diacriticsBeforeAVowel", kCs, "kocka", "ko\xe8ka"},
    {"lowerCaseForACapital", kCs, "praha", "Praha"},
    {"cleanedAsTheQueryBox", kEn, " The Rec'ieve", "receive"},
    {"punctuationStuckToIt", kEn, "(freind);", "friend"},
    {"inQuotes", kEn, "\"freind\"", "friend"},
    {"cedillaAndSemicolon", kEn, "re\xe7ipe;", "recipe"},
    {"czechKeepsItsArticle", kCs, "a zena", "\x9e\x65na"},
};

class SuggestFirst : public ::testing::TestWithParam<Case> { };
TEST_P(SuggestFirst, RanksTheMeantWordFirst)
{
    Suggester suggester(kTable);
    const std::vector<std::string> got = suggester.suggest(GetParam().typed, GetParam().direction, 3);
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got.front(), GetParam().first);
}
INSTANTIATE_TEST_SUITE_P(TypingErrors, SuggestFirst, ::testing::ValuesIn(kCases), rowName);

TEST(Suggest, EqualCostsKeepTheStoredOrder)
{
    // "cot" is one vowel from both "cut" and "cat"; "cut" is stored first.
    EXPECT_THAT(Suggester(kTable).suggest("cot", kEn, 2), ElementsAre("cut", "cat"));
    const std::vector<DictionaryEntry> swapped = table({{"cat", "x"}, {"cut", "y"}});
    EXPECT_THAT(Suggester(swapped).suggest("cot", kEn, 2), ElementsAre("cat", "cut"));
}

TEST(Suggest, OffersOnlyDistinctWordsOfTheSearchedFieldUpToTheLimit)
{
    Suggester suggester(kTable);
    EXPECT_THAT(suggester.suggest("receve", kEn, 10), ElementsAre("receive", "recipe", "relieve"));
    EXPECT_THAT(suggester.suggest("receve", kEn, 1), ElementsAre("receive"));
    EXPECT_THAT(suggester.suggest("pez", kEn, 10), ::testing::Not(::testing::Contains("pes")));
    EXPECT_THAT(suggester.suggest("pez", kCs, 10), ::testing::Contains("pes"));
}

TEST(Suggest, HostileOrFarFetchedTextGivesNothing)
{
    Suggester suggester(kTable);
    for (const std::string &typed :
         {std::string(), std::string("a "), std::string(32767, 'x'), std::string("?"), std::string("??"),
          std::string("do\0g", 4), std::string("qqqqqqqq")}) {
        EXPECT_THAT(suggester.suggest(typed, kEn, MaxSuggestions), IsEmpty()) << typed.substr(0, 20);
        EXPECT_THAT(suggester.suggest(typed, kCs, MaxSuggestions), IsEmpty()) << typed.substr(0, 20);
    }
}

// "nevěděl" is "did not know": "věděl" (knew) or "viděl" (saw) would turn it upside down.
TEST(Suggest, NothingThatDropsANegation)
{
    EXPECT_THAT(Suggester(kTable).suggest("nev\xec\x64\xecl", kCs, MaxSuggestions), IsEmpty());
}

struct Folding {
    const char *name;
    unsigned char byte;
    char base;
};
void PrintTo(const Folding &row, std::ostream *out)
{
    *out << row.name;
}

class BaseLetters : public ::testing::TestWithParam<Folding> { };
TEST_P(BaseLetters, DropDiacriticAndCase)
{
    EXPECT_EQ(cp1250::baseLetter(GetParam().byte), GetParam().base);
}
INSTANTIATE_TEST_SUITE_P(
    Windows1250, BaseLetters,
    ::testing::Values(Folding{"plain", 'q', 'q'}, Folding{"capital", 'Q', 'q'},
                      Folding{"cWithCaron", 0xE8, 'c'}, Folding{"capitalCWithCaron", 0xC8, 'c'},
                      Folding{"uWithRing", 0xF9, 'u'}, Folding{"eWithCaron", 0xEC, 'e'},
                      Folding{"capitalZWithCaron", 0x8E, 'z'}, Folding{"sWithCaron", 0x9A, 's'},
                      Folding{"tWithCaron", 0x9D, 't'}, Folding{"yWithAcute", 0xFD, 'y'},
                      Folding{"sharpSHasNoPlainLetter", 0xDF, 0}, Folding{"multiplicationSign", 0xD7, 0},
                      Folding{"questionMark", '?', 0}, Folding{"nul", 0, 0}),
    rowName);

} // namespace
} // namespace slovnik

#include "Translation.h"

#include "../engine/SmallTable.h"

#include <gtest/gtest.h>

namespace slovnik {
namespace {

using slovnik::testing::table;

constexpr auto kEn = TranslationDirection::EnglishToCzech;
constexpr auto kCs = TranslationDirection::CzechToEnglish;

const std::vector<DictionaryEntry> kTable = table({
    {"pessimist", "pesimista"},
    {"dog", "pes"},
    {"cat", "ko\xe8ka"},
    {"catch", "chytit"},
    {"big", "velk\xfd"},
    {"bigot", "bigotn\xed"},
    {"tea", "\xc8" "aj"},   // Čaj
    {"tea", "\xe8" "aj"},   // čaj
    {"the", "ten"},
    {"theatre", "divadlo"},
    {"then", "pak"},
    {"The Hague", "Haag"},
});

QStringList offers(const char *word, TranslationDirection direction)
{
    return WordOffers(kTable, word, direction);
}

TEST(WordOffers, PrefixHitsSortedFirstOneChosen)
{
    EXPECT_EQ(offers("pes", kCs), (QStringList{u"pes = dog"_qs, u"pesimista = pessimist"_qs}));
    EXPECT_TRUE(offers("sp\xed", kCs).isEmpty()); // spí
}

TEST(WordOffers, EnglishWordWithoutHitsTriesItsPluralByPrefix)
{
    EXPECT_EQ(offers("cats", kEn), (QStringList{u"cat = kočka"_qs, u"catch = chytit"_qs}));
}

TEST(WordOffers, EnglishWordWithoutHitsTriesItsComparative)
{
    EXPECT_EQ(offers("bigger", kEn), (QStringList{u"big = velký"_qs, u"bigot = bigotní"_qs}));
}

TEST(WordOffers, CzechWordsGetNoSecondTry)
{
    EXPECT_TRUE(offers("psi", kCs).isEmpty());
    EXPECT_TRUE(offers("pesy", kCs).isEmpty());
}

TEST(WordOffers, CapitalWithDiacriticHitsOnlyItself)
{
    EXPECT_EQ(offers("\xc8" "aj", kCs), (QStringList{u"Čaj = tea"_qs}));
    EXPECT_EQ(offers("\xe8" "aj", kCs), (QStringList{u"čaj = tea"_qs}));
}

TEST(WordOffers, AToZAreLoweredButTheWordIsNotCleaned)
{
    EXPECT_EQ(offers("THE", kEn).size(), 3); // "The Hague" begins with "The", not "the"
    EXPECT_TRUE(offers("the ", kEn).isEmpty());
    EXPECT_TRUE(offers("", kEn).isEmpty());
}

TEST(WordOffers, TranslatingTwiceGivesTheSameOffers)
{
    EXPECT_EQ(offers("the", kEn), offers("the", kEn));
}

TEST(SplitSourceLines, EncodesEachLineAndSplitsIt)
{
    const SourceWords source = SplitSourceLines({u"Ahoj, Petře!"_qs, u"Jak se máš?"_qs});
    ASSERT_EQ(source.words.size(), 5u);
    EXPECT_EQ(source.words[1], "pet\xf8" "e");
    // Characters outside Windows-1250 become "?", which separates words.
    EXPECT_EQ(SplitSourceLines({u"a😀b"_qs}).words, (std::vector<std::string>{"a", "b"}));
}

} // namespace
} // namespace slovnik

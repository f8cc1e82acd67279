// SPDX-License-Identifier: GPL-2.0-or-later
#include "common/Translation.h"

#include "tests/support/SmallTable.h"

#include <gtest/gtest.h>

namespace slovnik {
namespace {

using namespace slovnik::support;

const std::vector<DictionaryEntry> kTable = table({
    {"pessimist", "pesimista"},
    {"dog", "pes"},
    {"cat", "ko\xe8ka"},
    {"catch", "chytit"},
    {"big", "velk\xfd"},
    {"bigot", "bigotn\xed"},
    {"tea",
     "\xc8"
     "aj"}, // Čaj
    {"tea",
     "\xe8"
     "aj"}, // čaj
    {"the", "ten"},
    {"theatre", "divadlo"},
    {"then", "pak"},
    {"The Hague", "Haag"},
    {"bet", "s\xe1zka"},
    {"bets", "s\xe1zky"},
});

QStringList offers(const char *word, TranslationDirection direction)
{
    return wordOffers(kTable, word, direction);
}

TEST(wordOffers, PrefixHitsSortedFirstOneChosen)
{
    EXPECT_EQ(offers("pes", kCs), (QStringList{u"pes = dog"_qs, u"pesimista = pessimist"_qs}));
    EXPECT_TRUE(offers("sp\xed", kCs).isEmpty()); // spí
}

TEST(wordOffers, EnglishWordWithoutHitsTriesItsPluralByPrefix)
{
    EXPECT_EQ(offers("cats", kEn), (QStringList{u"cat = kočka"_qs, u"catch = chytit"_qs}));
}

TEST(wordOffers, EnglishWordWithHitsGetsNoSecondTry)
{
    EXPECT_EQ(offers("bets", kEn), (QStringList{u"bets = sázky"_qs}));
}

TEST(wordOffers, EnglishWordWithoutHitsTriesItsComparative)
{
    EXPECT_EQ(offers("bigger", kEn), (QStringList{u"big = velký"_qs, u"bigot = bigotní"_qs}));
}

TEST(wordOffers, CzechWordsGetNoSecondTry)
{
    EXPECT_TRUE(offers("psi", kCs).isEmpty());
    EXPECT_TRUE(offers("pesy", kCs).isEmpty());
}

TEST(wordOffers, CapitalWithDiacriticHitsOnlyItself)
{
    EXPECT_EQ(offers("\xc8"
                     "aj",
                     kCs),
              (QStringList{u"Čaj = tea"_qs}));
    EXPECT_EQ(offers("\xe8"
                     "aj",
                     kCs),
              (QStringList{u"čaj = tea"_qs}));
}

TEST(wordOffers, AToZAreLoweredButTheWordIsNotCleaned)
{
    EXPECT_EQ(offers("THE", kEn).size(), 3); // "The Hague" begins with "The", not "the"
    EXPECT_TRUE(offers("the ", kEn).isEmpty());
    EXPECT_TRUE(offers("", kEn).isEmpty());
}

TEST(splitSourceLines, EncodesEachLineAndSplitsIt)
{
    const SourceWords source = splitSourceLines({u"Ahoj, Petře!"_qs, u"Jak se máš?"_qs});
    ASSERT_EQ(source.words.size(), 5u);
    EXPECT_EQ(source.words[1],
              "pet\xf8"
              "e");
    // Characters outside Windows-1250 become "?", which separates words.
    EXPECT_EQ(splitSourceLines({u"a😀b"_qs}).words, (std::vector<std::string>{"a", "b"}));
}

} // namespace
} // namespace slovnik

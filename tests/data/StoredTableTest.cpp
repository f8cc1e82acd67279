// SPDX-License-Identifier: GPL-2.0-or-later
// The table compiled into the program against the committed list it was generated from.

#include "data/WordList.h"
#include "engine/Dic.h"
#include "engine/ReadingIndex.h"
#include "engine/Search.h"
#include "text/Cp1250.h"

#include <QFile>
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

namespace slovnik {
namespace {

class StoredTable : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        QFile file(QStringLiteral(SLOVNIK_WORDLIST_PATH));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        s_list = new WordListReading(readWordList(file.readAll()));
    }
    static void TearDownTestSuite()
    {
        delete s_list;
        s_list = nullptr;
    }
    static inline WordListReading *s_list = nullptr;
};

TEST_F(StoredTable, ListKeepsEveryRuleAndFillsTheTableExactly)
{
    EXPECT_TRUE(s_list->problems.isEmpty()) << s_list->problems.join(u'\n').toStdString();
    EXPECT_EQ(s_list->pairs.size(), EntryCount);
}

// Every user asks for the table on its own (the start-up, the tool, tests, from any thread):
// however many ask, and however they race, the shift is applied exactly once.
TEST_F(StoredTable, EveryFieldReadsAsTheListHoweverManyAskForIt)
{
    ASSERT_EQ(s_list->pairs.size(), EntryCount);
    {
        std::jthread first([] { readableTable(); });
        std::jthread second([] { readableTable(); });
    }
    DescrambleTable();
    readableTable();
    for (std::size_t i = 0; i < EntryCount; ++i) {
        ASSERT_EQ(fieldText(readableTable()[i].English), s_list->pairs[i].english) << "entry " << i;
        ASSERT_EQ(fieldText(readableTable()[i].Czech), s_list->pairs[i].czech) << "entry " << i;
    }
}

TEST_F(StoredTable, EveryFieldIsOneToTwentyCharactersWithoutEqualsSign)
{
    for (const DictionaryEntry &entry : readableTable()) {
        for (const ShortField *field : {&entry.English, &entry.Czech}) {
            ASSERT_GE(field->length, 1);
            ASSERT_LE(field->length, FieldCapacity);
            ASSERT_EQ(fieldText(*field).find('='), std::string_view::npos);
        }
    }
}

TEST_F(StoredTable, NoFieldBeginsWithAWordHoldingACapital)
{
    // The query box lower-cases what is typed, so such a field could never be found.
    QStringList capitalised;
    for (const WordPair &pair : s_list->pairs) {
        for (const std::string *field : {&pair.english, &pair.czech}) {
            const QString firstWord = fromCp1250(*field).section(u' ', 0, 0);
            if (firstWord != firstWord.toLower())
                capitalised << fromCp1250(*field);
        }
    }
    EXPECT_TRUE(capitalised.isEmpty()) << capitalised.join(u", ").toStdString();
}

// What the build knows of the table is what the table holds: the order of each field is the one
// the reading index would sort, and every reviewed everyday line is a line of the word it names.
TEST_F(StoredTable, BuiltOrderAndEverydayLinesMatchTheTable)
{
    for (const TranslationDirection direction :
         {TranslationDirection::EnglishToCzech, TranslationDirection::CzechToEnglish}) {
        const ReadingIndex built(readableTable(), direction, {}, searchedWordOrder(direction));
        const ReadingIndex sorted(readableTable(), direction);
        for (const DictionaryEntry &entry : readableTable()) {
            const std::string_view word = fieldText(SearchedField(entry, direction));
            ASSERT_EQ(built.entriesOf(word), sorted.entriesOf(word)) << word;
        }
        const std::span<const std::uint16_t> everyday = everydayEntries(direction);
        EXPECT_GT(everyday.size(), 900u);
        EXPECT_TRUE(std::is_sorted(everyday.begin(), everyday.end()));
    }
}

} // namespace
} // namespace slovnik

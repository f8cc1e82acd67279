// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/Dic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace slovnik {
namespace {

ShortField storedField(std::uint8_t length, std::initializer_list<unsigned char> chars,
                       unsigned char fill = 0xAB)
{
    ShortField field{length, {}};
    field.chars.fill(fill);
    std::copy(chars.begin(), chars.end(), field.chars.begin());
    return field;
}

std::string text(const ShortField &field)
{
    return std::string(fieldText(field));
}

TEST(Descramble, EmptyFieldStaysEmptyAndItsRoomUntouched)
{
    std::vector<DictionaryEntry> table{{storedField(0, {}), storedField(0, {})}};
    descrambleEntries(table);
    EXPECT_EQ(table[0].English.length, 0);
    EXPECT_TRUE(std::all_of(table[0].English.chars.begin(), table[0].English.chars.end(),
                            [](unsigned char c) { return c == 0xAB; }));
}

TEST(Descramble, ShiftsEachCharacterDownByOneWrappingAtZero)
{
    std::vector<DictionaryEntry> table{{storedField(3, {'b', 'c', 'd'}), storedField(3, {1, 0, 255})}};
    descrambleEntries(table);
    EXPECT_EQ(text(table[0].English), "abc");
    // A stored 1 is a real character 0 inside the text, not a terminator.
    EXPECT_EQ(table[0].Czech.length, 3);
    EXPECT_EQ(text(table[0].Czech), std::string("\x00\xff\xfe", 3));
}

TEST(Descramble, LeavesBytesBeyondTheLengthAsTheyWere)
{
    std::vector<DictionaryEntry> table{{storedField(2, {'x', 'y', 'z', 'w'}), storedField(1, {'b'})}};
    descrambleEntries(table);
    EXPECT_EQ(text(table[0].English), "wx");
    EXPECT_EQ(table[0].English.chars[2], 'z');
    EXPECT_EQ(table[0].English.chars[3], 'w');
    EXPECT_EQ(table[0].English.chars[FieldCapacity - 1], 0xAB);
    EXPECT_EQ(table[0].Czech.chars[1], 0xAB);
}

TEST(Descramble, LengthAboveCapacityIsCappedToTheWholeRoom)
{
    ShortField stored{25, {}};
    for (std::size_t i = 0; i < FieldCapacity; ++i)
        stored.chars[i] = static_cast<unsigned char>('b' + i);
    std::vector<DictionaryEntry> table{{stored, storedField(0, {})}};
    descrambleEntries(table);
    EXPECT_EQ(table[0].English.length, FieldCapacity);
    EXPECT_EQ(text(table[0].English), "abcdefghijklmnopqrst");
}

TEST(Descramble, FieldsAndEntriesAreIndependent)
{
    std::vector<DictionaryEntry> table{
        {storedField(1, {'b'}), storedField(20, {'c', 'd'}, 'f')},
        {storedField(0, {'z'}), storedField(2, {'!', '"'})},
    };
    descrambleEntries(table);
    EXPECT_EQ(text(table[0].English), "a");
    EXPECT_EQ(text(table[0].Czech), "bceeeeeeeeeeeeeeeeee");
    EXPECT_EQ(text(table[1].English), "");
    EXPECT_EQ(table[1].English.chars[0], 'z');
    EXPECT_EQ(text(table[1].Czech), " !");
}

} // namespace
} // namespace slovnik

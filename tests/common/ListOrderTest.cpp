// SPDX-License-Identifier: GPL-2.0-or-later
// The lists' order in a pinned environment: the tests run with LC_ALL=C.UTF-8 (set by CTest),
// where no locale is chosen, so the lists must fall back to Czech collation.

#include "common/ListOrder.h"
#include "common/BuiltInOrder.h"
#include "engine/Dic.h"
#include "engine/Search.h"
#include "text/Cp1250.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace slovnik {
namespace {

QStringList sorted(QStringList lines, const QCollator &collator)
{
    CollatedLines collated(collator);
    for (const QString &line : std::as_const(lines))
        collated.append(line);
    collated.sort();
    return collated.lines();
}

TEST(ListOrder, WithoutALocaleTheOrderIsCzech)
{
    ASSERT_EQ(QLocale::system().language(), QLocale::C) << "run with LC_ALL=C.UTF-8";
    EXPECT_EQ(listLocale().language(), QLocale::Czech);
}

TEST(ListOrder, ResultLinesFollowCzechAlphabetWithoutRegardToCase)
{
    const QStringList lines{u"chata = hut"_qs,    u"Čaj = tea"_qs,   u"hrad = castle"_qs,
                            u"cibule = onion"_qs, u"Dům = house"_qs, u"auto = car"_qs};
    EXPECT_EQ(sorted(lines, resultLineCollator()),
              (QStringList{u"auto = car"_qs, u"cibule = onion"_qs, u"Čaj = tea"_qs, u"Dům = house"_qs,
                           u"hrad = castle"_qs, u"chata = hut"_qs}));
}

TEST(ListOrder, ShorterWordComesBeforeItsLongerForms)
{
    const QStringList lines{u"dogs = psi"_qs, u"dog = pes"_qs, u"dogma = dogma"_qs};
    EXPECT_EQ(sorted(lines, resultLineCollator()),
              (QStringList{u"dog = pes"_qs, u"dogma = dogma"_qs, u"dogs = psi"_qs}));
}

TEST(ListOrder, LinesEqualWithoutCaseKeepTheirOrderAndDuplicatesStay)
{
    const QStringList lines{u"Pes = dog"_qs, u"pes = dog"_qs, u"ahoj = hi"_qs, u"PES = dog"_qs,
                            u"pes = dog"_qs};
    EXPECT_EQ(
        sorted(lines, resultLineCollator()),
        (QStringList{u"ahoj = hi"_qs, u"Pes = dog"_qs, u"pes = dog"_qs, u"PES = dog"_qs, u"pes = dog"_qs}));
}

TEST(ListOrder, WordListTakesCaseIntoAccount)
{
    const QCollator collator = wordListCollator();
    EXPECT_NE(collator.compare(u"pes"_qs, u"Pes"_qs), 0);
    EXPECT_LT(collator.compare(u"cibule"_qs, u"Čaj"_qs), 0);
    EXPECT_EQ(sorted({u"b"_qs, u"B"_qs, u"a"_qs, u"b"_qs}, collator).first(), u"a"_qs);
}

TEST(CollatedLines, StaysSortedAcrossRepeatedSortsAndAdds)
{
    CollatedLines lines(resultLineCollator());
    for (const char16_t *text : {u"pes = dog", u"auto = car"})
        lines.append(QString::fromUtf16(text));
    lines.sort();
    lines.append(u"motýl = butterfly"_qs);
    lines.append(u"Auto = Car"_qs);
    lines.sort();
    EXPECT_EQ(lines.lines(),
              (QStringList{u"auto = car"_qs, u"Auto = Car"_qs, u"motýl = butterfly"_qs, u"pes = dog"_qs}));
    lines.clear();
    EXPECT_EQ(lines.size(), 0);
}

// What the build wrote is the collation's own order on this machine, and the program's own
// characters of the Windows-1250 bytes.
TEST(ListOrder, BuiltInOrderAndCharactersAreTheProgramsOwn)
{
    for (int byte = 0; byte < 256; ++byte) {
        const char single = static_cast<char>(byte);
        EXPECT_EQ(builtInUnicodeOfByte(static_cast<unsigned char>(byte)),
                  fromCp1250(std::string_view(&single, 1)).at(0).unicode());
    }
    for (const TranslationDirection direction :
         {TranslationDirection::EnglishToCzech, TranslationDirection::CzechToEnglish}) {
        const std::span<const std::uint16_t> builtIn = builtInTableLinePlaces(direction);
        EXPECT_EQ(std::vector(builtIn.begin(), builtIn.end()),
                  orderOfTableLines(direction, resultLineCollator(fallbackListLocale())));
    }
}

// The table's order of its lines, kept as the windows keep it, sorts a list as the collator's own
// keys do: long lists (the order made), short ones, lines of both directions, and a list that
// also holds a line the table does not give; in Czech and in English collation; whether the lines
// come as text alone or with the entries a search named.
TEST(CollatedLines, TableOrderIsTheCollatorsOrder)
{
    keepTableLineOrder();
    struct Case {
        const char *query;
        TranslationDirection direction;
        const char *foreignLine;
    };
    const Case cases[] = {
        {"p", TranslationDirection::CzechToEnglish, nullptr},
        {"s", TranslationDirection::EnglishToCzech, nullptr},
        {"ch", TranslationDirection::CzechToEnglish, nullptr},
        {"c", TranslationDirection::CzechToEnglish, nullptr},
        {"pa", TranslationDirection::EnglishToCzech, nullptr},
        {"a", TranslationDirection::EnglishToCzech, "Ab = x"},
        {"b", TranslationDirection::EnglishToCzech, nullptr},
        {"be", TranslationDirection::CzechToEnglish, nullptr},
    };
    QCollator english{QLocale(QLocale::English, QLocale::UnitedStates)};
    english.setCaseSensitivity(Qt::CaseInsensitive);
    for (const QCollator &collator : {resultLineCollator(), english}) {
        for (const Case &test : cases) {
            struct Lines final : LineSink {
                void addLine(std::string_view line) override { all.append(fromCp1250(line)); }
                void addHit(std::size_t entry, std::string_view line) override
                {
                    entries.push_back(entry);
                    addLine(line);
                }
                QStringList all;
                std::vector<std::size_t> entries;
            } found;
            PrefixSearch(readableTable(), test.query, test.direction, found);
            if (test.foreignLine) {
                found.all.append(QString::fromUtf8(test.foreignLine));
                found.entries.push_back(0); // named wrongly: its text decides
            }
            QStringList expected = found.all;
            std::stable_sort(
                expected.begin(), expected.end(),
                [&collator](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
            EXPECT_EQ(sorted(found.all, collator), expected)
                << test.query << " in " << qPrintable(collator.locale().name());
            // The same lines handed on with the entries the search named.
            CollatedLines named(collator);
            for (qsizetype k = 0; k < found.all.size(); ++k)
                named.append(found.all.at(k), found.entries.at(static_cast<std::size_t>(k)));
            named.sort();
            EXPECT_EQ(named.lines(), expected) << test.query << ", entries named";
        }
    }
}

} // namespace
} // namespace slovnik

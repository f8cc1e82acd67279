// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The one alphabetical order of the program's lists, shared by the windows and the tool.
// It follows the collation of the user's locale; without a locale ("C"/POSIX) it is Czech, so
// that "ch" comes after "h" and "č" after "c" as a Czech reader expects.

#include "engine/Direction.h"

#include <QCollator>
#include <QLocale>
#include <QStringList>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace slovnik {

/// The locale whose collation the lists use: the user's, or fallbackListLocale where none is set.
QLocale listLocale();
/// Czech.
QLocale fallbackListLocale();

/// Result lines and word offers: alphabetical without regard to letter case.
QCollator resultLineCollator(const QLocale &locale = listLocale());

/// The places of the program's table lines of `direction` in the order of `collator` (equal lines
/// share one), where they are known without sorting the table now: built in for the collation
/// without a locale, or made earlier in this process. Empty otherwise.
std::span<const std::uint16_t> knownTableLinePlaces(const QCollator &collator,
                                                    TranslationDirection direction);

/// Rows of the word list: alphabetical, letter case taken into account.
QCollator wordListCollator();

/// A list of lines that is sorted again and again as lines are added (a result list fills over
/// several search runs and sorts after each). Where keepTableLineOrder was called, a line of the
/// word table, as a search gives it, takes its place from the table's order of all its lines in
/// its direction (built in for the collation without a locale, otherwise made once per process
/// the first time a long list of that direction is sorted);
/// any other line gets its own collation key. Either way the order is the collator's.
class CollatedLines {
public:
    explicit CollatedLines(QCollator collator);

    void clear();
    void append(const QString &line);
    /// A line a search of the program's table gave for `tableEntry`: its place is known without
    /// looking the line up.
    void append(const QString &line, std::size_t tableEntry);
    /// Stable: lines that compare equal keep the order in which they were added.
    void sort();

    qsizetype size() const { return static_cast<qsizetype>(m_items.size()); }
    const QString &at(qsizetype i) const { return m_items[static_cast<std::size_t>(i)].text; }
    QStringList lines() const;

private:
    struct Item {
        QString text;
        /// The table entry that gives the line, per direction, looked up where the table's order
        /// is kept.
        std::array<std::uint16_t, 2> entries;
        /// Made at the first sort that needs it, then kept.
        std::optional<QCollatorSortKey> key;
    };
    /// Whether the table gives every line in the direction (0 or 1, as TranslationDirection).
    bool allFromTable(std::size_t direction);
    /// Sorts by the table's order where every line has a place in it; false when not.
    bool sortByPlaces();

    QCollator m_collator;
    std::vector<Item> m_items;
    /// The direction the lines were last found in.
    std::size_t m_direction = 0;
};

/// Lets the lists of this process take the table's order of its lines (see CollatedLines), for a
/// program that sorts long lists again and again: the windows. A tool that sorts one list and
/// exits does not call it, as making that order costs more than the keys of one list.
void keepTableLineOrder();

/// The place of each entry's line in a direction among all the table's lines, in the collator's
/// order (equal lines share a place), made now: what the lists' order of table lines is made of.
std::vector<std::uint16_t> orderOfTableLines(TranslationDirection direction, const QCollator &collator);

/// A list this long is worth the table's order: below it, keys of its own lines cost less than
/// the order of all the table's lines that is made the first time.
inline constexpr std::size_t kTableOrderMinimumLines = 512;

} // namespace slovnik

#pragma once

// The one alphabetical order of the program's lists, shared by the windows and the tool.
// It follows the collation of the user's locale; without a locale ("C"/POSIX) it is Czech, so
// that "ch" comes after "h" and "č" after "c" as a Czech reader expects.

#include <QCollator>
#include <QLocale>
#include <QStringList>

#include <vector>

namespace slovnik {

/// The locale whose collation the lists use: the user's, or Czech where none is set.
QLocale listLocale();

/// Result lines and word offers: alphabetical without regard to letter case.
QCollator resultLineCollator();

/// Rows of the word list: alphabetical, letter case taken into account.
QCollator wordListCollator();

/// A list of lines that is sorted again and again as lines are added (a result list fills over
/// several search runs and sorts after each): each line's sort key is made once, when it comes.
class CollatedLines {
public:
    explicit CollatedLines(QCollator collator);

    void clear();
    void append(const QString &line);
    /// Stable: lines that compare equal keep the order in which they were added.
    void sort();

    qsizetype size() const { return static_cast<qsizetype>(m_items.size()); }
    const QString &at(qsizetype i) const { return m_items[static_cast<std::size_t>(i)].text; }
    QStringList lines() const;

private:
    struct Item {
        QString text;
        QCollatorSortKey key;
    };
    QCollator m_collator;
    std::vector<Item> m_items;
};

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// StringGrid1 of the translator: one column of words with the word boxes standing level with its
// rows, so every row has a fixed pitch and the grid never scrolls by itself.

#include <QTableWidget>

namespace slovnik {

/// A 21-pixel row and the 1-pixel grid line below it: the distance from one word to the next.
inline constexpr int RowPitch = 22;
/// The flat border around the grid, on each side.
inline constexpr int kGridBorder = 1;

/// The height that shows `rows` rows whole, border included: RowPitch × rows + 2.
constexpr int gridHeightFor(int rows)
{
    return RowPitch * rows + 2 * kGridBorder;
}

/// One column, no headers, a flat border, not editable, no scroll bars of its own. Always holds at
/// least one row: no words is one empty row.
class WordGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit WordGrid(QWidget *parent = nullptr);

    /// One row per word, in order; an empty list leaves one empty row.
    void setWords(const QStringList &words);

    /// The cell of column 0 in `row` (rows count from 0); empty for a row without a word.
    QString word(int row) const;

protected:
    /// The grid never scrolls itself: the scroll box around it follows the current row.
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
};

} // namespace slovnik

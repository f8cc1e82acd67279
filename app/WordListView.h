// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// ListView1, the word list: pairs of words the learner chose, two columns without headers, kept
// in the order of their first column (letter case counts).

#include <QCollator>
#include <QTableWidget>

#include <optional>

namespace slovnik {

class WordListView final : public QTableWidget {
    Q_OBJECT
public:
    explicit WordListView(QWidget *parent = nullptr);

    /// Adds a row at its place in the order; `other` may be absent (a row of one word).
    /// Returns the row's position (LastAddedRow).
    int addRow(const QString &word, const std::optional<QString> &other);

    /// Column 1's text of a row, and column 2's when the row has one.
    QString wordAt(int row) const;
    std::optional<QString> otherAt(int row) const;

    /// The selected row, or -1.
    int selectedRow() const;

    /// Whether a point `x` pixels from the left of the list's view lies right of column 1. The view
    /// never scrolls sideways, so x is taken as it is.
    bool rightOfFirstColumn(int x) const;

Q_SIGNALS:
    /// A mouse button was pressed over the list, after the list took the focus and moved (or
    /// cleared) the selection; x in the list's client area.
    void pressedAt(int x);

protected:
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    /// The columns keep the design's widths, taken from the list's outer width.
    void resizeEvent(QResizeEvent *event) override;
    void updateGeometries() override;

private:
    void fitRowsToTheFont();

    void ListView1Resize();

    QCollator m_order;
};

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// ComboBox2, the result chooser: the sorted result lines of the current query, each drawn in two
// columns. The query run fills it through the engine's ResultList; only a change of the chosen
// line by the user is reported.

#include "common/ListOrder.h"
#include "common/ResultLineText.h"
#include "engine/QueryRun.h"

#include <QAbstractListModel>
#include <QComboBox>
#include <QStyledItemDelegate>

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace slovnik {

/// Draws one result line into its rectangle: background, the left text at left + 2, the right
/// text at (left + width) / 2, rounded down: half the x of the rectangle's right edge, which is
/// the middle of the line only when the rectangle starts at 0.
void ComboBox2DrawItem(QPainter &painter, const QRect &rect, const QString &line, const QPalette &palette,
                       bool selected);

/// The lines, kept as the list box keeps them: unsorted while a scan adds, sorted when sorting is
/// switched back on. Views learn of the new lines when redrawing resumes.
class ResultLineModel final : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ResultLineModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    void clear();
    void beginBatch();
    /// `tableEntry`: the entry of the program's table that gave the line, where a search said so.
    void append(const QString &line, std::optional<std::size_t> tableEntry = std::nullopt);
    void sort();
    void endBatch();

private:
    CollatedLines m_lines{resultLineCollator()};
    bool m_inBatch = false;
};

class ResultChooser final : public QComboBox, public ResultList {
    Q_OBJECT
public:
    static constexpr int kLineHeight = 15;
    static constexpr int kMinimumHeight = 22;

    explicit ResultChooser(QWidget *parent = nullptr);

    void clearLines() override;
    void setSorted(bool sorted) override;
    void setRedrawSuspended(bool suspended) override;
    void addLine(std::string_view line) override;
    void addHit(std::size_t entry, std::string_view line) override;
    void selectFirstLine() override;

    /// The chosen line's text; empty when no line is chosen.
    QString chosenLine() const;
    /// The lines in the table's encoding, as the query run gave them and in that order (not the
    /// list's), for the rules that compare them with the engine's words.
    std::span<const std::string> givenLines() const { return m_givenLines; }

    /// Opens the list below the box, at most eight lines high, whatever the style.
    void showPopup() override;

Q_SIGNALS:
    /// The user chose a line: a click in the list, an arrow key, a letter. Never the query run.
    void lineChosenByUser();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void addLineOf(std::string_view line, std::optional<std::size_t> tableEntry);

    ResultLineModel *m_model;
    std::vector<std::string> m_givenLines;
    bool m_sorting = true;
    bool m_listStyleSet = false;
};

} // namespace slovnik

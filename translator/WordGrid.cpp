// SPDX-License-Identifier: GPL-2.0-or-later
#include "translator/WordGrid.h"

#include <QHeaderView>
#include <QScrollArea>

namespace slovnik {

namespace {
constexpr int kDefaultColWidth = 129;
}

WordGrid::WordGrid(QWidget *parent) : QTableWidget(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(kGridBorder);
    // The cell comes after the headers are hidden: a visible header measures its sections in the
    // bold face, which would load a font file that nothing shows.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setRowCount(1);
    setColumnCount(1);
    // Hidden, the header still names the column to a screen reader.
    setHorizontalHeaderLabels({QStringLiteral("Slovo")});
    horizontalHeader()->setDefaultSectionSize(kDefaultColWidth);
    // Qt counts the grid line into the row, so a section of RowPitch is the 21-pixel row and its
    // line; the minimum must allow it, whatever the font.
    verticalHeader()->setMinimumSectionSize(RowPitch);
    verticalHeader()->setDefaultSectionSize(RowPitch);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // The scroll box around the grid scrolls it together with the word boxes.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    // Tab leaves the grid for the next control instead of walking its cells.
    setTabKeyNavigation(false);
}

void WordGrid::setWords(const QStringList &words)
{
    clearContents();
    setRowCount(std::max<int>(1, static_cast<int>(words.size())));
    for (int row = 0; row < words.size(); ++row)
        setItem(row, 0, new QTableWidgetItem(words[row]));
}

QString WordGrid::word(int row) const
{
    const QTableWidgetItem *const cell = item(row, 0);
    return cell ? cell->text() : QString();
}

void WordGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableWidget::currentChanged(current, previous);
    if (!current.isValid())
        return;
    QWidget *ancestor = parentWidget();
    while (ancestor && !qobject_cast<QScrollArea *>(ancestor))
        ancestor = ancestor->parentWidget();
    auto *const area = qobject_cast<QScrollArea *>(ancestor);
    if (!area || !area->widget())
        return;
    const QRect row = visualRect(current);
    const QPoint middle = viewport()->mapTo(area->widget(), row.center());
    area->ensureVisible(middle.x(), middle.y(), 0, row.height() / 2 + kGridBorder);
}

} // namespace slovnik

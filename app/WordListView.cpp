// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/WordListView.h"

#include "common/ListOrder.h"

#include "controls/FocusFrame.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace slovnik {
namespace {

constexpr int kColumns = 2;
// Above and below a row's text, grid line included.
constexpr int kRowPadding = 4;
// Column 2 ends this far short of the list's outer width.
constexpr int kColumnGap = 4;

} // namespace

WordListView::WordListView(QWidget *parent) : QTableWidget(parent), m_order(wordListCollator())
{
    // The columns come after the headers are hidden: a visible header measures its sections in
    // the bold face, which would load a font file that nothing shows.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setColumnCount(kColumns);
    // Hidden, the header still names the columns to a screen reader.
    setHorizontalHeaderLabels({QStringLiteral("Slovo"), QStringLiteral("Překlad")});
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    fitRowsToTheFont();
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab and Shift+Tab follow the window's tab order instead of walking the cells.
    setTabKeyNavigation(false);
    viewport()->setCursor(Qt::PointingHandCursor);
}

int WordListView::addRow(const QString &word, const std::optional<QString> &other)
{
    // After the last row that does not sort after the word: equal words keep the order of adding.
    int low = 0;
    int high = rowCount();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (m_order.compare(word, wordAt(middle)) < 0)
            high = middle;
        else
            low = middle + 1;
    }
    insertRow(low);
    setItem(low, 0, new QTableWidgetItem(word));
    if (other)
        setItem(low, 1, new QTableWidgetItem(*other));
    return low;
}

void WordListView::fitRowsToTheFont()
{
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + kRowPadding);
}

void WordListView::changeEvent(QEvent *event)
{
    QTableWidget::changeEvent(event);
    // The list is made before its window has set its face: the rows follow the face it draws in.
    if (event->type() == QEvent::FontChange)
        fitRowsToTheFont();
}

QString WordListView::wordAt(int row) const
{
    const QTableWidgetItem *cell = item(row, 0);
    return cell ? cell->text() : QString();
}

std::optional<QString> WordListView::otherAt(int row) const
{
    const QTableWidgetItem *cell = item(row, 1);
    return cell ? std::optional<QString>(cell->text()) : std::nullopt;
}

int WordListView::selectedRow() const
{
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    return ranges.isEmpty() ? -1 : ranges.front().topRow();
}

bool WordListView::rightOfFirstColumn(int x) const
{
    return x > columnViewportPosition(1);
}

void WordListView::mousePressEvent(QMouseEvent *event)
{
    QTableWidget::mousePressEvent(event);
    // Below the last row a press leaves nothing selected.
    if (!indexAt(event->position().toPoint()).isValid())
        clearSelection();
    Q_EMIT pressedAt(event->position().toPoint().x());
}

void WordListView::paintEvent(QPaintEvent *event)
{
    QTableWidget::paintEvent(event);
    // The current cell shows the focus; with no cell to show it, an empty list shows it around
    // the whole view.
    if (hasFocus() && !currentIndex().isValid()) {
        QPainter painter(viewport());
        drawFocusFrame(painter, *this, viewport()->rect());
    }
}

void WordListView::resizeEvent(QResizeEvent *event)
{
    QTableWidget::resizeEvent(event);
    ListView1Resize();
}

void WordListView::ListView1Resize()
{
    // The design's widths, from the list's outer width whether or not the vertical scroll bar
    // shows: the bar stands over the end of column 2, which words never reach, and a click at the
    // same x always takes the same column.
    const int first = width() / 2;
    setColumnWidth(0, first);
    setColumnWidth(1, std::max(0, width() - first - kColumnGap));
}

void WordListView::updateGeometries()
{
    QTableWidget::updateGeometries();
    // The columns run under the vertical scroll bar; a click there must not move the view sideways.
    horizontalScrollBar()->setRange(0, 0);
}

} // namespace slovnik

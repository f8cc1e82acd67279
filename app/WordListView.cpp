#include "WordListView.h"

#include "ListOrder.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace slovnik {
namespace {

constexpr int kColumns = 2;
constexpr int kColumnGap = 4;

} // namespace

WordListView::WordListView(QWidget *parent) : QTableWidget(0, kColumns, parent), m_order(wordListCollator())
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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

void WordListView::mousePressEvent(QMouseEvent *event)
{
    QTableWidget::mousePressEvent(event);
    // Below the last row a press leaves nothing selected.
    if (!indexAt(event->position().toPoint()).isValid())
        clearSelection();
    Q_EMIT pressedAt(event->position().toPoint().x());
}

void WordListView::resizeEvent(QResizeEvent *event)
{
    QTableWidget::resizeEvent(event);
    ListView1Resize();
}

void WordListView::ListView1Resize()
{
    const int outer = width();
    const int first = outer / 2;
    setColumnWidth(0, first);
    setColumnWidth(1, std::max(0, outer - first - kColumnGap));
}

} // namespace slovnik

#include "app/WordListView.h"

#include "common/ListOrder.h"

#include "controls/WindowParts.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>

namespace slovnik {
namespace {

constexpr int kColumns = 2;
// Above and below a row's text, grid line included.
constexpr int kRowPadding = 4;

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

bool WordListView::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Resize)
        ListView1Resize();
    return QTableWidget::viewportEvent(event);
}

void WordListView::ListView1Resize()
{
    // Within the view, inside the frame and beside the vertical scroll bar: columns as wide as the
    // list itself would run under the bar and make the view scroll sideways on a click.
    const int view = viewport()->width();
    const int first = view / 2;
    setColumnWidth(0, first);
    setColumnWidth(1, view - first);
}

} // namespace slovnik

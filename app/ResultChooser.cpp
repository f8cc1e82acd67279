// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ResultChooser.h"

#include "controls/DropDownBoxes.h"
#include "text/Cp1250.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace slovnik {
namespace {

constexpr int kLeftTextIndent = 2;

class ResultLineDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        ComboBox2DrawItem(*painter, option.rect, index.data(Qt::DisplayRole).toString(), option.palette,
                          option.state.testFlag(QStyle::State_Selected));
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), ResultChooser::kLineHeight};
    }
};

// Styles that open a non-editable box's list over the box ignore the visible-line limit; the plain
// drop-down list below the box keeps to it. A style sheet would say the same, but it would also
// fix the box's font before the window has set its own.
class ListBelowTheBoxStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        return hint == SH_ComboBox_Popup ? 0 : QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

void ComboBox2DrawItem(QPainter &painter, const QRect &rect, const QString &line, const QPalette &palette,
                       bool selected)
{
    const DrawnColumns columns = resultLineColumns(line);
    painter.save();
    painter.fillRect(rect, palette.color(selected ? QPalette::Highlight : QPalette::Base));
    painter.setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const int baseline = rect.top() + painter.fontMetrics().ascent();
    // QRect::right() is the last pixel inside the rectangle; the right column starts at half the
    // edge just past it, left + width, so that its place does not shift by a pixel with the width.
    const int right = rect.left() + rect.width();
    painter.drawText(QPoint(rect.left() + kLeftTextIndent, baseline), columns.left);
    painter.drawText(QPoint(right / 2, baseline), columns.right);
    painter.restore();
}

ResultLineModel::ResultLineModel(QObject *parent) : QAbstractListModel(parent) { }

int ResultLineModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

QVariant ResultLineModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.size()
        || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_lines.at(index.row());
}

void ResultLineModel::clear()
{
    if (m_inBatch) {
        m_lines.clear();
        return;
    }
    beginResetModel();
    m_lines.clear();
    endResetModel();
}

void ResultLineModel::beginBatch()
{
    if (m_inBatch)
        return;
    m_inBatch = true;
    beginResetModel();
}

void ResultLineModel::append(const QString &line, std::optional<std::size_t> tableEntry)
{
    const auto add = [&] {
        if (tableEntry)
            m_lines.append(line, *tableEntry);
        else
            m_lines.append(line);
    };
    if (m_inBatch) {
        add();
        return;
    }
    const int row = static_cast<int>(m_lines.size());
    beginInsertRows({}, row, row);
    add();
    endInsertRows();
}

void ResultLineModel::sort()
{
    if (m_inBatch) {
        m_lines.sort();
        return;
    }
    beginResetModel();
    m_lines.sort();
    endResetModel();
}

void ResultLineModel::endBatch()
{
    if (!m_inBatch)
        return;
    m_inBatch = false;
    endResetModel();
}

ResultChooser::ResultChooser(QWidget *parent) : QComboBox(parent), m_model(new ResultLineModel(this))
{
    // Every keystroke sorts a list here, one letter's thousands of lines among them.
    keepTableLineOrder();
    setModel(m_model);
    setEditable(false);
    setMaxVisibleItems(kVisibleListLines);
    setItemDelegate(new ResultLineDelegate(this));
    setMinimumHeight(kMinimumHeight);
    // activated comes from the user alone: a click on a line of the list, the same line
    // included, or an arrow key or letter that moves the choice on the closed box.
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index >= 0)
            Q_EMIT lineChosenByUser();
    });
}

void ResultChooser::showPopup()
{
    // Set for the first opening, not at start-up: the proxy makes an instance of the application's
    // style of its own, a cost the closed box never needs.
    if (!m_listStyleSet) {
        auto *const style = new ListBelowTheBoxStyle;
        style->setParent(this);
        setStyle(style);
        // The list was made in the application's style, which scrolls it by arrows at its ends
        // and hides that there are more lines than it shows.
        view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        m_listStyleSet = true;
    }
    QComboBox::showPopup();
}

void ResultChooser::clearLines()
{
    m_model->clear();
    m_givenLines.clear();
    setCurrentIndex(-1);
}

void ResultChooser::setSorted(bool sorted)
{
    if (sorted && !m_sorting)
        m_model->sort();
    m_sorting = sorted;
}

void ResultChooser::setRedrawSuspended(bool suspended)
{
    if (suspended) {
        setUpdatesEnabled(false);
        m_model->beginBatch();
    } else {
        m_model->endBatch();
        setUpdatesEnabled(true);
    }
}

void ResultChooser::addLine(std::string_view line)
{
    addLineOf(line, std::nullopt);
}

void ResultChooser::addHit(std::size_t entry, std::string_view line)
{
    addLineOf(line, entry);
}

void ResultChooser::addLineOf(std::string_view line, std::optional<std::size_t> tableEntry)
{
    m_model->append(fromCp1250(line), tableEntry);
    m_givenLines.emplace_back(line);
    if (m_sorting)
        m_model->sort();
}

void ResultChooser::selectFirstLine()
{
    setCurrentIndex(count() > 0 ? 0 : -1);
}

QString ResultChooser::chosenLine() const
{
    return currentIndex() >= 0 ? currentText() : QString();
}

void ResultChooser::paintEvent(QPaintEvent *)
{
    // The closed box's face shows the chosen line in the same two columns as the list.
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field
        = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    if (currentIndex() < 0)
        return;
    // The design draws a line at the top of its rectangle, which in the list is as tall as the
    // text. The closed box's field is taller: the line stands in it where the query box beside it
    // puts its own text, centred, so that both stand on one baseline.
    const bool selected = hasFocus();
    painter.fillRect(field, palette().color(selected ? QPalette::Highlight : QPalette::Base));
    const int textTop = field.top() + (field.height() - fontMetrics().height() + 1) / 2;
    ComboBox2DrawItem(painter, QRect(field.left(), textTop, field.width(), field.bottom() + 1 - textTop),
                      currentText(), palette(), selected);
}

} // namespace slovnik

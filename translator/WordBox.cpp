// SPDX-License-Identifier: GPL-2.0-or-later
#include "translator/WordBox.h"

#include "controls/DropDownBoxes.h"
#include "controls/ReadableColours.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>

namespace slovnik {

WordBox::WordBox(QWidget *parent) : QComboBox(parent)
{
    // Made editable through its own line edit: setEditable would also build the list's popup
    // window, which a column of 128 boxes would hold 128 times though the learner opens a few.
    setLineEdit(new QLineEdit(this));
    // The offers are the dictionary's; what the user types only changes the box's text.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(kVisibleListLines);
    // The column scrolls under the pointer; a box passed over keeps its choice.
    changeOnlyWhenFocusedByWheel(*this);
    // Placeholders and suggestions are grey, but readable.
    QPalette palette = this->palette();
    palette.setColor(QPalette::PlaceholderText, readableGrey(palette));
    setPalette(palette);
    // A line longer than the box shows where it begins ("i don't understand = ..."), not its end.
    connect(this, &QComboBox::currentIndexChanged, this, &WordBox::showBeginning);
    // Return on a line puts it into the box again, with the cursor at its end.
    connect(lineEdit(), &QLineEdit::returnPressed, this, &WordBox::showBeginning);
    // Qt gives the text the box's palette when it makes the list, which it does only when the list
    // is first needed: a tentative line must stay grey all the same.
    lineEdit()->installEventFilter(this);
}

void WordBox::showTentative(bool tentative)
{
    m_tentative = tentative;
    paintText();
}

void WordBox::paintText()
{
    QPalette palette = this->palette();
    if (m_tentative)
        palette.setBrush(QPalette::Text, palette.brush(QPalette::PlaceholderText));
    lineEdit()->setPalette(palette);
}

bool WordBox::eventFilter(QObject *watched, QEvent *event)
{
    if (m_tentative && watched == lineEdit() && event->type() == QEvent::PaletteChange
        && lineEdit()->palette().brush(QPalette::Text) != palette().brush(QPalette::PlaceholderText))
        paintText();
    return QComboBox::eventFilter(watched, event);
}

void WordBox::showBeginning()
{
    lineEdit()->setCursorPosition(0);
}

void WordBox::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    // Tab selects the whole text with the cursor at its end; selected from its end back to its
    // start, it is replaced by typing all the same, and the box shows its beginning.
    QLineEdit *const edit = lineEdit();
    const qsizetype length = edit->text().size();
    if (length > 0 && edit->selectedText().size() == length)
        edit->setSelection(static_cast<int>(length), -static_cast<int>(length));
}

void WordBox::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    showBeginning();
}

void WordBox::setName(const QString &name)
{
    setAccessibleName(name);
    lineEdit()->setAccessibleName(name);
    // A screen reader walks into the list before it is opened, and that makes it.
    if (QAccessible::isActive())
        view()->setAccessibleName(name);
}

void WordBox::showPopup()
{
    QAbstractItemView *const list = view();
    // The list is made on its first opening, so it is named then.
    list->setAccessibleName(accessibleName());
    // Editable, it scrolls with a bar, as long lists of offers need.
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    const int longest
        = list->sizeHintForColumn(0) + 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width();
    const QScreen *const shown = screen();
    const int screenWidth = shown ? shown->availableGeometry().width() : longest;
    list->setMinimumWidth(std::min(std::max(width(), longest), screenWidth));
    QComboBox::showPopup();
}

} // namespace slovnik

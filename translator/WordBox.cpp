// SPDX-License-Identifier: GPL-2.0-or-later
#include "translator/WordBox.h"

#include "controls/DropDownBoxes.h"
#include "controls/ReadableColours.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>

namespace slovnik {

WordBox::WordBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
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

void WordBox::showPopup()
{
    QAbstractItemView *const list = view();
    const int longest
        = list->sizeHintForColumn(0) + 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width();
    const QScreen *const shown = screen();
    const int screenWidth = shown ? shown->availableGeometry().width() : longest;
    list->setMinimumWidth(std::min(std::max(width(), longest), screenWidth));
    QComboBox::showPopup();
}

} // namespace slovnik

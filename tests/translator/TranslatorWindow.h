// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Ways to read a shown translator's grid and word boxes, beside the window and the splits the
// benchmarks share; the buttons are driven through the shared user actions.

#include "support/NamedControls.h"
#include "support/TranslatorWindow.h"
#include "tests/support/UserActions.h"
#include "translator/Trans.h"
#include "translator/WordGrid.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QtTest>

namespace slovnik::transtest {

using namespace slovnik::support;

/// Presses the button that joins the boxes into the sentence, and reads the translated text box.
inline QString sentence(TTransForm &form)
{
    click(named<TEx3DButton>(form, "FromListBtn"));
    return named<QPlainTextEdit>(form, "Memo2")->toPlainText();
}

inline QStringList gridWords(const TTransForm &form)
{
    QStringList words;
    for (int row = 0; row < named<WordGrid>(form, "StringGrid1")->rowCount(); ++row)
        words.append(named<WordGrid>(form, "StringGrid1")->word(row));
    return words;
}

/// An offer shown in italics is not one of the word's own: a base-form offer or a suggestion.
inline bool isSuggestion(const QComboBox &box, int i)
{
    return box.itemData(i, Qt::FontRole).value<QFont>().italic();
}

/// The word's own offers, suggestions left out.
inline QStringList offersOf(const QComboBox &box)
{
    QStringList offers;
    for (int i = 0; i < box.count(); ++i) {
        if (!isSuggestion(box, i))
            offers.append(box.itemText(i));
    }
    return offers;
}

inline QStringList suggestionsOf(const QComboBox &box)
{
    QStringList suggestions;
    for (int i = 0; i < box.count(); ++i) {
        if (isSuggestion(box, i))
            suggestions.append(box.itemText(i));
    }
    return suggestions;
}

inline QStringList boxTexts(const TTransForm &form)
{
    QStringList texts;
    for (const QComboBox *box : wordBoxes(form))
        texts.append(box->currentText());
    return texts;
}

} // namespace slovnik::transtest

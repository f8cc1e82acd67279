// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// A shown translator window as the program makes it, and ways to read its grid and word boxes;
// the buttons are driven through the shared user actions.

#include "controls/Icons.h"
#include "controls/ImageList.h"
#include "tests/support/NamedControls.h"
#include "tests/support/UserActions.h"
#include "translator/Trans.h"
#include "translator/WordGrid.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QtTest>

namespace slovnik::transtest {

using namespace slovnik::testing;

/// The window with a flag list of its own that outlives it, shown on the offscreen screen. Its
/// offers come from `table`: the program's own unless the test brings a small one.
struct TranslatorWindow {
    QObject flagOwner;
    ImageList *const flags = createFlagImages(&flagOwner);
    TTransForm form;

    explicit TranslatorWindow(std::span<const DictionaryEntry> table = DictionaryTable) : form(flags, table)
    {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }
};

/// Lets the scroll area show or hide its scroll bars, which it does from its event loop, and the
/// word boxes follow the width of the view that is left.
inline void settle()
{
    QCoreApplication::processEvents();
}

/// Puts the text into the source box and presses the button that fills the grid.
inline void split(TTransForm &form, const QString &text)
{
    named<QPlainTextEdit>(form, "Memo1")->setPlainText(text);
    click(named<TEx3DButton>(form, "ToListBtn"));
    settle();
}

/// Splits the text into the grid and presses the button that fills the boxes with offers.
inline void translate(TTransForm &form, const QString &text)
{
    split(form, text);
    click(named<TEx3DButton>(form, "TransBtn"));
}

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
    for (const QComboBox *box : form.WordBoxes())
        texts.append(box->currentText());
    return texts;
}

} // namespace slovnik::transtest

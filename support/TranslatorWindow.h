// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The translator window as the program makes it, shown, and what a user does to fill its grid:
// the tests, the benchmarks and the screenshot tool set it up alike.

#include "engine/Dic.h"
#include "translator/Trans.h"

#include <QList>
#include <QObject>
#include <QString>

#include <span>

class QComboBox;

namespace slovnik::support {

/// The window with a flag list of its own that outlives it, shown. Its offers come from `table`:
/// the program's own unless the caller brings a small one.
struct TranslatorWindow {
    QObject flagOwner;
    ImageList *const flags;
    TTransForm form;

    explicit TranslatorWindow(std::span<const DictionaryEntry> table = DictionaryTable);
};

/// Lets the scroll area show or hide its scroll bars, which it does from its event loop, and the
/// word boxes follow the width of the view that is left.
void settle();

/// Puts the text into the source box and presses the button that fills the grid.
void split(TTransForm &form, const QString &text);

/// Splits the text into the grid and presses the button that fills the boxes with offers.
void translate(TTransForm &form, const QString &text);

/// The word boxes of the last split from the top down: box k - 1 stands beside grid row k - 1.
QList<QComboBox *> wordBoxes(const TTransForm &form);

/// The words of the last split: one box each, 0 to MaxWords.
int wordCount(const TTransForm &form);

} // namespace slovnik::support

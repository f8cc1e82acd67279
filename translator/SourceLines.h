// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What the translator splits: the lines of its source text box as they were typed or pasted.

#include <QStringList>

class QPlainTextEdit;

namespace slovnik {

/// The lines of `box`, first to last, ended only by the line breaks of the text itself. Where the
/// box wraps a line at its width is left out: a soft wrap never splits a word, so the words do not
/// depend on the width of the window. An empty box gives one empty line. Changes no text.
QStringList sourceLines(const QPlainTextEdit &box);

} // namespace slovnik

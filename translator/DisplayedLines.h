#pragma once

// What the translator splits: the lines of its source text box as the box shows them.

#include <QStringList>

class QPlainTextEdit;

namespace slovnik {

/// The lines of `box` as it shows them, first to last: each paragraph broken where the box wraps
/// it at its current width, so a word cut by the wrap ends one line and begins the next. An empty
/// box gives one empty line. Lays out the paragraphs not laid out yet; changes no text.
QStringList displayedLines(const QPlainTextEdit &box);

} // namespace slovnik

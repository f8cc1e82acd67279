// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The result-line rules of engine/ResultLine.h on the windows' Unicode text. The text may be
// anything the user typed or pasted, so it is split as it is, never through Windows-1250.

#include <QString>

namespace slovnik {

/// A result line's word and other word; `other` is empty for a line without "=".
struct LineWords {
    QString word;
    QString other;
};
LineWords lineWords(const QString &line);

/// What the Copy button puts on the clipboard: takenText of the text.
QString takenText(const QString &text);

/// The result chooser's two drawn columns: the text before " =" on the left, and from the "=" on
/// (at most kMaxDrawnRightLength characters) on the right; a line without "=" is all left.
struct DrawnColumns {
    QString left;
    QString right;
};
DrawnColumns resultLineColumns(const QString &line);

} // namespace slovnik

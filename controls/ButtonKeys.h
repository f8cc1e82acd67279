// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The keys of the strip buttons, alike in the dictionary window and the translator. None is a key
// the text boxes take for themselves (Ctrl+C, Ctrl+V and the like stay theirs), and the same
// command has the same key in both windows.

#include <QKeyCombination>

namespace slovnik {

/// Puts the source text into the grid: Ctrl+Return, the key that sends what a multi-line box holds.
inline constexpr QKeyCombination kSplitKey{Qt::CTRL | Qt::Key_Return};
/// Translates the grid's words: Ctrl+R, the key that fetches a view's content again.
inline constexpr QKeyCombination kTranslateKey{Qt::CTRL | Qt::Key_R};
/// Builds the sentence from the boxes.
inline constexpr QKeyCombination kBuildKey{Qt::CTRL | Qt::Key_B};
/// The copy button's copy, which is not the text box's own Ctrl+C: as translators copy a
/// translation.
inline constexpr QKeyCombination kCopyKey{Qt::CTRL | Qt::SHIFT | Qt::Key_C};
/// Swaps the languages, as web translators do.
inline constexpr QKeyCombination kDirectionKey{Qt::CTRL | Qt::SHIFT | Qt::Key_S};

} // namespace slovnik

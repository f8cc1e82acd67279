// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The strip of image buttons along the top of the dictionary window and the translator, built
// alike for both from the design's rows: the buttons of a window's own, the direction button with
// its flag, and the speaker button. The button square and the direction button's look are
// written here once; a window names only its rows, its strip's height and its handlers.

#include "controls/Ex3DButton.h"
#include "engine/Direction.h"

#include <QKeyCombination>
#include <QWidget>

#include <span>

namespace slovnik {

class ImageList;

/// Every strip button stands at top 1 and is as high as the square; most are square.
inline constexpr int kStripButtonTop = 1;
inline constexpr int kStripButtonSquare = 22;

/// One image button of a strip, as the design places it.
struct StripButtonDesign {
    const char *name; ///< the design's name, the button's object name
    int left;
    int image; ///< index into the image list the button shows
    const char16_t *hint; ///< tool tip and accessible name; empty for none
    const char16_t *caption = u"";
    int width = kStripButtonSquare;
};

/// A design row and what a click on its button runs.
template <class Window> struct StripButton {
    StripButtonDesign design;
    void (Window::*clicked)();
};

/// Creates a button as `design` places it on `parent` (a strip or a panel of one), showing
/// `images` (not owned), with the hand-point cursor. Its accessible name is its hint, or its
/// caption when it has none.
TEx3DButton *addStripButton(QWidget *parent, ImageList *images, const StripButtonDesign &design);

/// The image of the flag images that a direction button shows for `direction`.
int flagOf(TranslationDirection direction);

class ButtonStrip : public QWidget {
    Q_OBJECT
public:
    /// An empty strip named `name`, `height` high; the window keeps it as wide as itself.
    ButtonStrip(const char *name, int height, QWidget *parent);

    /// Adds a button for each row, showing `images` (not owned); a click runs the row's handler.
    template <class Window>
    void addButtons(std::span<const StripButton<Window>> rows, ImageList *images, Window *window)
    {
        for (const StripButton<Window> &row : rows)
            connect(addStripButton(this, images, row.design), &TEx3DButton::clicked, window, row.clicked);
    }

    /// Adds LangBtn at `left`: the flag of the direction shown from `flags` (not owned), which is
    /// CzechToEnglish until showDirection says otherwise; a click runs `clicked`.
    template <class Window>
    void addDirectionButton(int left, ImageList *flags, Window *window, void (Window::*clicked)())
    {
        connect(addDirectionButton(left, flags), &TEx3DButton::clicked, window, clicked);
    }
    void showDirection(TranslationDirection direction);

    /// Gives the strip's button `name` a key that presses it from anywhere in its window. A screen
    /// reader names the key with the button's description; the hint stays as the button has it.
    void giveKey(const char *name, QKeyCombination key);

private:
    TEx3DButton *addDirectionButton(int left, ImageList *flags);

    TEx3DButton *m_directionButton = nullptr;
};

} // namespace slovnik

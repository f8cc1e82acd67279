// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Watching the X11 primary selection: while on, a word or a short phrase that the learner selects
// in another program is looked up as the paste button looks one up, and the dictionary window
// comes to the front without taking the focus from where the learner reads. Off at every start,
// saved nowhere. Wayland hands the selection only to the focused program, so there is nothing to
// watch; a key bound to `slovnik-cli show` is the way there.

#include <QObject>
#include <QString>
#include <QTimer>

namespace slovnik {

/// The most words a watched selection may have; a longer one is a passage, not a word to look up.
inline constexpr int kMostWatchedWords = 4;

/// The words of a selection: 1 to kMostWatchedWords of them, else none (a blank text, a
/// passage). The selection is read only up to a little past what so many words could take.
bool isWatchedSelection(const QString &selection);

class SelectionWatch : public QObject {
    Q_OBJECT
public:
    explicit SelectionWatch(QObject *parent = nullptr);

    /// Whether the platform hands other programs' selections to this one (X11 does).
    static bool available();

    void setWatching(bool watching);

Q_SIGNALS:
    /// A selection of another program to look up.
    void selected(const QString &text);

private:
    void selectionChanged();
    void readSelection();

    bool m_watching = false;
    // A selection being dragged changes many times; it is read once it has stood still.
    QTimer m_settle;
};

} // namespace slovnik

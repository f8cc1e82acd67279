// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The speaker button that reads English aloud, alike in the dictionary window's strip and the
// translator's: an image button with its own picture, and a key that does the same from anywhere
// in its window. Both are offered while the speaker can speak; once it has found no voice or no
// audio output they are disabled, and the hint says why, until an output appears.
//
// While the button's reading goes on it is drawn held down; a second press or Escape stops it, and
// so does hiding the window. Where its window has nothing English to read, a press crosses out the
// button's sound waves until the learner does something else in the window, and shows the hint,
// which then says why.

#include "common/SpokenText.h"

#include <QKeyCombination>
#include <QObject>
#include <QString>

#include <functional>

class QShortcut;
class QWidget;

namespace slovnik {

class ImageList;
class Speaker;
class TEx3DButton;

class SpeakerButton : public QObject {
    Q_OBJECT
public:
    /// Reads aloud in either window; no other control of the windows takes it.
    static constexpr QKeyCombination kKey{Qt::CTRL | Qt::Key_P};
    /// Stops the reading of the window.
    static constexpr QKeyCombination kStopKey{Qt::Key_Escape};

    /// Adds the button to `strip` at `left`, with `hint` followed by the key, and the key to the
    /// strip's window. Both stay disabled until a speaker is connected.
    SpeakerButton(QWidget *strip, int left, const char16_t *hint);

    /// From now on the button and the key read `text()` aloud through `speaker`, which outlives
    /// the window.
    void connectSpeaker(Speaker &speaker, std::function<TextToSpeak()> text);

    /// Silences this button's reading, if it is going on.
    void stopReading();

    TEx3DButton *button() const { return m_button; }
    QShortcut *shortcut() const { return m_shortcut; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void speak();
    bool reading() const;
    void showReading();
    /// The crossed-out picture, until the next key or click in the window.
    void showNothingToRead();
    void clearNothingToRead();
    void showAvailability();
    /// The hint as it stands: the availability's reason, or why there is nothing to read.
    QString currentHint() const;

    ImageList *m_images;
    TEx3DButton *m_button;
    QShortcut *m_shortcut;
    QShortcut *m_stopShortcut;
    QString m_hint;
    bool m_nothingToRead = false;
    Speaker *m_speaker = nullptr;
    std::function<TextToSpeak()> m_text;
};

} // namespace slovnik

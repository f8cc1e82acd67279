#pragma once

// The speaker button that reads English aloud, alike in the dictionary window's strip and the
// translator's: an image button with its own picture, and a key that does the same from anywhere
// in its window. Both are offered while the speaker can speak; once it has found no voice or no
// audio output they are disabled, and the hint says why.

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

    /// Adds the button to `strip` at `left`, with `hint` followed by the key, and the key to the
    /// strip's window. Both stay disabled until a speaker is connected.
    SpeakerButton(QWidget *strip, int left, const char16_t *hint);

    /// From now on the button and the key read `text()` aloud through `speaker`, which outlives
    /// the window; when `text()` is empty they do nothing.
    void connectSpeaker(Speaker &speaker, std::function<QString()> text);

    TEx3DButton *button() const { return m_button; }
    QShortcut *shortcut() const { return m_shortcut; }

private:
    void speak();
    void showAvailability();

    ImageList *m_images;
    TEx3DButton *m_button;
    QShortcut *m_shortcut;
    QString m_hint;
    Speaker *m_speaker = nullptr;
    std::function<QString()> m_text;
};

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/SpeakerButton.h"

#include "controls/ButtonStrip.h"
#include "controls/Ex3DButton.h"
#include "controls/ImageList.h"
#include "controls/Pictures.h"
#include "speech/Speaker.h"

#include <QApplication>
#include <QEvent>
#include <QKeySequence>
#include <QShortcut>
#include <QToolTip>
#include <QWidget>

#include <utility>

namespace slovnik {

namespace {

constexpr QSize kImageSize(16, 16);
constexpr int kSpeakerImage = 0;
constexpr int kNothingToReadImage = 1;

QString unavailableReason(const Speaker &speaker)
{
    switch (speaker.availability()) {
    case Speaker::Availability::NoVoice:
        return QStringLiteral("není nainstalován anglický hlas (balíček libflite1)");
    case Speaker::Availability::NoAudioOutput:
        return QStringLiteral("počítač nemá zvukový výstup");
    case Speaker::Availability::Untried:
    case Speaker::Availability::Ready:
        break;
    }
    return {};
}

} // namespace

SpeakerButton::SpeakerButton(QWidget *strip, int left, const char16_t *hint) :
    QObject(strip),
    m_images(new ImageList(kImageSize, this)),
    m_button(nullptr),
    m_shortcut(new QShortcut(QKeySequence(kKey), strip->window())),
    m_stopShortcut(new QShortcut(QKeySequence(kStopKey), strip->window())),
    m_hint(QString::fromUtf16(hint)
           + QStringLiteral(" (%1)").arg(QKeySequence(kKey).toString(QKeySequence::NativeText)))
{
    m_images->add(pictures::speaker);
    m_images->add(pictures::speakerSilent);
    m_button = addStripButton(strip, m_images, {"SpeakBtn", left, kSpeakerImage, hint});
    m_button->setToolTip(m_hint);
    // Checked while its reading goes on, which draws it held down.
    m_button->setCheckable(true);
    m_shortcut->setContext(Qt::WindowShortcut);
    m_stopShortcut->setContext(Qt::WindowShortcut);
    m_button->setEnabled(false);
    m_shortcut->setEnabled(false);
    m_stopShortcut->setEnabled(false);
    connect(m_button, &TEx3DButton::clicked, this, &SpeakerButton::speak);
    connect(m_shortcut, &QShortcut::activated, this, &SpeakerButton::speak);
    connect(m_stopShortcut, &QShortcut::activated, this, &SpeakerButton::stopReading);
    // The hint is made when it is shown, from the window's state then.
    m_button->installEventFilter(this);
    strip->window()->installEventFilter(this);
}

void SpeakerButton::connectSpeaker(Speaker &speaker, std::function<TextToSpeak()> text)
{
    m_speaker = &speaker;
    m_text = std::move(text);
    connect(&speaker, &Speaker::availabilityChanged, this, &SpeakerButton::showAvailability);
    connect(&speaker, &Speaker::speakingChanged, this, &SpeakerButton::showReading);
    showAvailability();
}

void SpeakerButton::stopReading()
{
    if (reading())
        m_speaker->stop();
}

bool SpeakerButton::reading() const
{
    return m_speaker && m_speaker->reader() == this;
}

void SpeakerButton::speak()
{
    if (!m_speaker || !m_speaker->offersSpeech()) {
        showReading();
        return;
    }
    if (reading()) {
        m_speaker->stop();
        return;
    }
    const TextToSpeak text = m_text();
    if (text.text.isEmpty()) {
        // Pressed with nothing to read: the button shows it, and the hint says why, where the
        // button is.
        showNothingToRead();
        QToolTip::showText(m_button->mapToGlobal(QPoint(0, m_button->height())), currentHint(), m_button);
        showReading();
        return;
    }
    clearNothingToRead();
    m_speaker->say(text.text, this);
    showReading();
}

void SpeakerButton::showReading()
{
    m_button->setChecked(reading());
    m_stopShortcut->setEnabled(reading());
}

void SpeakerButton::showNothingToRead()
{
    m_button->setImageIndex(kNothingToReadImage);
    if (!std::exchange(m_nothingToRead, true))
        qApp->installEventFilter(this);
}

void SpeakerButton::clearNothingToRead()
{
    if (!std::exchange(m_nothingToRead, false))
        return;
    qApp->removeEventFilter(this);
    m_button->setImageIndex(kSpeakerImage);
}

void SpeakerButton::showAvailability()
{
    const bool offered = m_speaker->offersSpeech();
    m_button->setEnabled(offered);
    m_shortcut->setEnabled(offered);
    const QString reason = unavailableReason(*m_speaker);
    m_button->setToolTip(reason.isEmpty() ? m_hint : m_hint + QStringLiteral(": ") + reason);
    m_button->setAccessibleDescription(reason);
}

QString SpeakerButton::currentHint() const
{
    QString reason = m_speaker ? unavailableReason(*m_speaker) : QString();
    if (reason.isEmpty() && m_speaker && !reading())
        reason = m_text().reason;
    return reason.isEmpty() ? m_hint : m_hint + QStringLiteral(": ") + reason;
}

bool SpeakerButton::eventFilter(QObject *watched, QEvent *event)
{
    if (m_nothingToRead && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == m_button->window()) {
        // What the learner does next may give the window something to read.
        const QEvent::Type type = event->type();
        if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress || type == QEvent::Wheel)
            clearNothingToRead();
    }
    if (watched == m_button && event->type() == QEvent::ToolTip && m_speaker)
        m_button->setToolTip(currentHint());
    else if (watched != m_button && event->type() == QEvent::Hide && !event->spontaneous())
        stopReading(); // closed or hidden, not minimized

    return QObject::eventFilter(watched, event);
}

} // namespace slovnik

#include "SpeakerButton.h"

#include "Ex3DButton.h"
#include "ImageList.h"
#include "Pictures.h"
#include "Speaker.h"
#include "WindowParts.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace slovnik {

namespace {

constexpr QSize kImageSize(16, 16);
constexpr int kSpeakerImage = 0;
constexpr int kSquare = 22;

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
    m_hint(QString::fromUtf16(hint)
           + QStringLiteral(" (%1)").arg(QKeySequence(kKey).toString(QKeySequence::NativeText)))
{
    m_images->add(pictures::speaker);
    m_button = addStripButton(strip, m_images, {left, kSquare, kSpeakerImage, hint});
    m_button->setToolTip(m_hint);
    m_shortcut->setContext(Qt::WindowShortcut);
    m_button->setEnabled(false);
    m_shortcut->setEnabled(false);
    connect(m_button, &TEx3DButton::clicked, this, &SpeakerButton::speak);
    connect(m_shortcut, &QShortcut::activated, this, &SpeakerButton::speak);
}

void SpeakerButton::connectSpeaker(Speaker &speaker, std::function<QString()> text)
{
    m_speaker = &speaker;
    m_text = std::move(text);
    connect(&speaker, &Speaker::availabilityChanged, this, &SpeakerButton::showAvailability);
    showAvailability();
}

void SpeakerButton::speak()
{
    if (!m_speaker || !m_speaker->offersSpeech())
        return;
    const QString text = m_text();
    if (!text.isEmpty())
        m_speaker->say(text);
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

} // namespace slovnik

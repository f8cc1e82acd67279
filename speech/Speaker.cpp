// SPDX-License-Identifier: GPL-2.0-or-later
#include "speech/Speaker.h"

#include "speech/SpeakableText.h"

#include <QThread>
#include <QTimer>

namespace slovnik {

namespace {

// How often a speaker without an audio output asks whether one has appeared: a look-up in what
// the sound library already knows, so cheap.
constexpr int kOutputWatchMilliseconds = 2000;

} // namespace

Speaker::Parts Speaker::systemParts()
{
    return {[] { return fliteVoice(); }, [] { return systemAudioSink(); }};
}

Speaker::Speaker(Parts parts, QObject *parent) : QObject(parent), m_parts(std::move(parts)) { }

Speaker::~Speaker()
{
    ++m_request;
    if (m_thread) {
        m_thread->quit();
        m_thread->wait();
    }
}

bool Speaker::offersSpeech() const
{
    return m_availability == Availability::Untried || m_availability == Availability::Ready;
}

void Speaker::say(const QString &text, const QObject *reader)
{
    stop();
    if (!offersSpeech())
        return;
    std::string spoken = speakableText(text);
    if (spoken.empty())
        return;
    startThread();
    const std::uint64_t request = ++m_request;
    m_reader = reader;
    setSpeaking(true);
    QMetaObject::invokeMethod(
        m_threadContext.get(), [this, request, spoken = std::move(spoken)] { synthesize(request, spoken); },
        Qt::QueuedConnection);
}

void Speaker::stop()
{
    ++m_request;
    if (m_sinkOpen) {
        m_sink->stop();
        m_sinkOpen = false;
    }
    setSpeaking(false);
}

void Speaker::startThread()
{
    if (m_thread)
        return;
    m_thread = std::make_unique<QThread>();
    m_thread->setObjectName(QStringLiteral("speech"));
    m_threadContext = std::make_unique<QObject>();
    m_threadContext->moveToThread(m_thread.get());
    m_thread->start();
}

// On the synthesis thread.
void Speaker::synthesize(std::uint64_t request, const std::string &text)
{
    if (request != m_request)
        return;
    if (!m_voice)
        m_voice = m_parts.voice();
    const bool loaded = m_voice
        && m_voice->synthesize(text, [this, request](std::span<const std::int16_t> samples, int rate) {
               if (request != m_request)
                   return false;
               QMetaObject::invokeMethod(
                   this,
                   [this, request, piece = std::vector<std::int16_t>(samples.begin(), samples.end()), rate] {
                       play(request, piece, rate);
                   },
                   Qt::QueuedConnection);
               return true;
           });
    QMetaObject::invokeMethod(
        this, [this, request, loaded] { finish(request, loaded); }, Qt::QueuedConnection);
}

void Speaker::play(std::uint64_t request, const std::vector<std::int16_t> &samples, int sampleRate)
{
    if (request != m_request)
        return;
    if (!m_sinkOpen) {
        if (!m_sink)
            m_sink = m_parts.sink();
        if (!m_sink || !m_sink->open(sampleRate)) {
            stop();
            setAvailability(Availability::NoAudioOutput);
            watchForAnOutput();
            return;
        }
        m_sinkOpen = true;
        setAvailability(Availability::Ready);
    }
    m_sink->write(samples);
}

void Speaker::finish(std::uint64_t request, bool voiceLoaded)
{
    if (!voiceLoaded)
        setAvailability(Availability::NoVoice);
    if (request != m_request)
        return;
    if (m_sinkOpen)
        m_sink->finish([this, request] { playedOut(request); });
    else
        setSpeaking(false);
    Q_EMIT synthesisFinished();
}

void Speaker::playedOut(std::uint64_t request)
{
    if (request != m_request)
        return;
    m_sinkOpen = false;
    setSpeaking(false);
}

void Speaker::setSpeaking(bool speaking)
{
    if (speaking == m_speaking)
        return;
    m_speaking = speaking;
    Q_EMIT speakingChanged();
}

void Speaker::watchForAnOutput()
{
    if (!m_outputWatch) {
        m_outputWatch = std::make_unique<QTimer>();
        m_outputWatch->setInterval(kOutputWatchMilliseconds);
        connect(m_outputWatch.get(), &QTimer::timeout, this, [this] {
            if (m_sink && m_sink->hasOutput()) {
                m_outputWatch->stop();
                setAvailability(Availability::Untried);
            }
        });
    }
    if (m_sink)
        m_outputWatch->start();
}

void Speaker::setAvailability(Availability availability)
{
    if (availability == m_availability)
        return;
    m_availability = availability;
    Q_EMIT availabilityChanged(availability);
}

} // namespace slovnik

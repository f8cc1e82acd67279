// SPDX-License-Identifier: GPL-2.0-or-later
// The sound card through Qt Multimedia, built as a module of its own that systemAudioSink loads
// on first use: linking Qt Multimedia into the program would load it, and its sound-server and
// network libraries, at every start.

#include "speech/AudioSink.h"

#include <pulse/context.h>
#include <pulse/mainloop.h>

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QByteArray>
#include <QElapsedTimer>
#include <QIODevice>
#include <QMediaDevices>
#include <QTimer>

namespace slovnik {

namespace {

// The sound server's buffer for the stream, refilled from the GUI thread: long enough to ride out
// a busy moment of it. The server starts a stream once its buffer is full, but the voice fills it
// at once, far faster than it plays.
constexpr int kBufferMilliseconds = 200;
// How often what the server did not take is offered again, and, once all is written, how often
// the stream is asked whether it has played it all.
constexpr int kRefillMilliseconds = 20;
// After the last sample should have been heard, how long the stream may take to tell before it is
// let go anyway.
constexpr int kPlayedOutGraceMilliseconds = 1000;
constexpr int kBytesPerSample = 2;
// How long a sound server may take to answer before it counts as absent.
constexpr int kServerAnswerMilliseconds = 1000;
constexpr int kServerPollMicroseconds = 20'000;

// Qt Multimedia plays through the PulseAudio server (PipeWire's stands in for it), connects to it
// the first time an output is asked for and, if that fails, never tries again in the process. So
// until a server has answered, one is asked for first here, by a connection of our own that is
// dropped at once, exactly as Qt would connect: a server that starts later is then still found.
bool soundServerAnswers()
{
    static bool answered = false;
    if (answered)
        return true;
    pa_mainloop *const loop = pa_mainloop_new();
    pa_context *const context = pa_context_new(pa_mainloop_get_api(loop), "slovnik");
    if (context && pa_context_connect(context, nullptr, PA_CONTEXT_NOFLAGS, nullptr) >= 0) {
        QElapsedTimer waited;
        waited.start();
        while (PA_CONTEXT_IS_GOOD(pa_context_get_state(context)) && !answered
               && waited.elapsed() < kServerAnswerMilliseconds) {
            answered = pa_context_get_state(context) == PA_CONTEXT_READY;
            if (!answered
                && (pa_mainloop_prepare(loop, kServerPollMicroseconds) < 0 || pa_mainloop_poll(loop) < 0
                    || pa_mainloop_dispatch(loop) < 0))
                break;
        }
        pa_context_disconnect(context);
    }
    if (context)
        pa_context_unref(context);
    pa_mainloop_free(loop);
    return answered;
}

// Each reading has a stream of its own on the sound server, opened by its first samples and
// closed once they are all heard: between readings the program holds no stream, so the output
// rests and no silence or late samples wait in it for the next reading.
class QtAudioOutput final : public AudioSink {
public:
    QtAudioOutput()
    {
        m_refill.setInterval(kRefillMilliseconds);
        QObject::connect(&m_refill, &QTimer::timeout, &m_refill, [this] { feed(); });
        m_playedOutPoll.setInterval(kRefillMilliseconds);
        QObject::connect(&m_playedOutPoll, &QTimer::timeout, &m_playedOutPoll,
                         [this] { letGoIfPlayedOut(); });
        m_playedOutDeadline.setSingleShot(true);
        QObject::connect(&m_playedOutDeadline, &QTimer::timeout, &m_playedOutDeadline, [this] { letGo(); });
    }

    ~QtAudioOutput() override { close(); }
    QtAudioOutput(const QtAudioOutput &) = delete;
    QtAudioOutput &operator=(const QtAudioOutput &) = delete;

    bool open(int sampleRate) override
    {
        close();
        if (!soundServerAnswers())
            return false;
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return false;
        QAudioFormat format;
        format.setSampleRate(sampleRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isFormatSupported(format))
            return false;
        if (!m_sink || m_device != device || m_sink->format() != format) {
            m_sink = std::make_unique<QAudioSink>(device, format);
            m_sink->setBufferSize(sampleRate * kBytesPerSample * kBufferMilliseconds / 1000);
            m_device = device;
        }
        m_output = m_sink->start();
        m_bytesWritten = 0;
        return m_output != nullptr && m_sink->error() == QAudio::NoError;
    }

    void write(std::span<const std::int16_t> samples) override
    {
        m_pending.append(reinterpret_cast<const char *>(samples.data()),
                         static_cast<qsizetype>(samples.size_bytes()));
        feed();
    }

    void finish(std::function<void()> playedOut) override
    {
        if (!m_output) {
            playedOut();
            return;
        }
        m_playedOut = std::move(playedOut);
        // The server starts a stream only once its buffer is full; a text heard in less time
        // (none the voice makes is) is made up to a buffer's length.
        const qint64 queued = m_bytesWritten + m_pending.size();
        if (queued < m_sink->bufferSize())
            m_pending.append(QByteArray(m_sink->bufferSize() - queued, '\0'));
        feed();
        const qint64 bytesPerSecond = qint64(m_sink->format().sampleRate()) * kBytesPerSample;
        m_playedOutDeadline.start(int((m_bytesWritten + m_pending.size()) * 1000 / bytesPerSecond)
                                  + kPlayedOutGraceMilliseconds);
        m_playedOutPoll.start();
    }

    void stop() override
    {
        m_playedOut = nullptr;
        close();
    }

    bool hasOutput() const override
    {
        return soundServerAnswers() && !QMediaDevices::defaultAudioOutput().isNull();
    }

private:
    void feed()
    {
        if (!m_output)
            return;
        const qint64 written = m_output->write(m_pending);
        if (written > 0) {
            m_pending.remove(0, written);
            m_bytesWritten += written;
        }
        if (m_pending.isEmpty())
            m_refill.stop();
        else if (!m_refill.isActive())
            m_refill.start();
    }

    // The stream counts what it has played, up to all that was written.
    void letGoIfPlayedOut()
    {
        const qint64 bytesPerSecond = qint64(m_sink->format().sampleRate()) * kBytesPerSample;
        if (m_pending.isEmpty() && m_sink->processedUSecs() >= m_bytesWritten * 1'000'000 / bytesPerSecond)
            letGo();
    }

    // Everything is heard, or should long have been: the stream is closed and the reader told.
    void letGo()
    {
        close();
        if (const std::function<void()> playedOut = std::exchange(m_playedOut, nullptr))
            playedOut();
    }

    void close()
    {
        m_refill.stop();
        m_playedOutPoll.stop();
        m_playedOutDeadline.stop();
        m_pending.clear();
        m_output = nullptr;
        if (m_sink)
            m_sink->reset();
    }

    QAudioDevice m_device;
    std::unique_ptr<QAudioSink> m_sink;
    QIODevice *m_output = nullptr; // the sink's, valid from start() to reset()
    QByteArray m_pending;
    qint64 m_bytesWritten = 0;
    std::function<void()> m_playedOut;
    QTimer m_refill;
    QTimer m_playedOutPoll;
    QTimer m_playedOutDeadline;
};

} // namespace

} // namespace slovnik

// The module's one entry point, looked up by name; the sink goes to the caller's owner.
extern "C" Q_DECL_EXPORT void slovnikCreateAudioSink(std::unique_ptr<slovnik::AudioSink> &sink)
{
    sink = std::make_unique<slovnik::QtAudioOutput>();
}

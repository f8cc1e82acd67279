// The sound card through Qt Multimedia, built as a module of its own that systemAudioSink loads
// on first use: linking Qt Multimedia into the program would load it, and its sound-server and
// network libraries, at every start.

#include "AudioSink.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QByteArray>
#include <QIODevice>
#include <QMediaDevices>
#include <QTimer>

namespace slovnik {

namespace {

// Enough to ride out a busy moment of the GUI thread, which refills it; short, because the sound
// server starts playing only once the buffer is full.
constexpr int kBufferMilliseconds = 250;
// How often what did not fit is offered again.
constexpr int kRefillMilliseconds = 20;
constexpr int kBytesPerSample = 2;

class QtAudioOutput final : public AudioSink {
public:
    QtAudioOutput()
    {
        m_refill.setInterval(kRefillMilliseconds);
        QObject::connect(&m_refill, &QTimer::timeout, &m_refill, [this] { feed(); });
    }

    bool open(int sampleRate) override
    {
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
        return m_output != nullptr && m_sink->error() == QAudio::NoError;
    }

    void write(std::span<const std::int16_t> samples) override
    {
        m_pending.append(reinterpret_cast<const char *>(samples.data()),
                         static_cast<qsizetype>(samples.size_bytes()));
        feed();
    }

    void finish() override
    {
        // A word shorter than the buffer would never fill it, and so never start: a buffer's worth
        // of silence after it fills it and plays the word out.
        if (!m_output)
            return;
        m_pending.append(QByteArray(m_sink->bufferSize(), '\0'));
        feed();
    }

    void stop() override
    {
        m_refill.stop();
        m_pending.clear();
        m_output = nullptr;
        if (m_sink)
            m_sink->reset();
    }

    bool isPlaying() const override
    {
        return m_output && (!m_pending.isEmpty() || m_sink->state() == QAudio::ActiveState);
    }

private:
    void feed()
    {
        if (!m_output)
            return;
        const qint64 written = m_output->write(m_pending);
        if (written > 0)
            m_pending.remove(0, written);
        if (m_pending.isEmpty())
            m_refill.stop();
        else if (!m_refill.isActive())
            m_refill.start();
    }

    QAudioDevice m_device;
    std::unique_ptr<QAudioSink> m_sink;
    QIODevice *m_output = nullptr; // the sink's, valid from start() to reset()
    QByteArray m_pending;
    QTimer m_refill;
};

} // namespace

} // namespace slovnik

// The module's one entry point, looked up by name; the sink goes to the caller's owner.
extern "C" Q_DECL_EXPORT void slovnikCreateAudioSink(std::unique_ptr<slovnik::AudioSink> &sink)
{
    sink = std::make_unique<slovnik::QtAudioOutput>();
}

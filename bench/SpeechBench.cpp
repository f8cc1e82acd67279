// From the request to the first sample the sound card is given: a word and a 20-word sentence,
// through the speaker's synthesis thread, with a stand-in for the sound card so that only the
// voice and the hand-over are timed. The first request of the process, which loads the voice,
// is timed once and printed before the benchmark rows.

#include "AudioSink.h"
#include "Speaker.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QtTest>

using namespace slovnik;

namespace {

const QString kTwentyWords = QStringLiteral("The quick brown fox jumps over the lazy dog while the children "
                                            "play happily in the green garden near our house.");

// Ends the waiting event loop at the first sample.
class FirstSampleSink final : public AudioSink {
public:
    explicit FirstSampleSink(QEventLoop &loop) : m_loop(loop) { }
    bool open(int) override { return true; }
    void write(std::span<const std::int16_t>) override { m_loop.quit(); }
    void finish() override { }
    void stop() override { }
    bool isPlaying() const override { return false; }

private:
    QEventLoop &m_loop;
};

class Listener {
public:
    Listener() :
        m_speaker({[] { return fliteVoice(); }, [this] { return std::make_unique<FirstSampleSink>(m_loop); }})
    {
    }
    /// Asks for `text` and returns when its first sample reached the sink.
    void hear(const QString &text)
    {
        m_speaker.say(text);
        m_loop.exec();
    }

private:
    QEventLoop m_loop;
    Speaker m_speaker;
};

} // namespace

class SpeechBench : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void requestToFirstSample_data();
    void requestToFirstSample();

private:
    Listener m_listener;
};

void SpeechBench::initTestCase()
{
    QElapsedTimer timer;
    timer.start();
    m_listener.hear(QStringLiteral("dog"));
    qInfo("first request of the process, the voice loaded with it: %.1f ms",
          double(timer.nsecsElapsed()) / 1e6);
}

void SpeechBench::requestToFirstSample_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("a word") << QStringLiteral("dog");
    QTest::newRow("20 words") << kTwentyWords;
}

void SpeechBench::requestToFirstSample()
{
    QFETCH(QString, text);
    QBENCHMARK
    {
        m_listener.hear(text);
    }
}

QTEST_GUILESS_MAIN(SpeechBench)
#include "SpeechBench.moc"

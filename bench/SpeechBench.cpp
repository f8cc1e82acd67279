// SPDX-License-Identifier: GPL-2.0-or-later
// From the request to the first sample the sound card is given: a word and a 20-word sentence,
// through the speaker's synthesis thread, with a stand-in for the sound card so that only the
// voice and the hand-over are timed. The first request of the process, which loads the voice,
// is timed once and printed before the benchmark rows.
//
// Then a session as the learner has it: the speaker key pressed 20 times in a window, each press
// after the last word was heard out, printing for each press the delay to the first sample handed
// to the sound card and to the first audible one; and how long quitting takes while a long text
// is being read.

#include "controls/SpeakerButton.h"
#include "speech/AudioSink.h"
#include "speech/Speaker.h"
#include "support/PulseNullSink.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QtTest>

#include <cstdlib>
#include <optional>

using namespace slovnik;

namespace {

const QString kTwentyWords = QStringLiteral("The quick brown fox jumps over the lazy dog while the children "
                                            "play happily in the green garden near our house.");

// What a listener would call the start of the word.
constexpr int kAudible = 1000;

// Ends the waiting event loop at the first sample.
class FirstSampleSink final : public AudioSink {
public:
    explicit FirstSampleSink(QEventLoop &loop) : m_loop(loop) { }
    bool open(int) override { return true; }
    void write(std::span<const std::int16_t>) override { m_loop.quit(); }
    void finish(std::function<void()> playedOut) override { playedOut(); }
    void stop() override { }
    bool hasOutput() const override { return true; }

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
        // The rest would keep the voice busy into the next measurement.
        m_speaker.stop();
    }

private:
    QEventLoop m_loop;
    Speaker m_speaker;
};

// Notes when, after the clock was started, the first sample came, and when the first audible one
// is heard if the sound card plays from the first sample on; plays what it is given in the time it
// lasts, as a sound card does.
class TimingSink final : public AudioSink {
public:
    struct Times {
        QElapsedTimer clock;
        std::optional<double> firstSample;
        std::optional<double> firstAudible;
    };

    explicit TimingSink(Times &times) : m_times(times) { m_playing.setSingleShot(true); }

    bool open(int sampleRate) override
    {
        m_rate = sampleRate;
        m_samples = 0;
        return true;
    }
    void write(std::span<const std::int16_t> samples) override
    {
        const double now = double(m_times.clock.nsecsElapsed()) / 1e6;
        if (!m_times.firstSample)
            m_times.firstSample = now;
        const auto audible = std::find_if(samples.begin(), samples.end(),
                                          [](std::int16_t s) { return std::abs(s) >= kAudible; });
        if (!m_times.firstAudible && audible != samples.end()) {
            // Heard once the samples before it have been played from the first one on.
            const auto before = m_samples + std::size_t(audible - samples.begin());
            m_times.firstAudible = std::max(now, *m_times.firstSample + double(before) * 1000 / m_rate);
        }
        m_samples += samples.size();
    }
    void finish(std::function<void()> playedOut) override
    {
        m_playing.callOnTimeout(std::move(playedOut));
        m_playing.start(int(m_samples * 1000 / std::size_t(m_rate)));
    }
    void stop() override
    {
        m_playing.stop();
        m_playing.disconnect();
    }
    bool hasOutput() const override { return true; }

private:
    Times &m_times;
    QTimer m_playing;
    int m_rate = 16000;
    std::size_t m_samples = 0;
};

QString milliseconds(std::optional<double> value)
{
    return value ? QString::number(*value, 'f', 1) : u"-"_qs;
}

} // namespace

class SpeechBench : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void requestToFirstSample_data();
    void requestToFirstSample();
    void twentyPressesInOneSession();
    void quittingWhileReading();

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

void SpeechBench::twentyPressesInOneSession()
{
    TimingSink::Times times;
    Speaker speaker({[] { return fliteVoice(); }, [&times] { return std::make_unique<TimingSink>(times); }});
    QWidget window;
    SpeakerButton button(&window, 0, u"Přečíst");
    button.connectSpeaker(speaker, [] { return TextToSpeak{u"dog"_qs, {}}; });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList firstSamples;
    QStringList firstAudible;
    for (int press = 0; press < 20; ++press) {
        times = {};
        times.clock.start();
        QTest::keyClick(&window, SpeakerButton::kKey.key(), SpeakerButton::kKey.keyboardModifiers());
        QTRY_VERIFY_WITH_TIMEOUT(!speaker.isSpeaking(), 10000);
        firstSamples << milliseconds(times.firstSample);
        firstAudible << milliseconds(times.firstAudible);
    }
    qInfo("press to the first sample handed to the sink, ms: %s", qPrintable(firstSamples.join(u' ')));
    qInfo("press to the first audible sample, played from the first, ms: %s",
          qPrintable(firstAudible.join(u' ')));
}

void SpeechBench::quittingWhileReading()
{
    // On a PulseAudio null sink of its own where one can start, so that closing the stream counts.
    slovnik::support::PulseNullSink pulse;
    const bool onPulse = pulse.start();
    QStringList quits;
    for (int run = 0; run < 10; ++run) {
        TimingSink::Times times;
        times.clock.start();
        auto speaker = std::make_unique<Speaker>(Speaker::Parts{
            [] { return fliteVoice(); },
            [&times, onPulse] { return onPulse ? systemAudioSink() : std::make_unique<TimingSink>(times); }});
        speaker->say(kTwentyWords.repeated(6));
        QTest::qWait(300);
        QVERIFY(speaker->isSpeaking());
        QElapsedTimer quitting;
        quitting.start();
        speaker.reset();
        quits << QString::number(double(quitting.nsecsElapsed()) / 1e6, 'f', 1);
    }
    qInfo("quitting while a long text is read (%s), ms: %s",
          onPulse ? "PulseAudio null sink" : "stand-in sink, PulseAudio cannot start",
          qPrintable(quits.join(u' ')));
}

QTEST_MAIN(SpeechBench)
#include "SpeechBench.moc"

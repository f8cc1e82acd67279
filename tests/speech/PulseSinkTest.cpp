// SPDX-License-Identifier: GPL-2.0-or-later
// The speaker key against a real sound server: a PulseAudio null sink of the test's own, whose
// monitor is recorded. A server, and an output, that appear only after a first press bring
// speaking back. Twenty presses in one session are each heard, and after each reading the
// program's stream leaves the sink at rest; quitting while reading leaves nothing playing. Each
// press's delay to its first sound at the sink, how long the sink kept running after it and how
// long quitting took are printed.

#include "controls/SpeakerButton.h"
#include "speech/Speaker.h"
#include "support/PulseNullSink.h"

#include <QtTest>

using namespace slovnik;
using slovnik::support::Clock;
using slovnik::support::PulseNullSink;

namespace {

QString milliseconds(Clock::duration duration)
{
    return QString::number(std::chrono::duration<double, std::milli>(duration).count(), 'f', 0);
}

} // namespace

class PulseSinkTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void aSoundServerAndAnOutputThatAppearLaterBringSpeakingBack();
    void everyPressIsHeardAndTheSinkRestsAfterIt();
    void quittingWhileReadingEndsAtOnce();

private:
    std::unique_ptr<PulseNullSink> m_pulse;
};

void PulseSinkTest::initTestCase()
{
    // The server starts only in the first test, after a first press found none.
    m_pulse = std::make_unique<PulseNullSink>();
}

void PulseSinkTest::init()
{
    if (!m_pulse->failure().isEmpty())
        QSKIP(qPrintable(u"PulseAudio cannot start here ("_qs + m_pulse->failure()
                         + u"); nothing to play on"_qs));
}

void PulseSinkTest::aSoundServerAndAnOutputThatAppearLaterBringSpeakingBack()
{
    Speaker speaker;
    speaker.say(u"dog"_qs);
    QTRY_VERIFY_WITH_TIMEOUT(speaker.availability() == Speaker::Availability::NoAudioOutput, 10000);
    if (!m_pulse->start(PulseNullSink::Output::None))
        QSKIP(qPrintable(u"PulseAudio cannot start here ("_qs + m_pulse->failure()
                         + u"); nothing to play on"_qs));
    // A server without an output is not yet enough.
    QTest::qWait(3000);
    QVERIFY(!speaker.offersSpeech());
    QVERIFY(m_pulse->addNullSink());
    QTRY_VERIFY_WITH_TIMEOUT(speaker.offersSpeech(), 10000);
    QVERIFY(m_pulse->startRecording());
    const Clock::time_point asked = Clock::now();
    speaker.say(u"dog"_qs);
    QTRY_VERIFY_WITH_TIMEOUT(m_pulse->soundAfter(asked), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!speaker.isSpeaking(), 10000);
}

void PulseSinkTest::everyPressIsHeardAndTheSinkRestsAfterIt()
{
    constexpr int kPresses = 20;
    Speaker speaker;
    QWidget window;
    SpeakerButton button(&window, 0, u"Přečíst");
    button.connectSpeaker(speaker, [] { return TextToSpeak{u"dog"_qs, {}}; });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QStringList delays;
    QStringList rests;
    for (int press = 0; press < kPresses; ++press) {
        const Clock::time_point pressed = Clock::now();
        QTest::keyClick(&window, SpeakerButton::kKey.key(), SpeakerButton::kKey.keyboardModifiers());
        QTRY_VERIFY_WITH_TIMEOUT(m_pulse->soundAfter(pressed), 10000);
        delays << milliseconds(*m_pulse->soundAfter(pressed) - pressed);
        // Once the word is heard nothing plays into the sink: no stream of ours keeps it running.
        QTRY_VERIFY_WITH_TIMEOUT(m_pulse->sinkState() != u"RUNNING", 10000);
        const Clock::time_point resting = Clock::now();
        QTRY_VERIFY_WITH_TIMEOUT(m_pulse->soundEndedAfter(pressed), 10000);
        rests << milliseconds(resting - *m_pulse->soundEndedAfter(pressed));
    }
    qInfo("press to first sound at the sink, ms: %s", qPrintable(delays.join(u' ')));
    qInfo("last sound to the sink at rest, ms: %s", qPrintable(rests.join(u' ')));
}

void PulseSinkTest::quittingWhileReadingEndsAtOnce()
{
    auto speaker = std::make_unique<Speaker>();
    const Clock::time_point asked = Clock::now();
    speaker->say(u"The quick brown fox jumps over the lazy dog. "_qs.repeated(20));
    QTRY_VERIFY_WITH_TIMEOUT(m_pulse->soundAfter(asked), 10000);
    const Clock::time_point quitting = Clock::now();
    speaker.reset();
    qInfo("quitting while reading, ms: %s", qPrintable(milliseconds(Clock::now() - quitting)));
    // The reading ends with it: no stream is left behind.
    QTRY_VERIFY_WITH_TIMEOUT(m_pulse->sinkState() != u"RUNNING", 5000);
}

QTEST_MAIN(PulseSinkTest)
#include "PulseSinkTest.moc"

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The one voice of the program, shared by both windows: a text asked for is cut to what the
// voice reads (speakableText), synthesized on a thread of its own and played as its samples
// come, so the first sound follows the request at once and the GUI thread never waits for the
// voice. A new request silences the one still playing, from whichever window it came.
//
// Nothing is loaded before the first request: no voice, no thread, no audio library and no
// connection to the sound server. What that first request finds out (no voice, no audio
// output) is kept and told through availabilityChanged; the windows then disable their buttons.
// An audio output that appears later in the session is noticed, and speaking is offered again.
//
// A reading lasts from the request until its last sample is heard or it is stopped; who asked
// for it is kept, so that each window can show its own reading and stop only that.

#include "speech/AudioSink.h"
#include "speech/Voice.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QThread;
class QTimer;

namespace slovnik {

class Speaker : public QObject {
    Q_OBJECT
public:
    enum class Availability {
        Untried, ///< nothing asked for yet, or an output appeared since: speaking is offered
        Ready, ///< a text has been heard
        NoVoice, ///< the voice cannot be loaded
        NoAudioOutput, ///< there is nothing to play on
    };

    /// Where the voice and the sink come from; each is made once, when first needed.
    struct Parts {
        std::function<std::unique_ptr<Voice>()> voice;
        std::function<std::unique_ptr<AudioSink>()> sink;
    };
    /// flite's English voice and the sound card.
    static Parts systemParts();

    explicit Speaker(Parts parts = systemParts(), QObject *parent = nullptr);
    ~Speaker() override;

    /// Speaks the readable part of `text` for `reader` after silencing what is still playing.
    /// Does nothing more when nothing in it is readable or speaking is not available.
    void say(const QString &text, const QObject *reader = nullptr);
    /// Silences what is playing and drops what is still being synthesized.
    void stop();

    Availability availability() const { return m_availability; }
    /// Untried or Ready: a button that speaks may be pressed.
    bool offersSpeech() const;
    /// Something asked for is still being synthesized or heard.
    bool isSpeaking() const { return m_speaking; }
    /// Who asked for the reading still going on; nullptr when there is none.
    const QObject *reader() const { return m_speaking ? m_reader : nullptr; }

Q_SIGNALS:
    void availabilityChanged(slovnik::Speaker::Availability availability);
    /// A reading began or ended (see isSpeaking and reader).
    void speakingChanged();
    /// The last samples of the latest request have gone to the sink (they may still be playing).
    void synthesisFinished();

private:
    void startThread();
    void synthesize(std::uint64_t request, const std::string &text);
    void play(std::uint64_t request, const std::vector<std::int16_t> &samples, int sampleRate);
    void finish(std::uint64_t request, bool voiceLoaded);
    void playedOut(std::uint64_t request);
    void setSpeaking(bool speaking);
    void setAvailability(Availability availability);
    void watchForAnOutput();

    Parts m_parts;
    Availability m_availability = Availability::Untried;
    // The latest request; the synthesis thread stops as soon as it sees a newer one.
    std::atomic<std::uint64_t> m_request{0};

    // GUI thread.
    bool m_speaking = false;
    const QObject *m_reader = nullptr;
    std::unique_ptr<AudioSink> m_sink;
    bool m_sinkOpen = false;
    // While there is no audio output: asks now and then whether one has appeared.
    std::unique_ptr<QTimer> m_outputWatch;

    // Synthesis thread; made by the first request.
    std::unique_ptr<QThread> m_thread;
    std::unique_ptr<QObject> m_threadContext;
    std::unique_ptr<Voice> m_voice;
};

} // namespace slovnik

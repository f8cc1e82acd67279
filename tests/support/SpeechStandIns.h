// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Stand-ins for the sound card and the voice. The sink keeps what it is given, one recording a
// time the speaker opens it, and can play a machine without an audio output; the voice keeps the
// texts it was given and answers each with a short tone.

#include "speech/AudioSink.h"
#include "speech/Speaker.h"
#include "speech/Voice.h"

#include <QMutex>
#include <QMutexLocker>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace slovnik::support {

struct Recordings {
    /// Every open asked for, also those that failed.
    int opens = 0;
    /// The machine has no audio output (for now).
    bool noOutput = false;
    /// One entry a time the sink was opened, with the samples written until it was stopped.
    std::vector<std::vector<std::int16_t>> takes;
    int sampleRate = 0;
    int stops = 0;
    /// Takes that were told that nothing more follows.
    int finished = 0;
    /// With holdPlayback, a finished take is not heard to its end until playOut() is called.
    bool holdPlayback = false;
    std::function<void()> playedOut;
    void playOut()
    {
        if (const std::function<void()> heard = std::exchange(playedOut, nullptr))
            heard();
    }
    /// Called after each write, with the samples written so far in this take.
    std::function<void(std::size_t)> afterWrite;
};

class RecordingSink final : public AudioSink {
public:
    /// Records into `recordings`, which outlives the sink; with `hasOutput` false every open fails.
    explicit RecordingSink(Recordings &recordings, bool hasOutput = true) : m_recordings(recordings)
    {
        m_recordings.noOutput = !hasOutput;
    }

    bool open(int sampleRate) override
    {
        ++m_recordings.opens;
        if (m_recordings.noOutput)
            return false;
        m_recordings.sampleRate = sampleRate;
        m_recordings.takes.emplace_back();
        return true;
    }
    void write(std::span<const std::int16_t> samples) override
    {
        std::vector<std::int16_t> &take = m_recordings.takes.back();
        take.insert(take.end(), samples.begin(), samples.end());
        if (m_recordings.afterWrite)
            m_recordings.afterWrite(take.size());
    }
    void finish(std::function<void()> playedOut) override
    {
        ++m_recordings.finished;
        m_recordings.playedOut = std::move(playedOut);
        if (!m_recordings.holdPlayback)
            m_recordings.playOut();
    }
    void stop() override
    {
        ++m_recordings.stops;
        m_recordings.playedOut = nullptr;
    }
    bool hasOutput() const override { return !m_recordings.noOutput; }

private:
    Recordings &m_recordings;
};

/// The texts a voice was given, read on any thread.
class HeardTexts {
public:
    void add(const std::string &text)
    {
        const QMutexLocker lock(&m_mutex);
        m_texts << QString::fromLatin1(text);
    }
    QStringList texts() const
    {
        const QMutexLocker lock(&m_mutex);
        return m_texts;
    }

private:
    mutable QMutex m_mutex;
    QStringList m_texts;
};

class TextRecordingVoice final : public Voice {
public:
    explicit TextRecordingVoice(HeardTexts &heard) : m_heard(heard) { }
    bool load() override { return true; }
    bool synthesize(const std::string &text, const SampleSink &sink) override
    {
        static constexpr int kRate = 16000;
        static constexpr std::int16_t kTone[] = {0, 8000, 0, -8000};
        m_heard.add(text);
        sink(kTone, kRate);
        return true;
    }

private:
    HeardTexts &m_heard;
};

/// A speaker with the stand-in voice and sink; with `hasOutput` false there is no audio output.
inline Speaker::Parts standInParts(HeardTexts &heard, Recordings &recordings, bool hasOutput = true)
{
    return {[&heard] { return std::make_unique<TextRecordingVoice>(heard); },
            [&recordings, hasOutput] { return std::make_unique<RecordingSink>(recordings, hasOutput); }};
}

} // namespace slovnik::support

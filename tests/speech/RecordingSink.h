#pragma once

// A stand-in for the sound card: keeps what it is given, one recording a time the speaker opens
// it, and can play the machine without an audio output.

#include "AudioSink.h"

#include <functional>
#include <vector>

namespace slovnik::test {

struct Recordings {
    /// One entry a time the sink was opened, with the samples written until it was stopped.
    std::vector<std::vector<std::int16_t>> takes;
    int sampleRate = 0;
    int stops = 0;
    /// Called after each write, with the samples written so far in this take.
    std::function<void(std::size_t)> afterWrite;
};

class RecordingSink final : public AudioSink {
public:
    /// Records into `recordings`, which outlives the sink; with `hasOutput` false every open fails.
    explicit RecordingSink(Recordings &recordings, bool hasOutput = true)
        : m_recordings(recordings), m_hasOutput(hasOutput)
    {
    }

    bool open(int sampleRate) override
    {
        if (!m_hasOutput)
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
    void stop() override { ++m_recordings.stops; }
    bool isPlaying() const override { return false; }

private:
    Recordings &m_recordings;
    bool m_hasOutput;
};

} // namespace slovnik::test

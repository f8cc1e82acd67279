#pragma once

// Where spoken samples go to be heard. The program's sink is the sound card through Qt
// Multimedia (systemAudioSink); tests and benchmarks put a recording stand-in in its place.
// Every call comes from the GUI thread.

#include <cstdint>
#include <memory>
#include <span>

namespace slovnik {

class AudioSink {
public:
    virtual ~AudioSink() = default;

    /// Makes ready to play 16-bit mono samples at `sampleRate` after a stop(); false when there
    /// is no audio output to play them on.
    virtual bool open(int sampleRate) = 0;
    /// Plays `samples` after those written before, without waiting for them to be heard.
    virtual void write(std::span<const std::int16_t> samples) = 0;
    /// Nothing more follows until the next stop(): everything written is to be played out, however
    /// little it is.
    virtual void finish() = 0;
    /// Falls silent at once and forgets everything not yet heard.
    virtual void stop() = 0;
    /// Something written is still to be heard.
    virtual bool isPlaying() const = 0;
};

/// The default audio output through Qt Multimedia, which lives in a module of ours loaded on the
/// first call; nullptr when that module cannot be loaded. Until then the process has neither
/// Qt Multimedia nor a connection to the sound server.
std::unique_ptr<AudioSink> systemAudioSink();

} // namespace slovnik

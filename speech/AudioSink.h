// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Where spoken samples go to be heard. The program's sink is the sound card through Qt
// Multimedia (systemAudioSink); tests and benchmarks put a recording stand-in in its place.
// Every call comes from the GUI thread.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

namespace slovnik {

class AudioSink {
public:
    virtual ~AudioSink() = default;

    /// Makes ready to play 16-bit mono samples at `sampleRate`, at first and after each finish()
    /// or stop(); false when there is no audio output to play them on.
    virtual bool open(int sampleRate) = 0;
    /// Plays `samples` after those written before, without waiting for them to be heard.
    virtual void write(std::span<const std::int16_t> samples) = 0;
    /// Nothing more follows: everything written is played out, however little it is, then the
    /// output is let go (no stream is left open on the sound server) and `playedOut` is called,
    /// on the GUI thread, unless stop() came first.
    virtual void finish(std::function<void()> playedOut) = 0;
    /// Falls silent at once, forgets everything not yet heard and lets the output go.
    virtual void stop() = 0;
    /// There is an audio output to play on now; asked again on every call.
    virtual bool hasOutput() const = 0;
};

/// The default audio output through Qt Multimedia, which lives in a module of ours loaded on the
/// first call; nullptr when that module cannot be loaded. Until then the process has neither
/// Qt Multimedia nor a connection to the sound server.
std::unique_ptr<AudioSink> systemAudioSink();

} // namespace slovnik

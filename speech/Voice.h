// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// A voice turns English text into 16-bit mono samples. It runs on whatever thread calls it, one
// call at a time, and hands the samples over in pieces as they are made, so that playing can
// start long before a sentence is complete.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

namespace slovnik {

/// Takes the next piece of samples and their rate (samples per second, the same for every piece
/// of one text); returns false to stop the synthesis there.
using SampleSink = std::function<bool(std::span<const std::int16_t> samples, int sampleRate)>;

class Voice {
public:
    virtual ~Voice() = default;

    /// Loads the voice on the first call; false, now and on every later call, when it cannot be
    /// loaded.
    virtual bool load() = 0;
    /// Reads `text` (printable ASCII, see speakableText) and hands its samples, in order, to
    /// `sink`. Returns false when the voice cannot be loaded; true also when the sink stopped it.
    virtual bool synthesize(const std::string &text, const SampleSink &sink) = 0;
};

/// The US English voice of flite (cmu_us_slt). Nothing of flite is loaded until the first load().
std::unique_ptr<Voice> fliteVoice();

/// A voice from the flite voice library `library` (a name dlopen finds, such as
/// "flite_cmu_us_slt"), registered by the function `registerFunction`.
std::unique_ptr<Voice> fliteVoice(const char *library, const char *registerFunction);

} // namespace slovnik

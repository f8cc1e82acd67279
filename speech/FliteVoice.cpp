// SPDX-License-Identifier: GPL-2.0-or-later
#include "speech/Voice.h"

#include <QLibrary>
#include <QMutex>
#include <QMutexLocker>

#include <flite/flite.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace slovnik {

namespace {

// The voice library pulls in libflite and the English lexicon as its own dependencies, so every
// function is found through its handle. Loaded by name at first use: the program links none of
// flite, and a session that never speaks never maps it.
constexpr const char *kVoiceLibrary = "flite_cmu_us_slt";
constexpr int kVoiceLibraryVersion = 1;
constexpr const char *kRegisterVoice = "register_cmu_us_slt";

// flite reads a whole text before its first sample, and cannot be stopped while it does: a
// number alone becomes as many words as it has digits. So a text goes to it a sentence at a time,
// and a long sentence a few words at a time.
constexpr std::size_t kMaxUtteranceWords = 12;
constexpr std::string_view kSentenceEnds = ".!?;:";

// flite begins every text with a pause of about 200 ms, near silence, that would only delay the
// first word: up to a little before the first sample this loud it is left out.
constexpr int kSoundStarts = 256;
constexpr int kLeadInMilliseconds = 30;

// Hands `sink` the samples it is given, less the quiet that opens the text.
class QuietStartTrimmer {
public:
    explicit QuietStartTrimmer(const SampleSink &sink) : m_sink(sink) { }

    bool operator()(std::span<const std::int16_t> samples, int rate)
    {
        if (m_started)
            return m_sink(samples, rate);
        const auto leadIn = static_cast<std::size_t>(rate * kLeadInMilliseconds / 1000);
        const auto loud = std::find_if(samples.begin(), samples.end(), [](std::int16_t sample) {
            return std::abs(int(sample)) >= kSoundStarts;
        });
        // The quiet so far, of which the last lead-in is kept.
        m_quiet.insert(m_quiet.end(), samples.begin(), loud);
        if (m_quiet.size() > leadIn)
            m_quiet.erase(m_quiet.begin(), m_quiet.end() - std::ptrdiff_t(leadIn));
        if (loud == samples.end())
            return true;
        m_started = true;
        return (m_quiet.empty() || m_sink(m_quiet, rate))
            && m_sink(samples.subspan(std::size_t(loud - samples.begin())), rate);
    }

private:
    const SampleSink &m_sink;
    bool m_started = false;
    std::vector<std::int16_t> m_quiet;
};

// The stretches of `text` (words separated by single blanks) read one at a time.
std::vector<std::string_view> utterances(std::string_view text)
{
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    std::size_t words = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != ' ')
            continue;
        ++words;
        const bool sentenceEnds = i > 0 && kSentenceEnds.find(text[i - 1]) != std::string_view::npos;
        if (i == text.size() || sentenceEnds || words == kMaxUtteranceWords) {
            pieces.push_back(text.substr(start, i - start));
            start = i + 1;
            words = 0;
        }
    }
    return pieces;
}

struct FliteFunctions {
    int (*init)() = nullptr;
    cst_voice *(*registerVoice)(const char *) = nullptr;
    void (*unregisterVoice)(cst_voice *) = nullptr;
    cst_wave *(*textToWave)(const char *, cst_voice *) = nullptr;
    void (*deleteWave)(cst_wave *) = nullptr;
    cst_audio_streaming_info *(*newStreamingInfo)() = nullptr;
    cst_val *(*streamingInfoValue)(const cst_audio_streaming_info *) = nullptr;
    void (*setFeature)(cst_features *, const char *, const cst_val *) = nullptr;

    bool resolve(QLibrary &library, const char *registerFunction)
    {
        // flite names a voice's two functions alike: register_x and unregister_x.
        const QByteArray unregisterFunction = "un" + QByteArray(registerFunction);
        return find(library, "flite_init", init) && find(library, registerFunction, registerVoice)
            && find(library, unregisterFunction.constData(), unregisterVoice)
            && find(library, "flite_text_to_wave", textToWave) && find(library, "delete_wave", deleteWave)
            && find(library, "new_audio_streaming_info", newStreamingInfo)
            && find(library, "audio_streaming_info_val", streamingInfoValue)
            && find(library, "feat_set", setFeature);
    }

private:
    template <typename Function> static bool find(QLibrary &library, const char *name, Function &function)
    {
        function = reinterpret_cast<Function>(library.resolve(name));
        return function != nullptr;
    }
};

// One loaded flite voice. flite keeps a registered voice once per process and is not made for two
// syntheses at a time, so every FliteVoice of the same library shares this one, one text at a
// time. It lives until the process ends, its library beyond.
class LoadedVoice {
public:
    /// The voice of `library`, loaded on the first call; nullptr when it cannot be loaded.
    static LoadedVoice *of(const char *library, const char *registerFunction)
    {
        static QMutex mutex;
        static std::map<std::string, std::unique_ptr<LoadedVoice>> voices;
        const QMutexLocker lock(&mutex);
        auto found = voices.find(library);
        if (found == voices.end()) {
            auto voice = std::make_unique<LoadedVoice>(library);
            if (!voice->load(registerFunction))
                voice.reset();
            found = voices.emplace(library, std::move(voice)).first;
        }
        return found->second.get();
    }

    explicit LoadedVoice(const char *library) : m_library(QString::fromLatin1(library), kVoiceLibraryVersion)
    {
    }
    ~LoadedVoice()
    {
        if (m_voice)
            m_flite.unregisterVoice(m_voice);
    }
    LoadedVoice(const LoadedVoice &) = delete;
    LoadedVoice &operator=(const LoadedVoice &) = delete;

    void synthesize(const std::string &text, const SampleSink &sink)
    {
        const QMutexLocker lock(&m_synthesis);
        bool stopped = false;
        QuietStartTrimmer trimmed(sink);
        const SampleSink stopping = [&trimmed, &stopped](std::span<const std::int16_t> samples, int rate) {
            stopped = stopped || !trimmed(samples, rate);
            return !stopped;
        };
        m_sink = &stopping;
        for (const std::string_view piece : utterances(text)) {
            if (cst_wave *wave = m_flite.textToWave(std::string(piece).c_str(), m_voice))
                m_flite.deleteWave(wave);
            if (stopped)
                break;
        }
        m_sink = nullptr;
    }

private:
    bool load(const char *registerFunction)
    {
        // The voice's tables live in its library, so it stays mapped.
        m_library.setLoadHints(QLibrary::PreventUnloadHint);
        if (!m_library.load() || !m_flite.resolve(m_library, registerFunction))
            return false;
        m_flite.init();
        m_voice = m_flite.registerVoice(nullptr);
        if (!m_voice)
            return false;
        // Owned by the voice's features from here on.
        cst_audio_streaming_info *streaming = m_flite.newStreamingInfo();
        streaming->asc = &LoadedVoice::takeChunk;
        streaming->userdata = this;
        m_flite.setFeature(m_voice->features, "streaming_info", m_flite.streamingInfoValue(streaming));
        return true;
    }

    // flite calls this with each new stretch of the wave it is building.
    static int takeChunk(const cst_wave *wave, int start, int size, int /*last*/,
                         cst_audio_streaming_info *info)
    {
        const auto *self = static_cast<const LoadedVoice *>(info->userdata);
        const std::span<const std::int16_t> samples(wave->samples + start, static_cast<std::size_t>(size));
        const bool more = self->m_sink && (*self->m_sink)(samples, wave->sample_rate);
        return more ? CST_AUDIO_STREAM_CONT : CST_AUDIO_STREAM_STOP;
    }

    QLibrary m_library;
    FliteFunctions m_flite;
    cst_voice *m_voice = nullptr;
    QMutex m_synthesis;
    const SampleSink *m_sink = nullptr;
};

class FliteVoice final : public Voice {
public:
    FliteVoice(const char *library, const char *registerFunction) :
        m_library(library),
        m_registerFunction(registerFunction)
    {
    }

    bool load() override
    {
        if (!m_tried) {
            m_tried = true;
            m_voice = LoadedVoice::of(m_library, m_registerFunction);
        }
        return m_voice != nullptr;
    }

    bool synthesize(const std::string &text, const SampleSink &sink) override
    {
        if (!load())
            return false;
        if (!text.empty())
            m_voice->synthesize(text, sink);
        return true;
    }

private:
    const char *m_library;
    const char *m_registerFunction;
    bool m_tried = false;
    LoadedVoice *m_voice = nullptr;
};

} // namespace

std::unique_ptr<Voice> fliteVoice()
{
    return fliteVoice(kVoiceLibrary, kRegisterVoice);
}

std::unique_ptr<Voice> fliteVoice(const char *library, const char *registerFunction)
{
    return std::make_unique<FliteVoice>(library, registerFunction);
}

} // namespace slovnik

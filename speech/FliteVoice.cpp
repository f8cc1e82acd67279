#include "Voice.h"

#include <QLibrary>

#include <flite/flite.h>

namespace slovnik {

namespace {

// The voice library pulls in libflite and the English lexicon as its own dependencies, so every
// function is found through its handle. Loaded by name at first use: the program links none of
// flite, and a session that never speaks never maps it.
constexpr const char *kVoiceLibrary = "flite_cmu_us_slt";
constexpr int kVoiceLibraryVersion = 1;
constexpr const char *kRegisterVoice = "register_cmu_us_slt";

struct FliteFunctions {
    int (*init)() = nullptr;
    cst_voice *(*registerVoice)(const char *) = nullptr;
    cst_wave *(*textToWave)(const char *, cst_voice *) = nullptr;
    void (*deleteWave)(cst_wave *) = nullptr;
    cst_audio_streaming_info *(*newStreamingInfo)() = nullptr;
    cst_val *(*streamingInfoValue)(const cst_audio_streaming_info *) = nullptr;
    void (*setFeature)(cst_features *, const char *, const cst_val *) = nullptr;

    bool resolve(QLibrary &library, const char *registerFunction)
    {
        return find(library, "flite_init", init) && find(library, registerFunction, registerVoice)
            && find(library, "flite_text_to_wave", textToWave) && find(library, "delete_wave", deleteWave)
            && find(library, "new_audio_streaming_info", newStreamingInfo)
            && find(library, "audio_streaming_info_val", streamingInfoValue)
            && find(library, "feat_set", setFeature);
    }

private:
    template <typename Function>
    static bool find(QLibrary &library, const char *name, Function &function)
    {
        function = reinterpret_cast<Function>(library.resolve(name));
        return function != nullptr;
    }
};

class FliteVoice final : public Voice {
public:
    FliteVoice(const char *library, const char *registerFunction)
        : m_library(QString::fromLatin1(library), kVoiceLibraryVersion), m_registerFunction(registerFunction)
    {
    }

    bool load() override
    {
        if (!m_tried) {
            m_tried = true;
            m_voice = loadVoice();
        }
        return m_voice != nullptr;
    }

    bool synthesize(const std::string &text, const SampleSink &sink) override
    {
        if (!load())
            return false;
        if (text.empty())
            return true;
        m_sink = &sink;
        m_stopped = false;
        if (cst_wave *wave = m_flite.textToWave(text.c_str(), m_voice))
            m_flite.deleteWave(wave);
        m_sink = nullptr;
        return true;
    }

private:
    cst_voice *loadVoice()
    {
        // The library stays mapped for the rest of the process: the voice's tables live in it.
        m_library.setLoadHints(QLibrary::PreventUnloadHint);
        if (!m_library.load() || !m_flite.resolve(m_library, m_registerFunction))
            return nullptr;
        m_flite.init();
        cst_voice *voice = m_flite.registerVoice(nullptr);
        if (!voice)
            return nullptr;
        // Owned by the voice's features from here on.
        cst_audio_streaming_info *streaming = m_flite.newStreamingInfo();
        streaming->asc = &FliteVoice::takeChunk;
        streaming->userdata = this;
        m_flite.setFeature(voice->features, "streaming_info", m_flite.streamingInfoValue(streaming));
        return voice;
    }

    // flite calls this with each new stretch of the wave it is building.
    static int takeChunk(const cst_wave *wave, int start, int size, int /*last*/,
                         cst_audio_streaming_info *info)
    {
        auto *self = static_cast<FliteVoice *>(info->userdata);
        if (!self->m_sink || self->m_stopped)
            return CST_AUDIO_STREAM_STOP;
        const std::span<const std::int16_t> samples(wave->samples + start, static_cast<std::size_t>(size));
        if (!(*self->m_sink)(samples, wave->sample_rate))
            self->m_stopped = true;
        return self->m_stopped ? CST_AUDIO_STREAM_STOP : CST_AUDIO_STREAM_CONT;
    }

    QLibrary m_library;
    const char *m_registerFunction;
    FliteFunctions m_flite;
    bool m_tried = false;
    cst_voice *m_voice = nullptr;
    const SampleSink *m_sink = nullptr;
    bool m_stopped = false;
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

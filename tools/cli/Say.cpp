// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/cli/Commands.h"

#include "speech/SpeakableText.h"
#include "speech/Speaker.h"
#include "speech/Voice.h"
#include "tools/cli/Cli.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>
#include <QtEndian>

#include <vector>

namespace slovnik::cli {
namespace {

constexpr const char *kNoVoice
    = "slovnik-cli: say: the English voice cannot be loaded (flite's cmu_us_slt, Debian package libflite1)\n";
constexpr int kPlayingPollMilliseconds = 50;

struct Synthesized {
    std::vector<std::int16_t> samples;
    int sampleRate = 0;
};

template <typename Value> void appendLittleEndian(QByteArray &bytes, Value value)
{
    char little[sizeof(Value)];
    qToLittleEndian(value, little);
    bytes.append(little, sizeof little);
}

// A RIFF/WAVE file of 16-bit mono PCM.
QByteArray waveFile(const Synthesized &sound)
{
    constexpr quint16 kPcm = 1;
    constexpr quint16 kChannels = 1;
    constexpr quint16 kBitsPerSample = 16;
    constexpr quint16 kBytesPerFrame = kChannels * kBitsPerSample / 8;
    constexpr quint32 kFormatChunkSize = 16;
    constexpr quint32 kHeaderAfterSize = 36; // "WAVE", the format chunk and the data chunk's header
    const auto dataBytes = static_cast<quint32>(sound.samples.size() * kBytesPerFrame);
    const auto rate = static_cast<quint32>(sound.sampleRate);

    QByteArray file;
    const auto put32 = [&file](quint32 value) { appendLittleEndian(file, value); };
    const auto put16 = [&file](quint16 value) { appendLittleEndian(file, value); };
    file.append("RIFF");
    put32(kHeaderAfterSize + dataBytes);
    file.append("WAVEfmt ");
    put32(kFormatChunkSize);
    put16(kPcm);
    put16(kChannels);
    put32(rate);
    put32(rate * kBytesPerFrame);
    put16(kBytesPerFrame);
    put16(kBitsPerSample);
    file.append("data");
    put32(dataBytes);
    for (const std::int16_t sample : sound.samples)
        appendLittleEndian(file, sample);
    return file;
}

int writeWave(const QString &text, const QString &path, std::FILE *err)
{
    Synthesized sound;
    const bool loaded = fliteVoice()->synthesize(
        speakableText(text), [&sound](std::span<const std::int16_t> samples, int rate) {
            sound.samples.insert(sound.samples.end(), samples.begin(), samples.end());
            sound.sampleRate = rate;
            return true;
        });
    if (!loaded) {
        std::fputs(kNoVoice, err);
        return Unavailable;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(waveFile(sound)) < 0
        || !file.flush()) {
        std::fprintf(err, "slovnik-cli: say: cannot write '%s': %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return CannotWrite;
    }
    return Success;
}

int play(const QString &text, std::FILE *err)
{
    int argc = 1;
    char name[] = "slovnik-cli";
    char *argv[] = {name, nullptr};
    const std::unique_ptr<QCoreApplication> application(
        QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv));

    Speaker speaker;
    QTimer poll;
    poll.setInterval(kPlayingPollMilliseconds);
    QObject::connect(&poll, &QTimer::timeout, &speaker, [&speaker] {
        if (!speaker.isSpeaking())
            QCoreApplication::exit(Success);
    });
    QObject::connect(&speaker, &Speaker::synthesisFinished, &poll, qOverload<>(&QTimer::start));
    QObject::connect(
        &speaker, &Speaker::availabilityChanged, &speaker, [err](Speaker::Availability availability) {
            if (availability == Speaker::Availability::NoVoice) {
                std::fputs(kNoVoice, err);
                QCoreApplication::exit(Unavailable);
            } else if (availability == Speaker::Availability::NoAudioOutput) {
                std::fputs("slovnik-cli: say: there is no audio output to play on (try --wav FILE)\n", err);
                QCoreApplication::exit(Unavailable);
            }
        });
    speaker.say(text);
    if (!speaker.isSpeaking())
        return Success;
    return QCoreApplication::exec();
}

} // namespace

int say(const QString &text, const std::optional<QString> &wavFile, std::FILE *err)
{
    return wavFile ? writeWave(text, *wavFile, err) : play(text, err);
}

} // namespace slovnik::cli

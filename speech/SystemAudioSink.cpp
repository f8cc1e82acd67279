// SPDX-License-Identifier: GPL-2.0-or-later
#include "speech/AudioSink.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QStringList>

namespace slovnik {

namespace {

using CreateAudioSink = void (*)(std::unique_ptr<AudioSink> &);

// The installed program finds the module beside its other private libraries; the programs of
// the build tree, tests and tools among them, where the build put it.
QStringList moduleCandidates()
{
    QStringList candidates;
    if (QCoreApplication::instance())
        candidates << QDir(QCoreApplication::applicationDirPath())
                          .filePath(QStringLiteral(SLOVNIK_AUDIO_MODULE_FROM_BINDIR));
    candidates << QStringLiteral(SLOVNIK_AUDIO_MODULE_BUILT);
    return candidates;
}

} // namespace

std::unique_ptr<AudioSink> systemAudioSink()
{
    std::unique_ptr<AudioSink> sink;
    for (const QString &path : moduleCandidates()) {
        QLibrary module(path);
        // Sinks made by the module outlive this QLibrary.
        module.setLoadHints(QLibrary::PreventUnloadHint);
        if (!module.load())
            continue;
        if (const auto create = reinterpret_cast<CreateAudioSink>(module.resolve("slovnikCreateAudioSink"))) {
            create(sink);
            break;
        }
    }
    return sink;
}

} // namespace slovnik

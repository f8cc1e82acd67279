// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// A PulseAudio server of the test's own, in a fresh runtime folder and HOME, whose only output is
// a null sink, and a recording of that sink's monitor: what the program plays there can be heard
// and timed. Starting it sets HOME and XDG_RUNTIME_DIR of this process, so it must come before
// anything connects to a sound server.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace slovnik::support {

using Clock = std::chrono::steady_clock;

class PulseNullSink {
public:
    static constexpr int kRate = 16000;
    static constexpr const char *kSinkName = "slovnik_null";

    enum class Output { NullSink, None };

    /// Sets up this process's HOME and runtime folder for a server of its own; start() starts it.
    PulseNullSink()
    {
        if (!m_runtime.isValid() || !m_home.isValid()) {
            m_failure = QStringLiteral("no temporary folder");
            return;
        }
        ::setenv("HOME", qPrintable(m_home.path()), 1);
        ::setenv("XDG_RUNTIME_DIR", qPrintable(m_runtime.path()), 1);
        ::unsetenv("PULSE_SERVER");
        ::unsetenv("PULSE_SINK");
    }

    /// Starts the server; with Output::None it has no output until addNullSink(). False, and
    /// failure() says why, when it cannot start.
    bool start(Output output = Output::NullSink)
    {
        if (!m_failure.isEmpty())
            return false;
        // The server's log goes to a file: a pipe nobody reads would stop it once full.
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        m_server.setStandardOutputFile(m_runtime.filePath(QStringLiteral("pulseaudio.log")));
        QStringList arguments{u"-n"_qs,
                              u"--daemonize=no"_qs,
                              u"--exit-idle-time=-1"_qs,
                              u"--disable-shm=yes"_qs,
                              u"--log-target=stderr"_qs,
                              u"-L"_qs,
                              u"module-native-protocol-unix"_qs};
        if (output == Output::NullSink)
            arguments << u"-L"_qs << nullSinkModule();
        m_server.start(QStringLiteral("pulseaudio"), arguments);
        if (!m_server.waitForStarted(5000)) {
            m_failure = QStringLiteral("pulseaudio cannot be started: ") + m_server.errorString();
            return false;
        }
        for (int tries = 0; tries < 50 && !answers(); ++tries) {
            if (m_server.state() != QProcess::Running) {
                m_failure = QStringLiteral("pulseaudio ended at once, see ")
                    + m_runtime.filePath(u"pulseaudio.log"_qs);
                return false;
            }
            QThread::msleep(100);
        }
        if (!answers())
            m_failure = QStringLiteral("pulseaudio does not answer");
        return m_failure.isEmpty();
    }

    ~PulseNullSink()
    {
        stopRecording();
        if (m_server.state() != QProcess::NotRunning) {
            m_server.terminate();
            if (!m_server.waitForFinished(3000))
                m_server.kill();
            m_server.waitForFinished(1000);
        }
    }
    PulseNullSink(const PulseNullSink &) = delete;
    PulseNullSink &operator=(const PulseNullSink &) = delete;

    /// Gives a server started without an output its null sink.
    bool addNullSink() const
    {
        return !pactl(QStringList{u"load-module"_qs} + nullSinkModule().split(u' ')).isEmpty();
    }

    /// Empty when the server runs or was not started; otherwise why it does not run.
    QString failure() const { return m_failure; }

    /// The sink's state as pactl names it: RUNNING while a stream plays into it, IDLE or
    /// SUSPENDED when none does.
    QString sinkState() const
    {
        for (const QString &line : pactl({u"list"_qs, u"sinks"_qs, u"short"_qs}).split(u'\n')) {
            const QStringList fields = line.split(u'\t');
            if (fields.size() >= 5 && fields[1] == QLatin1String(kSinkName))
                return fields.last().trimmed();
        }
        return {};
    }

    /// Records the sink's monitor from now on, as 16-bit mono samples at kRate.
    bool startRecording()
    {
        int fds[2];
        if (::pipe(fds) != 0)
            return false;
        const QByteArray device = QByteArray(kSinkName) + ".monitor";
        m_recorder = ::fork();
        if (m_recorder == 0) {
            ::dup2(fds[1], STDOUT_FILENO);
            ::close(fds[0]);
            ::close(fds[1]);
            ::execlp("parec", "parec", "-d", device.constData(), "--raw", "--format=s16le", "--rate=16000",
                     "--channels=1", "--latency-msec=5", static_cast<char *>(nullptr));
            ::_exit(127);
        }
        ::close(fds[1]);
        if (m_recorder < 0) {
            ::close(fds[0]);
            return false;
        }
        m_pipe = fds[0];
        m_reader = std::thread([this] { readMonitor(); });
        // The monitor delivers nothing until the sink first plays: a burst of noise starts it.
        const Clock::time_point started = Clock::now();
        QProcess::execute(QStringLiteral("sh"),
                          {u"-c"_qs,
                           u"head -c 3200 /dev/urandom | pacat --raw "
                           "--format=s16le --rate=16000 --channels=1"_qs});
        for (int tries = 0; tries < 100 && !soundEndedAfter(started); ++tries)
            QThread::msleep(50);
        return soundEndedAfter(started).has_value();
    }

    void stopRecording()
    {
        if (m_recorder <= 0)
            return;
        ::kill(m_recorder, SIGTERM);
        m_reader.join();
        ::close(m_pipe);
        ::waitpid(m_recorder, nullptr, 0);
        m_recorder = -1;
    }

    /// When the first loud sample that reached the monitor after `from` was played: the clock
    /// time of the sink; nullopt while none has.
    std::optional<Clock::time_point> soundAfter(Clock::time_point from) const
    {
        const std::lock_guard lock(m_mutex);
        for (std::size_t i = firstIndexAfter(from); i < m_samples.size(); ++i) {
            if (std::abs(int(m_samples[i])) > kLoud)
                return timeOf(i);
        }
        return std::nullopt;
    }

    /// When the last loud sample that reached the monitor after `from` was played, once nothing
    /// loud has come for kQuiet; nullopt while the sound may still go on.
    std::optional<Clock::time_point> soundEndedAfter(Clock::time_point from) const
    {
        const std::lock_guard lock(m_mutex);
        std::optional<std::size_t> last;
        for (std::size_t i = firstIndexAfter(from); i < m_samples.size(); ++i) {
            if (std::abs(int(m_samples[i])) > kLoud)
                last = i;
        }
        if (!last || Clock::now() - timeOf(*last) < kQuiet)
            return std::nullopt;
        return timeOf(*last);
    }

private:
    static constexpr int kLoud = 300;
    static constexpr std::chrono::milliseconds kQuiet{400};

    QString pactl(const QStringList &arguments) const
    {
        QProcess process;
        process.start(QStringLiteral("pactl"), arguments);
        if (!process.waitForFinished(5000) || process.exitCode() != 0)
            return {};
        return QString::fromLocal8Bit(process.readAllStandardOutput());
    }

    static QString nullSinkModule()
    {
        return QStringLiteral("module-null-sink sink_name=%1").arg(QLatin1String(kSinkName));
    }

    bool answers() const { return !pactl({u"info"_qs}).isEmpty(); }

    // The monitor delivers only while the sink plays, in pieces, each soon after its last sample
    // was played. Within a piece and the ones that follow it the samples are kRate a second
    // apart, so a sample was played no later than any later piece's arrival minus the samples
    // between: the earliest such bound is the estimate.
    struct Arrival {
        std::size_t samples; // the count of samples received with this piece
        Clock::time_point at;
    };

    void readMonitor()
    {
        std::int16_t buffer[256];
        for (;;) {
            const ssize_t bytes = ::read(m_pipe, buffer, sizeof buffer);
            const Clock::time_point now = Clock::now();
            if (bytes <= 0)
                return;
            const std::lock_guard lock(m_mutex);
            m_samples.insert(m_samples.end(), buffer, buffer + bytes / 2);
            m_arrivals.push_back({m_samples.size(), now});
        }
    }

    static Clock::duration samplesDuration(std::size_t samples)
    {
        return std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double>(double(samples) / kRate));
    }

    // The first sample received after `from`.
    std::size_t firstIndexAfter(Clock::time_point from) const
    {
        std::size_t index = 0;
        for (const Arrival &arrival : m_arrivals) {
            if (arrival.at > from)
                break;
            index = arrival.samples;
        }
        return index;
    }

    Clock::time_point timeOf(std::size_t index) const
    {
        constexpr std::size_t kPiecesConsidered = 50;
        auto arrival = std::upper_bound(m_arrivals.begin(), m_arrivals.end(), index,
                                        [](std::size_t i, const Arrival &a) { return i < a.samples; });
        Clock::time_point earliest = Clock::time_point::max();
        for (std::size_t n = 0; n < kPiecesConsidered && arrival != m_arrivals.end(); ++n, ++arrival)
            earliest = std::min(earliest, arrival->at - samplesDuration(arrival->samples - index));
        return earliest;
    }

    QTemporaryDir m_runtime;
    QTemporaryDir m_home;
    QProcess m_server;
    QString m_failure;

    pid_t m_recorder = -1;
    int m_pipe = -1;
    std::thread m_reader;
    mutable std::mutex m_mutex;
    std::vector<std::int16_t> m_samples;
    std::vector<Arrival> m_arrivals;
};

} // namespace slovnik::support

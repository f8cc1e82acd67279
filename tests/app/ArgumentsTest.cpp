// SPDX-License-Identifier: GPL-2.0-or-later
// The program as a user starts it, with arguments on its command line: it reads none, and the
// toolkit's own options (-platform, -reverse, -style...) do not reach the toolkit either.

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Long enough for a toolkit that takes "-platform nowhere" to give up; the program that ignores
// it goes on running on the environment's platform until it is stopped.
constexpr int kGiveUpWithinMs = 3000;

TEST(Arguments, ToolkitOptionsOnTheCommandLineAreIgnored)
{
    const QTemporaryDir home;
    const QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(SLOVNIK_PROGRAM_PATH),
                  {QStringLiteral("-platform"), QStringLiteral("nowhere"), QStringLiteral("-reverse")});
    ASSERT_TRUE(program.waitForStarted());
    EXPECT_FALSE(program.waitForFinished(kGiveUpWithinMs)) << program.readAllStandardError().toStdString();
    program.kill();
    program.waitForFinished();
}

} // namespace

// slovnik-cli as a user runs it: a separate process, its output and its exit code.

#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

CliRun runCli(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(SLOVNIK_CLI_PATH), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

TEST(CliDump, PrintsEveryEntryNumberedFromZero)
{
    const CliRun run = runCli({QStringLiteral("dump")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QList<QByteArray> lines = run.out.split('\n');
    ASSERT_EQ(lines.size(), 27378 + 1); // the last line ends in a newline too
    EXPECT_TRUE(lines.back().isEmpty());
    for (const int position : {0, 1, 27377}) {
        const QList<QByteArray> fields = lines.at(position).split('\t');
        ASSERT_EQ(fields.size(), 3) << lines.at(position).toStdString();
        EXPECT_EQ(fields.at(0), QByteArray::number(position));
        EXPECT_FALSE(fields.at(1).isEmpty());
        EXPECT_FALSE(fields.at(2).isEmpty());
    }
    EXPECT_TRUE(run.err.isEmpty());
}

TEST(CliDump, OutputIsUtf8WithCzechLetters)
{
    const CliRun run = runCli({QStringLiteral("dump")});
    const QString text = QString::fromUtf8(run.out);
    EXPECT_EQ(text.toUtf8(), run.out);
    EXPECT_TRUE(text.contains(u'č'));
}

TEST(CliUsage, HelpExplainsAndSucceeds)
{
    const CliRun run = runCli({QStringLiteral("--help")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.contains("dump"));
}

TEST(CliUsage, WrongCommandsAndOptionsExitWithTwo)
{
    for (const QStringList &arguments : {QStringList{}, QStringList{QStringLiteral("frobnicate")},
                                         QStringList{QStringLiteral("dump"), QStringLiteral("--bogus")}}) {
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_FALSE(run.err.isEmpty());
    }
}

} // namespace

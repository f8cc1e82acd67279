// SPDX-License-Identifier: GPL-2.0-or-later
// slovnik-cli as a user runs it: a separate process, its output and its exit code.

#include "common/ListOrder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

CliRun runCli(const QStringList &arguments, const QByteArray &input = {})
{
    QProcess process;
    process.start(QStringLiteral(SLOVNIK_CLI_PATH), arguments);
    process.write(input);
    process.closeWriteChannel();
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

TEST(CliUsage, VersionIsTheProjectsUnderBothOptions)
{
    for (const QString &option : {QStringLiteral("--version"), QStringLiteral("-V")}) {
        const CliRun run = runCli({option});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out, "slovnik-cli " SLOVNIK_VERSION "\n") << option.toStdString();
    }
}

TEST(CliUsage, WrongCommandsAndOptionsExitWithTwo)
{
    for (const QStringList &arguments :
         {QStringList{}, QStringList{QStringLiteral("frobnicate")},
          QStringList{QStringLiteral("dump"), QStringLiteral("--bogus")},
          QStringList{QStringLiteral("show"), QStringLiteral("--selection"), QStringLiteral("dog")},
          QStringList{QStringLiteral("show"), QStringLiteral("--selection"), QStringLiteral("--clipboard")},
          QStringList{QStringLiteral("show"), QStringLiteral("dog"), QStringLiteral("cat")}}) {
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_FALSE(run.err.isEmpty());
    }
}

// The program's side, with a bus, is tests/bus/.
TEST(CliShow, WithoutASessionBusExitsWithThreeAndStartsNone)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    // An empty runtime folder: no user bus listens there.
    const QTemporaryDir runtime;
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(SLOVNIK_CLI_PATH), {QStringLiteral("show"), QStringLiteral("dog")});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 3);
    const QString err = QString::fromUtf8(process.readAllStandardError());
    EXPECT_EQ(err.count(u'\n'), 1);
    EXPECT_TRUE(err.contains(u"sběrnice"_qs) && err.contains(u"session bus"_qs)) << err.toStdString();
    EXPECT_TRUE(QDir(runtime.path()).isEmpty());
}

TEST(CliLookup, ListsTheDogLinesSortedWithDuplicates)
{
    const CliRun run = runCli({QStringLiteral("lookup"), QStringLiteral("--en-cs"), QStringLiteral("dog")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QStringList lines = QString::fromUtf8(run.out).split(u'\n');
    ASSERT_TRUE(lines.takeLast().isEmpty());
    ASSERT_FALSE(lines.isEmpty());
    for (const QString &line : lines)
        EXPECT_TRUE(line.startsWith(u"dog")) << line.toStdString();
    // "dog" itself is found by the exact look-up of the unchanged word and by the prefix search.
    EXPECT_EQ(lines.count(u"dog = pes"_qs), 2);
    slovnik::CollatedLines inOrder(slovnik::resultLineCollator());
    for (const QString &line : std::as_const(lines))
        inOrder.append(line);
    inOrder.sort();
    EXPECT_EQ(lines, inOrder.lines());
}

// A look-up that needs no Qt is done by slovnik-cli itself; it prints what the full tool prints,
// lines, order, messages and exit code alike, and every other command line reaches the full tool.
TEST(CliLookup, QuickLookUpPrintsWhatTheFullToolPrints)
{
    const auto run = [](const char *program, const QStringList &arguments, const QString &locale) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"LC_ALL"_qs, locale);
        process.setProcessEnvironment(environment);
        process.start(QString::fromUtf8(program), arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        return CliRun{process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    };
    const QStringList cases[] = {
        {u"lookup"_qs, u"p"_qs},
        {u"lookup"_qs, u"--en-cs"_qs, u"s"_qs},
        {u"lookup"_qs, u"--en-cs"_qs, u"runs"_qs},
        {u"lookup"_qs, u"--en-cs"_qs, u"--cs-en"_qs, u"--"_qs, u"Ch"_qs},
        {u"lookup"_qs, u"--en-cs"_qs, u"bigger"_qs},
        {u"lookup"_qs, u"--"_qs, u"-"_qs},
        {u"lookup"_qs, u"--en-cs"_qs, u"a "_qs},
        {u"lookup"_qs, u"dům"_qs},
        {u"lookup"_qs, u"-x"_qs},
        {u"lookup"_qs, u"pes"_qs, u"kočka"_qs},
        {u"lookup"_qs, u"--help"_qs},
        {u"--version"_qs},
    };
    for (const QString &locale : {u"C.UTF-8"_qs, u"cs_CZ.UTF-8"_qs, u"en_US.UTF-8"_qs}) {
        for (const QStringList &arguments : cases) {
            const CliRun quick = run(SLOVNIK_CLI_PATH, arguments, locale);
            const CliRun full = run(SLOVNIK_CLI_COMMANDS_PATH, arguments, locale);
            const std::string what = (arguments.join(u' ') + u" in "_qs + locale).toStdString();
            EXPECT_EQ(quick.exitCode, full.exitCode) << what;
            EXPECT_EQ(quick.out, full.out) << what;
            EXPECT_EQ(quick.err, full.err) << what;
        }
    }
}

// What the loader maps for a look-up, and for a command that needs Qt.
TEST(CliLookup, LooksUpWithoutLoadingQtOrIcu)
{
    const auto loaded = [](const QStringList &arguments) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"LD_DEBUG"_qs, u"files"_qs);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(SLOVNIK_CLI_PATH), arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        return process.readAllStandardError();
    };
    const QByteArray lookup = loaded({u"lookup"_qs, u"--en-cs"_qs, u"dogs"_qs});
    EXPECT_FALSE(lookup.contains("libQt6")) << lookup.toStdString();
    EXPECT_FALSE(lookup.contains("libicu")) << lookup.toStdString();
    const QByteArray version = loaded({u"--version"_qs});
    EXPECT_TRUE(version.contains("libQt6Core")) << version.toStdString();
}

TEST(CliLookup, DirectionDecidesWhichWordsAreSearched)
{
    const CliRun czech = runCli({QStringLiteral("lookup"), QStringLiteral("pes")});
    EXPECT_EQ(czech.exitCode, 0);
    EXPECT_TRUE(QString::fromUtf8(czech.out).split(u'\n').contains(u"pes = dog"_qs));
    const CliRun upper = runCli({QStringLiteral("lookup"), QStringLiteral("--"), QStringLiteral("PES")});
    EXPECT_EQ(upper.out, czech.out);
}

TEST(CliLookup, NothingFoundOrCleanedAwayPrintsNothingAndSucceeds)
{
    for (const QStringList &arguments :
         {QStringList{QStringLiteral("lookup"), QStringLiteral("--en-cs"), QStringLiteral("a ")},
          QStringList{QStringLiteral("lookup"), QStringLiteral("qqqqqxz")},
          QStringList{QStringLiteral("lookup"), QString(100000, u'x')},
          QStringList{QStringLiteral("lookup"), QStringLiteral("😀")}}) {
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_TRUE(run.out.isEmpty());
    }
}

TEST(CliLookup, TextThatIsNotUtf8IsRefused)
{
    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), QStringLiteral("exec \"$0\" lookup \"$(printf 'p\\377s')\""),
                 QStringLiteral(SLOVNIK_CLI_PATH)});
    ASSERT_TRUE(shell.waitForFinished(30000));
    EXPECT_EQ(shell.exitCode(), 1);
    EXPECT_TRUE(shell.readAllStandardOutput().isEmpty());
    EXPECT_TRUE(shell.readAllStandardError().contains("UTF-8"));
}

TEST(CliLookup, WrongUsageExitsWithTwo)
{
    for (const QStringList &arguments :
         {QStringList{QStringLiteral("lookup")},
          QStringList{QStringLiteral("lookup"), QStringLiteral("a"), QStringLiteral("b")},
          QStringList{QStringLiteral("lookup"), QStringLiteral("--de-cs"), QStringLiteral("hund")}}) {
        EXPECT_EQ(runCli(arguments).exitCode, 2) << arguments.join(u' ').toStdString();
    }
}

TEST(CliTranslate, PrintsTheSentenceOfEveryWordsFirstOffer)
{
    const CliRun run = runCli({QStringLiteral("translate")}, "Pes xqzw.\n");
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    // A word without offers leaves its box empty, which the sentence shows as "[..]".
    EXPECT_EQ(run.out, "dog [..] \n");
}

TEST(CliTranslate, OffersListsEachWordThenItsOffersIndented)
{
    const CliRun run = runCli(
        {QStringLiteral("translate"), QStringLiteral("--en-cs"), QStringLiteral("--offers")}, "Dogs\n");
    ASSERT_EQ(run.exitCode, 0);
    const QList<QByteArray> lines = run.out.split('\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines.at(0), "dogs");
    EXPECT_TRUE(lines.at(1).startsWith("  dogs = ")) << lines.at(1).toStdString();
    const CliRun sentence = runCli({QStringLiteral("translate"), QStringLiteral("--en-cs")}, "Dogs\n");
    EXPECT_EQ(sentence.out, lines.at(1).mid(2 + 7) + " \n"); // the part after "= " of offer 0
}

// "crème" was split at the "è", which the code page lacks, into "cr" and "me"; the control
// character after it made a word of its own.
TEST(CliTranslate, LetterTheCodePageLacksIsItsBaseLetterAndControlsAreDropped)
{
    const CliRun run = runCli({QStringLiteral("translate"), QStringLiteral("--en-cs")}, "cr\xc3\xa8me\x01\n");
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(run.out), u"krém \n"_qs);
    const CliRun lookup = runCli({QStringLiteral("lookup"), QStringLiteral("--en-cs"), u"crème"_qs});
    EXPECT_EQ(QString::fromUtf8(lookup.out).split(u'\n').first(), u"creme = krém"_qs);
}

TEST(CliTranslate, OffersListBaseFormsAfterTheScanAndFillChoosesThem)
{
    // "psa" scans only longer words ("psací stroj"), "zahradě" nothing: both get base forms.
    const QByteArray text = "Psa zahrad\xc4\x9b.\n";
    const CliRun offers = runCli({QStringLiteral("translate"), QStringLiteral("--offers")}, text);
    ASSERT_EQ(offers.exitCode, 0) << offers.err.toStdString();
    const QList<QByteArray> lines = offers.out.split('\n');
    const auto dog = lines.indexOf("  ~ pes = dog");
    ASSERT_GT(dog, 1);
    EXPECT_TRUE(lines.at(dog - 1).startsWith("  ps")) << "the scanned lines come first";
    const auto garden = lines.indexOf("zahrad\xc4\x9b");
    ASSERT_GT(garden, dog);
    EXPECT_TRUE(lines.at(garden + 1).startsWith("  ~ zahrada = "));
    const CliRun filled = runCli({QStringLiteral("translate"), QStringLiteral("--fill")}, text);
    EXPECT_EQ(filled.out, "dog " + lines.at(garden + 1).mid(14) + " \n");
    EXPECT_EQ(
        runCli({QStringLiteral("translate"), QStringLiteral("--offers"), QStringLiteral("--fill")}).exitCode,
        2);
}

// The best reading on the program's table: phrases read as phrases, each word its everyday sense.
TEST(CliTranslate, FillGivesTheBestReading)
{
    const struct {
        const char *direction;
        const char *text;
        const char *sentence;
    } rows[] = {
        {"--en-cs", "I get up at seven.", "j\xc3\xa1 vst\xc3\xa1t u sedm \n"},
        {"--en-cs", "She looks after her brother.", "ona pe\xc4\x8dovat o jej\xc3\xad bratr \n"},
        // Czech has no articles: "the" adds nothing.
        {"--en-cs", "We are looking for the key.", "jsme hledat kl\xc3\xad\xc4\x8d \n"},
        {"--en-cs", "He gave up smoking.", "on vzd\xc3\xa1t se uzen\xc3\xad \n"},
        // "let's" holds "us": it never starts "let go = pustit".
        {"--en-cs", "Let\xe2\x80\x99s go.", "poj\xc4\x8fme j\xc3\xadt \n"},
        // A contraction with n't, its apostrophe typographic, is its verb's negation.
        {"--en-cs", "You shouldn\xe2\x80\x99t go there.", "ty nem\xc4\x9bl by j\xc3\xadt tam \n"},
        {"--cs-en",
         "M\xc3\xa1m r\xc3\xa1"
         "d psac\xc3\xad stroj.",
         "like typewriter \n"},
        {"--cs-en",
         "d\xc4\x9b"
         "ti hodiny star\xc3\xa1 \xc5\xbe"
         "eny \xc5\xa1"
         "el",
         "children hours old women went \n"},
        // Only longer words begin with "či": none of them is what it means.
        {"--cs-en", "\xc4\x8di", "[..] \n"},
        // Forms of a city and of a verb whose present tense hunspell keeps apart from it.
        {"--cs-en", "Jedeme do Brna, mus\xc3\xadme.", "ride to brno we have to \n"},
    };
    for (const auto &row : rows) {
        const CliRun run = runCli(
            {QStringLiteral("translate"), QString::fromLatin1(row.direction), QStringLiteral("--fill")},
            row.text);
        EXPECT_EQ(run.out, row.sentence) << row.text;
    }
    const CliRun offers = runCli(
        {QStringLiteral("translate"), QStringLiteral("--en-cs"), QStringLiteral("--offers")}, "get up\n");
    const QList<QByteArray> lines = offers.out.split('\n');
    const auto phrase = lines.indexOf("  + get up = vst\xc3\xa1t");
    ASSERT_GT(phrase, 0) << offers.out.toStdString();
    EXPECT_TRUE(lines.at(phrase - 1).startsWith("  get")) << "after the scanned lines";
}

TEST(CliForms, PrintsTheBaseFormsBestFirstWithTheExitCodesOfSuggest)
{
    const CliRun czech = runCli({QStringLiteral("forms"), QStringLiteral("--"), QStringLiteral("Psovi,")});
    ASSERT_EQ(czech.exitCode, 0) << czech.err.toStdString();
    EXPECT_TRUE(czech.out.startsWith("pes\n")) << czech.out.toStdString();
    const CliRun english = runCli({QStringLiteral("forms"), QStringLiteral("--en-cs"), u"It\u2019s"_qs});
    EXPECT_TRUE(english.out.startsWith("it's\n")) << english.out.toStdString();
    const CliRun none = runCli({QStringLiteral("forms"), QStringLiteral("xqzw")});
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_TRUE(none.out.isEmpty());
    EXPECT_EQ(runCli({QStringLiteral("forms")}).exitCode, 2);
    EXPECT_EQ(runCli({QStringLiteral("forms"), QStringLiteral("--de-cs"), QStringLiteral("hund")}).exitCode,
              2);
}

TEST(CliTranslate, LongTextIsShortenedWithANoticeAndWordlessTextPrintsNothing)
{
    QByteArray words;
    for (int i = 0; i < 129; ++i)
        words += "pes ";
    const CliRun shortened = runCli({QStringLiteral("translate")}, words);
    EXPECT_EQ(shortened.exitCode, 0);
    EXPECT_EQ(shortened.out.count("dog "), 128);
    EXPECT_FALSE(shortened.err.isEmpty());
    const CliRun wordless = runCli({QStringLiteral("translate")}, "123 ... !?\n");
    EXPECT_EQ(wordless.exitCode, 0);
    EXPECT_TRUE(wordless.out.isEmpty());
}

TEST(CliTranslate, InputThatIsNotUtf8IsRefusedAndArgumentsAreChecked)
{
    const CliRun bad = runCli({QStringLiteral("translate")}, "pes \xff\xfe");
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.out.isEmpty());
    EXPECT_EQ(runCli({QStringLiteral("translate"), QStringLiteral("pes")}).exitCode, 2);
}

TEST(CliSuggest, PrintsTheClosestWordsBestFirst)
{
    const CliRun english
        = runCli({QStringLiteral("suggest"), QStringLiteral("--en-cs"), QStringLiteral("recieve")});
    ASSERT_EQ(english.exitCode, 0) << english.err.toStdString();
    const QStringList lines = QString::fromUtf8(english.out).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.front(), u"receive"_qs);
    EXPECT_LE(lines.size(), 10);
    const CliRun czech = runCli({QStringLiteral("suggest"), QStringLiteral("--"), QStringLiteral("dekuji")});
    EXPECT_TRUE(QString::fromUtf8(czech.out).startsWith(u"děkuji\n"_qs)) << czech.out.toStdString();
}

TEST(CliSuggest, NothingCloseSucceedsQuietlyAndUsageIsChecked)
{
    for (const QString &word : {u"😀"_qs, u"a "_qs, QString(32767, u'x')}) {
        const CliRun run = runCli({QStringLiteral("suggest"), QStringLiteral("--en-cs"), word});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_TRUE(run.out.isEmpty());
    }
    for (const QStringList &arguments :
         {QStringList{QStringLiteral("suggest")},
          QStringList{QStringLiteral("suggest"), QStringLiteral("a"), QStringLiteral("b")},
          QStringList{QStringLiteral("suggest"), QStringLiteral("--de-cs"), QStringLiteral("hund")}}) {
        EXPECT_EQ(runCli(arguments).exitCode, 2) << arguments.join(u' ').toStdString();
    }
    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), QStringLiteral("exec \"$0\" suggest \"$(printf 'p\\377s')\""),
                 QStringLiteral(SLOVNIK_CLI_PATH)});
    ASSERT_TRUE(shell.waitForFinished(30000));
    EXPECT_EQ(shell.exitCode(), 1);
}

} // namespace

namespace {

// A full disk or a closed pipe is a failure of its own, never reported as success or as bad
// input.
TEST(CliOutput, OutputThatCannotBeWrittenIsReportedAsSuch)
{
    for (const QStringList &arguments :
         {QStringList{QStringLiteral("dump")}, QStringList{QStringLiteral("lookup"), QStringLiteral("p")}}) {
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(SLOVNIK_CLI_PATH), arguments);
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 3) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(process.readAllStandardError().contains("cannot write the output"));
    }
}

TEST(CliSay, WavFileHoldsTheWordAsSixteenBitMono)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("dog.wav"));
    const CliRun run = runCli({QStringLiteral("say"), QStringLiteral("--wav"), path, QStringLiteral("dog")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray wave = file.readAll();
    ASSERT_GT(wave.size(), 44);
    EXPECT_TRUE(wave.startsWith("RIFF") && wave.mid(8, 8) == "WAVEfmt ");
    EXPECT_EQ(qFromLittleEndian<quint16>(wave.constData() + 22), 1); // channels
    EXPECT_EQ(qFromLittleEndian<quint16>(wave.constData() + 34), 16); // bits per sample
    const quint32 rate = qFromLittleEndian<quint32>(wave.constData() + 24);
    const quint32 dataBytes = qFromLittleEndian<quint32>(wave.constData() + 40);
    EXPECT_EQ(dataBytes, quint32(wave.size() - 44));
    // A word with its pauses: more than a fifth of a second, less than two.
    EXPECT_GT(dataBytes, rate * 2 / 5);
    EXPECT_LT(dataBytes, rate * 2 * 2);
}

TEST(CliSay, RefusalsHaveTheirExitCodes)
{
    // Arguments as the shell spells them, so that bytes that are not UTF-8 reach the tool.
    const struct {
        const char *arguments;
        int exitCode;
    } cases[] = {
        {"say \"$(printf 'p\\377s')\"", 1},
        {"say", 2},
        {"say dog cat", 2},
        {"say --wav", 2},
        {"say --loud dog", 2},
        {"say --wav /nonexistent/folder/dog.wav dog", 3},
    };
    for (const auto &refused : cases) {
        QProcess shell;
        shell.start(QStringLiteral("/bin/sh"),
                    {QStringLiteral("-c"),
                     QStringLiteral("exec \"$0\" ") + QString::fromLatin1(refused.arguments),
                     QStringLiteral(SLOVNIK_CLI_PATH)});
        ASSERT_TRUE(shell.waitForFinished(30000));
        EXPECT_EQ(shell.exitCode(), refused.exitCode) << refused.arguments;
        EXPECT_FALSE(shell.readAllStandardError().isEmpty()) << refused.arguments;
    }
}

} // namespace

// SPDX-License-Identifier: GPL-2.0-or-later
// Looking a word up from another program, on a session bus and an X display of the test's own
// (run-on-private-bus.sh): the program's real windows on the real table answer on the bus, another
// X client owns the selection, and slovnik-cli show is run as a learner's key binding runs it. What
// the window shows afterwards must be what its paste button shows for the same text, and the
// learner's history, word list and translator stay as they were. Under a Wayland compositor the
// cases that need no X client run, natively on Wayland.

#include "app/DesktopBus.h"
#include "app/SelectionWatch.h"
#include "tests/hostile/HostileInput.h"
#include "tests/support/WhenShown.h"

#include <QCheckBox>
#include <QDBusConnection>
#include <QProcess>
#include <QSignalSpy>

using namespace slovnik;
using namespace slovnik::hostile;

namespace {

// Ample for a program that reads ten megabytes or waits out a selection owner that never answers.
constexpr int kProcessTimeoutMilliseconds = 60000;
// Longer than the watch lets a selection settle before it reads it.
constexpr int kPastSettling = 1000;

struct Finished {
    int exitCode = -1;
    QString errors;
};

// Waits for `process` with the event loop running, so that the windows answer its calls.
Finished finish(QProcess &process)
{
    if (process.state() != QProcess::NotRunning) {
        QSignalSpy finished(&process, &QProcess::finished);
        finished.wait(kProcessTimeoutMilliseconds);
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
}

Finished runCli(const QStringList &arguments)
{
    QProcess cli;
    cli.start(QStringLiteral(SLOVNIK_CLI), arguments);
    return finish(cli);
}

QString queryText(const TMainForm &form)
{
    return named<QComboBox>(form, "ComboBox1")->currentText();
}

QStringList resultLines(const TMainForm &form)
{
    return itemsOf(*named<ResultChooser>(form, "ComboBox2"));
}

bool onX11()
{
    return QGuiApplication::platformName() == u"xcb";
}

} // namespace

class LookUpTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();

    void selectionOfAnotherProgramIsLookedUpAsPasted_data();
    void selectionOfAnotherProgramIsLookedUpAsPasted();
    void nothingToLookUpChangesNothing_data();
    void nothingToLookUpChangesNothing();
    void textOfTheCommandLineIsLookedUp();
    void clipboardIsTranslated();
    void filesAreRefused();
    void callWaitsWhileADialogIsOpen();
    void watchFollowsOtherProgramsShortSelectionsOnly();

private:
    /// Starts another X client that owns the primary selection; returns once it does.
    void ownSelection(const QStringList &arguments);
    void verifyLearnerStateKept();

    std::unique_ptr<ProgramWindows> m_program;
    LearnerState m_before;
    QProcess m_owner;
};

void LookUpTest::initTestCase()
{
    if (!onX11() && QGuiApplication::platformName() != u"wayland")
        QSKIP("needs an X display or a Wayland compositor (run-on-private-bus.sh starts one)");
    if (!QDBusConnection::sessionBus().isConnected())
        QSKIP("needs a session bus (run-on-private-bus.sh starts one)");
    m_program = std::make_unique<ProgramWindows>();
    // A headless compositor has no keyboard, and Qt 6.4's Wayland platform falls over a key event
    // sent without one; there the windows stay as they start.
    if (onX11())
        buildLearnerState(*m_program);
    m_before = learnerState(*m_program);
    QCOMPARE(SelectionWatch::available(), onX11());
    QVERIFY((new DesktopBus(m_program->main, m_program->translator))->join());
}

void LookUpTest::cleanup()
{
    if (m_owner.state() != QProcess::NotRunning) {
        m_owner.kill();
        m_owner.waitForFinished();
    }
    QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
    QGuiApplication::clipboard()->clear(QClipboard::Selection);
}

void LookUpTest::cleanupTestCase()
{
    m_program.reset();
}

void LookUpTest::ownSelection(const QStringList &arguments)
{
    m_owner.start(QStringLiteral(SELECTION_OWNER), arguments);
    QVERIFY(m_owner.waitForReadyRead(kProcessTimeoutMilliseconds));
    QCOMPARE(m_owner.readLine().trimmed(), QByteArray("owned"));
}

void LookUpTest::verifyLearnerStateKept()
{
    const LearnerState after = learnerState(*m_program);
    verifyDictionaryKept(m_before, after);
    verifyTranslatorKept(m_before, after);
}

void LookUpTest::selectionOfAnotherProgramIsLookedUpAsPasted_data()
{
    QTest::addColumn<QStringList>("owner");
    QTest::addColumn<bool>("english");
    QTest::newRow("a word with a capital") << QStringList{u"Houses"_qs} << true;
    QTest::newRow("a word with a full stop") << QStringList{u"Houses."_qs} << true;
    QTest::newRow("ten megabytes") << QStringList{u"--bytes"_qs, QString::number(kTenMegabytes),
                                                  u"Pes spí na zahradě. "_qs}
                                   << false;
    QTest::newRow("bytes that are not UTF-8") << QStringList{u"--invalid-utf8"_qs} << true;
}

void LookUpTest::selectionOfAnotherProgramIsLookedUpAsPasted()
{
    if (!onX11())
        QSKIP("X11 only: another X client owns the selection, a window's activation is awaited");
    QFETCH(QStringList, owner);
    QFETCH(bool, english);
    TMainForm &main = m_program->main;
    if (english)
        click(named<TEx3DButton>(main, "LangBtn"));
    ownSelection(owner);
    const Finished shown = runCli({u"show"_qs, u"--selection"_qs});
    QCOMPARE(shown.exitCode, 0);
    QVERIFY(main.isVisible());
    const QString shownText = queryText(main);
    const QStringList shownLines = resultLines(main);

    typeQuery(main, QString());
    QGuiApplication::clipboard()->setText(QGuiApplication::clipboard()->text(QClipboard::Selection));
    click(named<TEx3DButton>(main, "PasteBtn"));
    QCOMPARE(shownText, queryText(main));
    QCOMPARE(shownLines, resultLines(main));
    if (owner.front() == u"Houses")
        QVERIFY(shownLines.contains(u"house = dům"_qs));
    if (english)
        click(named<TEx3DButton>(main, "LangBtn"));
    verifyLearnerStateKept();
}

void LookUpTest::nothingToLookUpChangesNothing_data()
{
    QTest::addColumn<QStringList>("owner");
    QTest::newRow("nothing selected, an empty clipboard") << QStringList{};
    QTest::newRow("blanks selected") << QStringList{u" \t\n "_qs};
    QTest::newRow("an owner that never answers") << QStringList{u"--silent"_qs, u"dog"_qs};
}

void LookUpTest::nothingToLookUpChangesNothing()
{
    if (!onX11())
        QSKIP("X11 only: another X client owns the selection, a window's activation is awaited");
    QFETCH(QStringList, owner);
    TMainForm &main = m_program->main;
    typeQuery(main, u"kočka"_qs);
    const QStringList lines = resultLines(main);
    // Typing selected the box's text, which made the dictionary the selection's owner.
    QGuiApplication::clipboard()->clear(QClipboard::Selection);
    if (!owner.isEmpty())
        ownSelection(owner);
    const Finished shown = runCli({u"show"_qs});
    QCOMPARE(shown.exitCode, 1);
    QVERIFY2(shown.errors.contains(u"nothing to look up"_qs), qPrintable(shown.errors));
    QVERIFY2(shown.errors.count(u'\n') == 1, qPrintable(shown.errors));
    QCOMPARE(queryText(main), u"kočka"_qs);
    QCOMPARE(resultLines(main), lines);
    verifyLearnerStateKept();
}

void LookUpTest::textOfTheCommandLineIsLookedUp()
{
    TMainForm &main = m_program->main;
    QCOMPARE(runCli({u"show"_qs, u"--"_qs, u"--pes"_qs}).exitCode, 0);
    QCOMPARE(queryText(main), u"--pes"_qs);
    QCOMPARE(runCli({u"show"_qs, u"zahrada"_qs}).exitCode, 0);
    QCOMPARE(queryText(main), u"zahrada"_qs);
    QVERIFY(resultLines(main).contains(u"zahrada = garden"_qs));
    verifyLearnerStateKept();
}

void LookUpTest::clipboardIsTranslated()
{
    if (!onX11())
        QSKIP("X11 only: another X client owns the selection, a window's activation is awaited");
    TTransForm &translator = m_program->translator;
    translator.hide();
    QGuiApplication::clipboard()->setText(u"Kočka spí."_qs);
    QCOMPARE(runCli({u"show"_qs, u"--translate-clipboard"_qs}).exitCode, 0);
    QTRY_VERIFY(wordCount(translator) == 2);
    QVERIFY(translator.isVisible());
    QCOMPARE(named<QPlainTextEdit>(translator, "Memo1")->toPlainText(), u"Kočka spí."_qs);
    // What the learner had in the translator is replaced, as the paste and split buttons replace it.
    m_before = learnerState(*m_program);
}

void LookUpTest::filesAreRefused()
{
    QProcess gdbus;
    gdbus.start(QStringLiteral("gdbus"),
                {u"call"_qs, u"--session"_qs, u"--dest"_qs, QString::fromLatin1(bus::kServiceName),
                 u"--object-path"_qs, QString::fromLatin1(bus::kObjectPath), u"--method"_qs,
                 u"org.freedesktop.Application.Open"_qs, u"['file:///etc/passwd']"_qs, u"{}"_qs});
    if (!gdbus.waitForStarted())
        QSKIP("gdbus is not installed (Debian package libglib2.0-bin)");
    const Finished refused = finish(gdbus);
    QVERIFY(refused.exitCode != 0);
    QVERIFY2(refused.errors.contains(QLatin1StringView(bus::kNotSupported)), qPrintable(refused.errors));
    verifyLearnerStateKept();
}

void LookUpTest::callWaitsWhileADialogIsOpen()
{
    if (!onX11())
        QSKIP("X11 only: another X client owns the selection, a window's activation is awaited");
    TMainForm &main = m_program->main;
    typeQuery(main, u"kočka"_qs);
    QProcess cli;
    QString textWhileOpen;
    QProcess::ProcessState cliWhileOpen{};
    QObject scope;
    whenShownWithin(
        scope, [] { return QApplication::activeModalWidget(); },
        [&](QWidget &about) {
            cli.start(QStringLiteral(SLOVNIK_CLI), {u"show"_qs, u"dog"_qs});
            // Time for the call to arrive; a slower machine only makes the check weaker.
            QTest::qWait(kPastSettling);
            textWhileOpen = queryText(main);
            cliWhileOpen = cli.state();
            about.close();
        });
    click(named<TEx3DButton>(main, "AboutBtn"));
    QCOMPARE(textWhileOpen, u"kočka"_qs);
    QCOMPARE(cliWhileOpen, QProcess::Running);
    QCOMPARE(finish(cli).exitCode, 0);
    QCOMPARE(queryText(main), u"dog"_qs);
    verifyLearnerStateKept();
}

void LookUpTest::watchFollowsOtherProgramsShortSelectionsOnly()
{
    TMainForm &main = m_program->main;
    if (!onX11()) {
        // Wayland hands the selection to the focused program only: nothing to watch, no toggle.
        QVERIFY(!named<QCheckBox>(main, "WatchSelection"));
        return;
    }
    QCheckBox *const toggle = named<QCheckBox>(main, "WatchSelection");
    QVERIFY(toggle && toggle->isVisible() && !toggle->isChecked());
    QTest::mouseClick(toggle, Qt::LeftButton, {}, toggle->rect().center());
    QVERIFY(toggle->isChecked());
    typeQuery(main, u"kočka"_qs);
    activate(m_program->translator);
    QStringList lookedUp;
    const QMetaObject::Connection recording
        = connect(named<QComboBox>(main, "ComboBox1")->lineEdit(), &QLineEdit::textChanged, this,
                  [&lookedUp](const QString &text) { lookedUp << text; });

    // A selection made in the dictionary itself (here as its query box would make it) is not
    // looked up.
    QGuiApplication::clipboard()->setText(u"koč"_qs, QClipboard::Selection);
    QVERIFY(QGuiApplication::clipboard()->ownsSelection());
    QTest::qWait(kPastSettling);
    ownSelection({u"one two three four five"_qs});
    QTest::qWait(kPastSettling);
    m_owner.kill();
    m_owner.waitForFinished();
    ownSelection({u"Dog"_qs});
    QTRY_COMPARE(queryText(main), u"Dog"_qs);
    disconnect(recording);
    QCOMPARE(lookedUp, QStringList{u"Dog"_qs});
    QVERIFY(m_program->translator.isActiveWindow());

    QTest::mouseClick(toggle, Qt::LeftButton, {}, toggle->rect().center());
    m_owner.kill();
    m_owner.waitForFinished();
    ownSelection({u"cat"_qs});
    QTest::qWait(kPastSettling);
    QCOMPARE(queryText(main), u"Dog"_qs);
    verifyLearnerStateKept();
}

QTEST_MAIN(LookUpTest)
#include "LookUpTest.moc"

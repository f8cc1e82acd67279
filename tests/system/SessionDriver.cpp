// SPDX-License-Identifier: GPL-2.0-or-later
// A learner's short session with the program's real windows, for tools that watch a whole process
// (strace, Valgrind): the start as main() does it, a search typed key by key, and, unless only
// the search is asked for, a translation through the translator's buttons and a copy from both
// windows with the message dialog answered. Then the dictionary window is closed, which ends the
// message loop as it does for the user.
//
//   session_driver [search|session] [speak]     exit code 0 when every step showed what it should
//
// speak: then the word read aloud through the dictionary window's speaker button. Just before,
// the driver looks for kSpeakingMark on disk, so that a trace of the process can tell the calls
// made for reading aloud from those of the session before it.

#include "app/ApplicationIdentity.h"
#include "app/ApplicationWindows.h"
#include "app/MainForm.h"
#include "app/ResultChooser.h"
#include "controls/Ex3DButton.h"
#include "controls/ExDialog.h"
#include "speech/Speaker.h"
#include "support/NamedControls.h"
#include "support/TranslatorWindow.h"
#include "tests/support/UserActions.h"
#include "translator/Trans.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

using namespace slovnik;
using namespace slovnik::support;

namespace {

int failures = 0;

void check(bool ok, const char *step)
{
    std::fprintf(stderr, "%s: %s\n", ok ? "ok" : "FAILED", step);
    if (!ok)
        ++failures;
}

void search(TMainForm &main)
{
    check(QTest::qWaitForWindowExposed(&main), "the dictionary window shows");
    named<QComboBox>(main, "ComboBox1")->setFocus();
    typeKeys(named<QComboBox>(main, "ComboBox1")->lineEdit(), QStringLiteral("pes"));
    check(named<ResultChooser>(main, "ComboBox2")->chosenLine().startsWith(QStringLiteral("pes = ")),
          "typing 'pes' finds its lines");
}

void translate(TMainForm &main, TTransForm &translator)
{
    click(named<TEx3DButton>(main, "TranslBtn"));
    check(QTest::qWaitForWindowExposed(&translator), "the translator shows");
    QGuiApplication::clipboard()->setText(QStringLiteral("Pes spí na zahradě."));
    click(named<TEx3DButton>(translator, "PasteBtn"));
    click(named<TEx3DButton>(translator, "ToListBtn"));
    click(named<TEx3DButton>(translator, "TransBtn"));
    click(named<TEx3DButton>(translator, "FromListBtn"));
    check(wordCount(translator) == 4, "the pasted text splits into four words");
    check(named<QPlainTextEdit>(translator, "Memo2")->toPlainText().startsWith(QStringLiteral("dog ")),
          "the sentence begins with 'dog'");
}

void copy(TMainForm &main, TTransForm &translator)
{
    named<QPlainTextEdit>(translator, "Memo2")->selectAll();
    click(named<TEx3DButton>(translator, "CopyBtn"));
    check(QGuiApplication::clipboard()->text() == named<QPlainTextEdit>(translator, "Memo2")->toPlainText(),
          "the translator copies");

    main.activateWindow();
    check(QTest::qWaitForWindowActive(&main), "the dictionary window is active again");
    named<QComboBox>(main, "ComboBox1")->setFocus();
    const DialogAnswerer answerer;
    click(named<TEx3DButton>(main, "CopyBtn"));
    check(answerer.texts.size() == 1, "the copy's message is shown and answered");
    check(QGuiApplication::clipboard()->text() == QStringLiteral("pes"), "the dictionary copies the query");
}

// The learner asks for the word to be read aloud: the voice loads, and the sound server is asked
// for an output. Either it plays, or the machine has none and the buttons are withdrawn.
void speak(TMainForm &main, const Speaker &speaker)
{
    constexpr const char *kSpeakingMark = "/slovnik-session-driver/reading-aloud-begins";
    check(::access(kSpeakingMark, F_OK) != 0, "the mark before reading aloud is no file");
    click(named<TEx3DButton>(main, "SpeakBtn"));
    constexpr int kAnswerMilliseconds = 15000;
    const bool answered = QTest::qWaitFor(
        [&speaker] { return speaker.availability() != Speaker::Availability::Untried; }, kAnswerMilliseconds);
    check(answered, "the speaker finds out whether it can be heard");
    check(speaker.availability() == Speaker::Availability::Ready
              || speaker.availability() == Speaker::Availability::NoAudioOutput,
          "the voice reads the word, or finds no audio output to read it on");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const bool searchOnly = QCoreApplication::arguments().contains(QStringLiteral("search"));
    const bool speaking = QCoreApplication::arguments().contains(QStringLiteral("speak"));
    nameApplication();
    const ApplicationWindows windows;
    TMainForm &main = *windows.MainForm;
    QTimer::singleShot(0, &main, [&main, &windows, searchOnly, speaking] {
        search(main);
        if (!searchOnly) {
            translate(main, *windows.TransForm);
            copy(main, *windows.TransForm);
        }
        if (speaking)
            speak(main, *windows.speaker);
        main.close();
    });
    const int exitCode = runMessageLoop(main);
    check(exitCode == 0, "closing the dictionary window ends the program with 0");
    return failures == 0 ? 0 : 1;
}

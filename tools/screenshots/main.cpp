// SPDX-License-Identifier: GPL-2.0-or-later
// slovnik-screenshots: the program's windows in typical states, saved as PNG pictures for the
// README. Needs a real display; `make screenshots` runs it under Xvfb.
//
//   slovnik-screenshots [folder]     writes dictionary.png, dictionary-results.png,
//                                    dictionary-suggestions.png, dictionary-forms.png,
//                                    translator.png, translator-forms.png,
//                                    translator-reading.png, help.png, translator-help.png,
//                                    about.png and look-up.png into folder (default docs)

#include "app/ApplicationWindows.h"
#include "app/MainForm.h"
#include "app/ResultChooser.h"
#include "controls/About.h"
#include "controls/DicHelp.h"
#include "controls/Ex3DButton.h"
#include "controls/TrHelp.h"
#include "support/NamedControls.h"
#include "support/TranslatorWindow.h"
#include "tools/screenshots/ScreenGrab.h"
#include "translator/Trans.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSize>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdio>

using namespace slovnik;
using namespace slovnik::support;
using slovnik::screenshots::saveScreenshot;
using slovnik::screenshots::settle;

namespace {

// Pressed the way assistive technology presses it, which is also how a click reaches the window.
// The button acts once the request is answered, from the event loop: the next step waits for it.
void press(TEx3DButton *button)
{
    QAccessibleInterface *const accessible = QAccessible::queryAccessibleInterface(button);
    if (accessible && accessible->actionInterface())
        accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
}

void typeQuery(TMainForm &window, const QString &text)
{
    named<QComboBox>(window, "ComboBox1")->lineEdit()->setText(text);
    window.ComboBox1Change();
}

// An arrow key on the closed result chooser chooses the next line, as the learner would.
void chooseNextLine(TMainForm &window)
{
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(named<ResultChooser>(window, "ComboBox2"), &down);
}

class Shots {
public:
    explicit Shots(const QDir &folder) : m_folder(folder) { }

    void take(const QList<QWidget *> &windows, const QString &name)
    {
        settle(*windows.front());
        const QString path = m_folder.filePath(name);
        if (saveScreenshot(windows, path)) {
            std::printf("%s\n", qPrintable(QDir::toNativeSeparators(path)));
        } else {
            std::fprintf(stderr, "could not save %s\n", qPrintable(path));
            m_failed = true;
        }
    }

    bool failed() const { return m_failed; }

private:
    QDir m_folder;
    bool m_failed = false;
};

// Tall enough for the open result list to stay within the window.
constexpr QSize kDictionaryShotSize(520, 330);

void dictionaryShots(TMainForm &window, Shots &shots)
{
    window.resize(kDictionaryShotSize);
    window.show();
    settle(window);
    press(named<TEx3DButton>(window, "LangBtn"));
    typeQuery(window, QStringLiteral("walk"));
    chooseNextLine(window);
    chooseNextLine(window);
    typeQuery(window, QStringLiteral("garden"));
    chooseNextLine(window);
    typeQuery(window, QStringLiteral("house"));
    chooseNextLine(window);
    shots.take({&window}, QStringLiteral("dictionary.png"));

    // Back to Czech, so that the other pair of flags shows too.
    press(named<TEx3DButton>(window, "LangBtn"));
    typeQuery(window, QStringLiteral("pes"));
    named<ResultChooser>(window, "ComboBox2")->showPopup();
    QWidget *const popup = named<ResultChooser>(window, "ComboBox2")->view()->window();
    shots.take({&window, popup}, QStringLiteral("dictionary-results.png"));
    named<ResultChooser>(window, "ComboBox2")->hidePopup();

    // Czech typed without its diacritics finds nothing; the closest words stand in the result
    // chooser's place.
    typeQuery(window, QStringLiteral("prilezitost"));
    shots.take({&window}, QStringLiteral("dictionary-suggestions.png"));

    // An inflected word finds nothing as typed: its base form comes before the closest words.
    typeQuery(window, QStringLiteral("zahradě"));
    shots.take({&window}, QStringLiteral("dictionary-forms.png"));
    window.hide();
}

void translatorShot(TTransForm &window, Shots &shots)
{
    window.show();
    settle(window);
    press(named<TEx3DButton>(window, "LangBtn"));
    named<QPlainTextEdit>(window, "Memo1")->setPlainText(QStringLiteral("The cat sleeps on the old chair."));
    press(named<TEx3DButton>(window, "ToListBtn"));
    press(named<TEx3DButton>(window, "TransBtn"));
    press(named<TEx3DButton>(window, "FromListBtn"));
    shots.take({&window}, QStringLiteral("translator.png"));

    // Czech as a learner pastes it: inflected words offer the lines of their base forms, an empty
    // box shows its first one in grey.
    press(named<TEx3DButton>(window, "LangBtn"));
    named<QPlainTextEdit>(window, "Memo1")
        ->setPlainText(QStringLiteral("Pes nevěděl, že kočky spí na zahradě."));
    press(named<TEx3DButton>(window, "ToListBtn"));
    press(named<TEx3DButton>(window, "TransBtn"));
    press(named<TEx3DButton>(window, "FromListBtn"));
    QComboBox *const box = wordBoxes(window).at(6);
    box->showPopup();
    QWidget *const popup = box->view()->window();
    shots.take({&window, popup}, QStringLiteral("translator-forms.png"));
    box->hidePopup();

    // The best reading: phrases read as phrases, the words they take covered, everyday senses.
    press(named<TEx3DButton>(window, "LangBtn"));
    named<QPlainTextEdit>(window, "Memo1")
        ->setPlainText(QStringLiteral("I get up at seven and look after the children."));
    press(named<TEx3DButton>(window, "ToListBtn"));
    press(named<TEx3DButton>(window, "FillBtn"));
    shots.take({&window}, QStringLiteral("translator-reading.png"));
    window.hide();
}

// A word selected in another program, here a reader's window, and the dictionary brought up over
// it with the word looked up, as a key bound to `slovnik-cli show` or the selection watch does.
void lookUpShot(TMainForm &window, Shots &shots)
{
    constexpr QSize kReaderSize(560, 300);
    constexpr QPoint kDictionaryOffset(150, 140);
    QPlainTextEdit reader;
    reader.setWindowTitle(QStringLiteral("The Secret Garden"));
    reader.setPlainText(QStringLiteral(
        "Mary walked along the wall until she came to a small door in the ivy. The garden behind it "
        "had been shut for ten years, and nobody had been inside. She pushed the door slowly, and it "
        "opened.\n\nThe roses had climbed over the trees and hung down in long branches. Between "
        "them the grass was grey and dry, and weeds grew among the stones of the paths."));
    reader.setGeometry(QRect(QPoint(0, 0), kReaderSize));
    QTextCursor selected = reader.document()->find(QStringLiteral("branches"));
    reader.setTextCursor(selected);
    reader.show();
    settle(reader);

    press(named<TEx3DButton>(window, "LangBtn"));
    if (QCheckBox *const watch = named<QCheckBox>(window, "WatchSelection"))
        watch->setChecked(true);
    window.move(reader.geometry().topLeft() + kDictionaryOffset);
    window.pasteIntoQuery(selected.selectedText());
    window.show();
    window.raise();
    shots.take({&reader, &window}, QStringLiteral("look-up.png"));
    if (QCheckBox *const watch = named<QCheckBox>(window, "WatchSelection"))
        watch->setChecked(false);
    press(named<TEx3DButton>(window, "LangBtn"));
    window.hide();
}

void windowShot(QWidget &window, Shots &shots, const QString &name)
{
    window.show();
    shots.take({&window}, name);
    window.hide();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    prepareApplication();
    const QStringList arguments = QCoreApplication::arguments();
    const QDir folder(arguments.size() > 1 ? arguments.at(1) : QStringLiteral("docs"));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(folder.path()));
        return 1;
    }

    const ApplicationWindows windows;
    Shots shots(folder);
    dictionaryShots(*windows.MainForm, shots);
    translatorShot(*windows.TransForm, shots);
    lookUpShot(*windows.MainForm, shots);
    windowShot(*windows.DicHelpForm, shots, QStringLiteral("help.png"));
    windowShot(*windows.TrHelpForm, shots, QStringLiteral("translator-help.png"));
    // Shown without its modal loop, so that the picture can be taken; it looks the same.
    windowShot(*windows.AboutForm, shots, QStringLiteral("about.png"));
    return shots.failed() ? 1 : 0;
}

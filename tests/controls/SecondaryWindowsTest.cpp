// SPDX-License-Identifier: GPL-2.0-or-later
// The help and About windows as the program's buttons show them: one window however often its
// button is pressed, the dictionary help above the others, the About window modal; the faces and
// focus frames of every window. Each window's own table names its controls.

#include "app/ApplicationWindows.h"
#include "app/MainForm.h"
#include "app/ResultChooser.h"
#include "app/WordListView.h"
#include "controls/About.h"
#include "controls/AccessibleControls.h"
#include "controls/DicHelp.h"
#include "controls/Ex3DButton.h"
#include "controls/ExDialog.h"
#include "controls/TrHelp.h"
#include "support/NamedControls.h"
#include "support/TranslatorWindow.h"
#include "tests/support/QuietModule.h"
#include "tests/support/WhatTheUserMeets.h"
#include "tests/support/WhenShown.h"
#include "translator/Trans.h"
#include "translator/WordGrid.h"

#include <QAccessible>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QtTest>

using namespace slovnik;
using namespace slovnik::support;

namespace {

template <typename Window> int visibleCount()
{
    int count = 0;
    for (const QWidget *widget : QApplication::topLevelWidgets())
        count += qobject_cast<const Window *>(widget) && widget->isVisible() ? 1 : 0;
    return count;
}

} // namespace

class SecondaryWindowsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void helpButtonTwiceGivesOneWindow();
    void translatorHelpButtonTwiceGivesOneWindow();
    void onlyTheDictionaryHelpStaysAboveTheOtherWindows();
    void aboutButtonShowsTheAboutWindowModally();
    void imageButtonPressedThroughAccessibilityOpensItsWindow();
    void wordBoxesAreNamedAfterTheirWords();
    void everyWindowDrawsInAFreeFaceOfTheDesignSize();
    void everyControlThatTakesTheFocusShowsIt();
    void helpAndAboutShowTheProgramsIcon_data();
    void helpAndAboutShowTheProgramsIcon();

private:
    std::unique_ptr<ApplicationWindows> m_windows;
};

void SecondaryWindowsTest::initTestCase()
{
    installAccessibleControls();
    m_windows = std::make_unique<ApplicationWindows>(quietModule());
    m_windows->AboutForm->setUrlOpener([](const QUrl &) { return false; });
    m_windows->MainForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_windows->MainForm.get()));
}

void SecondaryWindowsTest::cleanupTestCase()
{
    m_windows.reset();
}

void SecondaryWindowsTest::init()
{
    m_windows->DicHelpForm->hide();
    m_windows->TrHelpForm->hide();
    m_windows->TransForm->hide();
}

void SecondaryWindowsTest::helpButtonTwiceGivesOneWindow()
{
    TDicHelpForm *help = m_windows->DicHelpForm.get();
    QCOMPARE(visibleCount<TDicHelpForm>(), 0);
    QTest::mouseClick(named<TEx3DButton>(*m_windows->MainForm, "HelpButton"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowExposed(help));
    QTest::mouseClick(named<TEx3DButton>(*m_windows->MainForm, "HelpButton"), Qt::LeftButton);
    QCOMPARE(visibleCount<TDicHelpForm>(), 1);
    QVERIFY(help->isVisible());

    // Closed and opened again: the same window, with what was typed into it.
    named<QPlainTextEdit>(*help, "Memo1")->setFocus();
    named<QPlainTextEdit>(*help, "Memo1")->moveCursor(QTextCursor::End);
    QTest::keyClicks(named<QPlainTextEdit>(*help, "Memo1"), QStringLiteral("dog"));
    QVERIFY(help->close());
    QCOMPARE(visibleCount<TDicHelpForm>(), 0);
    QTest::mouseClick(named<TEx3DButton>(*m_windows->MainForm, "HelpButton"), Qt::LeftButton);
    QCOMPARE(visibleCount<TDicHelpForm>(), 1);
    QVERIFY(named<QPlainTextEdit>(*help, "Memo1")->toPlainText().endsWith(QStringLiteral("\ndog")));
}

void SecondaryWindowsTest::translatorHelpButtonTwiceGivesOneWindow()
{
    m_windows->TransForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_windows->TransForm.get()));
    QTest::mouseClick(named<TEx3DButton>(*m_windows->TransForm, "Help"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowExposed(m_windows->TrHelpForm.get()));
    QTest::mouseClick(named<TEx3DButton>(*m_windows->TransForm, "Help"), Qt::LeftButton);
    QCOMPARE(visibleCount<TTrHelpForm>(), 1);
    QCOMPARE(visibleCount<TDicHelpForm>(), 0);
}

void SecondaryWindowsTest::onlyTheDictionaryHelpStaysAboveTheOtherWindows()
{
    // The dictionary window clicked while its help shows: the help stays shown and on top.
    QTest::mouseClick(named<TEx3DButton>(*m_windows->MainForm, "HelpButton"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowExposed(m_windows->DicHelpForm.get()));
    QTest::mouseClick(named<QComboBox>(*m_windows->MainForm, "ComboBox1"), Qt::LeftButton);
    m_windows->MainForm->activateWindow();
    m_windows->MainForm->raise();
    QVERIFY(m_windows->DicHelpForm->isVisible());
    QVERIFY(m_windows->DicHelpForm->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
}

void SecondaryWindowsTest::aboutButtonShowsTheAboutWindowModally()
{
    TAboutForm *about = m_windows->AboutForm.get();
    QWidget *modalSeen = nullptr;
    bool applicationModal = false;
    whenShown([] { return QApplication::activeModalWidget(); },
              [&](QWidget &modal) {
                  modalSeen = &modal;
                  // Every other window of the program waits for this one.
                  applicationModal = modal.windowModality() == Qt::ApplicationModal
                      && QGuiApplication::modalWindow() == modal.windowHandle();
                  modal.close();
              });
    QTest::mouseClick(named<TEx3DButton>(*m_windows->MainForm, "AboutBtn"), Qt::LeftButton);
    // The click returns only once the window is closed.
    QCOMPARE(modalSeen, about);
    QVERIFY(applicationModal);
    QVERIFY(about->isHidden());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void SecondaryWindowsTest::imageButtonPressedThroughAccessibilityOpensItsWindow()
{
    QAccessibleInterface *const accessible
        = QAccessible::queryAccessibleInterface(named<TEx3DButton>(*m_windows->MainForm, "HelpButton"));
    QCOMPARE(accessible->role(), QAccessible::Button);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(m_windows->DicHelpForm->isVisible());
}

void SecondaryWindowsTest::wordBoxesAreNamedAfterTheirWords()
{
    TTransForm &form = *m_windows->TransForm;
    named<QPlainTextEdit>(form, "Memo1")->setPlainText(QStringLiteral("Ahoj, Petře!"));
    QTest::mouseClick(named<TEx3DButton>(form, "ToListBtn"), Qt::LeftButton);
    QCOMPARE(wordCount(form), 2);
    QCOMPARE(support::screenReaderName(*wordBoxes(form).at(0)), QStringLiteral("Slovo 1: ahoj"));
    QCOMPARE(support::screenReaderName(*wordBoxes(form).at(1)), QStringLiteral("Slovo 2: petře"));
}

// Fontconfig answers a family it lacks with the desktop's default face, far wider than the
// design's: each window, once shown, draws its text in a face that the package brings along.
void SecondaryWindowsTest::everyWindowDrawsInAFreeFaceOfTheDesignSize()
{
    TDlgForm dialog;
    const struct {
        QWidget *window;
        const QWidget *text;
        QString family;
    } windows[] = {
        {m_windows->MainForm.get(), named<QComboBox>(*m_windows->MainForm, "ComboBox1"),
         u"Liberation Sans"_qs},
        {m_windows->MainForm.get(), named<ResultChooser>(*m_windows->MainForm, "ComboBox2"),
         u"Liberation Sans"_qs},
        {m_windows->TransForm.get(), named<QPlainTextEdit>(*m_windows->TransForm, "Memo1"),
         u"Liberation Sans Narrow"_qs},
        {m_windows->TrHelpForm.get(), named<QPlainTextEdit>(*m_windows->TrHelpForm, "Memo1"),
         u"Liberation Sans Narrow"_qs},
        {m_windows->AboutForm.get(), named<QPlainTextEdit>(*m_windows->AboutForm, "Memo1"),
         u"Liberation Sans Narrow"_qs},
        {m_windows->DicHelpForm.get(), named<QPlainTextEdit>(*m_windows->DicHelpForm, "Memo1"),
         u"Liberation Sans Narrow"_qs},
        {&dialog, dialog.Label1, u"Liberation Sans Narrow"_qs},
    };
    for (const auto &[window, text, family] : windows) {
        window->show();
        const QFontInfo face(text->font());
        window->hide();
        QCOMPARE(face.family(), family);
        QCOMPARE(face.pixelSize(), 11);
    }
}

namespace {

// The controls of a window that Tab reaches, in its tab order.
QList<QWidget *> tabStops(QWidget &window)
{
    QList<QWidget *> stops;
    for (QWidget *widget = window.nextInFocusChain(); widget != &window;
         widget = widget->nextInFocusChain()) {
        if (widget->window() == &window && widget->isVisible() && widget->isEnabled()
            && (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy())
            stops.append(widget);
    }
    return stops;
}

// The controls of a window that look the same with the focus as without it, once the keyboard
// has moved the focus.
QStringList controlsHidingTheFocus(QWidget &window)
{
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return {u"inactive "_qs + window.windowTitle()};
    window.setAttribute(Qt::WA_KeyboardFocusChange);
    QStringList hiding;
    for (QWidget *control : tabStops(window)) {
        control->setFocus(Qt::TabFocusReason);
        const bool tookIt = control->hasFocus();
        const QImage focused = control->grab().toImage();
        control->clearFocus();
        if (!tookIt || focused == control->grab().toImage())
            hiding.append((tookIt ? u""_qs : u"(no focus) "_qs)
                          + QString::fromLatin1(control->metaObject()->className()) + u' '
                          + control->accessibleName());
    }
    return hiding;
}

} // namespace

void SecondaryWindowsTest::everyControlThatTakesTheFocusShowsIt()
{
    // A steady caret: a text box shows the focus by it.
    QApplication::setCursorFlashTime(0);
    TMainForm &dictionary = *m_windows->MainForm;
    TTransForm &translator = *m_windows->TransForm;
    TDlgForm dialog;
    dialog.SetupDialog();
    QStringList hiding = controlsHidingTheFocus(dictionary);
    named<WordListView>(dictionary, "ListView1")->addRow(u"pes"_qs, u"dog"_qs);
    hiding += controlsHidingTheFocus(dictionary);
    named<QPlainTextEdit>(translator, "Memo1")->setPlainText(u"pes spí"_qs);
    QTest::mouseClick(named<TEx3DButton>(translator, "ToListBtn"), Qt::LeftButton);
    for (QWidget *window :
         std::initializer_list<QWidget *>{&translator, m_windows->DicHelpForm.get(),
                                          m_windows->TrHelpForm.get(), &dialog, m_windows->AboutForm.get()}) {
        hiding += controlsHidingTheFocus(*window);
        window->hide();
    }
    QVERIFY2(hiding.isEmpty(), qPrintable(hiding.join(u", ")));
}

void SecondaryWindowsTest::helpAndAboutShowTheProgramsIcon_data()
{
    QTest::addColumn<QString>("window");
    for (const char *window : {"DicHelpForm", "TrHelpForm", "AboutForm"})
        QTest::newRow(window) << QString::fromLatin1(window);
}

// The picture the title bar is given, at the size it shows, is the dictionary window's.
void SecondaryWindowsTest::helpAndAboutShowTheProgramsIcon()
{
    QFETCH(QString, window);
    const QHash<QString, QWidget *> windows{{u"DicHelpForm"_qs, m_windows->DicHelpForm.get()},
                                            {u"TrHelpForm"_qs, m_windows->TrHelpForm.get()},
                                            {u"AboutForm"_qs, m_windows->AboutForm.get()}};
    const QSize titleBarSize(16, 16);
    QCOMPARE(windows.value(window)->windowIcon().pixmap(titleBarSize).toImage(),
             m_windows->MainForm->windowIcon().pixmap(titleBarSize).toImage());
}

QTEST_MAIN(SecondaryWindowsTest)
#include "SecondaryWindowsTest.moc"

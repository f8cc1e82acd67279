// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/ExDialog.h"
#include "tests/support/WhenShown.h"

#include <QLabel>
#include <QScreen>
#include <QToolButton>
#include <QtTest>

using namespace slovnik;
using namespace slovnik::support;

namespace {

TDlgForm *shownDialog()
{
    return qobject_cast<TDlgForm *>(QApplication::activeModalWidget());
}

// What a showing dialog looks like, read from inside its modal loop.
struct Seen {
    bool shown = false;
    QString title;
    QString label;
    QString button1;
    bool button2Visible = true;
    int width = 0;
    QRect toolBar;
    QRect labelGeometry;
    QRect button1InDialog;
    bool stayedOpenAfterClose = false;
    bool stayedOpenAfterEscape = false;

    bool operator==(const Seen &) const = default;
};

Seen look(TDlgForm &dialog)
{
    Seen seen;
    seen.shown = dialog.isVisible();
    seen.title = dialog.windowTitle();
    seen.label = dialog.Label1->text();
    seen.button1 = dialog.ToolButton1->text();
    seen.button2Visible = dialog.ToolButton2->isVisible();
    seen.width = dialog.width();
    seen.toolBar = dialog.ToolBar1->geometry();
    seen.labelGeometry = dialog.Label1->geometry();
    seen.button1InDialog
        = QRect(dialog.ToolButton1->mapTo(&dialog, QPoint(0, 0)), dialog.ToolButton1->size());
    return seen;
}

// Shows a message, tries to close it without its button, and then presses the button.
Seen showAndClose(const QString &text)
{
    Seen seen;
    whenShown(shownDialog, [&seen](QWidget &widget) {
        auto &dialog = static_cast<TDlgForm &>(widget);
        seen = look(dialog);
        dialog.close();
        seen.stayedOpenAfterClose = dialog.isVisible();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        seen.stayedOpenAfterEscape = dialog.isVisible();
        QTest::mouseClick(dialog.ToolButton1, Qt::LeftButton);
    });
    ShowExtendedDialog(text, MessageLanguage::Czech);
    return seen;
}

} // namespace

class ExDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void widthForLabel_data();
    void widthForLabel();
    void emptyTextShowsADotWithTheButtonCentred();
    void longTextWidensTheWindowAroundTheLabel();
    void textWiderThanTheScreenKeepsTheButtonWithinReach();
    void closeIsRefusedUntilTheButtonIsPressed();
    void lineBreaksShowAsBlanksOnOneLine();
    void buttonKeysCloseTheDialog_data();
    void buttonKeysCloseTheDialog();
    void twoMessagesInARowAreLaidOutAlike();
    void kindsAndLanguagesPickTitlesAndCaptions_data();
    void kindsAndLanguagesPickTitlesAndCaptions();
    void questionButtonsEndTheDialogWithYesOrNo_data();
    void questionButtonsEndTheDialogWithYesOrNo();
};

void ExDialogTest::widthForLabel_data()
{
    QTest::addColumn<int>("labelWidth");
    QTest::addColumn<int>("windowWidth");

    QTest::newRow("empty label") << 0 << 220;
    QTest::newRow("just under 160") << 159 << 220;
    QTest::newRow("exactly 160: still 220") << 160 << 220;
    QTest::newRow("161: label and 60") << 161 << 221;
    QTest::newRow("300: 360") << 300 << 360;
}

void ExDialogTest::widthForLabel()
{
    QFETCH(int, labelWidth);
    QTEST(dialogWidthForLabel(labelWidth), "windowWidth");
}

void ExDialogTest::emptyTextShowsADotWithTheButtonCentred()
{
    const Seen seen = showAndClose(QString());
    QVERIFY(seen.shown);
    QCOMPARE(seen.title, QStringLiteral(" Informace"));
    QCOMPARE(seen.label, QStringLiteral("."));
    QCOMPARE(seen.button1, QStringLiteral("  OK  "));
    QVERIFY(!seen.button2Visible);
    QCOMPARE(seen.width, 220);
    QCOMPARE(seen.toolBar.left(), 73);
    QCOMPARE(seen.toolBar.width(), 74);
    QCOMPARE(seen.button1InDialog.left(), 73);
    QCOMPARE(seen.labelGeometry.left(), (220 - seen.labelGeometry.width()) / 2);
    QCOMPARE(seen.labelGeometry.top(), (60 - seen.labelGeometry.height()) / 2 + 5);
}

void ExDialogTest::longTextWidensTheWindowAroundTheLabel()
{
    const QString text = QStringLiteral("Toto je dlouhá zpráva, která se nevejde do úzkého okna");
    const Seen seen = showAndClose(text);
    QCOMPARE(seen.label, text + QLatin1Char('.'));
    QVERIFY2(seen.labelGeometry.width() >= 160, "the text should give a wide label");
    QCOMPARE(seen.width, seen.labelGeometry.width() + 60);
    QCOMPARE(seen.labelGeometry.left(), 30);
    QCOMPARE(seen.toolBar.left(), (seen.width - 74) / 2);
}

void ExDialogTest::textWiderThanTheScreenKeepsTheButtonWithinReach()
{
    // A long pasted query: at full width its button would stand far off the screen.
    const QString text = QStringLiteral("slovo ").repeated(5000);
    const Seen seen = showAndClose(text);
    const int screenWidth = QGuiApplication::primaryScreen()->availableGeometry().width();
    QVERIFY(seen.width <= screenWidth);
    QVERIFY(QRect(0, 0, seen.width, 94).contains(seen.button1InDialog));
    QCOMPARE(seen.toolBar.left(), (seen.width - 74) / 2);
    QVERIFY(seen.label.startsWith(u"slovo slovo"));
    QVERIFY(seen.label.endsWith(u"slovo ."));
    QCOMPARE(seen.labelGeometry.left(), (seen.width - seen.labelGeometry.width()) / 2);
}

void ExDialogTest::closeIsRefusedUntilTheButtonIsPressed()
{
    const Seen seen = showAndClose(QStringLiteral("slovo"));
    QVERIFY(seen.stayedOpenAfterClose);
    QVERIFY(seen.stayedOpenAfterEscape);
    QCOMPARE(shownDialog(), nullptr);
}

void ExDialogTest::lineBreaksShowAsBlanksOnOneLine()
{
    const Seen seen = showAndClose(QStringLiteral("dog\ncat\r\nmouse\u2029bird"));
    QCOMPARE(seen.label, QStringLiteral("dog cat mouse bird."));
    QCOMPARE(seen.labelGeometry.height(), showAndClose(QStringLiteral("dog")).labelGeometry.height());
    QVERIFY(seen.labelGeometry.bottom() < seen.toolBar.top());
}

void ExDialogTest::buttonKeysCloseTheDialog_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

// Sent where the keyboard sends it: to the widget with the focus.
void ExDialogTest::buttonKeysCloseTheDialog()
{
    QFETCH(int, key);
    bool focusOnTheButton = false;
    bool closedByTheKey = false;
    whenShown(shownDialog, [&](QWidget &widget) {
        auto &dialog = static_cast<TDlgForm &>(widget);
        // The window's focus widget, which the keys reach once the window is active.
        QWidget *const focused = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
        focusOnTheButton = focused == dialog.ToolButton1;
        QTest::keyClick(focused, Qt::Key(key));
        closedByTheKey = !dialog.isVisible();
        if (!closedByTheKey)
            QTest::mouseClick(dialog.ToolButton1, Qt::LeftButton);
    });
    ShowExtendedDialog(QStringLiteral("slovo"), MessageLanguage::Czech);
    QVERIFY(focusOnTheButton);
    QVERIFY(closedByTheKey);
}

void ExDialogTest::twoMessagesInARowAreLaidOutAlike()
{
    const QString text = QStringLiteral("kočka = cat");
    const Seen first = showAndClose(text);
    const Seen second = showAndClose(text);
    QVERIFY(first.shown);
    QVERIFY(first == second);
}

void ExDialogTest::kindsAndLanguagesPickTitlesAndCaptions_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");

    QTest::newRow("Czech error") << 0 << 0 << " Chybová zpráva"
                                 << "  OK  "
                                 << "";
    QTest::newRow("Czech question") << 0 << 1 << " Dotaz"
                                    << "  Ano  "
                                    << "   Ne   ";
    QTest::newRow("Czech information") << 0 << 2 << " Informace"
                                       << "  OK  "
                                       << "";
    QTest::newRow("English error") << 1 << 0 << " Error Message"
                                   << "  OK  "
                                   << "";
    QTest::newRow("English question") << 1 << 1 << " Confirmation"
                                      << "  Yes  "
                                      << "   No   ";
    QTest::newRow("English information") << 1 << 2 << " Information"
                                         << "  OK  "
                                         << "";
}

void ExDialogTest::kindsAndLanguagesPickTitlesAndCaptions()
{
    QFETCH(int, language);
    QFETCH(int, kind);
    QFETCH(QString, second);

    TDlgForm dialog;
    dialog.DialogLanguage = static_cast<MessageLanguage>(language);
    dialog.DialogKind = static_cast<MessageKind>(kind);
    dialog.MessageText = QStringLiteral("x");
    dialog.SetupDialog();
    QTEST(dialog.windowTitle(), "title");
    QTEST(dialog.ToolButton1->text(), "first");
    QCOMPARE(dialog.ToolButton2->isHidden(), second.isEmpty());
    if (!second.isEmpty()) {
        QCOMPARE(dialog.ToolButton2->text(), second);
        QCOMPARE(dialog.ToolBar1->width(), 2 * 74);
        QCOMPARE(dialog.ToolBar1->x(), (dialog.width() - 2 * 74) / 2);
    }
}

void ExDialogTest::questionButtonsEndTheDialogWithYesOrNo_data()
{
    QTest::addColumn<bool>("second");
    QTest::addColumn<int>("result");

    QTest::newRow("first button: yes") << false << kResultYes;
    QTest::newRow("second button: no") << true << kResultNo;
}

void ExDialogTest::questionButtonsEndTheDialogWithYesOrNo()
{
    QFETCH(bool, second);

    TDlgForm dialog;
    dialog.DialogKind = MessageKind::Question;
    dialog.MessageText = QStringLiteral("Smazat?");
    dialog.SetupDialog();
    whenShown(shownDialog, [second](QWidget &widget) {
        auto &shown = static_cast<TDlgForm &>(widget);
        QTest::mouseClick(second ? shown.ToolButton2 : shown.ToolButton1, Qt::LeftButton);
    });
    QTEST(dialog.exec(), "result");
}

QTEST_MAIN(ExDialogTest)
#include "ExDialogTest.moc"

// SPDX-License-Identifier: GPL-2.0-or-later
// The two help windows: their texts line by line, their make-up in one table (borders, sizes,
// which one stays on top), and that what the user types into them stays.

#include "controls/DicHelp.h"
#include "controls/TrHelp.h"
#include "support/NamedControls.h"
#include "tests/support/WhatTheUserMeets.h"

#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>

using namespace slovnik;
using namespace slovnik::support;

namespace {

constexpr int kHelpLines = 23;

// The window fills its box when it first appears.
QString lineOf(HelpWindow &window, int line)
{
    window.show();
    return named<QPlainTextEdit>(window, "Memo1")->document()->findBlockByNumber(line - 1).text();
}

QPoint screenCentre(const QWidget &window)
{
    return window.screen()->availableGeometry().center();
}

} // namespace

class HelpWindowsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dictionaryHelpLines_data();
    void dictionaryHelpLines();
    void translatorHelpLines_data();
    void translatorHelpLines();
    void bothTextsHaveTwentyThreeLines();
    void makeUp_data();
    void makeUp();
    void everyLineShowsWholeWithoutAScrollBar();
    void typedTextStaysAfterCloseAndShow();
    void centredEachTimeItIsShown();
};

void HelpWindowsTest::dictionaryHelpLines_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::newRow("first line keeps its trailing blank")
        << 1 << QStringLiteral("Slovník obsahuje databázi 27000 slov v obou jazicích. Je rozšířen o ");
    QTest::newRow("misspelling kept")
        << 2 << QStringLiteral("nepravidelná slovesa včetně minuléhu a trpného tvaru. Novou funkcí ");
    QTest::newRow("short line with blank") << 7 << QStringLiteral("sloveso GO. ");
    QTest::newRow("empty line 8") << 8 << QString();
    QTest::newRow("two blanks before the bracket")
        << 10 << QStringLiteral("zobrazen první abecedně řazený ekvivalent. Další  ( pokud ve slovníku ");
    QTest::newRow("longest line")
        << 11
        << QStringLiteral("existují) zobrazíte kliknutím na tlačítko v trojuhelníkem v pravé části pole. ");
    QTest::newRow("no trailing blank") << 14 << QStringLiteral("části levého pole a do seznamu.");
    QTest::newRow("quoted button name")
        << 16 << QStringLiteral("Tlačítko \"Přidat do seznamu\" vloží do seznamu slovo z pravého ");
    QTest::newRow("flag button") << 19
                                 << QStringLiteral("Tlačitko s vlajkou umožňuje změnu směru překladu. ");
    QTest::newRow("last text line") << 22
                                    << QStringLiteral("vyhledávacího pole a jsou vyhledány ekvivalenty.");
    QTest::newRow("closing empty line") << 23 << QString();
}

void HelpWindowsTest::dictionaryHelpLines()
{
    QFETCH(int, line);
    QFETCH(QString, text);
    TDicHelpForm window;
    QCOMPARE(lineOf(window, line), text);
}

void HelpWindowsTest::translatorHelpLines_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::newRow("capitals with diacritics")
        << 1 << QStringLiteral("TRANSLÁTOR UMOŽŇUJE PŘEKLAD Z ČESKÉHO ");
    QTest::newRow("line 4") << 4 << QStringLiteral("PŘELOŽIT NEUMÍ. ");
    QTest::newRow("empty line 5") << 5 << QString();
    QTest::newRow("quoted paste button")
        << 8 << QStringLiteral("ze schránky pomocí tlačitka \"Vložit zdrojový text\".");
    QTest::newRow("quote opened at the end")
        << 10 << QStringLiteral("Zdrojový text vložte do mřížky pomocí tlačitka \"Vložit ");
    QTest::newRow("quote closed after four dots")
        << 11 << QStringLiteral("text ....\" a proveďte překlad tlačitkem \"Překlad\".");
    QTest::newRow("sentence button") << 16
                                     << QStringLiteral("Tlačitkem \"Sestavit větu ..\" sestavíte větu ze ");
    QTest::newRow("translated text box")
        << 17 << QStringLiteral("zvolených výrazů a vložíte do pole \"Přeložený text\".");
    QTest::newRow("copy button") << 19
                                 << QStringLiteral("Tlačítkem \"Kopírovat přeložený ..\" vložíte text do ");
    QTest::newRow("last line, no empty line after it")
        << 23 << QStringLiteral("překládate delší text, rozdělte jej na menší části.");
}

void HelpWindowsTest::translatorHelpLines()
{
    QFETCH(int, line);
    QFETCH(QString, text);
    TTrHelpForm window;
    QCOMPARE(lineOf(window, line), text);
}

void HelpWindowsTest::bothTextsHaveTwentyThreeLines()
{
    TDicHelpForm dictionaryHelp;
    TTrHelpForm translatorHelp;
    dictionaryHelp.show();
    translatorHelp.show();
    QCOMPARE(named<QPlainTextEdit>(dictionaryHelp, "Memo1")->document()->blockCount(), kHelpLines);
    QCOMPARE(named<QPlainTextEdit>(translatorHelp, "Memo1")->document()->blockCount(), kHelpLines);
    QVERIFY(named<QPlainTextEdit>(dictionaryHelp, "Memo1")
                ->toPlainText()
                .endsWith(QStringLiteral("ekvivalenty.\n")));
    QVERIFY(named<QPlainTextEdit>(translatorHelp, "Memo1")->toPlainText().endsWith(QStringLiteral("části.")));
}

void HelpWindowsTest::makeUp_data()
{
    QTest::addColumn<bool>("dictionary");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("size");
    QTest::newRow("dictionary help: above the other windows")
        << true << u"Slovník - nápověda"_qs << QSize(355, 320);
    QTest::newRow("translator help") << false << u"Translátor - nápověda"_qs << QSize(259, 308);
}

// A fixed dialog border with the close box only, not modal; the text box fills it, editable and
// wrapped at its width, named after the window for a screen reader.
void HelpWindowsTest::makeUp()
{
    QFETCH(bool, dictionary);
    QFETCH(QSize, size);
    const std::unique_ptr<HelpWindow> window = dictionary ? std::unique_ptr<HelpWindow>(new TDicHelpForm)
                                                          : std::unique_ptr<HelpWindow>(new TTrHelpForm);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTEST(window->windowTitle(), "title");
    QCOMPARE(window->size(), size);
    QCOMPARE(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    QCOMPARE(flags.testFlag(Qt::WindowStaysOnTopHint), dictionary);
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint) && !flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(window->windowModality(), Qt::NonModal);
    QPlainTextEdit *const memo = named<QPlainTextEdit>(*window, "Memo1");
    QCOMPARE(memo->geometry(), window->rect());
    QCOMPARE(support::screenReaderName(*memo), window->windowTitle());
    QVERIFY(!memo->isReadOnly());
    QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

void HelpWindowsTest::everyLineShowsWholeWithoutAScrollBar()
{
    TDicHelpForm dictionaryHelp;
    TTrHelpForm translatorHelp;
    for (HelpWindow *window :
         {static_cast<HelpWindow *>(&dictionaryHelp), static_cast<HelpWindow *>(&translatorHelp)}) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QPlainTextEdit *memo = named<QPlainTextEdit>(*window, "Memo1");
        QVERIFY(!memo->verticalScrollBar()->isVisible());
        for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next())
            QVERIFY2(block.layout()->lineCount() == 1, qPrintable(block.text()));
        const QTextBlock last = memo->document()->lastBlock();
        QVERIFY(memo->cursorRect(QTextCursor(last)).bottom() < memo->viewport()->height());
    }
}

void HelpWindowsTest::typedTextStaysAfterCloseAndShow()
{
    TTrHelpForm window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QPlainTextEdit *memo = named<QPlainTextEdit>(window, "Memo1");
    memo->setFocus();
    memo->moveCursor(QTextCursor::Start);
    QTest::keyClicks(memo, QStringLiteral("moje poznamka "));
    QVERIFY(window.close());
    QVERIFY(window.isHidden());

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(lineOf(window, 1), QStringLiteral("moje poznamka TRANSLÁTOR UMOŽŇUJE PŘEKLAD Z ČESKÉHO "));
    QCOMPARE(memo->document()->blockCount(), kHelpLines);
}

void HelpWindowsTest::centredEachTimeItIsShown()
{
    TDicHelpForm window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY((window.frameGeometry().center() - screenCentre(window)).manhattanLength() <= 1);

    window.hide();
    window.move(0, 0);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY((window.frameGeometry().center() - screenCentre(window)).manhattanLength() <= 1);
}

QTEST_MAIN(HelpWindowsTest)
#include "HelpWindowsTest.moc"

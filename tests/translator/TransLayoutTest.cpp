// SPDX-License-Identifier: GPL-2.0-or-later
// The translator window's make-up: placement, panels, buttons, text boxes, the scroll area, the
// focus, and the buttons that change no words (direction, help).

#include "controls/AccessibleControls.h"
#include "controls/Icons.h"
#include "support/NamedControls.h"
#include "tests/support/WhatTheUserMeets.h"
#include "tests/translator/TranslatorWindow.h"
#include "translator/ScrollBox.h"

#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QToolTip>

using namespace slovnik;
using namespace slovnik::transtest;

namespace {

constexpr int kScrollBoxTop = 119;
constexpr int kComboPanelLeft = 135;
constexpr int kDesignClientWidth = 274 - 8;
constexpr int kNoImage = -1;
// A height that reaches down to the bottom of the parent.
constexpr int kToTheBottom = -1;

// The widgets that Tab visits from `start` on, by pressing Tab, until it comes back to the start.
QList<QWidget *> tabVisits(QWidget *start)
{
    QList<QWidget *> visited;
    start->setFocus();
    for (int step = 0; step < 200; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *const focused = QApplication::focusWidget();
        if (!focused || focused == start)
            break;
        visited.append(focused);
    }
    return visited;
}

} // namespace

class TransLayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowCaptionAndBackground();
    void formCreatePlacesTheWindowAtTheRightEdgeOfTheScreen();
    void initTestCase();
    void controlsAsLaidOut_data();
    void controlsAsLaidOut();
    void textBoxesWrapAtTheirWidthWithAVerticalBarOnly();
    void wordAreaStartsAsDesigned();
    void formShowFocusesTheSourceText();
    void tabGoesTranslatedSourceBoxesGrid();
    void panelsAndBoxesFollowTheWidthOfTheWindow();
    void manyWordsScrollGridAndBoxesTogetherWithoutAHorizontalBar();
    void directionButtonFlipsTheDirectionAndTheFlag();
    void helpShowsTheHelpWindowWithoutBlocking();
    void buttonHintsShowWhileAnotherWindowOfTheProgramIsActive();
};

void TransLayoutTest::windowCaptionAndBackground()
{
    QObject owner;
    TTransForm form(createFlagImages(&owner));
    QVERIFY(form.isHidden());
    QCOMPARE(form.windowTitle(), QStringLiteral("Translator"));
    QVERIFY(!form.windowIcon().isNull());
    QCOMPARE(form.backgroundRole(), QPalette::Button);
    QVERIFY(form.autoFillBackground());
    QCOMPARE(wordCount(form), 0);
}

void TransLayoutTest::formCreatePlacesTheWindowAtTheRightEdgeOfTheScreen()
{
    QObject owner;
    const TTransForm form(createFlagImages(&owner));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    // Outer sizes 274 wide and 40 pixels short of the screen's height, on a frame 8 wider and 27
    // higher than the client area.
    QCOMPARE(form.pos(), QPoint(screen.x() + screen.width() - 274 - 1, screen.y()));
    QCOMPARE(form.width(), 274 - 8);
    QCOMPARE(form.height(), screen.height() - 40 - 27);
}

void TransLayoutTest::initTestCase()
{
    installAccessibleControls();
}

void TransLayoutTest::controlsAsLaidOut_data()
{
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<int>("image");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("caption");

    // A panel's hint is left out: the pointer over its middle rests on one of its controls.
    const auto row = [](const char *control, const char *parent, QRect place, int image, const char16_t *name,
                        const char16_t *hint = u"", const char16_t *caption = u"") {
        QTest::newRow(control) << QString::fromLatin1(parent) << place << image << QString::fromUtf16(name)
                               << (hint ? QString::fromUtf16(hint) : QString())
                               << QString::fromUtf16(caption);
    };
    const int w = kDesignClientWidth;
    row("Panel2", "TransForm", QRect(0, 0, w, 24), kNoImage, u"", nullptr);
    row("Panel4", "TransForm", QRect(0, 24, w, 45), kNoImage, u"", nullptr);
    row("Panel3", "TransForm", QRect(0, 69, w, 45), kNoImage, u"", nullptr);
    row("Panel6", "TransForm", QRect(0, 114, w, 5), kNoImage, u"", nullptr);
    row("ScrollBox1", "TransForm", QRect(0, kScrollBoxTop, w, kToTheBottom), kNoImage, u"", nullptr);
    row("Label2", "Panel4", QRect(0, 0, 0, 0), kNoImage, u"Zdrojový text", u"", u"Zdrojový text");
    row("Memo1", "Panel4", QRect(0, 45 - 32, w, 32), kNoImage, u"Zdrojový text");
    row("Label1", "Panel3", QRect(0, 0, 0, 0), kNoImage, u"Přeložený text", u"", u"Přeložený text");
    row("Memo2", "Panel3", QRect(0, 45 - 32, w, 32), kNoImage, u"Přeložený text");
    row("PasteBtn", "Panel2", QRect(3, 1, 22, 22), ButtonImage::Paste, u"Vložit zdrojový text",
        u"Vložit zdrojový text");
    row("CopyBtn", "Panel2", QRect(26, 1, 22, 22), ButtonImage::Copy, u"Kopírovat přeložený text",
        u"Kopírovat přeložený text");
    row("ToListBtn", "Panel2", QRect(50, 1, 22, 22), ButtonImage::IntoList,
        u"Vložit text do mřížky pro překlad", u"Vložit text do mřížky pro překlad");
    row("FromListBtn", "Panel2", QRect(72, 1, 22, 22), ButtonImage::OutOfList,
        u"Sestavit větu z přeložených slov", u"Sestavit větu z přeložených slov");
    row("TransBtn", "Panel2", QRect(100, 1, 21, 22), ButtonImage::OpenBook, u"Přeložit", u"Přeložit",
        u"Překlad");
    row("LangBtn", "Panel2", QRect(126, 1, 34, 22), FlagImage::CzechToEnglish, u"Změna směru překladu",
        u"Změna směru překladu");
    row("Help", "Panel2", QRect(162, 1, 22, 22), ButtonImage::HelpBook, u"Nápověda", u"Nápověda",
        u"Nápověda");
    row("StringGrid1", "ScrollBox1", QRect(0, 0, 131, 230), kNoImage, u"Slova zdrojového textu");
    // The design's client width leaves the panel its design width of 131.
    row("ComboPanel", "ScrollBox1", QRect(kComboPanelLeft, 0, 131, 230), kNoImage, u"", nullptr);
}

void TransLayoutTest::controlsAsLaidOut()
{
    QFETCH(QString, parent);
    QFETCH(QRect, place);
    QFETCH(int, image);
    QFETCH(QString, hint);

    TranslatorWindow window;
    TTransForm &form = window.form;
    QCOMPARE(form.width(), kDesignClientWidth);
    QWidget *const control = named(form, QTest::currentDataTag());
    const QWidget *const within = parent == u"TransForm"_qs ? &form : named(form, parent);
    QVERIFY(control && within && within->isAncestorOf(control));
    if (place.height() == kToTheBottom)
        place.setBottom(within->height() - 1);
    if (place.size().isEmpty())
        place.setSize(control->size()); // a label: its size follows its text, its corner is checked
    QCOMPARE(placeIn(*control, *within), place);
    QTEST(screenReaderName(*control), "name");
    if (!hint.isNull())
        QCOMPARE(hintShownOver(*control), hint);
    if (auto *const label = qobject_cast<QLabel *>(control))
        QTEST(label->text(), "caption");
    if (auto *const button = qobject_cast<TEx3DButton *>(control)) {
        QObject owner;
        const ImageList *const images
            = control == named<TEx3DButton>(form, "LangBtn") ? window.flags : createButtonImages(&owner);
        QVERIFY(showsImage(*button, *images, image));
        QTEST(button->caption(), "caption");
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!button->dropdownSymbol() && !button->transparent());
    }
}

void TransLayoutTest::textBoxesWrapAtTheirWidthWithAVerticalBarOnly()
{
    TranslatorWindow window;
    for (const QPlainTextEdit *memo :
         {named<QPlainTextEdit>(window.form, "Memo1"), named<QPlainTextEdit>(window.form, "Memo2")}) {
        QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(memo->frameShape(), QFrame::Box);
        QCOMPARE(memo->frameShadow(), QFrame::Plain);
        QCOMPARE(memo->frameWidth(), 1);
    }
}

void TransLayoutTest::wordAreaStartsAsDesigned()
{
    TranslatorWindow window;
    const TTransForm &form = window.form;
    QCOMPARE(named<ScrollBox>(form, "ScrollBox1")->frameShape(), QFrame::NoFrame);
    const WordGrid *const grid = named<WordGrid>(form, "StringGrid1");
    QCOMPARE(grid->columnCount(), 1);
    QCOMPARE(grid->rowCount(), 1);
    QCOMPARE(grid->word(0), QString());
    QVERIFY(grid->horizontalHeader()->isHidden());
    QVERIFY(grid->verticalHeader()->isHidden());
    QCOMPARE(grid->rowHeight(0), RowPitch);
    QCOMPARE(grid->columnWidth(0), 129);
    QCOMPARE(grid->frameWidth(), 1);
    QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(grid->showGrid());
    QVERIFY(wordBoxes(form).isEmpty());
    QVERIFY(named(form, "ComboPanel")->findChildren<QComboBox *>().isEmpty());
}

void TransLayoutTest::formShowFocusesTheSourceText()
{
    TranslatorWindow window;
    QVERIFY(QTest::qWaitForWindowActive(&window.form));
    QCOMPARE(QApplication::focusWidget(), named<QPlainTextEdit>(window.form, "Memo1"));

    // Every showing: the focus the window gives its controls when it becomes active.
    named<QPlainTextEdit>(window.form, "Memo2")->setFocus();
    window.form.hide();
    window.form.show();
    QCOMPARE(window.form.focusWidget(), named<QPlainTextEdit>(window.form, "Memo1"));
}

void TransLayoutTest::tabGoesTranslatedSourceBoxesGrid()
{
    TranslatorWindow window;
    TTransForm &form = window.form;
    QVERIFY(QTest::qWaitForWindowActive(&form));
    split(form, QStringLiteral("jedna dva tři"));
    QCOMPARE(wordCount(form), 3);
    const QList<QWidget *> expected{named<QPlainTextEdit>(form, "Memo1"), wordBoxes(form)[0],
                                    wordBoxes(form)[1], wordBoxes(form)[2],
                                    named<WordGrid>(form, "StringGrid1")};
    QCOMPARE(tabVisits(named<QPlainTextEdit>(form, "Memo2")), expected);
}

void TransLayoutTest::panelsAndBoxesFollowTheWidthOfTheWindow()
{
    TranslatorWindow window;
    TTransForm &form = window.form;
    split(form, QStringLiteral("jedna dva"));
    form.resize(400, 500);
    settle();
    QCOMPARE(named<QPlainTextEdit>(form, "Memo1")->width(), 400);
    QCOMPARE(named<ScrollBox>(form, "ScrollBox1")->geometry(),
             QRect(0, kScrollBoxTop, 400, 500 - kScrollBoxTop));
    const int view = named<ScrollBox>(form, "ScrollBox1")->viewport()->width();
    QCOMPARE(view, 400);
    QCOMPARE(named(form, "ComboPanel")->geometry(), QRect(kComboPanelLeft, 0, view - kComboPanelLeft, 46));
    for (const QComboBox *box : wordBoxes(form))
        QCOMPARE(box->width(), view - kComboPanelLeft);
    QCOMPARE(named<WordGrid>(form, "StringGrid1")->width(), 131);

    // Boxes made after the resize take the panel's width too.
    split(form, QStringLiteral("tři"));
    QCOMPARE(wordBoxes(form).constFirst()->width(), view - kComboPanelLeft);
}

// The view narrows by the vertical bar; the boxes narrow with it, so their drop-down arrows stay
// in sight and the view needs no horizontal bar.
void TransLayoutTest::manyWordsScrollGridAndBoxesTogetherWithoutAHorizontalBar()
{
    TranslatorWindow window;
    TTransForm &form = window.form;
    split(form, QStringLiteral("slovo ").repeated(40));
    const ScrollBox *const area = named<ScrollBox>(form, "ScrollBox1");
    QVERIFY(area->verticalScrollBar()->isVisible());
    QVERIFY(!area->horizontalScrollBar()->isVisible());
    const int view = area->viewport()->width();
    QVERIFY(view < form.width());
    QCOMPARE(named(form, "ComboPanel")->width(), view - kComboPanelLeft);
    for (const QComboBox *box : wordBoxes(form))
        QVERIFY(box->mapTo(area->viewport(), QPoint(box->width(), 0)).x() <= view);

    // Back to a few words: the bar goes and the boxes widen again.
    split(form, QStringLiteral("jedna"));
    QVERIFY(!area->verticalScrollBar()->isVisible());
    QCOMPARE(wordBoxes(form).constFirst()->width(), form.width() - kComboPanelLeft);

    // Scrolling moves grid and boxes together.
    split(form, QStringLiteral("slovo ").repeated(40));
    QComboBox *const last = wordBoxes(form).constLast();
    named<ScrollBox>(form, "ScrollBox1")->ensureWidgetVisible(last);
    const QPoint boxInView = last->mapTo(area->viewport(), QPoint(0, 0));
    const QRect row = named<WordGrid>(form, "StringGrid1")
                          ->visualItemRect(named<WordGrid>(form, "StringGrid1")->item(39, 0));
    const QPoint rowInView
        = named<WordGrid>(form, "StringGrid1")->viewport()->mapTo(area->viewport(), row.topLeft());
    QCOMPARE(boxInView.y(), rowInView.y());
    QVERIFY(boxInView.y() >= 0 && boxInView.y() < area->viewport()->height());
}

void TransLayoutTest::directionButtonFlipsTheDirectionAndTheFlag()
{
    TranslatorWindow window;
    TTransForm &form = window.form;
    QVERIFY(showsImage(*named<TEx3DButton>(form, "LangBtn"), *window.flags, FlagImage::CzechToEnglish));
    click(named<TEx3DButton>(form, "LangBtn"));
    QVERIFY(showsImage(*named<TEx3DButton>(form, "LangBtn"), *window.flags, FlagImage::EnglishToCzech));
    click(named<TEx3DButton>(form, "LangBtn"));
    QVERIFY(showsImage(*named<TEx3DButton>(form, "LangBtn"), *window.flags, FlagImage::CzechToEnglish));
}

void TransLayoutTest::helpShowsTheHelpWindowWithoutBlocking()
{
    TranslatorWindow window;
    QWidget help;
    help.resize(200, 100);
    window.form.setHelpWindow(&help);

    click(named<TEx3DButton>(window.form, "Help"));
    QVERIFY(help.isVisible());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(QTest::qWaitForWindowActive(&help));

    // Already shown behind the translator: brought to the front.
    window.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window.form));
    click(named<TEx3DButton>(window.form, "Help"));
    QVERIFY(QTest::qWaitForWindowActive(&help));
    QVERIFY(help.isVisible());
}

// As in the dictionary window, whose buttons are hinted while the translator is the active window.
void TransLayoutTest::buttonHintsShowWhileAnotherWindowOfTheProgramIsActive()
{
    TranslatorWindow window;
    QWidget dictionary;
    dictionary.show();
    dictionary.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dictionary));
    QTest::mouseMove(named<TEx3DButton>(window.form, "TransBtn"));
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), u"Přeložit"_qs);
    QToolTip::hideText();
}

QTEST_MAIN(TransLayoutTest)
#include "TransLayoutTest.moc"

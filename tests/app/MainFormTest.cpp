// SPDX-License-Identifier: GPL-2.0-or-later
// The dictionary window through its controls, on small tables where counts matter.

#include "app/MainForm.h"
#include "app/ResultChooser.h"
#include "app/WordListView.h"
#include "controls/AccessibleControls.h"
#include "controls/ButtonKeys.h"
#include "controls/Ex3DButton.h"
#include "controls/ExDialog.h"
#include "controls/Icons.h"
#include "tests/support/QuietModule.h"

#include "support/NamedControls.h"
#include "tests/support/SmallTable.h"
#include "tests/support/UserActions.h"
#include "tests/support/WhatTheUserMeets.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

using namespace slovnik;
using namespace slovnik::support;

namespace {

// Engine text is Windows-1250: "ko\xe8ka" is kočka, "d\xf9m" is dům.
const std::vector<DictionaryEntry> kTable = table({
    {"dog", "pes"},
    {"dog", "lump"},
    {"dogma", "dogma"},
    {"DOG", "pes"},
    {"cat", "ko\xe8ka"},
    {"house", "d\xf9m"},
    {"x", ""},
});

constexpr int kNoImage = -1;

} // namespace

class MainFormTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void initTestCase();
    void controlsAsLaidOut_data();
    void controlsAsLaidOut();
    void layoutFollowsTheClientWidth();
    void choosingALineAddsHistoryOnceAndARowEachTime();
    void historyLineDifferingOnlyInCaseKeepsAChoiceOut();
    void arrowKeysOnTheClosedChooserChooseEachLinePassed();
    void searchRunsAddNothingToHistoryOrWordList();
    void historyPickSearchesTheWholeLine();
    void directionButtonTwiceRestoresTheList();
    void copyTakesTheQueryBoxOrTheChosenLine_data();
    void copyTakesTheQueryBoxOrTheChosenLine();
    void toListButtonAddsTheSearchedWordAlone();
    void wordListClickTakesTheColumnUnderThePointer();
    void wordListRowsStayInOrder();
    void wordListRowsFitTheFaceTheyAreDrawnIn();
    void wordListWithAScrollBarNeverScrollsSideways();
    void tabLeavesTheWordList();
    void translatorPanelShowsItsWholeBorder();
    void pasteSearchesTheClipboardText();
    void keystrokesDuringASearchRunLeaveOnlyTheNewestLines();
    void resultLineIsDrawnInTwoColumns();
    void keysRunTheCopyAndDirectionButtons();

private:
    void typeQuery(const QString &text);
    void chooseLine(const QString &line);
    void switchToEnglish();

    std::unique_ptr<TMainForm> m_form;
};

void MainFormTest::initTestCase()
{
    installAccessibleControls();
}

void MainFormTest::init()
{
    m_form = std::make_unique<TMainForm>(quietModule(), kTable);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void MainFormTest::cleanup()
{
    m_form.reset();
}

void MainFormTest::typeQuery(const QString &text)
{
    named<QComboBox>(*m_form, "ComboBox1")->setFocus();
    typeOver(named<QComboBox>(*m_form, "ComboBox1")->lineEdit(), text);
    QCOMPARE(named<QComboBox>(*m_form, "ComboBox1")->currentText(), text);
}

// As the user picks a line: opens the drop-down list and clicks the line.
void pickFromList(QComboBox &box, const QString &line)
{
    const int index = box.findText(line);
    QVERIFY2(index >= 0, qPrintable(line));
    box.showPopup();
    QAbstractItemView *view = box.view();
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    const QRect item = view->visualRect(box.model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_VERIFY(!view->isVisible());
}

void MainFormTest::chooseLine(const QString &line)
{
    pickFromList(*named<ResultChooser>(*m_form, "ComboBox2"), line);
}

// The window starts Czech to English; the flip itself is directionButtonTwiceRestoresTheList's.
void MainFormTest::switchToEnglish()
{
    QTest::mouseClick(named<TEx3DButton>(*m_form, "LangBtn"), Qt::LeftButton);
}

void MainFormTest::controlsAsLaidOut_data()
{
    QTest::addColumn<QRect>("place");
    QTest::addColumn<int>("image");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hint");

    const auto row = [](const char *control, QRect place, int image, const char16_t *name,
                        const char16_t *hint) {
        QTest::newRow(control) << place << image << QString::fromUtf16(name) << QString::fromUtf16(hint);
    };
    row("CopyBtn", QRect(1, 1, 22, 22), ButtonImage::Copy, u"Kopírovat", u"Kopírovat");
    row("PasteBtn", QRect(23, 1, 22, 22), ButtonImage::Paste, u"Vložit", u"Vložit");
    row("ToListBtn", QRect(50, 1, 22, 22), ButtonImage::IntoList, u"Přidat do seznamu", u"Přidat do seznamu");
    row("LangBtn", QRect(79, 1, 34, 22), FlagImage::CzechToEnglish, u"Změna směru překladu",
        u"Změna směru překladu");
    row("HelpButton", QRect(118, 1, 22, 22), ButtonImage::HelpBook, u"Nápověda", u"Nápověda");
    row("AboutBtn", QRect(140, 1, 22, 22), ButtonImage::About, u"O aplikaci", u"O aplikaci");
    // At the right edge, in its raised panel: a caption and no hint.
    row("TranslBtn", QRect(468 - 80 + 4, 1, 71, 22), ButtonImage::Sheet, u"Translátor", u"");
    row("ComboBox1", QRect(0, 24, 170, 22), kNoImage, u"Zadejte slovo pro překlad",
        u"Zadejte slovo pro překlad");
    row("ComboBox2", QRect(170, 24, 468 - 170, 22), kNoImage, u"Nalezené překlady", u"");
    row("ListView1", QRect(0, 47, 468, 201 - 47), kNoImage, u"Seznam slov", u"");
}

// At the design client size, 468 x 201.
void MainFormTest::controlsAsLaidOut()
{
    QFETCH(QRect, place);
    QFETCH(int, image);
    QCOMPARE(m_form->size(), QSize(468, 201));
    QWidget *const control = named(*m_form, QTest::currentDataTag());
    QVERIFY(control);
    QCOMPARE(placeIn(*control, *m_form), place);
    QTEST(screenReaderName(*control), "name");
    QTEST(hintShownOver(*control), "hint");
    if (image != kNoImage) {
        QObject owner;
        const bool flag = control == named<TEx3DButton>(*m_form, "LangBtn");
        QVERIFY(showsImage(*control, flag ? *m_form->flagImages() : *createButtonImages(&owner), image));
        QCOMPARE(control->cursor().shape(), Qt::PointingHandCursor);
    }
}

void MainFormTest::layoutFollowsTheClientWidth()
{
    m_form->resize(700, 300);
    QCOMPARE(placeIn(*named<QComboBox>(*m_form, "ComboBox1"), *m_form), QRect(0, 24, 170, 22));
    QCOMPARE(placeIn(*named<ResultChooser>(*m_form, "ComboBox2"), *m_form), QRect(170, 24, 530, 22));
    QCOMPARE(placeIn(*named<WordListView>(*m_form, "ListView1"), *m_form), QRect(0, 47, 700, 300 - 47));
    QCOMPARE(named<TEx3DButton>(*m_form, "TranslBtn")->parentWidget()->geometry().right(), 699);
    const WordListView *list = named<WordListView>(*m_form, "ListView1");
    // The design's columns: half the list's outer width, and the rest but 4 pixels.
    QCOMPARE(list->columnWidth(0), 350);
    QCOMPARE(list->columnWidth(1), 346);
}

void MainFormTest::choosingALineAddsHistoryOnceAndARowEachTime()
{
    typeQuery(QStringLiteral("p"));
    chooseLine(QStringLiteral("pes = dog"));
    QCOMPARE(named<QComboBox>(*m_form, "ComboBox1")->count(), 1);
    QCOMPARE(named<QComboBox>(*m_form, "ComboBox1")->itemText(0), u"pes = dog"_qs);
    QCOMPARE(named<QComboBox>(*m_form, "ComboBox1")->currentText(), u"p"_qs); // the query box keeps its text
    QCOMPARE(named<WordListView>(*m_form, "ListView1")->rowCount(), 1);
    QCOMPARE(named<WordListView>(*m_form, "ListView1")->wordAt(0), u"pes"_qs);
    QCOMPARE(named<WordListView>(*m_form, "ListView1")->otherAt(0), std::optional(u"dog"_qs));
    typeQuery(QStringLiteral("pe"));
    chooseLine(QStringLiteral("pes = dog"));
    QCOMPARE(named<QComboBox>(*m_form, "ComboBox1")->count(), 1);
    QCOMPARE(named<WordListView>(*m_form, "ListView1")->rowCount(), 2);
}

void MainFormTest::historyLineDifferingOnlyInCaseKeepsAChoiceOut()
{
    typeQuery(QStringLiteral("pes"));
    QCOMPARE(itemsOf(*named<ResultChooser>(*m_form, "ComboBox2")),
             (QStringList{u"pes = dog"_qs, u"pes = DOG"_qs}));
    chooseLine(QStringLiteral("pes = DOG"));
    chooseLine(QStringLiteral("pes = dog"));
    QCOMPARE(named<QComboBox>(*m_form, "ComboBox1")->count(), 1);
    QCOMPARE(named<QComboBox>(*m_form, "ComboBox1")->itemText(0), u"pes = DOG"_qs);
    QCOMPARE(named<WordListView>(*m_form, "ListView1")->rowCount(), 2);
}

void MainFormTest::arrowKeysOnTheClosedChooserChooseEachLinePassed()
{
    switchToEnglish();
    typeQuery(QStringLiteral("d"));
    const QStringList lines = itemsOf(*named<ResultChooser>(*m_form, "ComboBox2"));
    QCOMPARE(lines.size(), 3);
    named<ResultChooser>(*m_form, "ComboBox2")->setFocus();
    for (int i = 1; i < lines.size(); ++i)
        QTest::keyClick(named<ResultChooser>(*m_form, "ComboBox2"), Qt::Key_Down);
    QCOMPARE(named<WordListView>(*m_form, "ListView1")->rowCount(), lines.size() - 1);
    QCOMPARE(named<QComboBox>(*m_form, "ComboBox1")->count(), lines.size() - 1);
}

void MainFormTest::searchRunsAddNothingToHistoryOrWordList()
{
    for (const char *query : {"p", "pe", "d", "k", ""})
        typeQuery(QString::fromUtf8(query));
    QCOMPARE(named<QComboBox>(*m_form, "ComboBox1")->count(), 0);
    QCOMPARE(named<WordListView>(*m_form, "ListView1")->rowCount(), 0);
}

void MainFormTest::historyPickSearchesTheWholeLine()
{
    typeQuery(QStringLiteral("pes"));
    chooseLine(QStringLiteral("pes = dog"));
    QVERIFY(named<ResultChooser>(*m_form, "ComboBox2")->count() > 0);
    pickFromList(*named<QComboBox>(*m_form, "ComboBox1"), u"pes = dog"_qs);
    QCOMPARE(named<QComboBox>(*m_form, "ComboBox1")->currentText(), u"pes = dog"_qs);
    // No searched word begins with the whole line, " = " included.
    QCOMPARE(named<ResultChooser>(*m_form, "ComboBox2")->count(), 0);
    QCOMPARE(named<QComboBox>(*m_form, "ComboBox1")->count(), 1);
}

void MainFormTest::directionButtonTwiceRestoresTheList()
{
    typeQuery(QStringLiteral("dog"));
    const QStringList czech = itemsOf(*named<ResultChooser>(*m_form, "ComboBox2"));
    QCOMPARE(czech, (QStringList{u"dogma = dogma"_qs}));
    QTest::mouseClick(named<TEx3DButton>(*m_form, "LangBtn"), Qt::LeftButton);
    QVERIFY(showsImage(*named<TEx3DButton>(*m_form, "LangBtn"), *m_form->flagImages(),
                       FlagImage::EnglishToCzech));
    QCOMPARE(itemsOf(*named<ResultChooser>(*m_form, "ComboBox2")).count(u"dog = pes"_qs), 2);
    QTest::mouseClick(named<TEx3DButton>(*m_form, "LangBtn"), Qt::LeftButton);
    QVERIFY(showsImage(*named<TEx3DButton>(*m_form, "LangBtn"), *m_form->flagImages(),
                       FlagImage::CzechToEnglish));
    QCOMPARE(itemsOf(*named<ResultChooser>(*m_form, "ComboBox2")), czech);
    QCOMPARE(named<QComboBox>(*m_form, "ComboBox1")->currentText(), u"dog"_qs);
}

void MainFormTest::copyTakesTheQueryBoxOrTheChosenLine_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<bool>("focusInQueryBox");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("copied");
    QTest::newRow("query box holding a word") << u"dog"_qs << true << u"dog."_qs << u"dog"_qs;
    QTest::newRow("chosen line elsewhere") << u"pes"_qs << false << u"pes = dog."_qs << u"dog"_qs;
    QTest::newRow("query box holding a line") << u"pes = dog"_qs << true << u"pes = dog."_qs << u"dog"_qs;
    QTest::newRow("empty chooser elsewhere") << u"zzz"_qs << false << u"."_qs << QString();
}

void MainFormTest::copyTakesTheQueryBoxOrTheChosenLine()
{
    QFETCH(QString, query);
    QFETCH(bool, focusInQueryBox);
    typeQuery(query);
    if (!focusInQueryBox) {
        // A click on the word list takes the focus there.
        named<WordListView>(*m_form, "ListView1")->setFocus();
    }
    QGuiApplication::clipboard()->setText(u"before"_qs);
    const DialogAnswerer answerer;
    QTest::mouseClick(named<TEx3DButton>(*m_form, "CopyBtn"), Qt::LeftButton);
    QTEST(answerer.texts.join(u'|'), "shown");
    QTEST(QGuiApplication::clipboard()->text(), "copied");
}

void MainFormTest::toListButtonAddsTheSearchedWordAlone()
{
    typeQuery(QStringLiteral("pes"));
    QTest::mouseClick(named<TEx3DButton>(*m_form, "ToListBtn"), Qt::LeftButton);
    QCOMPARE(named<WordListView>(*m_form, "ListView1")->rowCount(), 1);
    QCOMPARE(named<WordListView>(*m_form, "ListView1")->wordAt(0), u"pes"_qs);
    QCOMPARE(named<WordListView>(*m_form, "ListView1")->otherAt(0), std::nullopt);
    typeQuery(QStringLiteral("zzz"));
    QTest::mouseClick(named<TEx3DButton>(*m_form, "ToListBtn"), Qt::LeftButton);
    QCOMPARE(named<WordListView>(*m_form, "ListView1")->rowCount(), 2);
    QCOMPARE(named<WordListView>(*m_form, "ListView1")->wordAt(0), QString());
    QCOMPARE(named<QComboBox>(*m_form, "ComboBox1")->count(), 0);
}

void MainFormTest::wordListClickTakesTheColumnUnderThePointer()
{
    typeQuery(QStringLiteral("pes"));
    chooseLine(QStringLiteral("pes = dog"));
    typeQuery(QStringLiteral("dům"));
    QTest::mouseClick(named<TEx3DButton>(*m_form, "ToListBtn"), Qt::LeftButton); // a row of one word: "dům"
    WordListView *list = named<WordListView>(*m_form, "ListView1");
    const int firstWidth = list->columnWidth(0);
    const int pesRow = list->wordAt(0) == u"pes" ? 0 : 1;
    const int y = list->visualRect(list->model()->index(pesRow, 0)).center().y();

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(firstWidth, y));
    QCOMPARE(named<QComboBox>(*m_form, "ComboBox1")->currentText(), u"pes"_qs);
    QCOMPARE(itemsOf(*named<ResultChooser>(*m_form, "ComboBox2")),
             (QStringList{u"pes = dog"_qs, u"pes = DOG"_qs}));
    QVERIFY(list->hasFocus());

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(firstWidth + 1, y));
    QCOMPARE(named<QComboBox>(*m_form, "ComboBox1")->currentText(), u"dog"_qs);
    QVERIFY(showsImage(*named<TEx3DButton>(*m_form, "LangBtn"), *m_form->flagImages(),
                       FlagImage::CzechToEnglish));
    QCOMPARE(itemsOf(*named<ResultChooser>(*m_form, "ComboBox2")), (QStringList{u"dogma = dogma"_qs}));

    const int domRow = 1 - pesRow;
    const int domY = list->visualRect(list->model()->index(domRow, 0)).center().y();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(firstWidth + 5, domY));
    QCOMPARE(named<QComboBox>(*m_form, "ComboBox1")->currentText(), u"dům"_qs);

    const int below = list->visualRect(list->model()->index(list->rowCount() - 1, 0)).bottom() + 20;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, below));
    QCOMPARE(named<QComboBox>(*m_form, "ComboBox1")->currentText(), u"dům"_qs);
    QCOMPARE(list->selectedRow(), -1);
}

void MainFormTest::wordListRowsStayInOrder()
{
    WordListView *list = named<WordListView>(*m_form, "ListView1");
    for (const char16_t *word : {u"čaj", u"hrad", u"chata", u"Cibule", u"auto", u"cibule"})
        list->addRow(QString::fromUtf16(word), std::nullopt);
    QStringList rows;
    for (int i = 0; i < list->rowCount(); ++i)
        rows << list->wordAt(i);
    QCOMPARE(rows, (QStringList{u"auto"_qs, u"cibule"_qs, u"Cibule"_qs, u"čaj"_qs, u"hrad"_qs, u"chata"_qs}));
}

// The list is made before its window sets its face, and a desktop may change the face later: the
// rows always fit the text as drawn, without a tall gap between the lines.
void MainFormTest::wordListRowsFitTheFaceTheyAreDrawnIn()
{
    WordListView *list = named<WordListView>(*m_form, "ListView1");
    list->addRow(u"pes"_qs, u"dog"_qs);
    for (const int pixels : {11, 24}) {
        QFont face = list->font();
        face.setPixelSize(pixels);
        list->setFont(face);
        const int text = list->fontMetrics().height();
        const int row = list->visualItemRect(list->item(0, 0)).height();
        QVERIFY2(row >= text && row <= text + 6,
                 qPrintable(u"%1 px: row %2, text %3"_qs.arg(pixels).arg(row).arg(text)));
    }
}

// Enough rows for a vertical scroll bar: the columns keep the design's widths (half the list's
// outer width for column 1), and a click in column 2 takes the column-2 word without moving the list.
void MainFormTest::wordListWithAScrollBarNeverScrollsSideways()
{
    WordListView *list = named<WordListView>(*m_form, "ListView1");
    for (int i = 0; i < 20; ++i)
        list->addRow(u"práce"_qs, u"work"_qs);
    QTRY_VERIFY(list->verticalScrollBar()->isVisible());
    const int y = list->visualRect(list->model()->index(0, 0)).center().y();
    const int firstColumn = list->width() / 2;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(firstColumn, y));
    QCOMPARE(named<QComboBox>(*m_form, "ComboBox1")->currentText(), u"práce"_qs);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(firstColumn + 1, y));
    QCOMPARE(named<QComboBox>(*m_form, "ComboBox1")->currentText(), u"work"_qs);
    QCOMPARE(list->visualRect(list->model()->index(0, 0)).left(), 0);
    // Over the end of column 2, beside the bar.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(list->viewport()->width() - 1, y));
    QCOMPARE(list->visualRect(list->model()->index(0, 0)).left(), 0);
}

void MainFormTest::tabLeavesTheWordList()
{
    named<WordListView>(*m_form, "ListView1")->addRow(u"pes"_qs, u"dog"_qs);
    named<WordListView>(*m_form, "ListView1")->addRow(u"kočka"_qs, u"cat"_qs);
    named<QComboBox>(*m_form, "ComboBox1")->setFocus();
    const QList<QWidget *> order{
        named<WordListView>(*m_form, "ListView1"), named<ResultChooser>(*m_form, "ComboBox2"),
        named<QComboBox>(*m_form, "ComboBox1"), named<WordListView>(*m_form, "ListView1")};
    for (QWidget *expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), named<QComboBox>(*m_form, "ComboBox1"));
}

// The bottom edge runs unbroken under the Translátor button, in the border's own colour.
void MainFormTest::translatorPanelShowsItsWholeBorder()
{
    QWidget *const panel = named<TEx3DButton>(*m_form, "TranslBtn")->parentWidget();
    const QImage image = panel->grab().toImage();
    const int bottom = image.height() - 1;
    const QRgb edge = image.pixel(1, bottom);
    for (int x = 1; x < image.width() - 1; ++x)
        QCOMPARE(image.pixel(x, bottom), edge);
    QVERIFY(edge != image.pixel(image.width() / 2, image.height() / 2));
}

void MainFormTest::pasteSearchesTheClipboardText()
{
    QGuiApplication::clipboard()->setText(u"pes"_qs);
    QTest::mouseClick(named<TEx3DButton>(*m_form, "PasteBtn"), Qt::LeftButton);
    QCOMPARE(named<QComboBox>(*m_form, "ComboBox1")->currentText(), u"pes"_qs);
    QCOMPARE(itemsOf(*named<ResultChooser>(*m_form, "ComboBox2")).size(), 2);
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(named<TEx3DButton>(*m_form, "PasteBtn"), Qt::LeftButton);
    QCOMPARE(named<QComboBox>(*m_form, "ComboBox1")->currentText(), QString());
    QCOMPARE(named<ResultChooser>(*m_form, "ComboBox2")->count(), 0);
}

void MainFormTest::keystrokesDuringASearchRunLeaveOnlyTheNewestLines()
{
    typeQuery(QStringLiteral("d"));
    // Keystrokes waiting in the queue when the next search run begins: "dům" replaces "d".
    QLineEdit *edit = named<QComboBox>(*m_form, "ComboBox1")->lineEdit();
    edit->selectAll();
    QCoreApplication::postEvent(edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_unknown, {}, u"h"_qs));
    QCoreApplication::postEvent(edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_unknown, {}, u"o"_qs));
    m_form->ComboBox1Change();
    QCOMPARE(edit->text(), u"ho"_qs);
    QCOMPARE(itemsOf(*named<ResultChooser>(*m_form, "ComboBox2")), QStringList());
    QCOMPARE(named<ResultChooser>(*m_form, "ComboBox2")->currentIndex(), -1);
    switchToEnglish();
    edit->selectAll();
    QCoreApplication::postEvent(edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_unknown, {}, u"c"_qs));
    m_form->ComboBox1Change();
    QCOMPARE(edit->text(), u"c"_qs);
    QCOMPARE(itemsOf(*named<ResultChooser>(*m_form, "ComboBox2")), (QStringList{u"cat = kočka"_qs}));
}

void MainFormTest::resultLineIsDrawnInTwoColumns()
{
    const DrawnColumns columns = resultLineColumns(u"dog = pes"_qs);
    QCOMPARE(columns.left, u"dog"_qs);
    QCOMPARE(columns.right, u"= pes"_qs);
    QCOMPARE(resultLineColumns(u"x = "_qs).right, u"= "_qs);

    QImage image(200, 15, QImage::Format_ARGB32);
    QPalette palette;
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    image.fill(Qt::red);
    {
        QPainter painter(&image);
        // A rectangle from x 40 to 200: the right text starts at 200 div 2, not at its middle.
        ComboBox2DrawItem(painter, QRect(40, 0, 160, 15), u"dog = pes"_qs, palette, false);
    }
    const auto firstInk = [&image](int from, int to) {
        for (int x = from; x < to; ++x)
            for (int y = 0; y < image.height(); ++y)
                if (qGray(image.pixel(x, y)) < 128)
                    return x;
        return -1;
    };
    QCOMPARE(image.pixelColor(39, 5), QColor(Qt::red));
    QCOMPARE(image.pixelColor(40, 5), QColor(Qt::white));
    QVERIFY(firstInk(40, 100) >= 42);
    QVERIFY(firstInk(40, 100) < 46);
    const int right = firstInk(80, 200);
    QVERIFY(right >= 100 && right < 104);
}

// From the query box: the direction key searches the query in the other language, and the copy
// key copies as the copy button does, not as the box's own Ctrl+C.
void MainFormTest::keysRunTheCopyAndDirectionButtons()
{
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    typeQuery(u"house"_qs);
    QCOMPARE(named<ResultChooser>(*m_form, "ComboBox2")->count(), 0);
    QLineEdit *const query = named<QComboBox>(*m_form, "ComboBox1")->lineEdit();
    QTest::keyClick(query, kDirectionKey.key(), kDirectionKey.keyboardModifiers());
    QTRY_COMPARE(named<ResultChooser>(*m_form, "ComboBox2")->chosenLine(), u"house = dům"_qs);

    DialogAnswerer answerer;
    QGuiApplication::clipboard()->clear();
    query->setFocus();
    QTest::keyClick(query, kCopyKey.key(), kCopyKey.keyboardModifiers());
    QTRY_COMPARE(answerer.texts, QStringList{u"house."_qs});
    QCOMPARE(QGuiApplication::clipboard()->text(), u"house"_qs);
    for (const char *name : {"CopyBtn", "LangBtn"})
        QVERIFY(screenReaderDescription(*named<TEx3DButton>(*m_form, name)).contains(u"Ctrl+Shift+"));
}

QTEST_MAIN(MainFormTest)
#include "MainFormTest.moc"

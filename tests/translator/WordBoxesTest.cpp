// SPDX-License-Identifier: GPL-2.0-or-later
// The word area as the learner meets it: the wheel over the word boxes, where a new list starts,
// and how a long offer shows, closed and opened.

#include "controls/ButtonKeys.h"
#include "controls/DesignFonts.h"
#include "controls/Icons.h"
#include "controls/ReadableColours.h"
#include "support/NamedControls.h"
#include "tests/support/SmallTable.h"
#include "tests/support/WhatTheUserMeets.h"
#include "tests/translator/TranslatorWindow.h"
#include "translator/ScrollBox.h"
#include "translator/WordBox.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSpontaneKeyEvent>

using namespace slovnik;
using namespace slovnik::transtest;

namespace {

// As wide as a box beside the grid at the window's design width.
constexpr int kWordBoxWidth = 131;

const std::vector<DictionaryEntry> kTable = table({
    {"came", "prisel"},
    {"came out", "vysel"},
    {"came back", "vratil se"},
    {"i don't understand", "nerozumim"},
});

QScrollBar *wordAreaScrollBar(const TTransForm &form)
{
    return named<ScrollBox>(form, "ScrollBox1")->verticalScrollBar();
}

} // namespace

class WordBoxesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wheelChangesOnlyAFocusedBoxsChoice_data();
    void wheelChangesOnlyAFocusedBoxsChoice();
    void newSplitStartsAtTheTop();
    void longChosenOfferShowsItsBeginning_data();
    void longChosenOfferShowsItsBeginning();
    void listIsAsWideAsItsLongestOffer();
    void gridViewFollowsTheCurrentRow();
    void keysRunTheStripCommands();
    void greyTextReachesTextContrast();
};

void WordBoxesTest::wheelChangesOnlyAFocusedBoxsChoice_data()
{
    QTest::addColumn<bool>("focused");
    QTest::newRow("passing over") << false;
    QTest::newRow("entered") << true;
}

void WordBoxesTest::wheelChangesOnlyAFocusedBoxsChoice()
{
    QFETCH(bool, focused);
    TranslatorWindow window(kTable);
    TTransForm &form = window.form;
    click(named<TEx3DButton>(form, "LangBtn"));
    translate(form, QStringList(60, u"came"_qs).join(u' '));
    QComboBox *const box = wordBoxes(form).at(2);
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    if (focused)
        box->setFocus();
    wheelDown(box->lineEdit());
    QCOMPARE(box->currentIndex() != 0, focused);
    QCOMPARE(wordAreaScrollBar(form)->value() > 0, !focused);
}

void WordBoxesTest::newSplitStartsAtTheTop()
{
    TranslatorWindow window(kTable);
    split(window.form, QStringList(128, u"came"_qs).join(u' '));
    QScrollBar *const scrollBar = wordAreaScrollBar(window.form);
    scrollBar->triggerAction(QAbstractSlider::SliderToMaximum);
    QVERIFY(scrollBar->value() > 0);
    split(window.form, QStringList(60, u"came"_qs).join(u' '));
    QCOMPARE(scrollBar->value(), 0);
}

void WordBoxesTest::longChosenOfferShowsItsBeginning_data()
{
    QTest::addColumn<QList<int>>("keys"); // pressed with the focus in the source text
    QTest::newRow("as translated") << QList<int>{};
    QTest::newRow("tabbed through") << QList<int>{Qt::Key_Tab, Qt::Key_Tab};
    QTest::newRow("Return on the chosen line") << QList<int>{Qt::Key_Tab, Qt::Key_Return, Qt::Key_Tab};
}

// The box shows what a line edit of its size shows of the offer from its first letter on.
void WordBoxesTest::longChosenOfferShowsItsBeginning()
{
    QFETCH(QList<int>, keys);
    TranslatorWindow window(kTable);
    TTransForm &form = window.form;
    click(named<TEx3DButton>(form, "LangBtn"));
    translate(form, u"i"_qs);
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    named<QWidget>(form, "Memo1")->setFocus();
    for (const int key : keys)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QLineEdit *const shown = wordBoxes(form).at(0)->lineEdit();
    QVERIFY(!shown->hasFocus());
    QCOMPARE(shown->text(), u"i don't understand = nerozumim"_qs);
    QVERIFY(shown->fontMetrics().horizontalAdvance(shown->text()) > shown->width());

    QLineEdit fromTheStart(shown->text());
    fromTheStart.setFrame(false);
    fromTheStart.setFont(shown->font());
    fromTheStart.setPalette(shown->palette());
    fromTheStart.resize(shown->size());
    fromTheStart.setCursorPosition(0);
    QCOMPARE(shown->grab().toImage().convertToFormat(QImage::Format_RGB32),
             fromTheStart.grab().toImage().convertToFormat(QImage::Format_RGB32));
}

void WordBoxesTest::listIsAsWideAsItsLongestOffer()
{
    TranslatorWindow window(kTable);
    TTransForm &form = window.form;
    click(named<TEx3DButton>(form, "LangBtn"));
    translate(form, u"i came"_qs);
    for (QComboBox *const box : wordBoxes(form)) {
        box->showPopup();
        QAbstractItemView *const list = box->view();
        QVERIFY(QTest::qWaitForWindowExposed(list->window()));
        const QRect screen = box->screen()->availableGeometry();
        QVERIFY(list->viewport()->width() >= list->sizeHintForColumn(0));
        QVERIFY(screen.contains(list->window()->geometry()));
        box->hidePopup();
    }
}

// Down through 60 rows: the word area scrolls so that the current row stays in view.
void WordBoxesTest::gridViewFollowsTheCurrentRow()
{
    TranslatorWindow window(kTable);
    TTransForm &form = window.form;
    split(form, QStringList(60, u"came"_qs).join(u' '));
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    WordGrid *const grid = named<WordGrid>(form, "StringGrid1");
    grid->setFocus();
    QWidget *const view = named<ScrollBox>(form, "ScrollBox1")->viewport();
    for (int step = 0; step < 60; ++step) {
        QTest::keyClick(grid, Qt::Key_Down);
        const QRect row = grid->visualRect(grid->currentIndex());
        const QRect shown(grid->viewport()->mapTo(view, row.topLeft()), row.size());
        QVERIFY2(view->rect().contains(shown), qPrintable(QString::number(step)));
    }
    QCOMPARE(grid->currentIndex().row(), 59);
}

// The whole strip from the keyboard, the focus staying in the text boxes; a screen reader names
// each key with its button.
void WordBoxesTest::keysRunTheStripCommands()
{
    TranslatorWindow window(kTable);
    TTransForm &form = window.form;
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const auto press = [](QKeyCombination key) {
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    };
    auto *const source = named<QPlainTextEdit>(form, "Memo1");
    auto *const translated = named<QPlainTextEdit>(form, "Memo2");
    source->setFocus();
    press(kDirectionKey);
    QTRY_VERIFY(showsImage(*named<TEx3DButton>(form, "LangBtn"), *window.flags, FlagImage::EnglishToCzech));
    typeKeys(source, u"i came"_qs);
    press(kSplitKey);
    QTRY_COMPARE(gridWords(form), (QStringList{u"i"_qs, u"came"_qs}));
    QCOMPARE(source->toPlainText(), u"i came"_qs);
    press(kTranslateKey);
    QTRY_COMPARE(boxTexts(form).value(1), u"came = prisel"_qs);
    press(kBuildKey);
    QTRY_COMPARE(translated->toPlainText(), u"nerozumim prisel "_qs);
    translated->setFocus();
    translated->selectAll();
    QGuiApplication::clipboard()->clear();
    press(kCopyKey);
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), u"nerozumim prisel "_qs);

    for (const auto &[name, key] : {std::pair{"ToListBtn", kSplitKey},
                                    {"TransBtn", kTranslateKey},
                                    {"FromListBtn", kBuildKey},
                                    {"CopyBtn", kCopyKey},
                                    {"LangBtn", kDirectionKey}}) {
        const QString keyName = QKeySequence(key).toString(QKeySequence::NativeText);
        QVERIFY2(screenReaderDescription(*named<TEx3DButton>(form, name)).contains(keyName), name);
    }
}

// A box's grey text (here its placeholder; suggestions take the same grey) stays grey, lighter
// than its text, and still reads at 4.5:1.
void WordBoxesTest::greyTextReachesTextContrast()
{
    // Beside a box with the focus: no cursor is drawn in it.
    QWidget host;
    QLineEdit focused(&host);
    WordBox box(&host);
    box.setFont(designFont());
    box.lineEdit()->setPlaceholderText(u"came = prisel"_qs);
    box.setGeometry(0, RowPitch, kWordBoxWidth, RowPitch - 1);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    focused.setFocus();
    const QImage drawn = box.grab(box.lineEdit()->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    QColor darkest = Qt::white;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (qGray(drawn.pixel(x, y)) < darkest.lightness())
                darkest = drawn.pixelColor(x, y);
    const QColor base = box.lineEdit()->palette().color(QPalette::Base);
    const QColor text = box.lineEdit()->palette().color(QPalette::Text);
    QVERIFY2(contrast(darkest, base) >= kTextContrast, qPrintable(darkest.name()));
    QVERIFY2(contrast(darkest, base) < contrast(text, base) / 2, qPrintable(darkest.name()));
}

QTEST_MAIN(WordBoxesTest)
#include "WordBoxesTest.moc"

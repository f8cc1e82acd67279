// The word area as the learner meets it: the wheel over the word boxes, where a new list starts,
// and how a long offer shows, closed and opened.

#include "tests/support/NamedControls.h"
#include "tests/support/SmallTable.h"
#include "tests/translator/TranslatorWindow.h"
#include "translator/ScrollBox.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSpontaneKeyEvent>

using namespace slovnik;
using namespace slovnik::transtest;

namespace {

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
    QComboBox *const box = form.WordBoxes().at(2);
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
    QLineEdit *const shown = form.WordBoxes().at(0)->lineEdit();
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
    for (QComboBox *const box : form.WordBoxes()) {
        box->showPopup();
        QAbstractItemView *const list = box->view();
        QVERIFY(QTest::qWaitForWindowExposed(list->window()));
        const QRect screen = box->screen()->availableGeometry();
        QVERIFY(list->viewport()->width() >= list->sizeHintForColumn(0));
        QVERIFY(screen.contains(list->window()->geometry()));
        box->hidePopup();
    }
}

QTEST_MAIN(WordBoxesTest)
#include "WordBoxesTest.moc"

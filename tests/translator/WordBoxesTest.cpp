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
#include <QWheelEvent>

using namespace slovnik;
using namespace slovnik::transtest;

namespace {

const std::vector<DictionaryEntry> kTable = table({
    {"came", "prisel"},
    {"came out", "vysel"},
    {"came back", "vratil se"},
    {"i don't understand", "nerozumim"},
});

/// One notch of the wheel, down, over the middle of `widget`, as the window system delivers it:
/// to the widget under the pointer, and from there up to its parents while none takes it.
void wheelDown(QWidget *widget)
{
    const QPointF middle = QRectF(widget->rect()).center();
    QWheelEvent notch(middle, widget->mapToGlobal(middle), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    // Only the window system's own events travel up to the parents; sendEvent would make it the
    // program's.
    QSpontaneKeyEvent::setSpontaneous(&notch);
    qApp->notify(widget, &notch);
}

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

// The box shows what a line edit of its size shows of the offer from its first letter on.
void WordBoxesTest::longChosenOfferShowsItsBeginning()
{
    TranslatorWindow window(kTable);
    TTransForm &form = window.form;
    click(named<TEx3DButton>(form, "LangBtn"));
    translate(form, u"i"_qs);
    QLineEdit *const shown = form.WordBoxes().at(0)->lineEdit();
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

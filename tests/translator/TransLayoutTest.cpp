// The translator window's make-up: placement, panels, buttons, text boxes, the scroll area, the
// focus, and the buttons that change no words (direction, help).

#include "ScrollBox.h"
#include "TranslatorWindow.h"

#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>

using namespace slovnik;
using namespace slovnik::transtest;

namespace {

constexpr int kScrollBoxTop = 119;
constexpr int kComboPanelLeft = 135;

QStringList manyWords(int count)
{
    QStringList words;
    for (int i = 0; i < count; ++i)
        words.append(QStringLiteral("slovo"));
    return words;
}

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
    void panelsStackUnderTheToolStrip();
    void toolButtons_data();
    void toolButtons();
    void textBoxesWrapAtTheirWidthWithAVerticalBarOnly();
    void wordAreaStartsAsDesigned();
    void formShowFocusesTheSourceText();
    void tabGoesTranslatedSourceBoxesGrid();
    void boxesFollowTheWidthOfTheView();
    void manyWordsScrollGridAndBoxesTogetherWithoutAHorizontalBar();
    void directionButtonFlipsTheDirectionAndTheFlag();
    void helpShowsTheHelpWindowWithoutBlocking();
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
    QCOMPARE(form.TransDirection(), TranslationDirection::CzechToEnglish);
    QCOMPARE(form.WordCount(), 0);
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

void TransLayoutTest::panelsStackUnderTheToolStrip()
{
    TranslatorWindow window;
    TTransForm &form = window.form;
    const int w = form.width();
    QCOMPARE(form.Panel2()->geometry(), QRect(0, 0, w, 24));
    QCOMPARE(form.Panel4()->geometry(), QRect(0, 24, w, 45));
    QCOMPARE(form.Panel3()->geometry(), QRect(0, 69, w, 45));
    QCOMPARE(form.Panel6()->geometry(), QRect(0, 114, w, 5));
    QCOMPARE(form.ScrollBox1()->geometry(), QRect(0, kScrollBoxTop, w, form.height() - kScrollBoxTop));

    QCOMPARE(form.Label2()->parentWidget(), form.Panel4());
    QCOMPARE(form.Label2()->pos(), QPoint(0, 0));
    QCOMPARE(form.Label2()->text(), QStringLiteral("Zdrojový text"));
    QCOMPARE(form.Memo1()->parentWidget(), form.Panel4());
    QCOMPARE(form.Memo1()->geometry(), QRect(0, 45 - 32, w, 32));

    QCOMPARE(form.Label1()->parentWidget(), form.Panel3());
    QCOMPARE(form.Label1()->pos(), QPoint(0, 0));
    QCOMPARE(form.Label1()->text(), QStringLiteral("Přeložený text"));
    QCOMPARE(form.Memo2()->parentWidget(), form.Panel3());
    QCOMPARE(form.Memo2()->geometry(), QRect(0, 45 - 32, w, 32));

    form.resize(400, 500);
    QCOMPARE(form.Memo1()->width(), 400);
    QCOMPARE(form.ScrollBox1()->geometry(), QRect(0, kScrollBoxTop, 400, 500 - kScrollBoxTop));
}

void TransLayoutTest::toolButtons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("flags");
    QTest::addColumn<int>("image");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("caption");

    QTest::newRow("PasteBtn") << "PasteBtn" << 3 << 22 << false << ButtonImage::Paste
                              << "Vložit zdrojový text"
                              << "";
    QTest::newRow("CopyBtn") << "CopyBtn" << 26 << 22 << false << ButtonImage::Copy
                             << "Kopírovat přeložený text"
                             << "";
    QTest::newRow("ToListBtn") << "ToListBtn" << 50 << 22 << false << ButtonImage::IntoList
                               << "Vložit text do mřížky pro překlad"
                               << "";
    QTest::newRow("FromListBtn") << "FromListBtn" << 72 << 22 << false << ButtonImage::OutOfList
                                 << "Sestavit větu z přeložených slov"
                                 << "";
    QTest::newRow("TransBtn") << "TransBtn" << 100 << 21 << false << ButtonImage::OpenBook << "Přeložit"
                              << "Překlad";
    QTest::newRow("LangBtn") << "LangBtn" << 126 << 34 << true << FlagImage::CzechToEnglish
                             << "Změna směru překladu"
                             << "";
    QTest::newRow("Help") << "Help" << 162 << 22 << false << ButtonImage::HelpBook << "Nápověda"
                          << "Nápověda";
}

void TransLayoutTest::toolButtons()
{
    QFETCH(QString, name);
    QFETCH(int, left);
    QFETCH(int, width);
    QFETCH(bool, flags);
    QFETCH(int, image);
    QFETCH(QString, hint);
    QFETCH(QString, caption);

    TranslatorWindow window;
    TTransForm &form = window.form;
    const QHash<QString, TEx3DButton *> buttons{{"PasteBtn", form.PasteBtn()},
                                                {"CopyBtn", form.CopyBtn()},
                                                {"ToListBtn", form.ToListBtn()},
                                                {"FromListBtn", form.FromListBtn()},
                                                {"TransBtn", form.TransBtn()},
                                                {"LangBtn", form.LangBtn()},
                                                {"Help", form.Help()}};
    const TEx3DButton *const button = buttons.value(name);
    QVERIFY(button);
    QCOMPARE(button->parentWidget(), form.Panel2());
    QCOMPARE(button->geometry(), QRect(left, 1, width, 22));
    QCOMPARE(button->imageIndex(), image);
    if (flags) {
        QCOMPARE(button->images(), window.flags);
    } else {
        QVERIFY(button->images());
        QCOMPARE(button->images()->count(), ButtonImage::Count);
        QCOMPARE(button->images()->imageSize(), QSize(16, 16));
    }
    QCOMPARE(button->toolTip(), hint);
    QCOMPARE(button->caption(), caption);
    QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(button->space(), 2);
    QVERIFY(!button->dropdownSymbol());
    QVERIFY(!button->transparent());
}

void TransLayoutTest::textBoxesWrapAtTheirWidthWithAVerticalBarOnly()
{
    TranslatorWindow window;
    for (const QPlainTextEdit *memo : {window.form.Memo1(), window.form.Memo2()}) {
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
    QCOMPARE(form.ScrollBox1()->frameShape(), QFrame::NoFrame);
    const WordGrid *const grid = form.StringGrid1();
    QCOMPARE(grid->geometry(), QRect(0, 0, 131, 230));
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
    // The design's client width leaves the panel its design width of 131.
    QCOMPARE(form.ComboPanel()->geometry(), QRect(kComboPanelLeft, 0, 131, 230));
    QVERIFY(form.WordBoxes().isEmpty());
    QVERIFY(form.ComboPanel()->findChildren<QComboBox *>().isEmpty());
}

void TransLayoutTest::formShowFocusesTheSourceText()
{
    TranslatorWindow window;
    QVERIFY(QTest::qWaitForWindowActive(&window.form));
    QCOMPARE(QApplication::focusWidget(), window.form.Memo1());

    // Every showing: the focus the window gives its controls when it becomes active.
    window.form.Memo2()->setFocus();
    window.form.hide();
    window.form.show();
    QCOMPARE(window.form.focusWidget(), window.form.Memo1());
}

void TransLayoutTest::tabGoesTranslatedSourceBoxesGrid()
{
    TranslatorWindow window;
    TTransForm &form = window.form;
    QVERIFY(QTest::qWaitForWindowActive(&form));
    split(form, QStringLiteral("jedna dva tři"));
    QCOMPARE(form.WordCount(), 3);
    const QList<QWidget *> expected{form.Memo1(), form.WordBoxes()[0], form.WordBoxes()[1],
                                    form.WordBoxes()[2], form.StringGrid1()};
    QCOMPARE(tabVisits(form.Memo2()), expected);
}

void TransLayoutTest::boxesFollowTheWidthOfTheView()
{
    TranslatorWindow window;
    TTransForm &form = window.form;
    split(form, QStringLiteral("jedna dva"));
    form.resize(400, form.height());
    settle();
    const int view = form.ScrollBox1()->viewport()->width();
    QCOMPARE(view, 400);
    QCOMPARE(form.ComboPanel()->geometry(), QRect(kComboPanelLeft, 0, view - kComboPanelLeft, 46));
    for (const QComboBox *box : form.WordBoxes())
        QCOMPARE(box->width(), view - kComboPanelLeft);
    QCOMPARE(form.StringGrid1()->width(), 131);

    // Boxes made after the resize take the panel's width too.
    split(form, QStringLiteral("tři"));
    QCOMPARE(form.WordBoxes().constFirst()->width(), view - kComboPanelLeft);
}

// The view narrows by the vertical bar; the boxes narrow with it, so their drop-down arrows stay
// in sight and the view needs no horizontal bar.
void TransLayoutTest::manyWordsScrollGridAndBoxesTogetherWithoutAHorizontalBar()
{
    TranslatorWindow window;
    TTransForm &form = window.form;
    split(form, manyWords(40).join(u' '));
    const ScrollBox *const area = form.ScrollBox1();
    QVERIFY(area->verticalScrollBar()->isVisible());
    QVERIFY(!area->horizontalScrollBar()->isVisible());
    const int view = area->viewport()->width();
    QVERIFY(view < form.width());
    QCOMPARE(form.ComboPanel()->width(), view - kComboPanelLeft);
    for (const QComboBox *box : form.WordBoxes())
        QVERIFY(box->mapTo(area->viewport(), QPoint(box->width(), 0)).x() <= view);

    // Back to a few words: the bar goes and the boxes widen again.
    split(form, QStringLiteral("jedna"));
    QVERIFY(!area->verticalScrollBar()->isVisible());
    QCOMPARE(form.WordBoxes().constFirst()->width(), form.width() - kComboPanelLeft);

    // Scrolling moves grid and boxes together.
    split(form, manyWords(40).join(u' '));
    QComboBox *const last = form.WordBoxes().constLast();
    form.ScrollBox1()->ensureWidgetVisible(last);
    const QPoint boxInView = last->mapTo(area->viewport(), QPoint(0, 0));
    const QRect row = form.StringGrid1()->visualItemRect(form.StringGrid1()->item(39, 0));
    const QPoint rowInView = form.StringGrid1()->viewport()->mapTo(area->viewport(), row.topLeft());
    QCOMPARE(boxInView.y(), rowInView.y());
    QVERIFY(boxInView.y() >= 0 && boxInView.y() < area->viewport()->height());
}

void TransLayoutTest::directionButtonFlipsTheDirectionAndTheFlag()
{
    TranslatorWindow window;
    TTransForm &form = window.form;
    QCOMPARE(form.LangBtn()->imageIndex(), FlagImage::CzechToEnglish);
    click(form.LangBtn());
    QCOMPARE(form.TransDirection(), TranslationDirection::EnglishToCzech);
    QCOMPARE(form.LangBtn()->imageIndex(), FlagImage::EnglishToCzech);
    click(form.LangBtn());
    QCOMPARE(form.TransDirection(), TranslationDirection::CzechToEnglish);
    QCOMPARE(form.LangBtn()->imageIndex(), FlagImage::CzechToEnglish);
}

void TransLayoutTest::helpShowsTheHelpWindowWithoutBlocking()
{
    TranslatorWindow window;
    QWidget help;
    help.resize(200, 100);
    window.form.setHelpWindow(&help);

    click(window.form.Help());
    QVERIFY(help.isVisible());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(QTest::qWaitForWindowActive(&help));

    // Already shown behind the translator: brought to the front.
    window.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window.form));
    click(window.form.Help());
    QVERIFY(QTest::qWaitForWindowActive(&help));
    QVERIFY(help.isVisible());
}

QTEST_MAIN(TransLayoutTest)
#include "TransLayoutTest.moc"

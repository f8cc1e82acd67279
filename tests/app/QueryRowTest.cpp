// SPDX-License-Identifier: GPL-2.0-or-later
// The dictionary window's query row as the learner sees it: the query box, the result chooser and
// the suggestions that stand in its place, drawn and reached with the keyboard.

#include "app/MainForm.h"
#include "app/ResultChooser.h"
#include "app/SuggestionBar.h"
#include "tests/support/QuietModule.h"

#include "support/NamedControls.h"
#include "tests/support/SmallTable.h"
#include "tests/support/UserActions.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest>

using namespace slovnik;
using namespace slovnik::support;

namespace {

std::vector<DictionaryEntry> tableOfDogs(int count)
{
    std::vector<DictionaryEntry> entries
        = table({{"cat", "kocka"}, {"receive", "prijmout"}, {"chocolate ice cream", "cokoladova zmrzlina"}});
    for (int i = 0; i < count; ++i) {
        const std::string word = "dog" + std::to_string(100 + i);
        entries.push_back({field(word), field("pes")});
    }
    return entries;
}

const std::vector<DictionaryEntry> kTable = tableOfDogs(18);

// The lowest row of `area` with ink: for letters without descenders, the row on the baseline.
int lowestInk(const QImage &image, const QRect &area)
{
    for (int y = area.bottom(); y >= area.top(); --y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 96)
                return y;
    return -1;
}

// The first and last columns where the image has ink: a pixel much darker than its top-left one.
std::pair<int, int> inkColumns(const QImage &image)
{
    const int background = qGray(image.pixel(0, 0));
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < background - 96) {
                first = first < 0 ? x : first;
                last = x;
            }
    return {first, last};
}

} // namespace

class QueryRowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void leadingDirectionMarkKeepsTheQueryLeftAligned();
    void longResultListShowsAScrollBar_data();
    void longResultListShowsAScrollBar();
    void closedChooserTextStandsOnTheQueryBoxsBaseline();
    void suggestionsKeepClearOfTheWindowEdge_data();
    void suggestionsKeepClearOfTheWindowEdge();
    void tabReachesOnlyWhatCanBeSeen_data();
    void tabReachesOnlyWhatCanBeSeen();
    void wheelChangesOnlyAFocusedBox_data();
    void wheelChangesOnlyAFocusedBox();

private:
    void paste(const QString &text);

    std::unique_ptr<TMainForm> m_form;
};

void QueryRowTest::init()
{
    m_form = std::make_unique<TMainForm>(quietModule(), kTable);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void QueryRowTest::cleanup()
{
    m_form.reset();
}

void QueryRowTest::paste(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::mouseClick(named<TEx3DButton>(*m_form, "PasteBtn"), Qt::LeftButton);
}

void QueryRowTest::leadingDirectionMarkKeepsTheQueryLeftAligned()
{
    paste(u"\u200Fdog"_qs);
    QLineEdit *const edit = named<QComboBox>(*m_form, "ComboBox1")->lineEdit();
    edit->setCursorPosition(0);
    const auto [first, last] = inkColumns(edit->grab().toImage());
    QVERIFY(first >= 0);
    QVERIFY2(first < edit->width() / 4, qPrintable(QString::number(first)));
}

void QueryRowTest::longResultListShowsAScrollBar_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<bool>("scrollBar");
    QTest::newRow("eight lines") << u"dog11"_qs << false;
    QTest::newRow("eighteen lines") << u"dog"_qs << true;
}

void QueryRowTest::longResultListShowsAScrollBar()
{
    QFETCH(QString, query);
    QFETCH(bool, scrollBar);
    named<TEx3DButton>(*m_form, "LangBtn")->click();
    paste(query);
    ResultChooser *const chooser = named<ResultChooser>(*m_form, "ComboBox2");
    chooser->showPopup();
    QAbstractItemView *const list = chooser->view();
    QVERIFY(QTest::qWaitForWindowExposed(list->window()));
    QCOMPARE(list->verticalScrollBar()->isVisible(), scrollBar);
    chooser->hidePopup();
}

// "cat" in the query box and "cat = kocka" in the chooser beside it: the first letters of both.
void QueryRowTest::closedChooserTextStandsOnTheQueryBoxsBaseline()
{
    named<TEx3DButton>(*m_form, "LangBtn")->click();
    named<QComboBox>(*m_form, "ComboBox1")->setFocus();
    typeKeys(named<QComboBox>(*m_form, "ComboBox1")->lineEdit(), u"cat"_qs);
    QCOMPARE(named<ResultChooser>(*m_form, "ComboBox2")->chosenLine(), u"cat = kocka"_qs);
    const QImage window = m_form->grab().toImage();
    const auto firstLetter = [this](const QWidget &box) {
        const QRect place(box.mapTo(m_form.get(), QPoint(0, 0)), box.size());
        return QRect(place.left() + 3, place.top() + 3, 10, place.height() - 6);
    };
    const int queryBaseline = lowestInk(window, firstLetter(*named<QComboBox>(*m_form, "ComboBox1")));
    QVERIFY(queryBaseline > 0);
    QCOMPARE(lowestInk(window, firstLetter(*named<ResultChooser>(*m_form, "ComboBox2"))), queryBaseline);
}

void QueryRowTest::suggestionsKeepClearOfTheWindowEdge_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("query");
    QTest::newRow("spelling suggestions") << true << u"dgo10"_qs;
    QTest::newRow("a long other-language hint") << false << u"chocolate ice cream"_qs;
}

// At every width a word that does not fit whole is left out, but the first is shortened rather
// than leave the bar empty; the last one shown stays as far from the window's right edge as the
// first one is from the bar's left edge.
void QueryRowTest::suggestionsKeepClearOfTheWindowEdge()
{
    QFETCH(bool, english);
    QFETCH(QString, query);
    if (english)
        named<TEx3DButton>(*m_form, "LangBtn")->click();
    paste(query);
    SuggestionBar *const bar = named<SuggestionBar>(*m_form, "SuggestionBar");
    QVERIFY(bar->isVisible());
    constexpr int kLeftMargin = 2;
    for (int width = m_form->minimumWidth(); width < 700; ++width) {
        m_form->resize(width, m_form->height());
        const QImage drawn = bar->grab().toImage();
        QCOMPARE(bar->mapTo(m_form.get(), QPoint(bar->width(), 0)).x(), width);
        const auto [firstInk, lastInk] = inkColumns(drawn);
        QVERIFY2(firstInk >= kLeftMargin && firstInk <= 2 * kLeftMargin, qPrintable(QString::number(width)));
        QVERIFY2(lastInk < drawn.width() - kLeftMargin, qPrintable(QString::number(width)));
    }
}

void QueryRowTest::tabReachesOnlyWhatCanBeSeen_data()
{
    QTest::addColumn<QString>("query");
    QTest::newRow("result lines") << u"cat"_qs;
    QTest::newRow("suggestions in the chooser's place") << u"recieve"_qs;
}

// Each control that Tab gives the focus to is the one the learner sees at its place.
void QueryRowTest::tabReachesOnlyWhatCanBeSeen()
{
    QFETCH(QString, query);
    named<TEx3DButton>(*m_form, "LangBtn")->click();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    named<QComboBox>(*m_form, "ComboBox1")->setFocus();
    typeKeys(named<QComboBox>(*m_form, "ComboBox1")->lineEdit(), query);
    for (int step = 0; step < 8; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *const focused = QApplication::focusWidget();
        QVERIFY(focused);
        const QPoint middle = focused->mapTo(m_form.get(), focused->rect().center());
        QWidget *const seen = m_form->childAt(middle);
        QVERIFY2(seen == focused || focused->isAncestorOf(seen), focused->metaObject()->className());
    }
}

void QueryRowTest::wheelChangesOnlyAFocusedBox_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("focused");
    QTest::newRow("result chooser, passing over") << u"ComboBox2"_qs << false;
    QTest::newRow("result chooser, entered") << u"ComboBox2"_qs << true;
    QTest::newRow("query box, passing over") << u"ComboBox1"_qs << false;
    QTest::newRow("query box, entered") << u"ComboBox1"_qs << true;
}

void QueryRowTest::wheelChangesOnlyAFocusedBox()
{
    QFETCH(QString, box);
    QFETCH(bool, focused);
    named<TEx3DButton>(*m_form, "LangBtn")->click();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QComboBox *const query = named<QComboBox>(*m_form, "ComboBox1");
    ResultChooser *const chooser = named<ResultChooser>(*m_form, "ComboBox2");
    query->setFocus();
    typeKeys(query->lineEdit(), u"dog"_qs);
    // Two lines chosen with the keyboard: two history lines and two word-list rows.
    chooser->setFocus();
    QTest::keyClick(chooser, Qt::Key_Down);
    QTest::keyClick(chooser, Qt::Key_Down);
    QCOMPARE(query->count(), 2);
    const auto state = [&] {
        return QStringList{query->currentText(), chooser->chosenLine(),
                           QString::number(named<QTableWidget>(*m_form, "ListView1")->rowCount())};
    };
    QComboBox *const wheeled = named<QComboBox>(*m_form, box);
    (focused ? static_cast<QWidget *>(wheeled) : named<QWidget>(*m_form, "ListView1"))->setFocus();
    const QStringList before = state();
    wheelDown(wheeled->isEditable() ? static_cast<QWidget *>(wheeled->lineEdit()) : wheeled);
    QCOMPARE(state() != before, focused);
}

QTEST_MAIN(QueryRowTest)
#include "QueryRowTest.moc"

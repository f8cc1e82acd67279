// SPDX-License-Identifier: GPL-2.0-or-later
// A learner who has chosen ten thousand lines: the history and the word list each hold 10,000
// rows, built through the keyboard and the buttons as the learner would, on the real table. Then a
// search, a click on the word list, a choice in the result chooser and a pick from the history
// still work, each in one go, and the translator is untouched.

#include "support/NamedControls.h"
#include "tests/hostile/HostileInput.h"

#include <QAbstractItemView>

#include <algorithm>

using namespace slovnik;
using namespace slovnik::hostile;

namespace {

constexpr int kRows = 10'000;

// As the user picks a line: opens the drop-down list and clicks the line.
void pickFromList(QComboBox &box, int index)
{
    box.showPopup();
    QAbstractItemView *const view = box.view();
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    const QModelIndex item = box.model()->index(index, 0);
    view->scrollTo(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
    QTRY_VERIFY(!view->isVisible());
}

} // namespace

class LongListsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tenThousandRowsInTheHistoryAndTheWordList();
};

void LongListsTest::tenThousandRowsInTheHistoryAndTheWordList()
{
    ProgramWindows program;
    buildLearnerState(program);
    const LearnerState before = learnerState(program);
    TMainForm &form = program.main;
    activate(form);
    click(named<TEx3DButton>(form, "LangBtn"));

    // Each arrow key on the closed chooser chooses the next line: a history line when new, a row
    // of the word list each time. The first letters of the most English words give enough lines.
    int keys = 0;
    timed("10,000 lines chosen with the arrow key", [&] {
        for (const QChar letter : u"scpabdt"_qs) {
            typeQuery(form, QString(letter));
            named<ResultChooser>(form, "ComboBox2")->setFocus();
            for (int line = 1; line < named<ResultChooser>(form, "ComboBox2")->count()
                 && named<QComboBox>(form, "ComboBox1")->count() < kRows;
                 ++line) {
                QTest::keyClick(named<ResultChooser>(form, "ComboBox2"), Qt::Key_Down);
                ++keys;
            }
            if (named<QComboBox>(form, "ComboBox1")->count() >= kRows)
                break;
        }
    });
    QCOMPARE(named<QComboBox>(form, "ComboBox1")->count(), kRows);
    constexpr int kButtonRows = 200;
    timed("200 rows added by the button", [&] {
        for (int i = 0; i < kButtonRows; ++i)
            click(named<TEx3DButton>(form, "ToListBtn"));
    });
    WordListView &list = *named<WordListView>(form, "ListView1");
    QCOMPARE(list.rowCount(), static_cast<int>(before.wordList.size()) + keys + kButtonRows);
    QVERIFY(list.rowCount() >= kRows);

    // The learner's earlier work is where it was: the history's first lines, the word list's rows.
    LearnerState after = learnerState(program);
    QCOMPARE(after.history.mid(0, before.history.size()), before.history);
    for (const QString &row : before.wordList)
        QVERIFY2(after.wordList.contains(row), qPrintable(row));
    verifyTranslatorKept(before, after);

    timed("search with full lists", [&] { typeQuery(form, QStringLiteral("dog")); });
    QVERIFY(itemsOf(*named<ResultChooser>(form, "ComboBox2")).contains(u"dog = pes"_qs));

    const int last = list.rowCount() - 1;
    list.scrollToBottom();
    const QRect lastRow = list.visualRect(list.model()->index(last, 0));
    timed("click on the last word-list row",
          [&] { QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(5, lastRow.center().y())); });
    QCOMPARE(list.selectedRow(), last);
    QCOMPARE(named<QComboBox>(form, "ComboBox1")->currentText(), list.wordAt(last));
    QCOMPARE(named<ResultChooser>(form, "ComboBox2")->count() > 0, !list.wordAt(last).isEmpty());

    typeQuery(form, QStringLiteral("dog"));
    const int rowsBefore = list.rowCount();
    const int historyAfter = kRows
        + (itemsOf(*named<QComboBox>(form, "ComboBox1")).contains(u"dog = pes"_qs, Qt::CaseInsensitive) ? 0
                                                                                                        : 1);
    timed("choice of a result line with full lists", [&] {
        pickFromList(*named<ResultChooser>(form, "ComboBox2"),
                     named<ResultChooser>(form, "ComboBox2")->findText(u"dog = pes"_qs));
    });
    QCOMPARE(list.rowCount(), rowsBefore + 1);
    QCOMPARE(named<QComboBox>(form, "ComboBox1")->count(), historyAfter);

    const QString lastLine = named<QComboBox>(form, "ComboBox1")->itemText(historyAfter - 1);
    timed("pick of the last history line",
          [&] { pickFromList(*named<QComboBox>(form, "ComboBox1"), historyAfter - 1); });
    QCOMPARE(named<QComboBox>(form, "ComboBox1")->currentText(), lastLine);
    // The whole line, " = " included, is the query: no word begins with it.
    QCOMPARE(named<ResultChooser>(form, "ComboBox2")->count(), 0);
    QCOMPARE(named<QComboBox>(form, "ComboBox1")->count(), historyAfter);
    verifyTranslatorKept(before, learnerState(program));
}

QTEST_MAIN(LongListsTest)
#include "LongListsTest.moc"

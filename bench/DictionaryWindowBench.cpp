// One keystroke in the dictionary window, from the key event to the result list filled, sorted
// and line 0 chosen, on the real table.

#include "app/MainForm.h"
#include "app/ResultChooser.h"
#include "controls/Ex3DButton.h"
#include "tests/support/NamedControls.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QtTest>

using namespace slovnik;

class DictionaryWindowBench : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void keystroke_data();
    void keystroke();

private:
    std::unique_ptr<TMainForm> m_form;
};

void DictionaryWindowBench::initTestCase()
{
    m_form = std::make_unique<TMainForm>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void DictionaryWindowBench::keystroke_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<bool>("english");
    // The one-letter queries with the most hits in each direction are the slowest keystrokes.
    QTest::newRow("Czech 'p' (4153 lines)") << u"p"_qs << false;
    QTest::newRow("Czech 'dogs'") << u"dogs"_qs << false;
    QTest::newRow("English 's' (3101 lines)") << u"s"_qs << true;
    QTest::newRow("English 'dogs'") << u"dogs"_qs << true;
    // No hits: the query run finds nothing and the closest words are suggested instead.
    QTest::newRow("English 'recieving' (suggestions)") << u"recieving"_qs << true;
    QTest::newRow("Czech 'prilezitost' (suggestions)") << u"prilezitost"_qs << false;
}

void DictionaryWindowBench::keystroke()
{
    QFETCH(QString, query);
    QFETCH(bool, english);
    const bool isEnglish = m_form->translationDirection() == TranslationDirection::EnglishToCzech;
    if (english != isEnglish)
        QTest::mouseClick(named<TEx3DButton>(*m_form, "LangBtn"), Qt::LeftButton);
    QLineEdit *edit = named<QComboBox>(*m_form, "ComboBox1")->lineEdit();
    const QString typedBefore = query.chopped(1);
    const QString last = query.right(1);
    QBENCHMARK
    {
        edit->setText(typedBefore);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, last);
        QApplication::sendEvent(edit, &press);
    }
    // Line 0 is chosen whenever there are lines; Czech has no word beginning with "dogs".
    QCOMPARE(named<ResultChooser>(*m_form, "ComboBox2")->currentIndex(),
             named<ResultChooser>(*m_form, "ComboBox2")->count() > 0 ? 0 : -1);
}

QTEST_MAIN(DictionaryWindowBench)
#include "DictionaryWindowBench.moc"

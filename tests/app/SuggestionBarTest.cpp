// Spelling help in the dictionary window: a query that finds nothing shows the closest words in
// the result chooser's place; choosing one looks it up. On a small table of the test's own.

#include "SuggestionBar.h"
#include "Ex3DButton.h"
#include "LinkLabel.h"
#include "MainForm.h"
#include "QuietModule.h"
#include "ResultChooser.h"

#include "SmallTable.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

using namespace slovnik;

namespace {

const std::vector<DictionaryEntry> kTable = slovnik::testing::table({
    {"receive", "dostat"},
    {"recipe", "recept"},
    {"relieve", "ulevit"},
    {"dog", "pes"},
});

QStringList shownWords(const SuggestionBar &bar)
{
    QStringList words;
    for (const LinkLabel *link : bar.wordLinks()) {
        if (link->isVisible())
            words << link->text();
    }
    return words;
}

} // namespace

class SuggestionBarTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void noHitShowsSuggestionsAndChoosingOneLooksItUp();
    void queriesWithLinesOrNothingLeftShowNone_data();
    void queriesWithLinesOrNothingLeftShowNone();

private:
    void type(const QString &text);

    std::unique_ptr<TMainForm> m_form;
};

void SuggestionBarTest::init()
{
    m_form = std::make_unique<TMainForm>(slovnik::testing::quietModule(), kTable);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QTest::mouseClick(m_form->LangBtn(), Qt::LeftButton); // English
}

void SuggestionBarTest::cleanup()
{
    m_form.reset();
}

void SuggestionBarTest::type(const QString &text)
{
    QLineEdit *edit = m_form->ComboBox1()->lineEdit();
    m_form->ComboBox1()->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void SuggestionBarTest::noHitShowsSuggestionsAndChoosingOneLooksItUp()
{
    SuggestionBar &bar = *m_form->suggestionBar();
    type(QStringLiteral("recieve"));
    QCOMPARE(m_form->ComboBox2()->count(), 0);
    QVERIFY(bar.isVisible());
    QCOMPARE(bar.geometry(), m_form->ComboBox2()->geometry());
    QCOMPARE(shownWords(bar), (QStringList{"receive", "relieve", "recipe"}));
    QCOMPARE(bar.wordLinks().front()->accessibleName(), QStringLiteral("Možná: receive"));

    // From the query box, Tab reaches the first word and Enter chooses it.
    QTest::keyClick(m_form->ComboBox1()->lineEdit(), Qt::Key_Tab);
    QVERIFY(bar.wordLinks().front()->hasFocus());
    QTest::keyClick(bar.wordLinks().front(), Qt::Key_Return);
    QCOMPARE(m_form->ComboBox1()->currentText(), QStringLiteral("receive"));
    QCOMPARE(m_form->ComboBox2()->chosenLine(), QStringLiteral("receive = dostat"));
    QVERIFY(!bar.isVisible());
    QVERIFY(m_form->ComboBox1()->hasFocus());

    // A click does the same.
    type(QStringLiteral("recipa"));
    QTest::mouseClick(bar.wordLinks().front(), Qt::LeftButton);
    QCOMPARE(m_form->ComboBox2()->chosenLine(), QStringLiteral("recipe = recept"));
    QVERIFY(!bar.isVisible());
}

void SuggestionBarTest::queriesWithLinesOrNothingLeftShowNone_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("prefix hit") << u"rec"_qs;
    QTest::newRow("whole word") << u"dog"_qs;
    QTest::newRow("cleaned away") << u"a "_qs;
    QTest::newRow("nothing near") << u"xqzwv"_qs;
}

void SuggestionBarTest::queriesWithLinesOrNothingLeftShowNone()
{
    QFETCH(QString, text);
    type(QStringLiteral("recieve"));
    QVERIFY(m_form->suggestionBar()->isVisible());
    type(text);
    QVERIFY(!m_form->suggestionBar()->isVisible());
}

QTEST_MAIN(SuggestionBarTest)
#include "SuggestionBarTest.moc"

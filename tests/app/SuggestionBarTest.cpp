// SPDX-License-Identifier: GPL-2.0-or-later
// Help in the dictionary window: a query that finds nothing shows, in the result chooser's place,
// the word's meaning in the other direction, its base forms and the closest words; choosing one
// looks it up. On a small table of the test's own.

#include "app/SuggestionBar.h"
#include "app/MainForm.h"
#include "app/ResultChooser.h"
#include "controls/Ex3DButton.h"
#include "controls/Icons.h"
#include "controls/LinkLabel.h"
#include "tests/support/QuietModule.h"

#include "support/NamedControls.h"
#include "tests/support/SmallTable.h"
#include "tests/support/UserActions.h"
#include "tests/support/WhatTheUserMeets.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QtTest>

using namespace slovnik;
using namespace slovnik::support;

namespace {

const std::vector<DictionaryEntry> kTable = table({
    {"receive", "dostat"},
    {"recipe", "recept"},
    {"relieve", "ulevit"},
    {"dog", "pes"},
    // Engine text is Windows-1250: "\xe8aj" is čaj, "proto\x9ee" protože.
    {"tea",
     "\xe8"
     "aj"},
    {"time",
     "\xe8"
     "as"},
    {"because",
     "proto\x9e"
     "e"},
    {"better off", "zamozny"},
    {"good", "dobry"},
    {"house",
     "d\xf9"
     "m"},
    {"gander", "houser"},
    {"man", "mu\x9e"},
    {"museum", "muzeum"},
    {"know",
     "v\xec"
     "d\xect"},
    {"it's", "to je"},
    {"it", "to"},
});

SuggestionBar &barOf(const TMainForm &form)
{
    return *named<SuggestionBar>(form, "SuggestionBar");
}

/// The suggested words' links in their order, shown or not (a narrow bar hides the last).
QList<LinkLabel *> wordLinks(const SuggestionBar &bar)
{
    return bar.findChildren<LinkLabel *>(QRegularExpression(u"^WordLink\\d+$"_qs));
}

QStringList shownWords(const SuggestionBar &bar)
{
    QStringList words;
    for (const LinkLabel *link : wordLinks(bar)) {
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
    void noHitShowsTheOtherDirectionAndBaseFormsFirst();
    void onlyLongerWordsShowTheBaseFormBesideTheList();
    void onlyLongerWordsShowTheOtherDirectionOrSpellingBesideTheList_data();
    void onlyLongerWordsShowTheOtherDirectionOrSpellingBesideTheList();
    void aNegatedBaseFormShowsTheNegation();
    void noBaseFormLinkRepeatsTheQuery();
    void punctuationStuckToTheWordIsNoObstacle_data();
    void punctuationStuckToTheWordIsNoObstacle();

private:
    void type(const QString &text);

    std::unique_ptr<TMainForm> m_form;
};

void SuggestionBarTest::init()
{
    m_form = std::make_unique<TMainForm>(quietModule(), kTable);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QTest::mouseClick(named<TEx3DButton>(*m_form, "LangBtn"), Qt::LeftButton); // English
}

void SuggestionBarTest::cleanup()
{
    m_form.reset();
}

void SuggestionBarTest::type(const QString &text)
{
    QLineEdit *edit = named<QComboBox>(*m_form, "ComboBox1")->lineEdit();
    named<QComboBox>(*m_form, "ComboBox1")->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    typeKeys(edit, text);
}

void SuggestionBarTest::noHitShowsSuggestionsAndChoosingOneLooksItUp()
{
    SuggestionBar &bar = barOf(*m_form);
    type(QStringLiteral("recieve"));
    QCOMPARE(named<ResultChooser>(*m_form, "ComboBox2")->count(), 0);
    QVERIFY(bar.isVisible());
    QCOMPARE(bar.geometry(), named<ResultChooser>(*m_form, "ComboBox2")->geometry());
    QCOMPARE(shownWords(bar).first(3), (QStringList{"receive", "relieve", "recipe"}));
    QCOMPARE(named<LinkLabel>(bar, "WordLink1")->accessibleName(), QStringLiteral("Možná: receive"));

    // From the query box, Tab reaches the first word and Enter chooses it.
    QTest::keyClick(named<QComboBox>(*m_form, "ComboBox1")->lineEdit(), Qt::Key_Tab);
    QVERIFY(named<LinkLabel>(bar, "WordLink1")->hasFocus());
    QTest::keyClick(named<LinkLabel>(bar, "WordLink1"), Qt::Key_Return);
    QCOMPARE(named<QComboBox>(*m_form, "ComboBox1")->currentText(), QStringLiteral("receive"));
    QCOMPARE(named<ResultChooser>(*m_form, "ComboBox2")->chosenLine(), QStringLiteral("receive = dostat"));
    QVERIFY(!bar.isVisible());
    QVERIFY(named<QComboBox>(*m_form, "ComboBox1")->hasFocus());

    // A click does the same.
    type(QStringLiteral("recipa"));
    QTest::mouseClick(named<LinkLabel>(bar, "WordLink1"), Qt::LeftButton);
    QCOMPARE(named<ResultChooser>(*m_form, "ComboBox2")->chosenLine(), QStringLiteral("recipe = recept"));
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
    QVERIFY(barOf(*m_form).isVisible());
    type(text);
    QVERIFY(!barOf(*m_form).isVisible());
}

// "because" typed in Czech: the bar says first that it is English and switches with one click.
// "Čaj" finds nothing as typed: its base form stands before the spelling suggestions.
void SuggestionBarTest::noHitShowsTheOtherDirectionAndBaseFormsFirst()
{
    SuggestionBar &bar = barOf(*m_form);
    QTest::mouseClick(named<TEx3DButton>(*m_form, "LangBtn"), Qt::LeftButton); // back to Czech
    type(QStringLiteral("because"));
    LinkLabel &other = *named<LinkLabel>(bar, "OtherDirectionLink");
    QVERIFY(other.isVisible());
    QCOMPARE(other.text(), QStringLiteral("Anglicky: because = protože"));
    for (const LinkLabel *link : wordLinks(bar))
        QVERIFY(!link->isVisible() || link->x() > other.geometry().right());
    QTest::mouseClick(&other, Qt::LeftButton);
    QVERIFY(showsImage(*named<TEx3DButton>(*m_form, "LangBtn"), *m_form->flagImages(),
                       FlagImage::EnglishToCzech));
    QCOMPARE(named<ResultChooser>(*m_form, "ComboBox2")->chosenLine(), QStringLiteral("because = protože"));
    QVERIFY(!bar.isVisible());

    QTest::mouseClick(named<TEx3DButton>(*m_form, "LangBtn"), Qt::LeftButton); // Czech again
    type(QStringLiteral("Čaj"));
    QVERIFY(!other.isVisible());
    LinkLabel &form = *named<LinkLabel>(bar, "FormLink1");
    QVERIFY(form.isVisible());
    QCOMPARE(form.text(), QStringLiteral("čaj"));
    // A plain clean-up, not a base form: the caption fits both.
    QCOMPARE(form.accessibleName(), QStringLiteral("Viz: čaj"));
    QCOMPARE(shownWords(bar), QStringList{"čas"});
    QVERIFY(form.geometry().right() < named<LinkLabel>(bar, "WordLink1")->x());
    QTest::mouseClick(&form, Qt::LeftButton);
    QCOMPARE(named<ResultChooser>(*m_form, "ComboBox2")->chosenLine(), QStringLiteral("čaj = tea"));
}

// "better" lists only "better off": the list stays as it is, and a link beside it offers "good".
void SuggestionBarTest::onlyLongerWordsShowTheBaseFormBesideTheList()
{
    LinkLabel &link = *named<LinkLabel>(*m_form, "BaseFormLink");
    type(QStringLiteral("better"));
    QCOMPARE(itemsOf(*named<ResultChooser>(*m_form, "ComboBox2")), QStringList{"better off = zamozny"});
    QVERIFY(link.isVisible());
    QCOMPARE(link.text(), QStringLiteral("Viz: good"));
    QVERIFY(
        !placeIn(link, *m_form).intersects(placeIn(*named<ResultChooser>(*m_form, "ComboBox2"), *m_form)));
    QTest::mouseClick(&link, Qt::LeftButton);
    QCOMPARE(named<ResultChooser>(*m_form, "ComboBox2")->chosenLine(), QStringLiteral("good = dobry"));
    QVERIFY(!link.isVisible());
}

// Czech→English: "house" lists "houser = gander", "muz" lists "muzeum = museum"; the strip says
// what the word is, and one click goes there.
void SuggestionBarTest::onlyLongerWordsShowTheOtherDirectionOrSpellingBesideTheList_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("chosenAfterClick");
    QTest::newRow("English word") << u"house"_qs << u"Anglicky: house = dům"_qs << u"house = dům"_qs;
    QTest::newRow("without diacritics") << u"muz"_qs << u"Možná: muž"_qs << u"muž = man"_qs;
}

void SuggestionBarTest::onlyLongerWordsShowTheOtherDirectionOrSpellingBesideTheList()
{
    QFETCH(QString, typed);
    QFETCH(QString, link);
    QFETCH(QString, chosenAfterClick);
    QTest::mouseClick(named<TEx3DButton>(*m_form, "LangBtn"), Qt::LeftButton); // Czech
    type(typed);
    QCOMPARE(named<ResultChooser>(*m_form, "ComboBox2")->count(), 1);
    LinkLabel &strip = *named<LinkLabel>(*m_form, "BaseFormLink");
    QVERIFY(strip.isVisible());
    QCOMPARE(strip.text(), link);
    QTest::mouseClick(&strip, Qt::LeftButton);
    QCOMPARE(named<ResultChooser>(*m_form, "ComboBox2")->chosenLine(), chosenAfterClick);
}

// "nevěděl" is "did not know": its link leads to the negated line, never to "vědět = know".
void SuggestionBarTest::aNegatedBaseFormShowsTheNegation()
{
    QTest::mouseClick(named<TEx3DButton>(*m_form, "LangBtn"), Qt::LeftButton); // Czech
    type(QStringLiteral("nevěděl"));
    LinkLabel &form = *named<LinkLabel>(*m_form, "FormLink1");
    QCOMPARE(form.text(), QStringLiteral("vědět (zápor)"));
    QTest::mouseClick(&form, Qt::LeftButton);
    QVERIFY(form.isVisible());
    QCOMPARE(form.text(), QStringLiteral("nevědět = not know"));
    QCOMPARE(named<QComboBox>(*m_form, "ComboBox1")->currentText(), QStringLiteral("nevěděl"));
    QCOMPARE(named<ResultChooser>(*m_form, "ComboBox2")->count(), 0);
}

// "it's" is looked up as "its" (which lists "it" by the plural rule): a link "it's" would run
// the same query again.
void SuggestionBarTest::noBaseFormLinkRepeatsTheQuery()
{
    type(QStringLiteral("it's"));
    QVERIFY(itemsOf(*named<ResultChooser>(*m_form, "ComboBox2")).contains(QStringLiteral("it = to")));
    const LinkLabel &strip = *named<LinkLabel>(*m_form, "BaseFormLink");
    QVERIFY(!strip.isVisible() || !strip.text().endsWith(QStringLiteral("it's")));
}

void SuggestionBarTest::punctuationStuckToTheWordIsNoObstacle_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("semicolon") << u"recieve;"_qs;
    QTest::newRow("brackets") << u"(recieve)"_qs;
    QTest::newRow("quotes") << u"\"recieve\""_qs;
}

void SuggestionBarTest::punctuationStuckToTheWordIsNoObstacle()
{
    QFETCH(QString, typed);
    type(typed);
    QCOMPARE(shownWords(barOf(*m_form)).value(0), QStringLiteral("receive"));
}

QTEST_MAIN(SuggestionBarTest)
#include "SuggestionBarTest.moc"

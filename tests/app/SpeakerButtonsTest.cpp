// SPDX-License-Identifier: GPL-2.0-or-later
// The speaker buttons of the dictionary window and the translator and their key, sharing one
// speaker as in the program, with stand-ins for the voice and the sound card.

#include "app/MainForm.h"
#include "app/ResultChooser.h"
#include "controls/Ex3DButton.h"
#include "controls/SpeakerButton.h"
#include "support/NamedControls.h"
#include "tests/support/QuietModule.h"
#include "tests/support/SmallTable.h"
#include "tests/support/SpeechStandIns.h"
#include "translator/Trans.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolTip>
#include <QtTest>

using namespace slovnik;
using namespace slovnik::support;

namespace {

const std::vector<DictionaryEntry> kTable = table({{"dog", "pes"}, {"cat", "ko\xe8ka"}});

// Opens the box's list and clicks the line.
void pick(QComboBox &box, const QString &line)
{
    box.showPopup();
    QAbstractItemView &view = *box.view();
    QVERIFY(QTest::qWaitForWindowExposed(view.window()));
    const QRect item = view.visualRect(box.model()->index(box.findText(line), 0));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, item.center());
    QTRY_VERIFY(!view.isVisible());
}

TEx3DButton *speakBtn(const QWidget &window)
{
    return named<TEx3DButton>(window, "SpeakBtn");
}

QImage looks(const QWidget &window)
{
    return speakBtn(window)->grab().toImage();
}

// What the learner did before pressing the key.
enum class Before {
    TypedACzechWord, ///< dictionary, Czech queries: "pes", its line chosen
    TypedACzechWordFindingNothing, ///< dictionary, Czech queries: "žirafa"
    TypedACzechWordWithEnglishQueries, ///< dictionary, English queries: "kočka", named Czech
    TypedAnEnglishWordWithCzechQueries, ///< dictionary, Czech queries: "dog", named English
    PickedAHistoryLineAfterSwitching, ///< dictionary: "pes = dog" chosen, then English queries and that history line
    BuiltASentence, ///< translator, Czech to English: "kočka" split, translated and built
    SplitWithoutBuilding, ///< translator, Czech to English: "kočka" split and translated
    SwitchedAfterBuilding, ///< translator: "The cat" built from English to Czech, then switched
    SwitchedAfterTranslatingCzech, ///< translator: "kočka" translated to English, then switched
};

// How a reading is stopped.
enum class Stop { SecondPress, Escape, NewQuery, NewSplit, Closing };

} // namespace

class SpeakerButtonsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void keyReadsOnlyTheWindowsEnglish_data();
    void keyReadsOnlyTheWindowsEnglish();
    void readingIsShownAndStops_data();
    void readingIsShownAndStops();
    void withoutAnAudioOutputBothButtonsAreWithdrawnUntilOneAppears();
    void buttonStandsInTheStripsFreeSpace();

private:
    void connectSpeaker();
    void prepare(Before before);
    QWidget &windowOf(Before before);
    void pressKeyIn(QWidget &window);
    /// Does what the learner did `before`, then presses the speaker key in that window; gives the
    /// window's speaker button as it looked before the press.
    QImage pressKeyAfter(Before before);

    std::unique_ptr<HeardTexts> m_heard;
    std::unique_ptr<Recordings> m_recordings;
    std::unique_ptr<TMainForm> m_dictionary;
    std::unique_ptr<TTransForm> m_translator;
    std::unique_ptr<Speaker> m_speaker;
};

void SpeakerButtonsTest::init()
{
    m_heard = std::make_unique<HeardTexts>();
    m_recordings = std::make_unique<Recordings>();
    m_dictionary = std::make_unique<TMainForm>(quietModule(), kTable);
    m_translator = std::make_unique<TTransForm>(m_dictionary->flagImages(), kTable);
}

void SpeakerButtonsTest::cleanup()
{
    m_translator.reset();
    m_dictionary.reset();
    m_speaker.reset();
    m_recordings.reset();
    m_heard.reset();
}

void SpeakerButtonsTest::connectSpeaker()
{
    m_speaker = std::make_unique<Speaker>(standInParts(*m_heard, *m_recordings));
    m_dictionary->setSpeaker(*m_speaker);
    m_translator->setSpeaker(*m_speaker);
}

QWidget &SpeakerButtonsTest::windowOf(Before before)
{
    if (before <= Before::PickedAHistoryLineAfterSwitching)
        return *m_dictionary;
    return *m_translator;
}

void SpeakerButtonsTest::pressKeyIn(QWidget &window)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(QApplication::focusWidget(), SpeakerButton::kKey.key(),
                    SpeakerButton::kKey.keyboardModifiers());
}

QImage SpeakerButtonsTest::pressKeyAfter(Before before)
{
    prepare(before);
    QWidget &window = windowOf(before);
    const QImage resting = looks(window);
    pressKeyIn(window);
    return resting;
}

void SpeakerButtonsTest::prepare(Before before)
{
    // In its window, shown and active, as the learner works.
    QWidget &window = windowOf(before);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const auto typeQuery = [this](const QString &query) {
        named<QComboBox>(*m_dictionary, "ComboBox1")->lineEdit()->setText(query);
        m_dictionary->ComboBox1Change();
    };
    const auto build = [this](const QString &source, bool english) {
        if (english)
            named<TEx3DButton>(*m_translator, "LangBtn")->click();
        named<QPlainTextEdit>(*m_translator, "Memo1")->setPlainText(source);
        named<TEx3DButton>(*m_translator, "ToListBtn")->click();
        named<TEx3DButton>(*m_translator, "TransBtn")->click();
    };
    switch (before) {
    case Before::TypedACzechWord:
        return typeQuery(u"pes"_qs);
    case Before::TypedACzechWordFindingNothing:
        return typeQuery(u"žirafa"_qs);
    case Before::TypedACzechWordWithEnglishQueries:
        named<TEx3DButton>(*m_dictionary, "LangBtn")->click();
        return typeQuery(u"kočka"_qs);
    case Before::TypedAnEnglishWordWithCzechQueries:
        return typeQuery(u"dog"_qs);
    case Before::PickedAHistoryLineAfterSwitching:
        typeQuery(u"pes"_qs);
        pick(*named<ResultChooser>(*m_dictionary, "ComboBox2"), u"pes = dog"_qs);
        named<TEx3DButton>(*m_dictionary, "LangBtn")->click();
        return pick(*named<QComboBox>(*m_dictionary, "ComboBox1"), u"pes = dog"_qs);
    case Before::BuiltASentence:
        build(u"kočka"_qs, false);
        return named<TEx3DButton>(*m_translator, "FromListBtn")->click();
    case Before::SplitWithoutBuilding:
        return build(u"kočka"_qs, false);
    case Before::SwitchedAfterBuilding:
        build(u"The cat"_qs, true);
        named<TEx3DButton>(*m_translator, "FromListBtn")->click();
        return named<TEx3DButton>(*m_translator, "LangBtn")->click();
    case Before::SwitchedAfterTranslatingCzech:
        build(u"kočka"_qs, false);
        return named<TEx3DButton>(*m_translator, "LangBtn")->click();
    }
}

void SpeakerButtonsTest::keyReadsOnlyTheWindowsEnglish_data()
{
    QTest::addColumn<Before>("before");
    QTest::addColumn<QString>("heard");
    QTest::addColumn<QString>("why"); // a part of the hint when nothing is heard
    QTest::newRow("dictionary: the chosen line's English word")
        << Before::TypedACzechWord << u"dog"_qs << QString();
    QTest::newRow("dictionary: a Czech query that finds nothing")
        << Before::TypedACzechWordFindingNothing << QString() << u"český"_qs;
    QTest::newRow("dictionary: a Czech word typed with English queries")
        << Before::TypedACzechWordWithEnglishQueries << QString() << u"český"_qs;
    QTest::newRow("dictionary: an English word typed with Czech queries")
        << Before::TypedAnEnglishWordWithCzechQueries << u"dog"_qs << QString();
    QTest::newRow("dictionary: the English part of a history line")
        << Before::PickedAHistoryLineAfterSwitching << u"dog"_qs << QString();
    QTest::newRow("translator: the sentence of English offers")
        << Before::BuiltASentence << u"cat"_qs << QString();
    QTest::newRow("translator: no sentence yet")
        << Before::SplitWithoutBuilding << QString() << u"sestavte větu"_qs;
    QTest::newRow("translator: an English source, switched since")
        << Before::SwitchedAfterBuilding << u"The cat"_qs << QString();
    QTest::newRow("translator: a Czech source, switched since")
        << Before::SwitchedAfterTranslatingCzech << QString() << u"sestavte větu"_qs;
}

void SpeakerButtonsTest::keyReadsOnlyTheWindowsEnglish()
{
    QFETCH(Before, before);
    QFETCH(QString, heard);
    QFETCH(QString, why);
    connectSpeaker();
    const QImage offered = looks(*m_dictionary);
    const QImage resting = pressKeyAfter(before);
    QWidget &window = windowOf(before);
    if (heard.isEmpty()) {
        // Nothing English: nothing is heard, the button shows it until the learner goes on, and
        // the hint, shown at the button, says why.
        QVERIFY2(QToolTip::text().contains(u"Není co přečíst anglicky"), qPrintable(QToolTip::text()));
        QVERIFY2(QToolTip::text().contains(why), qPrintable(QToolTip::text()));
        QVERIFY(!m_speaker->isSpeaking());
        QCOMPARE(m_heard->texts(), QStringList());
        QVERIFY(looks(window) != resting);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Shift);
        QCOMPARE(looks(window), resting);
        return;
    }
    QTRY_COMPARE(m_heard->texts(), QStringList{heard});
    QTRY_COMPARE(m_recordings->takes.size(), std::size_t(1));
    // Heard: both buttons stay offered, and their hints name the key.
    QCOMPARE(looks(*m_dictionary), offered);
    QVERIFY(speakBtn(*m_dictionary)->toolTip().endsWith(u"(Ctrl+P)"));
    QVERIFY(speakBtn(*m_translator)->toolTip().endsWith(u"(Ctrl+P)"));
}

void SpeakerButtonsTest::readingIsShownAndStops_data()
{
    QTest::addColumn<Before>("before");
    QTest::addColumn<Stop>("stop");
    QTest::newRow("a second press") << Before::TypedACzechWord << Stop::SecondPress;
    QTest::newRow("Escape") << Before::TypedACzechWord << Stop::Escape;
    QTest::newRow("a new query") << Before::TypedACzechWord << Stop::NewQuery;
    QTest::newRow("closing the dictionary") << Before::TypedACzechWord << Stop::Closing;
    QTest::newRow("a new split") << Before::BuiltASentence << Stop::NewSplit;
    QTest::newRow("closing the translator") << Before::BuiltASentence << Stop::Closing;
}

void SpeakerButtonsTest::readingIsShownAndStops()
{
    QFETCH(Before, before);
    QFETCH(Stop, stop);
    connectSpeaker();
    m_recordings->holdPlayback = true;
    const QImage resting = pressKeyAfter(before);
    QWidget &window = windowOf(before);
    QTRY_COMPARE(m_recordings->finished, 1);
    // Reading: the button is held down until it is heard out or stopped.
    QVERIFY(m_speaker->isSpeaking());
    QVERIFY(looks(window) != resting);
    switch (stop) {
    case Stop::SecondPress:
        QTest::mouseClick(speakBtn(window), Qt::LeftButton);
        break;
    case Stop::Escape:
        QTest::keyClick(QApplication::focusWidget(), SpeakerButton::kStopKey.key());
        break;
    case Stop::NewQuery:
        QTest::keyClick(named<QComboBox>(*m_dictionary, "ComboBox1")->lineEdit(), Qt::Key_S);
        break;
    case Stop::NewSplit:
        named<TEx3DButton>(*m_translator, "ToListBtn")->click();
        break;
    case Stop::Closing:
        window.close();
        break;
    }
    QVERIFY(!m_speaker->isSpeaking());
    QCOMPARE(m_recordings->stops, 1);
    QCOMPARE(looks(window), resting);
}

void SpeakerButtonsTest::withoutAnAudioOutputBothButtonsAreWithdrawnUntilOneAppears()
{
    m_speaker = std::make_unique<Speaker>(standInParts(*m_heard, *m_recordings, false));
    m_dictionary->setSpeaker(*m_speaker);
    m_translator->setSpeaker(*m_speaker);
    const QImage dictionaryOffered = looks(*m_dictionary);
    const QImage translatorOffered = looks(*m_translator);
    // Nothing has been asked for: no sound server has been asked about an output either.
    QCOMPARE(m_recordings->opens, 0);

    prepare(Before::TypedACzechWord);
    QTest::mouseClick(speakBtn(*m_dictionary), Qt::LeftButton);
    QTRY_COMPARE(m_recordings->opens, 1);

    for (const TEx3DButton *speaker : {speakBtn(*m_dictionary), speakBtn(*m_translator)})
        QVERIFY2(speaker->toolTip().contains(u"nemá zvukový výstup"), qPrintable(speaker->toolTip()));
    QVERIFY(looks(*m_dictionary) != dictionaryOffered);
    QVERIFY(looks(*m_translator) != translatorOffered);
    // Neither the buttons nor the key ask again.
    QTest::mouseClick(speakBtn(*m_dictionary), Qt::LeftButton);
    pressKeyIn(*m_translator);
    QVERIFY(!m_speaker->isSpeaking());
    QCOMPARE(m_heard->texts().size(), 1);
    // The sound server comes back: so do both buttons.
    m_recordings->noOutput = false;
    QTRY_COMPARE_WITH_TIMEOUT(looks(*m_dictionary), dictionaryOffered, 10000);
    QCOMPARE(looks(*m_translator), translatorOffered);
}

void SpeakerButtonsTest::buttonStandsInTheStripsFreeSpace()
{
    // Dictionary: after the About button, clear of the Translátor panel at the smallest width.
    m_dictionary->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dictionary.get()));
    m_dictionary->resize(m_dictionary->minimumSize());
    const QRect speaker = speakBtn(*m_dictionary)->geometry();
    QVERIFY(speaker.left() > named<TEx3DButton>(*m_dictionary, "AboutBtn")->geometry().right());
    QVERIFY(speaker.right()
            < named<TEx3DButton>(*m_dictionary, "TranslBtn")->parentWidget()->geometry().left());
    // Translator: right after the help button, inside the window.
    const QRect translatorSpeaker = speakBtn(*m_translator)->geometry();
    QVERIFY(translatorSpeaker.left() > named<TEx3DButton>(*m_translator, "Help")->geometry().right());
    QVERIFY(translatorSpeaker.right() < m_translator->width());
    QCOMPARE(translatorSpeaker.size(), named<TEx3DButton>(*m_translator, "Help")->geometry().size());
}

QTEST_MAIN(SpeakerButtonsTest)
#include "SpeakerButtonsTest.moc"

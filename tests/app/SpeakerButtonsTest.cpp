// The speaker buttons of the dictionary window and the translator and their key, sharing one
// speaker as in the program, with stand-ins for the voice and the sound card.

#include "Ex3DButton.h"
#include "MainForm.h"
#include "QuietModule.h"
#include "SmallTable.h"
#include "SpeakerButton.h"
#include "SpeechStandIns.h"
#include "Trans.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

using namespace slovnik;
using slovnik::test::HeardTexts;
using slovnik::test::Recordings;

namespace {

const std::vector<DictionaryEntry> kTable = slovnik::testing::table({{"dog", "pes"}, {"cat", "ko\xe8ka"}});

QImage looks(const SpeakerButton &speaker)
{
    return speaker.button()->grab().toImage();
}

} // namespace

class SpeakerButtonsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void keyReadsTheWindowsEnglishSide_data();
    void keyReadsTheWindowsEnglishSide();
    void firstRequestWithoutAnAudioOutputWithdrawsBothButtons();
    void buttonStandsInTheStripsFreeSpace();

private:
    void pressKeyIn(QWidget &window);

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
    m_dictionary = std::make_unique<TMainForm>(slovnik::testing::quietModule(), kTable);
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

void SpeakerButtonsTest::pressKeyIn(QWidget &window)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(QApplication::focusWidget(), SpeakerButton::kKey.key(),
                    SpeakerButton::kKey.keyboardModifiers());
}

void SpeakerButtonsTest::keyReadsTheWindowsEnglishSide_data()
{
    QTest::addColumn<bool>("dictionary");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("dictionary: the chosen line's English word") << true << u"dog"_qs;
    QTest::newRow("translator: the translated text into English") << false << u"the cat"_qs;
}

void SpeakerButtonsTest::keyReadsTheWindowsEnglishSide()
{
    QFETCH(bool, dictionary);
    QFETCH(QString, spoken);
    m_speaker = std::make_unique<Speaker>(slovnik::test::standInParts(*m_heard, *m_recordings));
    m_dictionary->setSpeaker(*m_speaker);
    m_translator->setSpeaker(*m_speaker);
    const QImage offered = looks(*m_dictionary->SpeakBtn());
    if (dictionary) {
        m_dictionary->ComboBox1()->lineEdit()->setText(u"pes"_qs);
        m_dictionary->ComboBox1Change();
        pressKeyIn(*m_dictionary);
    } else {
        m_translator->Memo1()->setPlainText(u"Kočka"_qs);
        m_translator->Memo2()->setPlainText(u"the cat"_qs);
        pressKeyIn(*m_translator);
    }
    QTRY_COMPARE(m_heard->texts(), QStringList{spoken});
    QTRY_COMPARE(m_recordings->takes.size(), std::size_t(1));
    // Heard: both buttons stay offered, and their hints name the key.
    QCOMPARE(looks(*m_dictionary->SpeakBtn()), offered);
    QVERIFY(m_dictionary->SpeakBtn()->button()->toolTip().endsWith(u"(Ctrl+P)"));
    QVERIFY(m_translator->SpeakBtn()->button()->toolTip().endsWith(u"(Ctrl+P)"));
}

void SpeakerButtonsTest::firstRequestWithoutAnAudioOutputWithdrawsBothButtons()
{
    m_speaker = std::make_unique<Speaker>(slovnik::test::standInParts(*m_heard, *m_recordings, false));
    m_dictionary->setSpeaker(*m_speaker);
    m_translator->setSpeaker(*m_speaker);
    const QImage dictionaryOffered = looks(*m_dictionary->SpeakBtn());
    const QImage translatorOffered = looks(*m_translator->SpeakBtn());
    // Nothing has been asked for: no sound server has been asked about an output either.
    QCOMPARE(m_recordings->opens, 0);

    m_translator->Memo2()->setPlainText(u"the cat"_qs);
    QTest::mouseClick(m_translator->SpeakBtn()->button(), Qt::LeftButton);
    QTRY_COMPARE(m_recordings->opens, 1);

    for (const SpeakerButton *speaker : {m_dictionary->SpeakBtn(), m_translator->SpeakBtn()})
        QVERIFY2(speaker->button()->toolTip().contains(u"nemá zvukový výstup"),
                 qPrintable(speaker->button()->toolTip()));
    QVERIFY(looks(*m_dictionary->SpeakBtn()) != dictionaryOffered);
    QVERIFY(looks(*m_translator->SpeakBtn()) != translatorOffered);
    // Neither the buttons nor the key ask again.
    QTest::mouseClick(m_dictionary->SpeakBtn()->button(), Qt::LeftButton);
    pressKeyIn(*m_translator);
    QVERIFY(!m_speaker->isSpeaking());
    QCOMPARE(m_heard->texts().size(), 1);
}

void SpeakerButtonsTest::buttonStandsInTheStripsFreeSpace()
{
    // Dictionary: after the About button, clear of the Translátor panel at the smallest width.
    m_dictionary->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dictionary.get()));
    m_dictionary->resize(m_dictionary->minimumSize());
    const QRect speaker = m_dictionary->SpeakBtn()->button()->geometry();
    QVERIFY(speaker.left() > m_dictionary->AboutBtn()->geometry().right());
    QVERIFY(speaker.right() < m_dictionary->TranslBtn()->parentWidget()->geometry().left());
    // Translator: right after the help button, inside the window.
    const QRect translatorSpeaker = m_translator->SpeakBtn()->button()->geometry();
    QVERIFY(translatorSpeaker.left() > m_translator->Help()->geometry().right());
    QVERIFY(translatorSpeaker.right() < m_translator->width());
    QCOMPARE(translatorSpeaker.size(), m_translator->Help()->geometry().size());
}

QTEST_MAIN(SpeakerButtonsTest)
#include "SpeakerButtonsTest.moc"

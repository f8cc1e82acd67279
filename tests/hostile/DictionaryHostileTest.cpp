// SPDX-License-Identifier: GPL-2.0-or-later
// Hostile text in the dictionary window's query box, pasted and typed, on the real table: each
// action completes, the result chooser shows what the text's Windows-1250 form finds (nothing, for
// a text no word begins with), and the learner's history, word list and translator stay as they were.

#include "support/NamedControls.h"
#include "tests/hostile/HostileInput.h"

using namespace slovnik;
using namespace slovnik::hostile;

namespace {

QStringList resultLines(const TMainForm &form)
{
    return itemsOf(*named<ResultChooser>(form, "ComboBox2"));
}

// What a clean query finds on the real table, through the same window.
QStringList linesFoundBy(TMainForm &form, const QString &query)
{
    typeQuery(form, query);
    return resultLines(form);
}

// The message dialog shows a text on one line, each line break as a blank.
QString shownByTheDialog(QString text)
{
    text.replace(u"\r\n"_qs, u" "_qs);
    for (const QChar lineBreak : {u'\n', u'\r', u'\u2028', u'\u2029'})
        text.replace(lineBreak, u' ');
    return text + u'.';
}

void verifyQuietResult(const TMainForm &form, const QStringList &expected)
{
    QCOMPARE(resultLines(form), expected);
    QCOMPARE(named<ResultChooser>(form, "ComboBox2")->currentIndex(), expected.isEmpty() ? -1 : 0);
}

} // namespace

class DictionaryHostileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void tenMegabytesPastedIntoTheQueryBox_data();
    void tenMegabytesPastedIntoTheQueryBox();
    void strangeTextPastedIntoTheQueryBox_data();
    void strangeTextPastedIntoTheQueryBox();
    void strangeTextTypedIntoTheQueryBox_data();
    void strangeTextTypedIntoTheQueryBox();
    void hundredThousandCharactersTyped_data();
    void hundredThousandCharactersTyped();

private:
    std::unique_ptr<ProgramWindows> m_program;
    LearnerState m_before;
};

void DictionaryHostileTest::init()
{
    m_program = std::make_unique<ProgramWindows>();
    buildLearnerState(*m_program);
    m_before = learnerState(*m_program);
}

void DictionaryHostileTest::cleanup()
{
    m_program.reset();
}

void DictionaryHostileTest::tenMegabytesPastedIntoTheQueryBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("lines of prose") << tenMegabytesOfLines();
    QTest::newRow("one paragraph") << tenMegabytesInOneLine();
}

// The box keeps what QLineEdit keeps of a long text, its first 32,767 units; no word begins with
// that, so the chooser stays empty. Copy gives the same text back.
void DictionaryHostileTest::tenMegabytesPastedIntoTheQueryBox()
{
    QFETCH(QString, text);
    TMainForm &form = m_program->main;
    QGuiApplication::clipboard()->setText(text);
    timed("paste of 10 MB into the query box", [&form] { click(named<TEx3DButton>(form, "PasteBtn")); });
    const QString kept = named<QComboBox>(form, "ComboBox1")->currentText();
    // Line breaks included: the box keeps a pasted text as it comes, only shorter.
    QCOMPARE(kept, text.left(kQueryBoxCapacity));
    verifyQuietResult(form, {});
    QCOMPARE(QGuiApplication::clipboard()->text().size(), text.size());

    activate(form);
    named<QComboBox>(form, "ComboBox1")->setFocus();
    DialogAnswerer answerer;
    timed("copy of the 32,767-unit query", [&form] { click(named<TEx3DButton>(form, "CopyBtn")); });
    QCOMPARE(answerer.texts.size(), 1);
    // Shown whole where it fits the screen, else shortened in its middle, so that the dialog's
    // button stays within reach; the clipboard gets the whole text all the same.
    const QString shown = answerer.texts.front();
    const QString whole = shownByTheDialog(kept);
    QVERIFY(shown == whole || (shown.startsWith(whole.left(10)) && shown.endsWith(whole.right(11))));
    QVERIFY(answerer.widths.front() <= QGuiApplication::primaryScreen()->availableGeometry().width());
    QCOMPARE(QGuiApplication::clipboard()->text(), kept);

    verifyDictionaryKept(m_before, learnerState(*m_program));
    verifyTranslatorKept(m_before, learnerState(*m_program));
    QVERIFY(!linesFoundBy(form, QStringLiteral("pes")).isEmpty());
}

namespace {

// Each text; the clean query whose lines it must show when pasted (its Windows-1250 form: a letter
// the code page lacks as its base letter, "?" for every other character it lacks, which finds
// nothing in most cases, and no invisible control characters); what the query box holds when
// the text is typed key by key (QLineEdit drops control characters and lone surrogates) and the
// clean query whose lines that shows.
void strangeTexts()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("findsAs");
    QTest::addColumn<QString>("typedHolds");
    QTest::addColumn<QString>("typedFindsAs");
    const QString none;
    const QString pes = QStringLiteral("pes");
    const auto row = [](const char *name, const QString &text, const QString &findsAs) -> QTestData & {
        return QTest::newRow(name) << text << findsAs;
    };
    row("NUL inside a word", QString::fromUtf16(u"pe\0s", 4), pes) << pes << pes;
    row("NUL after a word", QString::fromUtf16(u"pes\0", 4), pes) << pes << pes;
    row("NUL alone", QString(1, QChar(u'\0')), none) << none << none;
    row("emoji alone", u"🐕"_qs, none) << u"🐕"_qs << none;
    row("emoji after a word", u"pes🐕"_qs, none) << u"pes🐕"_qs << none;
    row("emoji sequence with joiners", u"👩‍👩‍👧‍👦"_qs, none)
        << u"👩‍👩‍👧‍👦"_qs << none;
    row("Czech composed (NFC)", u"kočka"_qs, u"kočka"_qs) << u"kočka"_qs << u"kočka"_qs;
    row("Czech decomposed (NFD)", u"koc\u030Cka"_qs, u"kočka"_qs) << u"koc\u030Cka"_qs << u"kočka"_qs;
    row("capital decomposed (NFD)", u"C\u030Ci\u0301n"_qs, u"Čín"_qs) << u"C\u030Ci\u0301n"_qs << u"Čín"_qs;
    row("ring decomposed (NFD)", u"du\u030Am"_qs, u"dům"_qs) << u"du\u030Am"_qs << u"dům"_qs;
    row("mark before any letter", u"\u030Cpes"_qs, none) << u"\u030Cpes"_qs << none;
    const QString fortyMarks = pes + QString(40, QChar(0x0301));
    row("forty marks on one letter", fortyMarks, pes) << fortyMarks << pes;
    row("letter the code page lacks", u"pês"_qs, pes) << u"pês"_qs << pes;
    row("Hebrew", u"כלב"_qs, none) << u"כלב"_qs << none;
    row("Arabic", u"كلب"_qs, none) << u"كلب"_qs << none;
    // Format characters are invisible: the word is found as it looks.
    row("right-to-left override", u"\u202Epes"_qs, pes) << u"\u202Epes"_qs << pes;
    row("left-to-right mark after", u"pes\u200E"_qs, pes) << u"pes\u200E"_qs << pes;
    row("lone high surrogate before", u"\xD800pes"_qs, none) << pes << pes;
    row("lone low surrogate after", u"pes\xDC00"_qs, none) << pes << pes;
    row("swapped surrogate pair", u"\xDE00\xD83D"_qs, none) << none << none;
    row("tab after", u"pes\t"_qs, none) << pes << pes;
    row("escape sequence", u"\x1b[31mpes"_qs, none) << u"[31mpes"_qs << none;
    row("C0 controls", u"\x01\x02\x07\x08pes"_qs, pes) << pes << pes;
    row("DEL and C1 controls", u"\x7f\u0085\u009Bpes"_qs, none) << pes << pes;
    row("line break inside", u"pe\ns"_qs, none) << pes << pes;
    row("line separator", u"pes\u2028"_qs, none) << u"pes\u2028"_qs << none;
}

} // namespace

void DictionaryHostileTest::strangeTextPastedIntoTheQueryBox_data()
{
    strangeTexts();
}

// The query box holds the text as pasted; copy gives it back unchanged, and the dialog shows it
// on one line.
void DictionaryHostileTest::strangeTextPastedIntoTheQueryBox()
{
    QFETCH(QString, text);
    QFETCH(QString, findsAs);
    TMainForm &form = m_program->main;
    const QStringList expected = findsAs.isEmpty() ? QStringList() : linesFoundBy(form, findsAs);

    QGuiApplication::clipboard()->setText(text);
    click(named<TEx3DButton>(form, "PasteBtn"));
    QCOMPARE(named<QComboBox>(form, "ComboBox1")->currentText(), text);
    verifyQuietResult(form, expected);

    activate(form);
    named<QComboBox>(form, "ComboBox1")->setFocus();
    DialogAnswerer answerer;
    click(named<TEx3DButton>(form, "CopyBtn"));
    QCOMPARE(answerer.texts, QStringList{shownByTheDialog(text)});
    QCOMPARE(QGuiApplication::clipboard()->text(), text);

    verifyDictionaryKept(m_before, learnerState(*m_program));
    verifyTranslatorKept(m_before, learnerState(*m_program));
}

void DictionaryHostileTest::strangeTextTypedIntoTheQueryBox_data()
{
    strangeTexts();
}

void DictionaryHostileTest::strangeTextTypedIntoTheQueryBox()
{
    QFETCH(QString, text);
    QFETCH(QString, typedHolds);
    QFETCH(QString, typedFindsAs);
    TMainForm &form = m_program->main;
    const QStringList expected = typedFindsAs.isEmpty() ? QStringList() : linesFoundBy(form, typedFindsAs);

    typeQuery(form, text);
    QCOMPARE(named<QComboBox>(form, "ComboBox1")->currentText(), typedHolds);
    verifyQuietResult(form, expected);

    verifyDictionaryKept(m_before, learnerState(*m_program));
    verifyTranslatorKept(m_before, learnerState(*m_program));
}

void DictionaryHostileTest::hundredThousandCharactersTyped_data()
{
    QTest::addColumn<bool>("english");
    QTest::newRow("Czech to English") << false;
    QTest::newRow("English to Czech, with the word forms") << true;
}

// Most of the text is set at once and the last keys typed. The box stops at 32,767 units: the keys
// after that are dropped and run no query. Every query run on the long text finds nothing.
void DictionaryHostileTest::hundredThousandCharactersTyped()
{
    QFETCH(bool, english);
    TMainForm &form = m_program->main;
    if (english)
        click(named<TEx3DButton>(form, "LangBtn"));
    constexpr int kTyped = 100'000;
    constexpr int kKeys = 20;
    const QString text = filledTo(QStringLiteral("dogs barked louder "), kTyped);
    QLineEdit *const edit = named<QComboBox>(form, "ComboBox1")->lineEdit();
    named<QComboBox>(form, "ComboBox1")->setFocus();
    edit->setText(text.left(kQueryBoxCapacity - kKeys / 2));
    edit->end(false);
    timed("ten keys, each a query run on 32,757+ units",
          [&] { typeKeys(edit, text.mid(kQueryBoxCapacity - kKeys / 2, kKeys / 2)); });
    QCOMPARE(edit->text(), text.left(kQueryBoxCapacity));
    verifyQuietResult(form, {});
    timed("ten keys past the box's capacity",
          [&] { typeKeys(edit, text.mid(kQueryBoxCapacity, kKeys / 2)); });
    QCOMPARE(edit->text(), text.left(kQueryBoxCapacity));
    verifyQuietResult(form, {});

    if (english)
        click(named<TEx3DButton>(form, "LangBtn"));
    verifyDictionaryKept(m_before, learnerState(*m_program));
    verifyTranslatorKept(m_before, learnerState(*m_program));
    QVERIFY(!linesFoundBy(form, QStringLiteral("pes")).isEmpty());
}

QTEST_MAIN(DictionaryHostileTest)
#include "DictionaryHostileTest.moc"

// SPDX-License-Identifier: GPL-2.0-or-later
// Hostile text in the translator, pasted through its button and taken through the grid, the
// translation and the sentence, on the real table: each button completes, the grid holds what the
// split keeps (at most 128 words, the notice once), and the dictionary window's history and word
// list stay as they were; the translated text changes only when the sentence is built.

#include "common/Translation.h"
#include "support/NamedControls.h"
#include "tests/hostile/HostileInput.h"

using namespace slovnik;
using namespace slovnik::hostile;

namespace {

QStringList gridWords(const TTransForm &form)
{
    QStringList words;
    for (int row = 0; row < wordCount(form); ++row)
        words.append(named<WordGrid>(form, "StringGrid1")->word(row));
    return words;
}

// The sentence the boxes make: each box's text after "= ", or "[..]" for an empty box, and a blank.
QString sentenceOf(const TTransForm &form)
{
    QString sentence;
    for (const QComboBox *box : wordBoxes(form)) {
        const QString text = box->currentText();
        const qsizetype equals = text.indexOf(u'=');
        sentence += text.isEmpty() ? QStringLiteral("[..]") : equals < 0 ? text : text.mid(equals + 2);
        sentence += u' ';
    }
    return sentence;
}

QStringList firstWordsOfCycle(const QStringList &cycle, int count)
{
    QStringList words;
    for (int i = 0; i < count; ++i)
        words.append(cycle[i % cycle.size()]);
    return words;
}

constexpr int kMaxWords = 128;

} // namespace

class TranslatorHostileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void tenMegabytesPastedIntoTheTranslator_data();
    void tenMegabytesPastedIntoTheTranslator();
    void tenThousandWordsKeepTheFirst128();
    void strangeTextInTheTranslator_data();
    void strangeTextInTheTranslator();

private:
    /// Paste, split, translate, each timed; the dictionary's part and the translated text stay.
    void pasteSplitAndTranslate(const QString &text, DialogAnswerer &answerer);

    std::unique_ptr<ProgramWindows> m_program;
    LearnerState m_before;
};

void TranslatorHostileTest::init()
{
    m_program = std::make_unique<ProgramWindows>();
    buildLearnerState(*m_program);
    m_before = learnerState(*m_program);
}

void TranslatorHostileTest::cleanup()
{
    m_program.reset();
}

void TranslatorHostileTest::pasteSplitAndTranslate(const QString &text, DialogAnswerer &answerer)
{
    TTransForm &form = m_program->translator;
    QGuiApplication::clipboard()->setText(text);
    timed("translator paste", [&form] { click(named<TEx3DButton>(form, "PasteBtn")); });
    QCOMPARE(named<QPlainTextEdit>(form, "Memo1")->toPlainText().size(), text.size());
    timed("translator split", [&form] { click(named<TEx3DButton>(form, "ToListBtn")); });
    timed("translator translation", [&form] { click(named<TEx3DButton>(form, "TransBtn")); });
    QCOMPARE(named<QPlainTextEdit>(form, "Memo2")->toPlainText(), m_before.translation);
    verifyDictionaryKept(m_before, learnerState(*m_program));
    QVERIFY(answerer.texts.size() <= 1);
}

void TranslatorHostileTest::tenMegabytesPastedIntoTheTranslator_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("cycle");
    QTest::newRow("lines of prose") << tenMegabytesOfLines()
                                    << QStringList{u"pes"_qs,   u"spí"_qs,  u"na"_qs, u"zahradě"_qs,
                                                   u"kočka"_qs, u"leží"_qs, u"u"_qs,  u"kamen"_qs,
                                                   u"děti"_qs,  u"jdou"_qs, u"do"_qs, u"školy"_qs};
    QTest::newRow("one paragraph") << tenMegabytesInOneLine()
                                   << QStringList{u"pes"_qs, u"kočka"_qs, u"dům"_qs, u"strom"_qs};
}

// The whole text stands in the source box; the first 128 words fill the grid after the notice,
// every box gets the offers of its word, and the sentence has one part per box.
void TranslatorHostileTest::tenMegabytesPastedIntoTheTranslator()
{
    QFETCH(QString, text);
    QFETCH(QStringList, cycle);
    TTransForm &form = m_program->translator;
    DialogAnswerer answerer;
    pasteSplitAndTranslate(text, answerer);
    QCOMPARE(answerer.texts.size(), 1);
    QCOMPARE(wordCount(form), kMaxWords);
    QCOMPARE(gridWords(form), firstWordsOfCycle(cycle, kMaxWords));
    QVERIFY(wordBoxes(form).front()->currentText().startsWith(u"pes = "));

    timed("translator sentence", [&form] { click(named<TEx3DButton>(form, "FromListBtn")); });
    QCOMPARE(named<QPlainTextEdit>(form, "Memo2")->toPlainText(), sentenceOf(form));
    named<QPlainTextEdit>(form, "Memo2")->selectAll();
    click(named<TEx3DButton>(form, "CopyBtn"));
    QCOMPARE(QGuiApplication::clipboard()->text(), sentenceOf(form));
    verifyDictionaryKept(m_before, learnerState(*m_program));
}

// 10,000 words: the notice once, answered through its button; the first 128 words kept. None of
// them is a word of the table, so every box stays empty and the sentence is 128 times "[..]".
void TranslatorHostileTest::tenThousandWordsKeepTheFirst128()
{
    constexpr int kWords = 10'000;
    const QString text = numberedWords(kWords);
    TTransForm &form = m_program->translator;
    DialogAnswerer answerer;
    pasteSplitAndTranslate(text, answerer);
    QCOMPARE(answerer.texts, QStringList{shortenedTextNotice() + u'.'});
    QCOMPARE(gridWords(form), text.split(u' ').mid(0, kMaxWords));
    for (const QComboBox *box : wordBoxes(form))
        QCOMPARE(box->currentText(), QString());
    click(named<TEx3DButton>(form, "FromListBtn"));
    QCOMPARE(named<QPlainTextEdit>(form, "Memo2")->toPlainText(),
             QStringLiteral("[..] ").repeated(kMaxWords));
    verifyDictionaryKept(m_before, learnerState(*m_program));
}

// Each text, what the source box holds of it (the box makes CR LF, CR and the Unicode line and
// paragraph separators line breaks), the words of the grid and the sentence of the first offers.
// A letter without a Windows-1250 byte becomes its base letter; any other character without one
// becomes "?", which the split takes for a separator, as it does digits; invisible control
// characters are dropped, DEL stays in its word, and U+0085 ends a line as the box shows it.
void TranslatorHostileTest::strangeTextInTheTranslator_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("holds");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("sentence");
    const QStringList dogAndCat{u"pes"_qs, u"kočka"_qs};
    const QString dogCat = QStringLiteral("dog cat ");
    const auto row = [](const char *name, const QString &text) -> QTestData & {
        return QTest::newRow(name) << text << text;
    };
    row("NUL inside a word", QString::fromUtf16(u"pe\0s pes", 8))
        << QStringList{u"pes"_qs, u"pes"_qs} << u"dog dog "_qs;
    row("NUL as a word", QString::fromUtf16(u"\0 pes", 5)) << QStringList{u"pes"_qs} << u"dog "_qs;
    row("letters the code page lacks", u"pês kočkå"_qs) << dogAndCat << dogCat;
    row("emoji between words", u"pes 🐕 kočka"_qs) << dogAndCat << dogCat;
    row("emoji inside a word", u"pes🐕kočka"_qs) << dogAndCat << dogCat;
    row("emoji sequence with joiners", u"👩‍👩‍👧‍👦 dům"_qs)
        << QStringList{u"dům"_qs} << u"house "_qs;
    row("Czech decomposed (NFD)", u"koc\u030Cka du\u030Am C\u030Ci\u0301n"_qs)
        << QStringList{u"kočka"_qs, u"dům"_qs, u"Čín"_qs} << u"cat house [..] "_qs;
    row("forty marks on one letter", u"pes"_qs + QString(40, QChar(0x0301)))
        << QStringList{u"pes"_qs} << u"dog "_qs;
    row("Hebrew and Arabic", u"pes כלב كلب kočka"_qs) << dogAndCat << dogCat;
    row("right-to-left override", u"\u202Epes kočka\u202C"_qs) << dogAndCat << dogCat;
    row("lone surrogates", u"\xD800pes kočka\xDC00 \xDE00\xD83D"_qs) << dogAndCat << dogCat;
    row("control characters", u"\x1b[31mpes\x07 \x01\x02 ko\x7f\u0085čka"_qs)
        << QStringList{u"mpes"_qs, u"ko\x7f"_qs, u"čka"_qs} << u"[..] [..] [..] "_qs;
    QTest::newRow("CR LF, CR and form feed") << u"pes\r\nkočka\fdům\r"_qs << u"pes\nkočka\fdům\n"_qs
                                             << QStringList{u"pes"_qs, u"kočka\fdům"_qs} << u"dog [..] "_qs;
    QTest::newRow("line and paragraph separators")
        << u"pes\u2028kočka\u2029dům"_qs << u"pes\nkočka\ndům"_qs
        << QStringList{u"pes"_qs, u"kočka"_qs, u"dům"_qs} << u"dog cat house "_qs;
}

void TranslatorHostileTest::strangeTextInTheTranslator()
{
    QFETCH(QString, text);
    QFETCH(QString, holds);
    QFETCH(QStringList, words);
    QFETCH(QString, sentence);
    TTransForm &form = m_program->translator;
    DialogAnswerer answerer;
    QGuiApplication::clipboard()->setText(text);
    click(named<TEx3DButton>(form, "PasteBtn"));
    QCOMPARE(named<QPlainTextEdit>(form, "Memo1")->toPlainText(), holds);
    click(named<TEx3DButton>(form, "ToListBtn"));
    click(named<TEx3DButton>(form, "TransBtn"));
    QVERIFY(answerer.texts.isEmpty());
    QCOMPARE(named<QPlainTextEdit>(form, "Memo2")->toPlainText(), m_before.translation);
    QCOMPARE(gridWords(form), words);
    click(named<TEx3DButton>(form, "FromListBtn"));
    QCOMPARE(named<QPlainTextEdit>(form, "Memo2")->toPlainText(), sentence);
    verifyDictionaryKept(m_before, learnerState(*m_program));
}

QTEST_MAIN(TranslatorHostileTest)
#include "TranslatorHostileTest.moc"

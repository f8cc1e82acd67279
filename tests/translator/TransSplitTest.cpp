// SPDX-License-Identifier: GPL-2.0-or-later
// The split of the source text into the word grid and the word boxes beside it, through the
// window's button: the words as the grid shows them, the boxes' places, the heights, the limits and
// the notice of a shortened text.

#include "common/Translation.h"
#include "support/NamedControls.h"
#include "tests/translator/TranslatorWindow.h"

#include <QPointer>
#include <QTextBlock>
#include <QTextLayout>

using namespace slovnik;
using namespace slovnik::transtest;

namespace {

QString numberedWords(int count)
{
    QStringList words;
    for (int i = 1; i <= count; ++i)
        words.append(QStringLiteral("slovo")
                     + QString(QChar(u'a' + (i - 1) % 26)).repeated(1 + (i - 1) / 26));
    return words.join(u' ');
}

// Each box lies level with its grid row: the same height from the top of the scrolled content.
void verifyBoxesLevelWithRows(const TTransForm &form)
{
    const QWidget *const content = named(form, "ComboPanel")->parentWidget();
    for (int row = 0; row < wordCount(form); ++row) {
        const QComboBox *const box = wordBoxes(form)[row];
        const QRect cell = named<WordGrid>(form, "StringGrid1")
                               ->visualItemRect(named<WordGrid>(form, "StringGrid1")->item(row, 0));
        const int rowTop
            = named<WordGrid>(form, "StringGrid1")->viewport()->mapTo(content, cell.topLeft()).y();
        QCOMPARE(box->mapTo(content, QPoint(0, 0)).y(), rowTop);
        QCOMPARE(box->y(), 22 * row + 1);
        QVERIFY(box->height() <= 21);
        QCOMPARE(box->width(), named(form, "ComboPanel")->width());
    }
}

void verifyFreshBoxes(const TTransForm &form)
{
    for (const QComboBox *box : wordBoxes(form)) {
        QCOMPARE(box->parentWidget(), named(form, "ComboPanel"));
        QVERIFY(box->isEditable());
        QVERIFY(box->isVisible());
        QCOMPARE(box->count(), 0);
        QCOMPARE(box->currentText(), QString());
        QCOMPARE(box->maxVisibleItems(), 8);
    }
}

} // namespace

class TransSplitTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wordsOfTheSourceText_data();
    void wordsOfTheSourceText();
    void fiveWordsStandAtTheirRows();
    void exactlyMaxWordsShowNoNotice();
    void oneWordTooManyShowsTheNoticeBeforeTheGridIsFilled();
    void secondSplitDestroysTheBoxesAndLeavesTheTranslation();
    void splitWithoutWordsKeepsTheHeights_data();
    void splitWithoutWordsKeepsTheHeights();
    void softWrapNeverSplitsAWord_data();
    void softWrapNeverSplitsAWord();
};

void TransSplitTest::wordsOfTheSourceText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("words");

    // The split's own rules are the engine's; here the text goes from the box to the grid.
    QTest::newRow("sentence") << "Ahoj, Petře! Jak se máš?"
                              << QStringList{"ahoj", "petře", "jak", "se", "máš"};
    QTest::newRow("no word across lines") << "pe\ns\n\nkočka" << QStringList{"pe", "s", "kočka"};
    // Czech typesetting binds a one-letter preposition to its word: still two words.
    QTest::newRow("no-break spaces are blanks")
        << u"V\u00A0pondělí k\u202Fbabičce"_qs << QStringList{"v", "pondělí", "k", "babičce"};
}

void TransSplitTest::wordsOfTheSourceText()
{
    QFETCH(QString, text);
    QFETCH(QStringList, words);

    TranslatorWindow window;
    TTransForm &form = window.form;
    split(form, text);
    QCOMPARE(wordCount(form), static_cast<int>(words.size()));
    QCOMPARE(gridWords(form), words.isEmpty() ? QStringList{QString()} : words);
    QCOMPARE(named(form, "ComboPanel")->findChildren<QComboBox *>().size(), words.size());
    verifyFreshBoxes(form);
    verifyBoxesLevelWithRows(form);
}

void TransSplitTest::fiveWordsStandAtTheirRows()
{
    TranslatorWindow window;
    TTransForm &form = window.form;
    split(form, QStringLiteral("Ahoj, Petře! Jak se máš?"));
    QList<int> tops;
    for (const QComboBox *box : wordBoxes(form))
        tops.append(box->y());
    QCOMPARE(tops, (QList<int>{1, 23, 45, 67, 89}));
    QCOMPARE(named<WordGrid>(form, "StringGrid1")->height(), 112);
    QCOMPARE(named(form, "ComboPanel")->height(), 112);
    QCOMPARE(named<WordGrid>(form, "StringGrid1")->width(), 131);
    verifyBoxesLevelWithRows(form);
    // The grid shows all its rows without scrolling of its own.
    QCOMPARE(named<WordGrid>(form, "StringGrid1")->rowViewportPosition(4)
                 + named<WordGrid>(form, "StringGrid1")->rowHeight(4),
             named<WordGrid>(form, "StringGrid1")->viewport()->height());
}

void TransSplitTest::exactlyMaxWordsShowNoNotice()
{
    TranslatorWindow window;
    TTransForm &form = window.form;
    const DialogAnswerer answerer;
    split(form, numberedWords(128) + QStringLiteral("     ... 42 !? []\n\n\n"));
    QVERIFY(answerer.texts.isEmpty());
    QCOMPARE(wordCount(form), 128);
    QCOMPARE(named<WordGrid>(form, "StringGrid1")->rowCount(), 128);
    QCOMPARE(named<WordGrid>(form, "StringGrid1")->height(), 2818);
    QCOMPARE(named(form, "ComboPanel")->height(), 2818);
    QCOMPARE(wordBoxes(form).constLast()->y(), 22 * 127 + 1);
}

void TransSplitTest::oneWordTooManyShowsTheNoticeBeforeTheGridIsFilled()
{
    TranslatorWindow window;
    TTransForm &form = window.form;
    split(form, QStringLiteral("a b c"));

    struct AtNotice {
        int rows = -1;
        QString firstRow = QStringLiteral("unseen");
        qsizetype boxes = -1;
    } atNotice;
    const DialogAnswerer answerer([&form, &atNotice] {
        atNotice = {named<WordGrid>(form, "StringGrid1")->rowCount(),
                    named<WordGrid>(form, "StringGrid1")->word(0),
                    named(form, "ComboPanel")->findChildren<QComboBox *>().size()};
    });
    const QString text = numberedWords(129);
    split(form, text);

    QCOMPARE(answerer.texts, QStringList{shortenedTextNotice() + u'.'});
    QCOMPARE(answerer.titles, QStringList{QStringLiteral(" Informace")});
    QCOMPARE(atNotice.rows, 1);
    QCOMPARE(atNotice.firstRow, QString());
    QCOMPARE(atNotice.boxes, 0);

    QCOMPARE(wordCount(form), 128);
    QCOMPARE(gridWords(form), text.split(u' ').mid(0, 128));
    QCOMPARE(named<WordGrid>(form, "StringGrid1")->height(), 2818);
    QCOMPARE(named(form, "ComboPanel")->height(), 2818);
    verifyBoxesLevelWithRows(form);
}

void TransSplitTest::secondSplitDestroysTheBoxesAndLeavesTheTranslation()
{
    TranslatorWindow window;
    TTransForm &form = window.form;
    split(form, QStringLiteral("Ahoj, Petře! Jak se máš?"));
    typeOver(wordBoxes(form)[0]->lineEdit(), QStringLiteral("hello"));
    named<QPlainTextEdit>(form, "Memo2")->setPlainText(QStringLiteral("hello [..] "));
    QList<QPointer<QComboBox>> earlier;
    for (QComboBox *box : wordBoxes(form))
        earlier.append(box);

    split(form, QStringLiteral("pes spí"));
    for (const QPointer<QComboBox> &box : earlier)
        QVERIFY(box.isNull());
    QCOMPARE(wordCount(form), 2);
    QCOMPARE(named(form, "ComboPanel")->findChildren<QComboBox *>().size(), 2);
    verifyFreshBoxes(form);
    QCOMPARE(gridWords(form), (QStringList{"pes", "spí"}));
    QCOMPARE(named<WordGrid>(form, "StringGrid1")->height(), 46);
    QCOMPARE(named<QPlainTextEdit>(form, "Memo2")->toPlainText(), QStringLiteral("hello [..] "));
}

void TransSplitTest::splitWithoutWordsKeepsTheHeights_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks and separators") << "  !!! 123, [..] ?\n\n  ";
}

void TransSplitTest::splitWithoutWordsKeepsTheHeights()
{
    QFETCH(QString, text);

    TranslatorWindow window;
    TTransForm &form = window.form;
    split(form, QStringLiteral("Ahoj, Petře! Jak se máš?"));
    const DialogAnswerer answerer;
    split(form, text);
    QVERIFY(answerer.texts.isEmpty());
    QCOMPARE(wordCount(form), 0);
    QCOMPARE(gridWords(form), QStringList{QString()});
    QVERIFY(named(form, "ComboPanel")->findChildren<QComboBox *>().isEmpty());
    QCOMPARE(named<WordGrid>(form, "StringGrid1")->height(), 112);
    QCOMPARE(named(form, "ComboPanel")->height(), 112);
}

// Wherever the box wraps its lines, the words are those between blanks, separators and line
// breaks: the same at every width of the window.
void TransSplitTest::softWrapNeverSplitsAWord_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("words");
    const QString sixty = QStringLiteral("abcdefghij").repeated(6);
    const QString filler = QStringLiteral("slovo").repeated(7);
    QTest::newRow("hyphen near the right edge")
        << filler + u" self-control "_qs + filler << QStringList{filler, u"self-control"_qs, filler};
    QTest::newRow("word longer than a line keeps its first fifty letters")
        << sixty << QStringList{sixty.left(50)};
    QTest::newRow("wrap at blanks") << QStringList(30, u"slovo"_qs).join(u' ')
                                    << QStringList(30, u"slovo"_qs);
    QTest::newRow("paragraphs out of view")
        << QStringList(8, sixty).join(u'\n') << QStringList(8, sixty.left(50));
    QTest::newRow("line separator ends a word")
        << u"pes\u2028kočka"_qs << QStringList{u"pes"_qs, u"kočka"_qs};
}

void TransSplitTest::softWrapNeverSplitsAWord()
{
    QFETCH(QString, text);
    QFETCH(QStringList, words);
    TranslatorWindow window;
    TTransForm &form = window.form;
    for (const int width : {form.width(), 200, 150, 100}) {
        form.resize(width, form.height());
        split(form, text);
        QCOMPARE(gridWords(form), words);
    }
    QVERIFY(named<QPlainTextEdit>(form, "Memo1")->document()->firstBlock().layout()->lineCount() > 1);
}

QTEST_MAIN(TransSplitTest)
#include "TransSplitTest.moc"

// The translator's translate button on a full grid: 128 words of running text, each a scan of the
// whole table, its offers sorted and put into the word's box. Offscreen, so no display is needed.

#include "common/Translation.h"
#include "controls/Ex3DButton.h"
#include "controls/Icons.h"
#include "engine/Dic.h"
#include "engine/Translate.h"
#include "tests/support/NamedControls.h"
#include "text/Cp1250.h"
#include "translator/Trans.h"

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QtTest>

#include <algorithm>

using namespace slovnik;

namespace {

// The opening of Lewis Carroll's "Alice's Adventures in Wonderland" (1865).
const QString kEnglishText = QStringLiteral(
    "Alice was beginning to get very tired of sitting by her sister on the bank, and of having "
    "nothing to do: once or twice she had peeped into the book her sister was reading, but it had "
    "no pictures or conversations in it, and what is the use of a book, thought Alice, without "
    "pictures or conversations? So she was considering in her own mind (as well as she could, for "
    "the hot day made her feel very sleepy and stupid), whether the pleasure of making a "
    "daisy-chain would be worth the trouble of getting up and picking the daisies, when suddenly a "
    "White Rabbit with pink eyes ran close by her. There was nothing so very remarkable in that; nor "
    "did Alice think it so very much out of the way to hear the Rabbit say to itself, Oh dear! Oh "
    "dear! I shall be late! (when she thought it over afterwards, it occurred to her that she ought "
    "to have wondered at this, but at the time it all seemed quite natural); but when the Rabbit "
    "actually took a watch out of its waistcoat-pocket, and looked at it, and then hurried on, Alice "
    "started to her feet.");

const QString kCzechText = QStringLiteral(
    "Naše vesnice leží v údolí mezi dvěma kopci, kde se řeka stáčí k lesu. Každé ráno chodí děti "
    "po cestě do školy a starší lidé sedí na lavičce před domem. V létě je tu teplo a na zahradách "
    "roste ovoce, zelenina i květiny. Můj děda pracoval celý život na poli a dodnes rád vypráví, jak "
    "se dříve žilo bez elektřiny a bez aut. Babička peče chleba v kamnech a v neděli vaří polévku "
    "pro celou rodinu. Když prší, sedíme v kuchyni, pijeme čaj a hrajeme karty. Večer se dívám z "
    "okna na hvězdy a poslouchám, jak v dálce štěká pes. V zimě padá sníh, cesty jsou bílé a děti "
    "staví sněhuláky. Na jaře se všechno probouzí, ptáci zpívají a louky jsou plné trávy. Otec "
    "opravuje plot, matka sází stromy a já pomáhám, jak umím. Rád čtu knihy o cestování, protože "
    "bych jednou chtěl vidět moře, hory a velká města.");

// The first MaxWords words, one blank between them: a text the grid takes whole, without the
// notice of a shortened text.
QString firstWords(const QString &text)
{
    const SourceWords source = splitSourceLines({text});
    if (!source.truncated)
        qFatal("the benchmark text must have more than %zu words", MaxWords);
    QStringList words;
    for (const std::string &word : source.words)
        words.append(fromCp1250(word));
    return words.join(u' ');
}

} // namespace

class TranslatorBench : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void transBtnClick_data();
    void transBtnClick();
};

void TranslatorBench::initTestCase()
{
    readableTable();
}

void TranslatorBench::transBtnClick_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("english");
    QTest::newRow("EnglishToCzech") << kEnglishText << true;
    QTest::newRow("CzechToEnglish") << kCzechText << false;
}

void TranslatorBench::transBtnClick()
{
    QFETCH(QString, text);
    QFETCH(bool, english);

    QObject flagOwner;
    TTransForm form(createFlagImages(&flagOwner));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    if (english)
        QTest::mouseClick(named<TEx3DButton>(form, "LangBtn"), Qt::LeftButton);
    named<QPlainTextEdit>(form, "Memo1")->setPlainText(firstWords(text));
    QTest::mouseClick(named<TEx3DButton>(form, "ToListBtn"), Qt::LeftButton);
    QCOMPARE(form.WordCount(), static_cast<int>(MaxWords));

    QBENCHMARK
    {
        QTest::mouseClick(named<TEx3DButton>(form, "TransBtn"), Qt::LeftButton);
    }
    const auto withOffers = std::count_if(form.WordBoxes().cbegin(), form.WordBoxes().cend(),
                                          [](const QComboBox *box) { return box->count() > 0; });
    QVERIFY2(withOffers > form.WordCount() / 2, "the text should be mostly words the table knows");
}

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TranslatorBench bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "TranslatorBench.moc"

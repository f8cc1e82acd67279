// SPDX-License-Identifier: GPL-2.0-or-later
// The translator's translate button on a full grid: 128 words of running text, each a scan of the
// whole table, its offers sorted and put into the word's box. Offscreen, so no display is needed.
// Also as the user meets it: the click posted to the button, timed through the real event loop to
// the grid's last repaint, the first click and later ones on the same words; and the resident
// memory the translation leaves.

#include "app/ApplicationWindows.h"
#include "app/MainForm.h"
#include "bench/FullGrid.h"
#include "bench/RepaintTiming.h"
#include "common/ListOrder.h"
#include "controls/Ex3DButton.h"
#include "engine/Dic.h"
#include "engine/Translate.h"
#include "support/NamedControls.h"
#include "support/TranslatorWindow.h"
#include "translator/Trans.h"

#include <QApplication>
#include <QComboBox>
#include <QtTest>

#include <QFile>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include <algorithm>

using namespace slovnik;
using namespace slovnik::support;

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

constexpr int kLaterClicks = 6;

double residentMebibytes()
{
    QFile status(u"/proc/self/status"_qs);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
    return -1;
}

std::ptrdiff_t boxesWithOffers(const TTransForm &form)
{
    const QList<QComboBox *> boxes = wordBoxes(form);
    return std::count_if(boxes.cbegin(), boxes.cend(), [](const QComboBox *box) { return box->count() > 0; });
}

// A press and a release at the middle of the button, posted as the window system delivers them;
// the milliseconds to the last repaint they cause.
double clickToLastRepaint(QWidget *button, const bench::PaintCounter &paints)
{
    const QPointF middle = QRectF(button->rect()).center();
    const QPointF global = button->mapToGlobal(middle);
    QCoreApplication::postEvent(button,
                                new QMouseEvent(QEvent::MouseButtonPress, middle, middle, global,
                                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    return bench::postAndTimeToLastRepaint(button,
                                           new QMouseEvent(QEvent::MouseButtonRelease, middle, middle, global,
                                                           Qt::LeftButton, Qt::NoButton, Qt::NoModifier),
                                           paints);
}

} // namespace

class TranslatorBench : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    // First: its memory figures start from a process that has not translated yet.
    void transBtnThroughTheWindow();
    void transBtnClick_data();
    void transBtnClick();
};

void TranslatorBench::initTestCase()
{
    readableTable();
    // As in the program, whose dictionary window keeps it from its start.
    keepTableLineOrder();
}

void TranslatorBench::transBtnClick_data()
{
    bench::addTextRows(kEnglishText, kCzechText);
}

void TranslatorBench::transBtnClick()
{
    const std::unique_ptr<TranslatorWindow> window = bench::fullGridOfRow();
    TTransForm &form = window->form;

    QBENCHMARK
    {
        QTest::mouseClick(named<TEx3DButton>(form, "TransBtn"), Qt::LeftButton);
    }
    QVERIFY2(boxesWithOffers(form) > wordCount(form) / 2, "the text should be mostly words the table knows");
}

void TranslatorBench::transBtnThroughTheWindow()
{
    // The program as it starts: its windows made, the dictionary window shown.
    const double beforeStart = residentMebibytes();
    const ApplicationWindows program;
    program.MainForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(program.MainForm.get()));
    const double atStart = residentMebibytes();
    bench::PaintCounter paints;
    TTransForm &form = *program.TransForm;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QStringList words;
    for (const std::string &word : bench::firstWords(kCzechText).words)
        words.append(fromCp1250(word));
    split(form, words.join(u' '));
    QCOMPARE(wordCount(form), static_cast<int>(MaxWords));
    const double listed = residentMebibytes();

    auto *button = named<TEx3DButton>(form, "TransBtn");
    const double first = clickToLastRepaint(button, paints);
    QVERIFY2(first >= 0, "the click repainted nothing");
    const double translated = residentMebibytes();
    std::vector<double> later;
    for (int i = 0; i < kLaterClicks; ++i)
        later.push_back(clickToLastRepaint(button, paints));
    QVERIFY(std::all_of(later.cbegin(), later.cend(), [](double ms) { return ms >= 0; }));
    QVERIFY2(boxesWithOffers(form) > wordCount(form) / 2, "the text should be mostly words the table knows");

    bench::printFigures("128 Czech words, the first click to the grid's last repaint", {first}, "ms");
    bench::printFigures("128 Czech words, a later click on the same words to the grid's last repaint", later,
                        "ms");
    std::printf(
        "resident memory: %.1f MiB before the windows, %.1f MiB with the dictionary window shown (the "
        "program's start), %.1f MiB with 128 words listed in the translator, %.1f MiB after the first "
        "translation (%.2fx the start), %.1f MiB after %d more\n",
        beforeStart, atStart, listed, translated, translated / atStart, residentMebibytes(), kLaterClicks);
}

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    prepareApplication();
    TranslatorBench bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "TranslatorBench.moc"

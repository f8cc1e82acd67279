// SPDX-License-Identifier: GPL-2.0-or-later
// The best reading over a full grid: 128 words, each its phrases and its everyday line, the boxes
// given their lines and the sentence built; through the window's button, and the engine alone.
// Offscreen, so no display is needed.

#include "bench/FullGrid.h"
#include "controls/Ex3DButton.h"
#include "engine/BestReading.h"
#include "engine/Dic.h"
#include "engine/ProgramReading.h"
#include "engine/Translate.h"
#include "support/NamedControls.h"
#include "support/TranslatorWindow.h"
#include "translator/Trans.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QtTest>

using namespace slovnik;
using namespace slovnik::support;

namespace {

// Everyday dialogue, written for this benchmark, as many phrases as a learner meets.
const QString kEnglishText = QStringLiteral(
    "I get up at seven every morning and look for my keys. My sister looks after the children while "
    "I go out. We are looking forward to the weekend, but my brother gave up smoking and he is not "
    "in a good mood. Come on, let us sit down and have a cup of tea. I have to pick up some bread on "
    "the way home. Do you want to come with me? Thank you very much, I would like to, but I have got "
    "a lot of work to do. Never mind, we can meet later. Take care of yourself and call me when you "
    "get back. Of course I will, good night and see you soon. She turned off the light and went to "
    "bed, because she was tired of waiting for him to come back home.");

const QString kCzechText = QStringLiteral(
    "Mám rád psací stroj, který stojí na stole u okna. Děti si hrají na zahradě a ženy vaří oběd. "
    "Ráno vstávám v sedm hodin, pak jdu do práce a večer se dívám na televizi. Stará paní se stará "
    "o svého psa a každý den s ním chodí na procházku. Nevěděl jsem, že už potřebuje nové boty. "
    "Můj bratr přestal kouřit a teď se cítí mnohem lépe. Zítra pojedeme k babičce na venkov, kde "
    "budeme pomáhat na poli. Když prší, zůstaneme doma a hrajeme karty. Na shledanou, děkuji mnohokrát "
    "a mějte se hezky. Šel domů pozdě v noci, protože musel dlouho čekat na autobus, který nejel. "
    "Sestra se učí anglicky, protože chce jet do Londýna a najít si tam práci. Každý večer čte knihy "
    "a píše nová slova do sešitu. Otec jí říká, že to zvládne, když nepřestane.");

} // namespace

class BestReadingBench : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void fillBtnClick_data();
    void fillBtnClick();
    void engineAlone_data();
    void engineAlone();
};

void BestReadingBench::initTestCase()
{
    readableTable();
}

void BestReadingBench::fillBtnClick_data()
{
    bench::addTextRows(kEnglishText, kCzechText);
}

void BestReadingBench::fillBtnClick()
{
    const std::unique_ptr<TranslatorWindow> window = bench::fullGridOfRow();
    TTransForm &form = window->form;
    QTest::mouseClick(named<TEx3DButton>(form, "TransBtn"), Qt::LeftButton);

    QBENCHMARK
    {
        QTest::mouseClick(named<TEx3DButton>(form, "FillBtn"), Qt::LeftButton);
    }
    QVERIFY(!named<QPlainTextEdit>(form, "Memo2")->toPlainText().isEmpty());
}

void BestReadingBench::engineAlone_data()
{
    fillBtnClick_data();
}

void BestReadingBench::engineAlone()
{
    QFETCH(QString, text);
    QFETCH(bool, english);
    const TranslationDirection direction
        = english ? TranslationDirection::EnglishToCzech : TranslationDirection::CzechToEnglish;
    const SourceWords source = bench::firstWords(text);
    const std::unique_ptr<const ReadingIndex> reader = programReadingIndex(direction);
    const ReadingIndex &index = *reader;
    std::size_t covered = 0;
    QBENCHMARK
    {
        const std::vector<BoxReading> reading = bestReading(index, source.words, source.clauseEnds, {});
        const std::vector<bool> boxes = coveredBoxes(reading);
        covered = static_cast<std::size_t>(std::count(boxes.begin(), boxes.end(), true));
    }
    QVERIFY2(covered > 0, "the text holds phrases of the table");
}

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BestReadingBench bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "BestReadingBench.moc"

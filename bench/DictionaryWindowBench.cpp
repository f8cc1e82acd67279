// SPDX-License-Identifier: GPL-2.0-or-later
// One keystroke in the dictionary window, from the key event posted to the query box to the last
// repaint it causes, counted through the real event loop, on the real table: the five one-letter
// queries with the most lines in each direction (each a query run of its own, the list filled,
// sorted, line 0 chosen and drawn).

#include "app/MainForm.h"
#include "app/ResultChooser.h"
#include "bench/RepaintTiming.h"
#include "controls/Ex3DButton.h"
#include "engine/Dic.h"
#include "engine/Search.h"
#include "support/NamedControls.h"
#include "text/Cp1250.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QtTest>

#include <map>

using namespace slovnik;
using namespace slovnik::support;

namespace {

constexpr int kWorstPrefixes = 5;
constexpr int kKeystrokes = 31;

// The letters that begin the most searched fields of a direction, most first, with their counts.
std::vector<std::pair<QString, int>> worstLetters(TranslationDirection direction)
{
    std::map<unsigned char, int> counts;
    for (const DictionaryEntry &entry : readableTable()) {
        const std::string_view field = fieldText(SearchedField(entry, direction));
        const unsigned char first = field.empty() ? 0 : static_cast<unsigned char>(field.front());
        // A query of A to Z is lower-cased before it is searched: those letters are never typed.
        if (first != 0 && (first < 'A' || first > 'Z') && fromCp1250(field.substr(0, 1)).at(0).isLetter())
            ++counts[first];
    }
    std::vector<std::pair<QString, int>> letters;
    for (const auto &[letter, count] : counts) {
        const char byte = static_cast<char>(letter);
        letters.emplace_back(fromCp1250(std::string_view(&byte, 1)), count);
    }
    std::sort(letters.begin(), letters.end(),
              [](const auto &a, const auto &b) { return a.second > b.second; });
    letters.resize(std::min<std::size_t>(letters.size(), kWorstPrefixes));
    return letters;
}

} // namespace

class DictionaryWindowBench : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void keystroke_data();
    void keystroke();

private:
    std::unique_ptr<TMainForm> m_form;
    bool m_english = false; ///< the window's queries are English: Czech from its start, until LangBtn
    bench::PaintCounter m_paints;
};

void DictionaryWindowBench::initTestCase()
{
    m_form = std::make_unique<TMainForm>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void DictionaryWindowBench::keystroke_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<bool>("english");
    QTest::addColumn<int>("lines");
    for (const TranslationDirection direction :
         {TranslationDirection::CzechToEnglish, TranslationDirection::EnglishToCzech}) {
        const bool english = direction == TranslationDirection::EnglishToCzech;
        for (const auto &[letter, count] : worstLetters(direction))
            QTest::addRow("%s '%s'", english ? "English" : "Czech", qPrintable(letter))
                << letter << english << count;
    }
}

void DictionaryWindowBench::keystroke()
{
    QFETCH(QString, query);
    QFETCH(bool, english);
    QFETCH(int, lines);
    if (english != m_english) {
        QTest::mouseClick(named<TEx3DButton>(*m_form, "LangBtn"), Qt::LeftButton);
        m_english = english;
    }
    QLineEdit *edit = named<QComboBox>(*m_form, "ComboBox1")->lineEdit();
    auto *results = named<ResultChooser>(*m_form, "ComboBox2");
    std::vector<double> times;
    for (int i = 0; i < kKeystrokes; ++i) {
        edit->clear();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        const double ms = bench::postAndTimeToLastRepaint(
            edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, query), m_paints);
        QVERIFY2(ms >= 0, "the keystroke repainted nothing");
        QCOMPARE(edit->text(), query);
        QVERIFY(results->count() >= lines);
        // The first keystroke of a long list in a direction also makes the table's order of it.
        if (i == 0)
            bench::printFigures(QTest::currentDataTag() + std::string(", the first keystroke"), {ms}, "ms");
        else
            times.push_back(ms);
    }
    bench::printFigures(QTest::currentDataTag() + std::string(", ") + std::to_string(results->count())
                            + " lines, key to the last repaint",
                        times, "ms");
}

QTEST_MAIN(DictionaryWindowBench)
#include "DictionaryWindowBench.moc"

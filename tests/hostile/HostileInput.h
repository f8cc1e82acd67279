// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The program's real windows on the real word table, a learner's work already in them, and the
// hostile texts they are fed. Each case records what the learner had, does its one hostile thing
// through the buttons and the keyboard, and checks that nothing else moved.

#include "app/ApplicationWindows.h"
#include "app/MainForm.h"
#include "app/ResultChooser.h"
#include "app/WordListView.h"
#include "support/NamedControls.h"
#include "support/TranslatorWindow.h"
#include "tests/support/UserActions.h"
#include "translator/Trans.h"
#include "translator/WordGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

#include <functional>
#include <memory>
#include <optional>

namespace slovnik::hostile {

using namespace slovnik::support;

/// QLineEdit's own limit: the query box keeps the first this many UTF-16 units of a longer text.
inline constexpr int kQueryBoxCapacity = 32767;
inline constexpr qsizetype kTenMegabytes = 10 * 1024 * 1024;

/// `piece` repeated up to exactly `units` UTF-16 units.
inline QString filledTo(const QString &piece, qsizetype units)
{
    return piece.repeated(units / piece.size() + 1).left(units);
}

/// Ten megabytes of Czech prose in lines of about 60 characters, as a learner might paste a book.
inline QString tenMegabytesOfLines()
{
    return filledTo(QStringLiteral("Pes spí na zahradě, kočka leží u kamen. Děti jdou do školy!\n"),
                    kTenMegabytes);
}

/// Ten megabytes in one paragraph: no line break for the box or the split to rest on.
inline QString tenMegabytesInOneLine()
{
    return filledTo(QStringLiteral("pes kočka dům strom "), kTenMegabytes);
}

/// `count` different words separated by blanks, letters only (digits would separate words), none
/// of them the beginning of a word of the table.
inline QString numberedWords(int count)
{
    QStringList words;
    words.reserve(count);
    for (int i = 0; i < count; ++i) {
        QString word = QStringLiteral("qqx");
        for (int n = i; word.size() == 3 || n > 0; n /= 26)
            word += QChar(u'a' + n % 26);
        words.append(word);
    }
    return words.join(u' ');
}

/// All five windows as the program creates them; the dictionary and the translator shown. The
/// first one in a process de-scrambles the real table; later ones find it readable.
struct ProgramWindows {
    ApplicationWindows windows;
    TMainForm &main = *windows.MainForm;
    TTransForm &translator = *windows.TransForm;

    ProgramWindows()
    {
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QTest::mouseClick(named<TEx3DButton>(main, "TranslBtn"), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowExposed(&translator));
    }
};

/// As the learner's click on a window's frame: the keyboard focus is that window's from now on.
inline void activate(QWidget &window)
{
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

/// Empties the query box as the user does (select all, Delete) and types `text`.
inline void typeQuery(TMainForm &form, const QString &text)
{
    named<QComboBox>(form, "ComboBox1")->setFocus();
    typeOver(named<QComboBox>(form, "ComboBox1")->lineEdit(), text);
}

/// Runs `action`, logs how long it took (for the report, never asserted) and returns the time.
inline qint64 timed(const char *what, const std::function<void()> &action)
{
    QElapsedTimer clock;
    clock.start();
    action();
    const qint64 ms = clock.elapsed();
    qInfo("%s: %lld ms", what, ms);
    return ms;
}

/// Everything the learner built up and may expect to find again: the dictionary's history and
/// word list, and the translator's texts, words, boxes and direction.
struct LearnerState {
    QStringList history;
    QStringList wordList;
    QImage dictionaryFlag; ///< the direction, as the dictionary's direction button shows it
    QString source;
    QString translation;
    QStringList gridWords;
    QStringList boxTexts;
    QList<QStringList> boxOffers;
    QImage translatorFlag; ///< the direction, as the translator's direction button shows it
};

inline QStringList wordListRows(const WordListView &list)
{
    QStringList rows;
    for (int row = 0; row < list.rowCount(); ++row)
        rows.append(list.wordAt(row) + QStringLiteral(" | ")
                    + list.otherAt(row).value_or(QStringLiteral("(none)")));
    return rows;
}

inline LearnerState learnerState(const ProgramWindows &program)
{
    LearnerState state;
    state.history = itemsOf(*named<QComboBox>(program.main, "ComboBox1"));
    state.wordList = wordListRows(*named<WordListView>(program.main, "ListView1"));
    state.dictionaryFlag = named<TEx3DButton>(program.main, "LangBtn")->grab().toImage();
    const TTransForm &t = program.translator;
    state.source = named<QPlainTextEdit>(t, "Memo1")->toPlainText();
    state.translation = named<QPlainTextEdit>(t, "Memo2")->toPlainText();
    for (int row = 0; row < named<WordGrid>(t, "StringGrid1")->rowCount(); ++row)
        state.gridWords.append(named<WordGrid>(t, "StringGrid1")->word(row));
    for (const QComboBox *box : wordBoxes(t)) {
        state.boxTexts.append(box->currentText());
        state.boxOffers.append(itemsOf(*box));
    }
    state.translatorFlag = named<TEx3DButton>(t, "LangBtn")->grab().toImage();
    return state;
}

/// The dictionary's part: history, word list, direction.
inline void verifyDictionaryKept(const LearnerState &before, const LearnerState &after)
{
    QCOMPARE(after.history, before.history);
    QCOMPARE(after.wordList, before.wordList);
    QCOMPARE(after.dictionaryFlag, before.dictionaryFlag);
}

/// The translator's part: both text boxes, the words, the boxes with their offers, the direction.
inline void verifyTranslatorKept(const LearnerState &before, const LearnerState &after)
{
    QCOMPARE(after.source, before.source);
    QCOMPARE(after.translation, before.translation);
    QCOMPARE(after.gridWords, before.gridWords);
    QCOMPARE(after.boxTexts, before.boxTexts);
    QCOMPARE(after.boxOffers, before.boxOffers);
    QCOMPARE(after.translatorFlag, before.translatorFlag);
}

/// A learner's session so far: two looked-up lines in the history and the word list, a word added
/// by the button, and a translated sentence with one word typed over.
inline void buildLearnerState(ProgramWindows &program)
{
    TMainForm &main = program.main;
    typeQuery(main, QStringLiteral("pes"));
    QVERIFY(named<ResultChooser>(main, "ComboBox2")->count() >= 2);
    named<ResultChooser>(main, "ComboBox2")->setFocus();
    QTest::keyClick(named<ResultChooser>(main, "ComboBox2"), Qt::Key_Down);
    QTest::keyClick(named<ResultChooser>(main, "ComboBox2"), Qt::Key_Down);
    click(named<TEx3DButton>(main, "ToListBtn"));
    QCOMPARE(named<QComboBox>(main, "ComboBox1")->count(), 2);
    QCOMPARE(named<WordListView>(main, "ListView1")->rowCount(), 3);

    TTransForm &t = program.translator;
    named<QPlainTextEdit>(t, "Memo1")->setPlainText(QStringLiteral("Pes spí na zahradě."));
    click(named<TEx3DButton>(t, "ToListBtn"));
    click(named<TEx3DButton>(t, "TransBtn"));
    QCOMPARE(wordCount(t), 4);
    typeOver(wordBoxes(t)[1]->lineEdit(), QStringLiteral("sleeps"));
    click(named<TEx3DButton>(t, "FromListBtn"));
    QVERIFY(named<QPlainTextEdit>(t, "Memo2")->toPlainText().contains(QStringLiteral(" sleeps ")));
}

} // namespace slovnik::hostile

#pragma once

// The program's real windows on the real word table, a learner's work already in them, and the
// hostile texts they are fed. Each case records what the learner had, does its one hostile thing
// through the buttons and the keyboard, and checks that nothing else moved.

#include "ApplicationWindows.h"
#include "Ex3DButton.h"
#include "ExDialog.h"
#include "MainForm.h"
#include "ResultChooser.h"
#include "Trans.h"
#include "WordGrid.h"
#include "WordListView.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>
#include <optional>

namespace slovnik::hostile {

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
        QTest::mouseClick(main.TranslBtn(), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowExposed(&translator));
    }
};

/// As the learner's click on a window's frame: the keyboard focus is that window's from now on.
inline void activate(QWidget &window)
{
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

inline void click(TEx3DButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

/// Sends one key press per code point, with the character as the event's text (letters beyond
/// ASCII have no key code); an emoji's surrogate pair travels as one key.
inline void typeKeys(QWidget *target, const QString &text)
{
    for (qsizetype from = 0; from < text.size();) {
        const bool pair
            = text[from].isHighSurrogate() && from + 1 < text.size() && text[from + 1].isLowSurrogate();
        const qsizetype units = pair ? 2 : 1;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text.mid(from, units));
        QApplication::sendEvent(target, &press);
        from += units;
    }
}

/// Empties the query box as the user does (select all, Delete) and types `text`.
inline void typeQuery(TMainForm &form, const QString &text)
{
    QLineEdit *const edit = form.ComboBox1()->lineEdit();
    form.ComboBox1()->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    typeKeys(edit, text);
}

inline QStringList itemsOf(const QComboBox &box)
{
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items.append(box.itemText(i));
    return items;
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

/// Answers every message dialog shown while it lives: notes its text and the dialog's width, and
/// presses its one button from inside its modal loop.
class DialogAnswerer : public QObject {
public:
    DialogAnswerer() { qApp->installEventFilter(this); }
    ~DialogAnswerer() override { qApp->removeEventFilter(this); }

    QStringList texts;
    QList<int> widths;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *const dialog = qobject_cast<TDlgForm *>(watched);
        if (!dialog || event->type() != QEvent::Show)
            return false;
        texts.append(dialog->Label1->text());
        widths.append(dialog->width());
        QToolButton *const button = dialog->ToolButton1;
        QMetaObject::invokeMethod(
            button, [button] { QTest::mouseClick(button, Qt::LeftButton); }, Qt::QueuedConnection);
        return false;
    }
};

/// Everything the learner built up and may expect to find again: the dictionary's history and
/// word list, and the translator's texts, words, boxes and direction.
struct LearnerState {
    QStringList history;
    QStringList wordList;
    TranslationDirection dictionaryDirection{};
    QString source;
    QString translation;
    QStringList gridWords;
    QStringList boxTexts;
    QList<QStringList> boxOffers;
    TranslationDirection translatorDirection{};
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
    state.history = itemsOf(*program.main.ComboBox1());
    state.wordList = wordListRows(*program.main.ListView1());
    state.dictionaryDirection = program.main.translationDirection();
    const TTransForm &t = program.translator;
    state.source = t.Memo1()->toPlainText();
    state.translation = t.Memo2()->toPlainText();
    for (int row = 0; row < t.StringGrid1()->rowCount(); ++row)
        state.gridWords.append(t.StringGrid1()->word(row));
    for (const QComboBox *box : t.WordBoxes()) {
        state.boxTexts.append(box->currentText());
        state.boxOffers.append(itemsOf(*box));
    }
    state.translatorDirection = t.TransDirection();
    return state;
}

/// The dictionary's part: history, word list, direction.
inline void verifyDictionaryKept(const LearnerState &before, const LearnerState &after)
{
    QCOMPARE(after.history, before.history);
    QCOMPARE(after.wordList, before.wordList);
    QCOMPARE(after.dictionaryDirection, before.dictionaryDirection);
}

/// The translator's part: both text boxes, the words, the boxes with their offers, the direction.
inline void verifyTranslatorKept(const LearnerState &before, const LearnerState &after)
{
    QCOMPARE(after.source, before.source);
    QCOMPARE(after.translation, before.translation);
    QCOMPARE(after.gridWords, before.gridWords);
    QCOMPARE(after.boxTexts, before.boxTexts);
    QCOMPARE(after.boxOffers, before.boxOffers);
    QCOMPARE(after.translatorDirection, before.translatorDirection);
}

/// A learner's session so far: two looked-up lines in the history and the word list, a word added
/// by the button, and a translated sentence with one word typed over.
inline void buildLearnerState(ProgramWindows &program)
{
    TMainForm &main = program.main;
    typeQuery(main, QStringLiteral("pes"));
    QVERIFY(main.ComboBox2()->count() >= 2);
    main.ComboBox2()->setFocus();
    QTest::keyClick(main.ComboBox2(), Qt::Key_Down);
    QTest::keyClick(main.ComboBox2(), Qt::Key_Down);
    click(main.ToListBtn());
    QCOMPARE(main.ComboBox1()->count(), 2);
    QCOMPARE(main.ListView1()->rowCount(), 3);

    TTransForm &t = program.translator;
    t.Memo1()->setPlainText(QStringLiteral("Pes spí na zahradě."));
    click(t.ToListBtn());
    click(t.TransBtn());
    QCOMPARE(t.WordCount(), 4);
    QLineEdit *const second = t.WordBoxes()[1]->lineEdit();
    second->selectAll();
    QTest::keyClick(second, Qt::Key_Delete);
    typeKeys(second, QStringLiteral("sleeps"));
    click(t.FromListBtn());
    QVERIFY(t.Memo2()->toPlainText().contains(QStringLiteral(" sleeps ")));
}

} // namespace slovnik::hostile

#pragma once

// A shown translator window as the program makes it, and ways to drive it through its buttons and
// to read its grid and word boxes.

#include "Ex3DButton.h"
#include "ExDialog.h"
#include "Icons.h"
#include "ImageList.h"
#include "Trans.h"
#include "WordGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QtTest>

#include <functional>

namespace slovnik::transtest {

/// The window with a flag list of its own that outlives it, shown on the offscreen screen. Its
/// offers come from `table`: the program's own unless the test brings a small one.
struct TranslatorWindow {
    QObject flagOwner;
    ImageList *const flags = createFlagImages(&flagOwner);
    TTransForm form;

    explicit TranslatorWindow(std::span<const DictionaryEntry> table = DictionaryTable) : form(flags, table)
    {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }
};

inline void click(TEx3DButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

/// Lets the scroll area show or hide its scroll bars, which it does from its event loop, and the
/// word boxes follow the width of the view that is left.
inline void settle()
{
    QCoreApplication::processEvents();
}

/// Puts the text into the source box and presses the button that fills the grid.
inline void split(TTransForm &form, const QString &text)
{
    form.Memo1()->setPlainText(text);
    click(form.ToListBtn());
    settle();
}

inline QStringList gridWords(const TTransForm &form)
{
    QStringList words;
    for (int row = 0; row < form.StringGrid1()->rowCount(); ++row)
        words.append(form.StringGrid1()->word(row));
    return words;
}

/// An offer shown in italics is a suggestion for a word that found nothing, not one of its own.
inline bool isSuggestion(const QComboBox &box, int i)
{
    return box.itemData(i, Qt::FontRole).value<QFont>().italic();
}

/// The word's own offers, suggestions left out.
inline QStringList offersOf(const QComboBox &box)
{
    QStringList offers;
    for (int i = 0; i < box.count(); ++i) {
        if (!isSuggestion(box, i))
            offers.append(box.itemText(i));
    }
    return offers;
}

inline QStringList suggestionsOf(const QComboBox &box)
{
    QStringList suggestions;
    for (int i = 0; i < box.count(); ++i) {
        if (isSuggestion(box, i))
            suggestions.append(box.itemText(i));
    }
    return suggestions;
}

inline QStringList boxTexts(const TTransForm &form)
{
    QStringList texts;
    for (const QComboBox *box : form.WordBoxes())
        texts.append(box->currentText());
    return texts;
}

/// Types into a word box as the user would, replacing what it held; letters outside ASCII too.
inline void typeInto(QComboBox &box, const QString &text)
{
    box.lineEdit()->selectAll();
    QTest::keyClick(box.lineEdit(), Qt::Key_Delete);
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box.lineEdit(), Qt::Key_unknown, QString(c), Qt::NoModifier);
}

/// Answers every message dialog shown while it lives: notes its title and text, runs `onShown`
/// while the dialog is up, and presses its button from inside its modal loop. Nothing is polled,
/// so a dialog that never comes leaves nothing behind.
class DialogAnswerer : public QObject {
public:
    explicit DialogAnswerer(std::function<void()> onShown = {}) : m_onShown(std::move(onShown))
    {
        qApp->installEventFilter(this);
    }
    ~DialogAnswerer() override { qApp->removeEventFilter(this); }

    QStringList titles;
    QStringList texts;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *const dialog = qobject_cast<TDlgForm *>(watched);
        if (!dialog || event->type() != QEvent::Show)
            return false;
        titles.append(dialog->windowTitle());
        texts.append(dialog->Label1->text());
        if (m_onShown)
            m_onShown();
        QToolButton *const button = dialog->ToolButton1;
        QMetaObject::invokeMethod(
            button, [button] { QTest::mouseClick(button, Qt::LeftButton); }, Qt::QueuedConnection);
        return false;
    }

private:
    std::function<void()> m_onShown;
};

} // namespace slovnik::transtest

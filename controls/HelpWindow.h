#pragma once

// What the two help windows share: a fixed dialog-style window whose one control, Memo1, fills it
// with a help text the user may edit. Only hidden when closed, so an edit stays until the program
// ends; nothing is saved.

#include <QSize>
#include <QWidget>

#include <QString>

#include <span>

class QPlainTextEdit;

namespace slovnik {

class HelpWindow : public QWidget {
    Q_OBJECT
protected:
    /// A window of `clientSize` with `lines` in Memo1, one text block per line. `stayOnTop` keeps
    /// it above the program's other windows. The derived window sets the title, which also names
    /// Memo1 for assistive technology.
    HelpWindow(QSize clientSize, bool stayOnTop, std::span<const char16_t *const> lines, QWidget *parent);

    void changeEvent(QEvent *event) override;
    /// Centred each time it appears, not only the first time.
    void showEvent(QShowEvent *event) override;

private:
    /// The box takes the design face and its text the first time the window appears, not while
    /// the program starts: the window is created at start-up but seldom opened.
    void ensureText();

    QPlainTextEdit *const m_Memo1;
    QString m_text;
};

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What the two help windows share: a fixed dialog-style window whose one control, Memo1, fills it
// with a help text the user may edit. Only hidden when closed, so an edit stays until the program
// ends; nothing is saved.

#include <QSize>
#include <QString>
#include <QWidget>

class QPlainTextEdit;

namespace slovnik {

/// What sets one help window apart from the other.
struct HelpPage {
    QSize clientSize;
    /// Kept above the program's other windows.
    bool stayOnTop = false;
    /// A resource whose lines become Memo1's text blocks, one a line.
    const char *textFile = "";
};

class HelpWindow : public QWidget {
    Q_OBJECT
protected:
    /// The derived window sets the title, which also names Memo1 for assistive technology.
    HelpWindow(const HelpPage &page, QWidget *parent);

    void changeEvent(QEvent *event) override;
    /// Centred each time it appears, not only the first time.
    void showEvent(QShowEvent *event) override;

private:
    /// The box is built, with the design face and its text, the first time the window appears,
    /// not while the program starts: the window is created at start-up but seldom opened.
    void ensureText();

    QPlainTextEdit *m_Memo1 = nullptr;
    const QString m_textFile;
};

} // namespace slovnik

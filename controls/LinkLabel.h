// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// A label that works as a link: a click on it, Enter or Space while it has the keyboard focus, or
// the press action of assistive technology all emit clicked(). What the link opens is up to the
// window that holds it. Made narrower than its text, it shows the text's beginning and "…"; its
// text and accessible name stay whole.

#include <QLabel>

namespace slovnik {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    /// Reachable with Tab; shows the hand cursor.
    explicit LinkLabel(QWidget *parent = nullptr);

    /// Emits clicked(), unless the label is disabled.
    void activate();

Q_SIGNALS:
    /// The left button went down and came up on the label, or activate() ran.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_pressedOnLabel = false;
};

} // namespace slovnik

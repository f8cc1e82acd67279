// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// ScrollBox1 of the translator: the scrollable area that moves the word grid and the word boxes
// together.

#include <QScrollArea>

namespace slovnik {

/// A scroll area without a border that tells when its view changes size: when the area itself is
/// resized, and also when a scroll bar comes or goes, which narrows or widens the view alone.
class ScrollBox : public QScrollArea {
    Q_OBJECT
public:
    explicit ScrollBox(QWidget *parent = nullptr);

Q_SIGNALS:
    void viewResized();

protected:
    bool viewportEvent(QEvent *event) override;
};

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// One word box of the translator: an editable drop-down box beside a grid row, holding the
// dictionary's offers for that row's word.

#include <QComboBox>

namespace slovnik {

/// The word boxes stand in a scrolled column of up to 128: the wheel over a box the learner has
/// not entered scrolls the column, as the pointer passes on its way down, and only a box with the
/// keyboard focus changes its choice with the wheel. An offer longer than the box shows its
/// beginning: when chosen, filled in, tabbed into or out of, and after Return; the opened list is as
/// wide as its longest offer, within the screen. The list is made when first needed: a column
/// holds up to 128 boxes, and the learner opens a few.
class WordBox final : public QComboBox {
    Q_OBJECT
public:
    explicit WordBox(QWidget *parent = nullptr);

    /// The name a screen reader gives the box, its text and its list.
    void setName(const QString &name);

    /// A line the learner may not mean (only longer words) is written in the placeholders' grey.
    void showTentative(bool tentative);

    void showPopup() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void showBeginning();
    void paintText();

    bool m_tentative = false;
};

} // namespace slovnik

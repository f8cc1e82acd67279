// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/DropDownBoxes.h"

#include <QComboBox>
#include <QEvent>

namespace slovnik {

namespace {

class WheelOnlyWhenFocused final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Wheel || static_cast<QWidget *>(watched)->hasFocus())
            return false;
        // Unhandled, the event goes on to the box's parent, which may scroll.
        event->ignore();
        return true;
    }
};

} // namespace

void changeOnlyWhenFocusedByWheel(QComboBox &box)
{
    box.setFocusPolicy(Qt::StrongFocus);
    box.installEventFilter(new WheelOnlyWhenFocused(&box));
}

} // namespace slovnik

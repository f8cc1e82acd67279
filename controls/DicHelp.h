#pragma once

// The dictionary help window. Created once at start-up, hidden when closed; its text comes later.

#include <QWidget>

namespace slovnik {

class TDicHelpForm : public QWidget {
    Q_OBJECT
public:
    explicit TDicHelpForm(QWidget *parent = nullptr);
};

} // namespace slovnik

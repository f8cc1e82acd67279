#pragma once

// The translator help window. Created once at start-up, hidden when closed; its text comes later.

#include <QWidget>

namespace slovnik {

class TTrHelpForm : public QWidget {
    Q_OBJECT
public:
    explicit TTrHelpForm(QWidget *parent = nullptr);
};

} // namespace slovnik

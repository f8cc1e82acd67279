#pragma once

// The About window, shown modally by the dictionary window. Created once at start-up, hidden when
// closed; its content comes later.

#include <QDialog>

namespace slovnik {

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget *parent = nullptr);
};

} // namespace slovnik

#pragma once

// The translator window. Created once at start-up, right after the dictionary window, and only
// hidden when closed; its word grid comes later.

#include <QWidget>

namespace slovnik {

class TTransForm : public QWidget {
    Q_OBJECT
public:
    explicit TTransForm(QWidget *parent = nullptr);
};

} // namespace slovnik

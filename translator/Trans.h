#pragma once

// The translator window. Created once at start-up, right after the dictionary window, and only
// hidden when closed; its word grid comes later.

#include <QWidget>

namespace slovnik {

class ImageList;

class TTransForm : public QWidget {
    Q_OBJECT
public:
    /// `flagImages` is the dictionary window's ImageList2 (not owned; it outlives this window).
    explicit TTransForm(ImageList *flagImages, QWidget *parent = nullptr);

    /// The translator help window that the help button shows; created after this window.
    void setHelpWindow(QWidget *helpWindow);

private:
    ImageList *m_flagImages;
    QWidget *m_helpWindow = nullptr;
};

} // namespace slovnik

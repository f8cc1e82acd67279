#include "MainForm.h"

#include "Icons.h"
#include "WindowPlacement.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace slovnik {

namespace {

// The design gives outer sizes on a frame 8 pixels wider and 27 higher than the client area; Qt
// sizes the client area and leaves the frame to the window manager.
constexpr QSize kDesignClientSize(468, 201);
constexpr QSize kDesignFrame(476 - 468, 228 - 201);
constexpr QSize kMinimumOuterSize(425, 122);

} // namespace

TMainForm::TMainForm(const ExternalModule &module, QWidget *parent) : QWidget(parent, Qt::Window)
{
    FormCreate(module);
    setWindowTitle(QStringLiteral(" Anglicko - český slovnik + translátor"));
    setWindowIcon(dictionaryWindowIcon());
    setMinimumSize(kMinimumOuterSize - kDesignFrame);
    resize(kDesignClientSize);
    centreOnScreen(*this);
}

void TMainForm::FormCreate(const ExternalModule &module)
{
    runStartupSequence(m_direction, module);
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    // exit, not quit: quit would first ask every other window to close, and one that refused
    // would keep the program running without its main window.
    if (event->isAccepted())
        QCoreApplication::exit(0);
}

} // namespace slovnik

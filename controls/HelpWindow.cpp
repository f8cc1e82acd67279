#include "controls/HelpWindow.h"

#include "controls/Icons.h"
#include "controls/WindowParts.h"
#include "controls/WindowPlacement.h"

#include <QPlainTextEdit>
#include <QShowEvent>
#include <QStringList>
#include <QVBoxLayout>

namespace slovnik {

namespace {
// Close to the platform edit box's own margin; Qt's default of 4 would wrap more of the lines.
constexpr int kTextMargin = 2;
} // namespace

HelpWindow::HelpWindow(QSize clientSize, bool stayOnTop, std::span<const char16_t *const> lines,
                       QWidget *parent) :
    QWidget(parent),
    m_Memo1(designNamed(new QPlainTextEdit(this), "Memo1"))
{
    QStringList text;
    for (const char16_t *line : lines)
        text.append(QString::fromUtf16(line));
    m_text = text.join(u'\n');
    m_Memo1->document()->setDocumentMargin(kTextMargin);
    m_Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The design font holds every line within the width and all of them within the height.
    m_Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *const layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_Memo1);
    // The program's icon in the title bar, not the desktop's generic one.
    setWindowIcon(dictionaryWindowIcon());
    makeFixedDialogWindow(*this, clientSize, stayOnTop);
}

void HelpWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // The text box is the whole window; a screen reader names it after the window.
    if (event->type() == QEvent::WindowTitleChange)
        m_Memo1->setAccessibleName(windowTitle());
}

void HelpWindow::ensureText()
{
    takeDesignFont(*m_Memo1);
    if (m_text.isNull())
        return;
    m_Memo1->setPlainText(m_text);
    m_text = QString();
}

void HelpWindow::showEvent(QShowEvent *event)
{
    ensureText();
    QWidget::showEvent(event);
    // A window restored from the task bar stays where the user left it.
    if (!event->spontaneous())
        centreOnScreen(*this);
}

} // namespace slovnik

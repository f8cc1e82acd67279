#include "HelpWindow.h"

#include "WindowPlacement.h"

#include <QPlainTextEdit>
#include <QShowEvent>
#include <QStringList>
#include <QVBoxLayout>

namespace slovnik {

namespace {
constexpr int kFontPixels = 11;
// Close to the platform edit box's own margin; Qt's default of 4 would wrap more of the lines.
constexpr int kTextMargin = 2;
}

QFont designSansFont(int pixelSize)
{
    QFont font;
    // Arial's metrics come nearest to the design's face, so the help lines that were laid out for
    // it still fit, or nearly; a desktop that has neither gets its own sans-serif face.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

HelpWindow::HelpWindow(QSize clientSize, bool stayOnTop, std::span<const char16_t *const> lines,
                       QWidget *parent)
    : QWidget(parent), m_Memo1(new QPlainTextEdit(this))
{
    setFont(designSansFont(kFontPixels));
    QStringList text;
    for (const char16_t *line : lines)
        text.append(QString::fromUtf16(line));
    m_Memo1->document()->setDocumentMargin(kTextMargin);
    m_Memo1->setPlainText(text.join(u'\n'));
    m_Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Laid out for a narrower face than most desktops have, the text may run past the bottom;
    // a bar then shows that there is more, and only then.
    m_Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto *const layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_Memo1);
    makeFixedDialogWindow(*this, clientSize, stayOnTop);
}

void HelpWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // The text box is the whole window; a screen reader names it after the window.
    if (event->type() == QEvent::WindowTitleChange)
        m_Memo1->setAccessibleName(windowTitle());
}

void HelpWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A window restored from the task bar stays where the user left it.
    if (!event->spontaneous())
        centreOnScreen(*this);
}

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/HelpWindow.h"

#include "controls/DesignFonts.h"
#include "controls/DesignNames.h"
#include "controls/Icons.h"
#include "controls/WindowPlacement.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QVBoxLayout>

namespace slovnik {

namespace {
// Close to the platform edit box's own margin; Qt's default of 4 would wrap more of the lines.
constexpr int kTextMargin = 2;

// The file's lines, each ended by a line break, joined by line breaks: the last line break ends
// the last line and adds no empty one.
QString textOfLines(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

} // namespace

HelpWindow::HelpWindow(const HelpPage &page, QWidget *parent) :
    QWidget(parent),
    m_textFile(QString::fromLatin1(page.textFile))
{
    auto *const layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The program's icon in the title bar, not the desktop's generic one.
    setWindowIcon(dictionaryWindowIcon());
    makeFixedDialogWindow(*this, page.clientSize, page.stayOnTop);
}

void HelpWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // The text box is the whole window; a screen reader names it after the window.
    if (event->type() == QEvent::WindowTitleChange && m_Memo1)
        m_Memo1->setAccessibleName(windowTitle());
}

void HelpWindow::ensureText()
{
    if (m_Memo1)
        return;
    m_Memo1 = designNamed(new QPlainTextEdit(this), "Memo1");
    m_Memo1->document()->setDocumentMargin(kTextMargin);
    m_Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The design face holds every line within the width and all of them within the height.
    m_Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_Memo1->setAccessibleName(windowTitle());
    takeDesignFont(*m_Memo1);
    m_Memo1->setPlainText(textOfLines(m_textFile));
    keepLettersApart(*m_Memo1->document(), m_Memo1->font(), m_Memo1->devicePixelRatioF());
    layout()->addWidget(m_Memo1);
    // Made while the window is showing, it is shown explicitly, or it would stay hidden.
    m_Memo1->show();
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

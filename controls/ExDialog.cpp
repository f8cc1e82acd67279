// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/ExDialog.h"

#include "controls/DesignFonts.h"
#include "controls/Icons.h"
#include "controls/ImageList.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTextLayout>
#include <QToolButton>

#include <memory>

namespace slovnik {

namespace {

constexpr int kMinimumWidth = 220;
constexpr int kWideLabel = 160;
constexpr int kLabelMargin = 30;
constexpr QSize kDesignClientSize(289, 94);
constexpr QRect kDesignToolBar(71, 60, 150, 30);
constexpr QSize kButtonSize(74, 26);
constexpr QPoint kDesignLabel(125, 25);
constexpr int kLabelDrop = 5;
constexpr std::size_t kSingleButtonColumn = 0;
constexpr std::size_t kYesColumn = 1;
constexpr std::size_t kNoColumn = 2;

QFont boldDesignFont()
{
    QFont font = designFont();
    font.setBold(true);
    return font;
}

// The message in the bold design face, a pixel or two wider between letters whose ink would
// touch; the label's text stays the message itself, for a screen reader.
class MessageLabel : public QLabel {
public:
    using QLabel::QLabel;

    QSize sizeHint() const override { return QLabel::sizeHint() + QSize(addedWidth(), 0); }
    QSize minimumSizeHint() const override { return QLabel::minimumSizeHint() + QSize(addedWidth(), 0); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QTextLayout layout(text(), font());
        layout.setFormats(letterGaps(text(), font(), devicePixelRatioF()));
        layout.beginLayout();
        QTextLine line = layout.createLine();
        if (line.isValid())
            line.setNumColumns(static_cast<int>(text().size()));
        layout.endLayout();
        if (!line.isValid())
            return;
        // Whole pixels, so that the letters stand as hinted.
        const QRect area = contentsRect();
        const QPoint origin(area.left() + (area.width() - qCeil(line.naturalTextWidth())) / 2,
                            area.top() + (area.height() - qCeil(line.height())) / 2);
        QPainter painter(this);
        painter.setPen(palette().color(foregroundRole()));
        layout.draw(&painter, origin);
    }

private:
    int addedWidth() const
    {
        qreal added = 0;
        for (const QTextLayout::FormatRange &gap : letterGaps(text(), font(), devicePixelRatioF()))
            added += gap.format.fontLetterSpacing();
        return qCeil(added);
    }
};

QWidget *makeToolBar(QWidget *dialog)
{
    auto *toolBar = new QWidget(dialog);
    toolBar->setGeometry(kDesignToolBar);
    toolBar->setFont(boldDesignFont());
    return toolBar;
}

QToolButton *makeToolButton(QWidget *toolBar, const ImageList &images, int imageIndex, int left)
{
    auto *button = new QToolButton(toolBar);
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setIcon(images.icon(imageIndex));
    button->setIconSize(images.imageSize());
    button->setCursor(Qt::PointingHandCursor);
    button->setGeometry(QRect(QPoint(left, (toolBar->height() - kButtonSize.height()) / 2), kButtonSize));
    return button;
}

// The label has room for one line: each line break of a pasted text shows as a blank.
QString asOneLine(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (const QChar lineBreak :
         {QChar(u'\n'), QChar(u'\r'), QChar(QChar::LineSeparator), QChar(QChar::ParagraphSeparator)})
        text.replace(lineBreak, u' ');
    return text;
}

// The available width of the screen the dialog will show on.
int widestWindow(const QWidget &dialog)
{
    const QScreen *screen = dialog.screen() ? dialog.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().width() : QWIDGETSIZE_MAX;
}

} // namespace

int dialogWidthForLabel(int labelWidth)
{
    return labelWidth >= kWideLabel ? labelWidth + 2 * kLabelMargin : kMinimumWidth;
}

TDlgForm::TDlgForm(QWidget *parent) :
    QDialog(parent,
            Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
    ImageList1(createDialogImages(this)),
    ToolBar1(makeToolBar(this)),
    ToolButton1(makeToolButton(ToolBar1, *ImageList1, 0, 0)),
    ToolButton2(makeToolButton(ToolBar1, *ImageList1, 1, kButtonSize.width())),
    Label1(new MessageLabel(this)),
    Bevel1(new QFrame(this))
{
    setWindowIcon(dialogWindowIcon());
    setFont(designFont());
    setModal(true);
    setFixedSize(kDesignClientSize);

    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(boldDesignFont());
    Label1->move(kDesignLabel);

    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Bevel1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Bevel1->setGeometry(rect());
    Bevel1->lower();

    connect(ToolButton1, &QToolButton::clicked, this, &TDlgForm::ToolButton1Click);
    connect(ToolButton2, &QToolButton::clicked, this, &TDlgForm::ToolButton2Click);
}

void TDlgForm::SetupDialog()
{
    // Values outside the tables would index past them; they keep what the dialog shows instead.
    const std::size_t language = DialogLanguage == MessageLanguage::English ? 1 : 0;
    const auto kind = static_cast<std::size_t>(DialogKind);
    const auto &titles = DialogTitles[language];
    const auto &captions = DialogButtonCaptions[language];
    if (kind < titles.size())
        setWindowTitle(QString::fromUtf8(titles[kind]));

    if (DialogKind == MessageKind::Error || DialogKind == MessageKind::Information) {
        ToolButton1->setText(QString::fromUtf8(captions[kSingleButtonColumn]));
    } else if (DialogKind == MessageKind::Question) {
        ToolButton1->setText(QString::fromUtf8(captions[kYesColumn]));
        ToolButton2->setText(QString::fromUtf8(captions[kNoColumn]));
    }

    const QString shownText = asOneLine(MessageText);
    Label1->setText(shownText);
    Label1->adjustSize();
    // A text wider than the screen (a long pasted query) would put the button out of reach, and
    // the dialog cannot be closed without it: the text is shortened in its middle instead.
    const int widestLabel = widestWindow(*this) - 2 * kLabelMargin;
    // The gaps kept between letters widen it a little beyond what the face measures.
    for (int room = widestLabel; Label1->width() > widestLabel && room > 0;
         room -= Label1->width() - widestLabel) {
        Label1->setText(Label1->fontMetrics().elidedText(shownText, Qt::ElideMiddle, room));
        Label1->adjustSize();
    }

    const int windowWidth = dialogWidthForLabel(Label1->width());
    setFixedSize(windowWidth, kDesignClientSize.height());

    int toolBarWidth = kButtonSize.width();
    if (DialogKind == MessageKind::Question)
        toolBarWidth = 2 * ToolButton1->width();
    else
        ToolButton2->hide();
    ToolBar1->setGeometry((windowWidth - toolBarWidth) / 2, ToolBar1->y(), toolBarWidth, ToolBar1->height());
    FormResize();
}

void TDlgForm::FormResize()
{
    Label1->move((width() - Label1->width()) / 2, (ToolBar1->y() - Label1->height()) / 2 + kLabelDrop);
    Bevel1->setGeometry(rect());
}

void TDlgForm::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    FormResize();
}

void TDlgForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Enter and Space press the button that has the focus, so it shows from the start.
    ToolButton1->setFocus();
    setAttribute(Qt::WA_KeyboardFocusChange);
}

void TDlgForm::keyPressEvent(QKeyEvent *event)
{
    // A button's own keys, Enter and Space, end the dialog as a click would; only a close that
    // does not come from a button is refused.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        if (!event->isAutoRepeat())
            (ToolButton2->isVisible() && ToolButton2->hasFocus() ? ToolButton2 : ToolButton1)->click();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void TDlgForm::closeEvent(QCloseEvent *event)
{
    if (!CloseAllowed) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TDlgForm::done(int result)
{
    if (!CloseAllowed)
        return;
    QDialog::done(result);
}

void TDlgForm::ToolButton1Click()
{
    CloseAllowed = true;
    done(kResultYes);
}

void TDlgForm::ToolButton2Click()
{
    CloseAllowed = true;
    done(kResultNo);
}

void ShowExtendedDialog(const QString &text, MessageLanguage language)
{
    const auto DlgForm = std::make_unique<TDlgForm>();
    DlgForm->DialogKind = MessageKind::Information;
    DlgForm->DialogLanguage = language;
    DlgForm->MessageText = text + QLatin1Char('.');
    DlgForm->SetupDialog();
    DlgForm->exec();
}

} // namespace slovnik

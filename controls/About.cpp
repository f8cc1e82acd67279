// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/About.h"

#include "controls/AboutPictures.h"
#include "controls/ButtonPainting.h"
#include "controls/DesignFonts.h"
#include "controls/DesignNames.h"
#include "controls/FocusFrame.h"
#include "controls/Icons.h"
#include "controls/ImageList.h"
#include "controls/LinkLabel.h"
#include "controls/WindowPlacement.h"

#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <QTextOption>
#include <QUrl>

#include <algorithm>

namespace slovnik {

namespace {

constexpr QSize kClientSize(536, 429);
constexpr int kTitlePixels = 19;
// The window's own blue, as the design fixes it for the title and the link.
const QColor kDesignBlue(0x00, 0x00, 0xFF);

// Within the client area.
constexpr QRect kGroupBox1(0, 3, 536, 423);
// Within GroupBox1.
constexpr QRect kImage1(6, 10, 32, 32);
constexpr QRect kLabel12(50, 15, 459, 22);
constexpr QRect kMemo1(6, 45, 525, 346);
constexpr QRect kImage3(7, 397, 74, 21);
constexpr QRect kImage4(170, 400, 16, 16);
constexpr QRect kAboutLabel(200, 400, 136, 16);
// The label grows to the right, never past the group box's inner edge.
constexpr int kAboutLabelRightLimit = kGroupBox1.width() - kImage1.left();
constexpr int kAboutLabelTextMargin = 4;

const char16_t *const kDescription
    = u"Anglicko - český slovník\n"
      u"verze " SLOVNIK_VERSION "\n"
      u"\n"
      u"Oboustranný anglicko-český a česko-anglický slovník s jednoduchým\n"
      u"translátorem slovo po slově, určený pro všechny, kdo se učí anglicky.\n"
      u"\n"
      u"Slovník hledá už během psaní: po každém napsaném písmenu ukáže\n"
      u"všechna slova, která zadaným textem začínají, seřazená podle abecedy.\n"
      u"U anglických slov rozpozná množné číslo, druhý a třetí stupeň\n"
      u"přídavných jmen a tvary sloves na -ing, -ed a -s a vyhledá i jejich\n"
      u"základní tvar. Vybraná slova se ukládají do historie a do seznamu slov,\n"
      u"odkud je lze jedním kliknutím znovu vyhledat nebo zkopírovat do schránky.\n"
      u"\n"
      u"Translátor rozdělí krátký text (nejvýše 128 slov) na jednotlivá slova,\n"
      u"ke každému nabídne významy ze slovníku a ze zvolených významů sestaví\n"
      u"větu, kterou lze zkopírovat do schránky.\n"
      u"\n"
      u"Slovní zásoba pochází ze slovníku FreeDict English-Czech\n"
      u"(dicts.info/FreeDict Dictionary, © dicts.info a projekt FreeDict),\n"
      u"šířeného pod licencí GNU GPL verze 2 nebo novější.\n"
      u"\n"
      u"slovnik je svobodný software: můžete jej šířit a upravovat podle\n"
      u"GNU General Public License verze 2 nebo (podle své volby) kterékoli\n"
      u"pozdější verze. Je šířen v naději, že bude užitečný, ale BEZ JAKÉKOLI ZÁRUKY.";

// The group box's frame as the design draws it, etched: a shadow line with a highlight line
// inside. The style's own frame is a light picture hardly seen on the button face (215 on 239).
class EtchedGroupBox final : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        const QRect frame
            = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, this);
        drawEdge(painter, frame, Edge::SunkenOuter, palette());
        drawEdge(painter, frame.adjusted(1, 1, -1, -1), Edge::RaisedInner, palette());
        option.subControls = QStyle::SC_GroupBoxLabel;
        painter.drawComplexControl(QStyle::CC_GroupBox, option);
    }
};

// The description is read, not edited: it has no caret, and it shows the focus as other controls
// without one do, by the focus frame around its text; the keyboard still scrolls it.
class DescriptionBox final : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPlainTextEdit::paintEvent(event);
        if (hasFocus()) {
            QPainter painter(viewport());
            drawFocusFrame(painter, *this, viewport()->rect());
        }
    }
    void focusInEvent(QFocusEvent *event) override
    {
        QPlainTextEdit::focusInEvent(event);
        viewport()->update();
    }
    void focusOutEvent(QFocusEvent *event) override
    {
        QPlainTextEdit::focusOutEvent(event);
        viewport()->update();
    }
};

QLabel *makePicture(QWidget *parent, const QRect &geometry, const QString &accessibleName)
{
    auto *const picture = new QLabel(parent);
    picture->setGeometry(geometry);
    picture->setAccessibleName(accessibleName);
    return picture;
}

// The role the label draws its text in: on the group box's button-face background that is the
// button text, not the window text.
void paintText(QWidget &widget, const QColor &colour)
{
    QPalette palette = widget.palette();
    palette.setColor(widget.foregroundRole(), colour);
    widget.setPalette(palette);
}

} // namespace

TAboutForm::TAboutForm(QWidget *parent) :
    QDialog(parent),
    m_openUrl(&QDesktopServices::openUrl),
    m_GroupBox1(designNamed(new EtchedGroupBox(QStringLiteral(" O aplikaci "), this), "GroupBox1"))
{
    // One blank before, none after the hyphen: the window's own spelling.
    setWindowTitle(QStringLiteral(" Anglicko- český slovník"));
    setWindowIcon(dictionaryWindowIcon());
    setModal(true);
    m_GroupBox1->setGeometry(kGroupBox1);
    m_GroupBox1->setBackgroundRole(QPalette::Button);
    m_GroupBox1->setAutoFillBackground(true);
    m_GroupBox1->setAccessibleName(m_GroupBox1->title().trimmed());
    buildTitleRow();
    buildLinkRow();
    makeFixedDialogWindow(*this, kClientSize, false);
}

void TAboutForm::buildTitleRow()
{
    QLabel *const image1
        = designNamed(makePicture(m_GroupBox1, kImage1, QStringLiteral("Ikona slovníku")), "Image1");
    m_unpaintedPictures.push_back({image1, dictionaryWindowIcon()});
    QLabel *const title = designNamed(
        new QLabel(QStringLiteral("Anglicko - český oboustranný slovník + translátor"), m_GroupBox1),
        "Label12");
    title->setGeometry(kLabel12);
    QFont titleFont = arialFont(kTitlePixels);
    titleFont.setBold(true);
    title->setFont(titleFont);
    paintText(*title, kDesignBlue);
}

void TAboutForm::buildDescription()
{
    m_Memo1 = designNamed(new DescriptionBox(m_GroupBox1), "Memo1");
    m_Memo1->setGeometry(kMemo1);
    m_Memo1->setReadOnly(true);
    m_Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_Memo1->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QTextOption centred = m_Memo1->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    m_Memo1->document()->setDefaultTextOption(centred);
    QPalette palette = m_Memo1->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    m_Memo1->setPalette(palette);
    m_Memo1->setAccessibleName(QStringLiteral("Popis aplikace"));
    // Built after the link, it comes before it in the tab order as it stands above it, and made
    // while the window is showing, it is shown explicitly, or it would stay hidden.
    setTabOrder(m_Memo1, m_AboutLabel);
    m_Memo1->show();
}

void TAboutForm::buildLinkRow()
{
    QLabel *const badge = designNamed(makePicture(m_GroupBox1, kImage3, QStringLiteral("slovnik")), "Image3");
    m_unpaintedPictures.push_back({badge, pictureIcon(pictures::slovnikBadge, QSizeF(pictures::kBadgeSize))});
    QLabel *const globe
        = designNamed(makePicture(m_GroupBox1, kImage4, QStringLiteral("Internetová stránka")), "Image4");
    m_unpaintedPictures.push_back({globe, pictureIcon(pictures::globe, QSizeF(pictures::kGlobeSize))});
    globe->setCursor(Qt::PointingHandCursor);

    m_AboutLabel = designNamed(new LinkLabel(m_GroupBox1), "AboutLabel");
    QFont linkFont = designFont();
    linkFont.setBold(true);
    m_AboutLabel->setFont(linkFont);
    paintText(*m_AboutLabel, kDesignBlue);
    m_AboutLabel->setAlignment(Qt::AlignCenter);
    m_AboutLabel->setToolTip(QStringLiteral("Připojit k internetové stránce"));
    m_AboutLabel->setAccessibleName(QString::fromUtf16(kProjectWebAddress));
    m_AboutLabel->setGeometry(kAboutLabel);
    connect(m_AboutLabel, &LinkLabel::clicked, this, &TAboutForm::AboutLabelClick);
}

void TAboutForm::ensureText()
{
    if (m_Memo1)
        return;
    takeDesignFont(*m_GroupBox1);
    buildDescription();
    m_Memo1->setPlainText(QString::fromUtf16(kDescription));
    // The bold link face is loaded by the first text set in it, so the address waits here too.
    m_AboutLabel->setText(QString::fromUtf16(kProjectWebAddress));
    // The design's 136 pixels held a shorter address; a cut address could be neither read nor
    // trusted, so the label widens to the right as far as the address needs.
    const int textWidth
        = m_AboutLabel->fontMetrics().horizontalAdvance(m_AboutLabel->text()) + 2 * kAboutLabelTextMargin;
    const int width
        = std::min(std::max(kAboutLabel.width(), textWidth), kAboutLabelRightLimit - kAboutLabel.left());
    m_AboutLabel->setGeometry(kAboutLabel.left(), kAboutLabel.top(), width, kAboutLabel.height());
}

void TAboutForm::setUrlOpener(UrlOpener opener)
{
    m_openUrl = std::move(opener);
}

void TAboutForm::AboutLabelClick()
{
    if (m_openUrl)
        static_cast<void>(m_openUrl(QUrl(m_AboutLabel->text())));
}

void TAboutForm::showEvent(QShowEvent *event)
{
    ensureText();
    QDialog::showEvent(event);
    if (!event->spontaneous())
        centreOnScreen(*this);
    // The window is created at start-up but seldom opened: its pictures are rendered when it
    // first appears, for the pixel ratio of the screen it appears on, so they stay crisp.
    for (const auto &[picture, icon] : m_unpaintedPictures)
        picture->setPixmap(icon.pixmap(picture->size(), devicePixelRatioF()));
    m_unpaintedPictures.clear();
}

} // namespace slovnik

#include "Trans.h"

#include "Cp1250.h"
#include "Dic.h"
#include "SourceLines.h"
#include "Ex3DButton.h"
#include "ExDialog.h"
#include "Icons.h"
#include "ImageList.h"
#include "ScrollBox.h"
#include "SpeakerButton.h"
#include "SpokenText.h"
#include "SuggestedOffers.h"
#include "Translate.h"
#include "Translation.h"
#include "WindowPlacement.h"
#include "WindowParts.h"
#include "WordGrid.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>

#include <algorithm>
#include <string>
#include <vector>

namespace slovnik {

namespace {

constexpr QSize kDesignOuterSize(274, 376);
constexpr QSize kDesignClientSize = kDesignOuterSize - kDesignFrame;
constexpr int kScreenBottomGap = 40;
constexpr int kScreenRightGap = 1;

constexpr int kToolStripHeight = 24;
constexpr int kTextPanelHeight = 45;
constexpr int kMemoHeight = 32;
constexpr int kSpacerHeight = 5;
constexpr int kSourcePanelTop = kToolStripHeight;
constexpr int kTranslatedPanelTop = kSourcePanelTop + kTextPanelHeight;
constexpr int kSpacerTop = kTranslatedPanelTop + kTextPanelHeight;
constexpr int kScrollBoxTop = kSpacerTop + kSpacerHeight;

constexpr int kGridWidth = 131;
// The grid and a 4-pixel gap.
constexpr int kComboPanelLeft = 135;
constexpr int kDesignWordAreaHeight = 230;
// A box spans its grid row; the grid line below the row stays free.
constexpr int kBoxHeight = RowPitch - 1;

constexpr StripButtonDesign kPasteBtn{3, 22, ButtonImage::Paste, u"Vložit zdrojový text"};
constexpr StripButtonDesign kCopyBtn{26, 22, ButtonImage::Copy, u"Kopírovat přeložený text"};
constexpr StripButtonDesign kToListBtn{50, 22, ButtonImage::IntoList, u"Vložit text do mřížky pro překlad"};
constexpr StripButtonDesign kFromListBtn{72, 22, ButtonImage::OutOfList, u"Sestavit větu z přeložených slov"};
constexpr StripButtonDesign kTransBtn{100, 21, ButtonImage::OpenBook, u"Přeložit", u"Překlad"};
constexpr StripButtonDesign kLangBtn{126, 34, FlagImage::CzechToEnglish, u"Změna směru překladu"};
constexpr StripButtonDesign kHelp{162, 22, ButtonImage::HelpBook, u"Nápověda", u"Nápověda"};
// Right after the help button, as the copy button follows the paste button.
constexpr int kSpeakBtnLeft = 185;
constexpr const char16_t *kSpeakBtnHint = u"Přečíst anglický text";

QPlainTextEdit *makeMemo(QWidget *parent)
{
    auto *memo = new QPlainTextEdit(parent);
    memo->setFrameStyle(QFrame::Box | QFrame::Plain);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab moves on to the next control; a tab reaches the text only by a paste.
    memo->setTabChangesFocus(true);
    return memo;
}

QComboBox *makeWordBox(QWidget *panel, int index, int width)
{
    auto *box = new QComboBox(panel);
    box->setEditable(true);
    // The offers are the dictionary's; what the user types only changes the box's text.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setMaxVisibleItems(kVisibleListLines);
    box->setGeometry(0, RowPitch * index + kGridBorder, width, kBoxHeight);
    box->show();
    return box;
}

// The offers replace whatever the box held, a typed text included; offer 0 is the chosen one.
void showOffers(QComboBox &box, const QStringList &offers)
{
    box.clear();
    box.addItems(offers);
    if (offers.isEmpty())
        box.setEditText(QString());
    else
        box.setCurrentIndex(0);
}

} // namespace

TTransForm::TTransForm(ImageList *flagImages, std::span<const DictionaryEntry> table,
                       QWidget *parent)
    : QWidget(parent, Qt::Window),
      m_table(table),
      m_suggester(table),
      m_ImageList1(createButtonImages(this)),
      m_Panel1(new QWidget(this)),
      m_Panel2(new QWidget(m_Panel1)),
      m_Panel4(new QWidget(m_Panel1)),
      m_Panel3(new QWidget(m_Panel1)),
      m_Panel6(new QWidget(m_Panel1))
{
    setWindowTitle(QStringLiteral("Translator"));
    setWindowIcon(translatorWindowIcon());
    setFont(designFont());
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    buildToolStrip(flagImages);
    buildTextPanels();
    buildWordArea();
    setTabOrder(m_Memo2, m_Memo1);
    setTabOrder(m_Memo1, m_StringGrid1);
    connectHandlers();
    resize(kDesignClientSize);
    FormCreate();
}

void TTransForm::buildToolStrip(ImageList *flagImages)
{
    m_PasteBtn = addStripButton(m_Panel2, m_ImageList1, kPasteBtn);
    m_CopyBtn = addStripButton(m_Panel2, m_ImageList1, kCopyBtn);
    m_ToListBtn = addStripButton(m_Panel2, m_ImageList1, kToListBtn);
    m_FromListBtn = addStripButton(m_Panel2, m_ImageList1, kFromListBtn);
    m_TransBtn = addStripButton(m_Panel2, m_ImageList1, kTransBtn);
    m_LangBtn = addStripButton(m_Panel2, flagImages, kLangBtn);
    m_Help = addStripButton(m_Panel2, m_ImageList1, kHelp);
    m_SpeakBtn = new SpeakerButton(m_Panel2, kSpeakBtnLeft, kSpeakBtnHint);
}

void TTransForm::buildTextPanels()
{
    m_Label2 = new QLabel(QStringLiteral("Zdrojový text"), m_Panel4);
    m_Label2->move(0, 0);
    m_Label2->adjustSize();
    m_Memo1 = makeMemo(m_Panel4);
    m_Memo1->setAccessibleName(m_Label2->text());
    m_Label1 = new QLabel(QStringLiteral("Přeložený text"), m_Panel3);
    m_Label1->move(0, 0);
    m_Label1->adjustSize();
    m_Memo2 = makeMemo(m_Panel3);
    m_Memo2->setAccessibleName(m_Label1->text());
}

void TTransForm::buildWordArea()
{
    m_ScrollBox1 = new ScrollBox(m_Panel1);
    m_scrollContent = new QWidget(m_ScrollBox1);
    m_StringGrid1 = new WordGrid(m_scrollContent);
    m_StringGrid1->setGeometry(0, 0, kGridWidth, kDesignWordAreaHeight);
    m_StringGrid1->setAccessibleName(QStringLiteral("Slova zdrojového textu"));
    m_ComboPanel = new QWidget(m_scrollContent);
    m_ComboPanel->setGeometry(kComboPanelLeft, 0, kGridWidth, kDesignWordAreaHeight);
    fitScrollContent();
    m_ScrollBox1->setWidget(m_scrollContent);
}

void TTransForm::connectHandlers()
{
    connect(m_PasteBtn, &TEx3DButton::clicked, this, &TTransForm::PasteBtnClick);
    connect(m_CopyBtn, &TEx3DButton::clicked, this, &TTransForm::CopyBtnClick);
    connect(m_ToListBtn, &TEx3DButton::clicked, this, &TTransForm::ToListBtnClick);
    connect(m_FromListBtn, &TEx3DButton::clicked, this, &TTransForm::FromListBtnClick);
    connect(m_TransBtn, &TEx3DButton::clicked, this, &TTransForm::TransBtnClick);
    connect(m_LangBtn, &TEx3DButton::clicked, this, &TTransForm::LangBtnClick);
    connect(m_Help, &TEx3DButton::clicked, this, &TTransForm::HelpClick);
    connect(m_ScrollBox1, &ScrollBox::viewResized, this, &TTransForm::ComboPanelResize);
}

void TTransForm::setSpeaker(Speaker &speaker)
{
    m_SpeakBtn->connectSpeaker(speaker, [this] {
        return translatorTextToSpeak(m_Memo1->toPlainText(), m_Memo2->toPlainText(), m_TransDirection);
    });
}

void TTransForm::setHelpWindow(QWidget *helpWindow)
{
    m_helpWindow = helpWindow;
}

void TTransForm::FormCreate()
{
    m_TransDirection = TranslationDirection::CzechToEnglish;
    if (const QScreen *const screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        resize(width(), area.height() - kScreenBottomGap - kDesignFrame.height());
        move(area.x() + area.width() - kDesignOuterSize.width() - kScreenRightGap, area.y());
    }
}

void TTransForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // FormShow: the source text can be typed or pasted at once.
    m_Memo1->setFocus();
}

void TTransForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int w = width();
    m_Panel1->setGeometry(rect());
    m_Panel2->setGeometry(0, 0, w, kToolStripHeight);
    m_Panel4->setGeometry(0, kSourcePanelTop, w, kTextPanelHeight);
    m_Panel3->setGeometry(0, kTranslatedPanelTop, w, kTextPanelHeight);
    m_Panel6->setGeometry(0, kSpacerTop, w, kSpacerHeight);
    m_Memo1->setGeometry(0, kTextPanelHeight - kMemoHeight, w, kMemoHeight);
    m_Memo2->setGeometry(0, kTextPanelHeight - kMemoHeight, w, kMemoHeight);
    m_ScrollBox1->setGeometry(0, kScrollBoxTop, w, std::max(0, height() - kScrollBoxTop));
}

void TTransForm::PasteBtnClick()
{
    m_Memo1->clear();
    m_Memo1->paste();
}

void TTransForm::CopyBtnClick()
{
    m_Memo2->copy();
}

void TTransForm::ToListBtnClick()
{
    m_StringGrid1->setWords({});
    destroyWordBoxes();
    const SourceWords source = splitSourceLines(sourceLines(*m_Memo1));
    if (source.truncated)
        ShowExtendedDialog(shortenedTextNotice(), MessageLanguage::Czech);
    if (source.words.empty())
        return;

    QStringList words;
    for (const std::string &word : source.words)
        words.append(fromCp1250(word));
    m_StringGrid1->setWords(words);
    const int count = static_cast<int>(words.size());
    createWordBoxes(count);
    m_StringGrid1->resize(kGridWidth, gridHeightFor(count));
    m_ComboPanel->resize(m_ComboPanel->width(), gridHeightFor(count));
    fitScrollContent();
}

void TTransForm::FromListBtnClick()
{
    if (m_WordBoxes.isEmpty())
        return;
    std::vector<std::string> boxTexts;
    boxTexts.reserve(static_cast<std::size_t>(m_WordBoxes.size()));
    for (const QComboBox *box : m_WordBoxes)
        boxTexts.push_back(toCp1250(box->currentText()));
    m_Memo2->setPlainText(fromCp1250(buildSentence(boxTexts)));
}

void TTransForm::TransBtnClick()
{
    if (m_WordBoxes.isEmpty())
        return;
    const BusyCursorScope busy;
    for (int row = 0; row < m_WordBoxes.size(); ++row) {
        QComboBox &CurrentBox = *m_WordBoxes[row];
        const std::string word = toCp1250(m_StringGrid1->word(row));
        const QStringList offers = wordOffers(m_table, word, m_TransDirection);
        showOffers(CurrentBox, offers);
        if (offers.isEmpty())
            showSuggestedOffers(CurrentBox, suggestedOffers(m_suggester, m_table, word, m_TransDirection));
    }
}

void TTransForm::LangBtnClick()
{
    m_TransDirection = flipped(m_TransDirection);
    m_LangBtn->setImageIndex(flagOf(m_TransDirection));
}

void TTransForm::HelpClick()
{
    showInFront(m_helpWindow);
}

void TTransForm::ComboPanelResize()
{
    // The view's width, not the area's: a vertical scroll bar would otherwise cover the boxes'
    // drop-down arrows and call up a horizontal one.
    const int width = std::max(0, m_ScrollBox1->viewport()->width() - kComboPanelLeft);
    m_ComboPanel->resize(width, m_ComboPanel->height());
    for (QComboBox *box : m_WordBoxes)
        box->resize(width, box->height());
    fitScrollContent();
}

void TTransForm::destroyWordBoxes()
{
    qDeleteAll(m_WordBoxes);
    m_WordBoxes.clear();
}

void TTransForm::createWordBoxes(int count)
{
    QWidget *previous = m_Memo1;
    for (int index = 0; index < count; ++index) {
        QComboBox *const box = makeWordBox(m_ComboPanel, index, m_ComboPanel->width());
        box->setAccessibleName(m_StringGrid1->word(index));
        m_WordBoxes.append(box);
        setTabOrder(previous, box);
        previous = box;
    }
    setTabOrder(previous, m_StringGrid1);
}

void TTransForm::fitScrollContent()
{
    const QRect grid = m_StringGrid1->geometry();
    const QRect panel = m_ComboPanel->geometry();
    m_scrollContent->resize(std::max(grid.right(), panel.right()) + 1,
                            std::max(grid.bottom(), panel.bottom()) + 1);
}

} // namespace slovnik

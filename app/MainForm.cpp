#include "MainForm.h"

#include "BusyCursor.h"
#include "Cp1250.h"
#include "Dic.h"
#include "Ex3DButton.h"
#include "ExDialog.h"
#include "Icons.h"
#include "ImageList.h"
#include "ResultChooser.h"
#include "ResultLine.h"
#include "ResultLineText.h"
#include "Search.h"
#include "SpeakerButton.h"
#include "SpokenText.h"
#include "SuggestionBar.h"
#include "WindowPlacement.h"
#include "WindowParts.h"
#include "WordListView.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLineEdit>

namespace slovnik {

namespace {

constexpr QSize kDesignClientSize(468, 201);
constexpr QSize kMinimumOuterSize(425, 122);

constexpr int kButtonStripHeight = 23;
constexpr int kQueryRowTop = kButtonStripHeight;
constexpr int kQueryRowHeight = 24;
constexpr int kWordListTop = kQueryRowTop + kQueryRowHeight;
constexpr int kQueryBoxWidth = 170;
constexpr int kComboTop = 1;
constexpr int kComboHeight = 22;
constexpr QSize kTranslatorPanelSize(80, 23);

constexpr int kSquare = 22;
constexpr StripButtonDesign kCopyBtn{1, kSquare, ButtonImage::Copy, u"Kopírovat"};
constexpr StripButtonDesign kPasteBtn{23, kSquare, ButtonImage::Paste, u"Vložit"};
constexpr StripButtonDesign kToListBtn{50, kSquare, ButtonImage::IntoList, u"Přidat do seznamu"};
constexpr StripButtonDesign kLangBtn{79, 34, FlagImage::CzechToEnglish, u"Změna směru překladu"};
constexpr StripButtonDesign kHelpButton{118, kSquare, ButtonImage::HelpBook, u"Nápověda"};
constexpr StripButtonDesign kAboutBtn{140, kSquare, ButtonImage::About, u"O aplikaci"};
// In the strip's free space after the About button, as far from it as the help button is from the
// direction button.
constexpr int kSpeakBtnLeft = 167;
constexpr const char16_t *kSpeakBtnHint = u"Přečíst anglické slovo";
// Within Panel3; it has a caption and no hint.
constexpr StripButtonDesign kTranslBtn{4, 71, ButtonImage::Sheet, u"", u"Translátor"};

} // namespace

TMainForm::TMainForm(const ExternalModule &module, std::span<const DictionaryEntry> table, QWidget *parent)
    : QWidget(parent, Qt::Window),
      m_ImageList1(createButtonImages(this)),
      m_ImageList2(createFlagImages(this)),
      m_Panel1(new QWidget(this)),
      m_Panel2(new QWidget(m_Panel1)),
      m_Panel3(new QFrame(m_Panel2)),
      m_PanelTop(new QWidget(m_Panel1)),
      m_ComboBox2(new ResultChooser(m_PanelTop)),
      m_suggestions(new SuggestionBar(table, m_PanelTop)),
      m_ListView1(new WordListView(m_Panel1)),
      m_queryRun(table, *m_ComboBox2, *this)
{
    setWindowTitle(QStringLiteral(" Anglicko - český slovnik + translátor"));
    setWindowIcon(dictionaryWindowIcon());
    setFont(arialFont(kDesignFontPixels));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    buildButtonStrip();
    buildQueryRow();
    m_ListView1->setGeometry(0, kWordListTop, kDesignClientSize.width(),
                             kDesignClientSize.height() - kWordListTop);
    m_ListView1->setAccessibleName(QStringLiteral("Seznam slov"));
    setTabOrder(m_ComboBox2, m_ComboBox1);
    setTabOrder(m_ComboBox1, m_ListView1);
    m_suggestions->placeInTabOrder(m_ComboBox1, m_ListView1);
    connectHandlers();
    setMinimumSize(kMinimumOuterSize - kDesignFrame);
    resize(kDesignClientSize);
    centreOnScreen(*this);
    FormCreate(module);
}

void TMainForm::buildButtonStrip()
{
    m_CopyBtn = addStripButton(m_Panel2, m_ImageList1, kCopyBtn);
    m_PasteBtn = addStripButton(m_Panel2, m_ImageList1, kPasteBtn);
    m_ToListBtn = addStripButton(m_Panel2, m_ImageList1, kToListBtn);
    m_LangBtn = addStripButton(m_Panel2, m_ImageList2, kLangBtn);
    m_HelpButton = addStripButton(m_Panel2, m_ImageList1, kHelpButton);
    m_AboutBtn = addStripButton(m_Panel2, m_ImageList1, kAboutBtn);
    m_SpeakBtn = new SpeakerButton(m_Panel2, kSpeakBtnLeft, kSpeakBtnHint);

    m_Panel3->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_Panel3->resize(kTranslatorPanelSize);
    m_TranslBtn = addStripButton(m_Panel3, m_ImageList1, kTranslBtn);
    // The button reaches down over the panel's bottom edge; the same border drawn once more, above
    // the button and blind to the mouse, keeps the raised border whole around it.
    auto *const border = new QFrame(m_Panel3);
    border->setFrameStyle(m_Panel3->frameStyle());
    border->setAttribute(Qt::WA_TransparentForMouseEvents);
    border->resize(kTranslatorPanelSize);
    border->raise();
}

void TMainForm::buildQueryRow()
{
    m_ComboBox1 = new QComboBox(m_PanelTop);
    m_ComboBox1->setEditable(true);
    // The history grows only by chosen result lines, never by what is typed.
    m_ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    m_ComboBox1->setCompleter(nullptr);
    m_ComboBox1->setMaxVisibleItems(kVisibleListLines);
    m_ComboBox1->setGeometry(0, kComboTop, kQueryBoxWidth, kComboHeight);
    m_ComboBox1->setToolTip(QStringLiteral("Zadejte slovo pro překlad"));
    m_ComboBox1->setAccessibleName(m_ComboBox1->toolTip());
    m_ComboBox2->setGeometry(kQueryBoxWidth, kComboTop, kDesignClientSize.width() - kQueryBoxWidth, kComboHeight);
    m_ComboBox2->setAccessibleName(QStringLiteral("Nalezené překlady"));
    m_suggestions->setGeometry(m_ComboBox2->geometry());
}

void TMainForm::connectHandlers()
{
    // Typing runs the query; so does picking a history line. Texts the program puts into the box
    // go through setQueryText and run it by their handler's own call.
    connect(m_ComboBox1->lineEdit(), &QLineEdit::textEdited, this, &TMainForm::ComboBox1Change);
    connect(m_ComboBox1, &QComboBox::activated, this, &TMainForm::ComboBox1Change);
    connect(m_ComboBox2, &ResultChooser::lineChosenByUser, this, &TMainForm::ComboBox2Click);
    connect(m_ListView1, &WordListView::pressedAt, this, &TMainForm::ListView1MouseDown);
    connect(m_suggestions, &SuggestionBar::wordChosen, this, &TMainForm::suggestionChosen);
    connect(m_CopyBtn, &TEx3DButton::clicked, this, &TMainForm::CopyBtnClick);
    connect(m_PasteBtn, &TEx3DButton::clicked, this, &TMainForm::PasteBtnClick);
    connect(m_ToListBtn, &TEx3DButton::clicked, this, &TMainForm::ToListBtnClick);
    connect(m_LangBtn, &TEx3DButton::clicked, this, &TMainForm::LangBtnClick);
    connect(m_HelpButton, &TEx3DButton::clicked, this, &TMainForm::HelpButtonClick);
    connect(m_AboutBtn, &TEx3DButton::clicked, this, &TMainForm::AboutBtnClick);
    connect(m_TranslBtn, &TEx3DButton::clicked, this, &TMainForm::TranslBtnClick);
}

void TMainForm::setCompanionWindows(const CompanionWindows &windows)
{
    m_companions = windows;
}

void TMainForm::setSpeaker(Speaker &speaker)
{
    m_SpeakBtn->connectSpeaker(speaker, [this] {
        return dictionaryTextToSpeak(m_ComboBox2->chosenLine(), m_ComboBox1->currentText(), m_direction);
    });
}

void TMainForm::FormCreate(const ExternalModule &module)
{
    runStartupSequence(m_direction, module);
}

void TMainForm::ComboBox1Change()
{
    // Suggestions stand only where the finished run left the list empty.
    m_suggestions->hide();
    m_queryRun.run(toCp1250(m_ComboBox1->currentText()), m_direction);
    m_suggestions->offerFor(m_ComboBox1->currentText(), m_direction, m_ComboBox2->count() > 0);
}

void TMainForm::ComboBox2Click()
{
    const QString line = m_ComboBox2->chosenLine();
    LineWords words = lineWords(line);
    words.other.truncate(kMaxOtherWordLength);
    if (words.word.isEmpty() || words.other.isEmpty())
        return;
    bool inHistory = false;
    for (int i = 0; i < m_ComboBox1->count() && !inHistory; ++i)
        inHistory = m_ComboBox1->itemText(i).compare(line, Qt::CaseInsensitive) == 0;
    if (!inHistory) {
        // The first line of an empty history would become the chosen one and the box's text;
        // the query stays, and no history line is chosen until the user picks one.
        const QString typed = m_ComboBox1->currentText();
        m_ComboBox1->addItem(line);
        m_ComboBox1->setCurrentIndex(-1);
        setQueryText(typed);
    }
    m_ListView1->addRow(words.word, words.other);
}

void TMainForm::PanelTopResize()
{
    m_ComboBox2->resize(std::max(0, width() - kQueryBoxWidth), m_ComboBox2->height());
    m_suggestions->setGeometry(m_ComboBox2->geometry());
}

void TMainForm::ListView1MouseDown(int x)
{
    const int row = m_ListView1->selectedRow();
    if (row < 0)
        return;
    // A row added by the button holds one word: right of column 1 that word is taken too.
    const std::optional<QString> other = m_ListView1->otherAt(row);
    setQueryText(m_ListView1->rightOfFirstColumn(x) && other ? *other : m_ListView1->wordAt(row));
    ComboBox1Change();
}

void TMainForm::suggestionChosen(const QString &word)
{
    setQueryText(word);
    ComboBox1Change();
    m_ComboBox1->setFocus();
}

void TMainForm::LangBtnClick()
{
    m_direction = flipped(m_direction);
    m_LangBtn->setImageIndex(flagOf(m_direction));
    ComboBox1Change();
}

void TMainForm::CopyBtnClick()
{
    const QWidget *focused = QApplication::focusWidget();
    const bool queryBoxHasFocus = focused && (focused == m_ComboBox1 || m_ComboBox1->isAncestorOf(focused));
    const QString text = queryBoxHasFocus ? m_ComboBox1->currentText() : m_ComboBox2->chosenLine();
    ShowExtendedDialog(text, MessageLanguage::Czech);
    QGuiApplication::clipboard()->setText(takenText(text));
}

void TMainForm::PasteBtnClick()
{
    setQueryText(QGuiApplication::clipboard()->text());
    // A pasted word is searched as if it had been typed.
    ComboBox1Change();
}

void TMainForm::ToListBtnClick()
{
    m_ListView1->addRow(lineWords(m_ComboBox2->chosenLine()).word, std::nullopt);
}

void TMainForm::TranslBtnClick()
{
    showInFront(m_companions.translator);
}

void TMainForm::HelpButtonClick()
{
    showInFront(m_companions.dictionaryHelp);
}

void TMainForm::AboutBtnClick()
{
    if (m_companions.about)
        m_companions.about->exec();
}

void TMainForm::setQueryText(const QString &text)
{
    // QLineEdit::setText is not an edit by the user, so textEdited stays quiet.
    m_ComboBox1->lineEdit()->setText(text);
}

void TMainForm::processPendingEvents()
{
    QCoreApplication::processEvents();
}

void TMainForm::setBusyCursor(bool busy)
{
    slovnik::setBusyCursor(busy);
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    // exit, not quit: quit would first ask every other window to close, and one that refused
    // would keep the program running without its main window.
    if (event->isAccepted())
        QCoreApplication::exit(0);
}

void TMainForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // FormShow: the learner can type at once.
    m_ComboBox1->setFocus();
}

void TMainForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();
    m_Panel1->setGeometry(0, 0, w, h);
    m_Panel2->setGeometry(0, 0, w, kButtonStripHeight);
    m_Panel3->move(w - kTranslatorPanelSize.width(), 0);
    m_PanelTop->setGeometry(0, kQueryRowTop, w, kQueryRowHeight);
    PanelTopResize();
    m_ListView1->setGeometry(0, kWordListTop, w, std::max(0, h - kWordListTop));
}

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/MainForm.h"

#include "app/ResultChooser.h"
#include "app/SelectionWatch.h"
#include "app/SuggestionBar.h"
#include "app/WordListView.h"
#include "common/DictionaryHints.h"
#include "common/ResultLineText.h"
#include "common/SpokenText.h"
#include "controls/AccessibleControls.h"
#include "controls/BusyCursor.h"
#include "controls/ButtonKeys.h"
#include "controls/ButtonStrip.h"
#include "controls/DesignFonts.h"
#include "controls/DesignNames.h"
#include "controls/DropDownBoxes.h"
#include "controls/Ex3DButton.h"
#include "controls/ExDialog.h"
#include "controls/Hints.h"
#include "controls/Icons.h"
#include "controls/ImageList.h"
#include "controls/LinkLabel.h"
#include "controls/SpeakerButton.h"
#include "controls/WindowPlacement.h"
#include "engine/Dic.h"
#include "engine/ResultLine.h"
#include "engine/Search.h"
#include "text/Cp1250.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTimer>

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

constexpr int kLangBtnLeft = 79;
// In the strip's free space after the About button, as far from it as the help button is from the
// direction button.
constexpr int kSpeakBtnLeft = 167;
constexpr const char16_t *kSpeakBtnHint = u"Přečíst anglické slovo";
// After the speaker button, as far from it as the speaker button is from the About button.
constexpr int kBaseFormLinkLeft = 194;
// Between the base-form link and Panel3, at the strip's right.
constexpr int kWatchToggleGap = 4;
// Within Panel3; it has a caption and no hint.
constexpr StripButtonDesign kTranslBtn{"TranslBtn", 4, ButtonImage::Sheet, u"", u"Translátor", 71};

} // namespace

TMainForm::TMainForm(const ExternalModule &module, std::span<const DictionaryEntry> table, QWidget *parent) :
    QWidget(parent, Qt::Window),
    m_buttonImages(createButtonImages(this)),
    m_flagImages(createFlagImages(this)),
    m_body(designNamed(new QWidget(this), "Panel1")),
    m_buttonStrip(new ButtonStrip("Panel2", kButtonStripHeight, m_body)),
    m_translatorPanel(designNamed(new QFrame(m_buttonStrip), "Panel3")),
    m_queryRow(designNamed(new QWidget(m_body), "PanelTop")),
    m_resultChooser(designNamed(new ResultChooser(m_queryRow), "ComboBox2")),
    m_suggestions(designNamed(new SuggestionBar(table, m_queryRow), "SuggestionBar")),
    m_baseFormLink(designNamed(new LinkLabel(m_buttonStrip), "BaseFormLink")),
    m_table(table),
    m_wordList(designNamed(new WordListView(m_body), "ListView1")),
    m_queryRun(table, *m_resultChooser, *this)
{
    setWindowTitle(QStringLiteral(" Anglicko - český slovnik + translátor"));
    setWindowIcon(dictionaryWindowIcon());
    showHintsWhileTheProgramIsActive(*this);
    setFont(arialFont(kDesignFontPixels));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    buildButtonStrip();
    buildQueryRow();
    m_wordList->setGeometry(0, kWordListTop, kDesignClientSize.width(),
                            kDesignClientSize.height() - kWordListTop);
    m_wordList->setAccessibleName(QStringLiteral("Seznam slov"));
    setTabOrder(m_resultChooser, m_queryBox);
    setTabOrder(m_queryBox, m_wordList);
    m_suggestions->placeInTabOrder(m_queryBox, m_baseFormLink);
    setTabOrder(m_baseFormLink, m_wordList);
    connectHandlers();
    // Once the window is up: a check box is the strip's only control of its kind, and its style's
    // parts would add to the memory the start takes.
    if (SelectionWatch::available())
        QTimer::singleShot(0, this, &TMainForm::buildSelectionWatch);
    setMinimumSize(kMinimumOuterSize - kDesignFrame);
    resize(kDesignClientSize);
    centreOnScreen(*this);
    FormCreate(module);
}

void TMainForm::buildButtonStrip()
{
    static constexpr StripButton<TMainForm> kButtons[]{
        {{"CopyBtn", 1, ButtonImage::Copy, u"Kopírovat"}, &TMainForm::CopyBtnClick},
        {{"PasteBtn", 23, ButtonImage::Paste, u"Vložit"}, &TMainForm::PasteBtnClick},
        {{"ToListBtn", 50, ButtonImage::IntoList, u"Přidat do seznamu"}, &TMainForm::ToListBtnClick},
        {{"HelpButton", 118, ButtonImage::HelpBook, u"Nápověda"}, &TMainForm::HelpButtonClick},
        {{"AboutBtn", 140, ButtonImage::About, u"O aplikaci"}, &TMainForm::AboutBtnClick},
    };
    m_buttonStrip->addButtons<TMainForm>(kButtons, m_buttonImages, this);
    m_buttonStrip->addDirectionButton(kLangBtnLeft, m_flagImages, this, &TMainForm::LangBtnClick);
    m_buttonStrip->giveKey("CopyBtn", kCopyKey);
    m_buttonStrip->giveKey("LangBtn", kDirectionKey);
    m_speakButton = new SpeakerButton(m_buttonStrip, kSpeakBtnLeft, kSpeakBtnHint);
    m_baseFormLink->setTextFormat(Qt::PlainText);
    m_baseFormLink->setForegroundRole(QPalette::Link);
    m_baseFormLink->setToolTip(QStringLiteral("Vyhledat základní tvar"));
    m_baseFormLink->hide();

    m_translatorPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_translatorPanel->resize(kTranslatorPanelSize);
    connect(addStripButton(m_translatorPanel, m_buttonImages, kTranslBtn), &TEx3DButton::clicked, this,
            &TMainForm::TranslBtnClick);
    // The button reaches down over the panel's bottom edge; the same border drawn once more, above
    // the button and blind to the mouse, keeps the raised border whole around it.
    auto *const border = new QFrame(m_translatorPanel);
    border->setFrameStyle(m_translatorPanel->frameStyle());
    border->setAttribute(Qt::WA_TransparentForMouseEvents);
    border->resize(kTranslatorPanelSize);
    border->raise();
}

void TMainForm::buildQueryRow()
{
    m_queryBox = designNamed(new QComboBox(m_queryRow), "ComboBox1");
    m_queryBox->setEditable(true);
    // The history grows only by chosen result lines, never by what is typed.
    m_queryBox->setInsertPolicy(QComboBox::NoInsert);
    m_queryBox->setCompleter(nullptr);
    // The wheel over the unfocused boxes picks neither a history line nor a result line.
    changeOnlyWhenFocusedByWheel(*m_queryBox);
    changeOnlyWhenFocusedByWheel(*m_resultChooser);
    // The text stands at the box's left edge whatever it holds: a pasted right-to-left mark before
    // the word would otherwise move it to the right edge, as if the box were right-to-left.
    m_queryBox->lineEdit()->setAlignment(Qt::AlignAbsolute | Qt::AlignLeft | Qt::AlignVCenter);
    m_queryBox->setMaxVisibleItems(kVisibleListLines);
    m_queryBox->setGeometry(0, kComboTop, kQueryBoxWidth, kComboHeight);
    m_queryBox->setToolTip(QStringLiteral("Zadejte slovo pro překlad"));
    nameComboBox(*m_queryBox, m_queryBox->toolTip());
    m_resultChooser->setGeometry(kQueryBoxWidth, kComboTop, kDesignClientSize.width() - kQueryBoxWidth,
                                 kComboHeight);
    nameComboBox(*m_resultChooser, QStringLiteral("Nalezené překlady"));
    m_suggestions->setGeometry(m_resultChooser->geometry());
}

void TMainForm::connectHandlers()
{
    // Typing runs the query; so does picking a history line. Texts the program puts into the box
    // go through setQueryText and run it by their handler's own call.
    connect(m_queryBox->lineEdit(), &QLineEdit::textEdited, this, &TMainForm::ComboBox1Change);
    connect(m_queryBox, &QComboBox::activated, this, &TMainForm::ComboBox1Change);
    connect(m_resultChooser, &ResultChooser::lineChosenByUser, this, &TMainForm::ComboBox2Click);
    connect(m_wordList, &WordListView::pressedAt, this, &TMainForm::ListView1MouseDown);
    connect(m_suggestions, &SuggestionBar::wordChosen, this, &TMainForm::suggestionChosen);
    connect(m_suggestions, &SuggestionBar::otherDirectionChosen, this, &TMainForm::otherDirectionChosen);
    connect(m_baseFormLink, &LinkLabel::clicked, this, [this] {
        if (m_baseFormSwitches)
            return otherDirectionChosen();
        if (m_baseFormNegated) {
            // The table has only the positive word: its plain line would say the opposite.
            m_baseFormLink->setText(
                negatedLines(m_table, toCp1250(m_queryBox->currentText()), m_baseFormWord, m_direction)
                    .join(QStringLiteral(" · ")));
            m_baseFormLink->setAccessibleName(m_baseFormLink->text());
            m_baseFormLink->resize(m_baseFormLink->sizeHint());
            return placeBaseFormLink();
        }
        // A copy: the look-up clears the offered word.
        const QString word = m_baseFormWord;
        suggestionChosen(word);
    });
}

void TMainForm::setCompanionWindows(const CompanionWindows &windows)
{
    m_companions = windows;
}

void TMainForm::setSpeaker(Speaker &speaker)
{
    m_speakButton->connectSpeaker(speaker, [this] {
        DictionaryReading reading{m_resultChooser->chosenLine(), m_queryBox->currentText(), {}, m_direction};
        // A query the window names a word of the other language is read, or not, as that language.
        reading.queryIsOtherDirectionWord
            = otherDirectionHint(m_table, toCp1250(reading.queryText), m_direction).has_value();
        // A history line keeps the direction it was chosen in, which tells its English part.
        if (const int line = m_queryBox->findText(reading.queryText); line >= 0)
            reading.historyLineDirection = TranslationDirection(m_queryBox->itemData(line).toInt());
        return dictionaryTextToSpeak(reading);
    });
}

void TMainForm::FormCreate(const ExternalModule &module)
{
    runStartupSequence(m_direction, module);
}

void TMainForm::ComboBox1Change()
{
    m_speakButton->stopReading();
    // Suggestions stand only where the finished run left the list empty.
    m_suggestions->hide();
    m_baseFormLink->hide();
    m_baseFormLink->clear();
    m_baseFormWord.clear();
    // The text in the engine's encoding once, for the run and for what is offered beside it.
    const std::string typed = toCp1250(m_queryBox->currentText());
    // A keystroke handled during the run started a newer one, whose own call has offered for it.
    if (!m_queryRun.run(typed, m_direction))
        return;
    m_suggestions->offerFor(typed, m_direction, m_resultChooser->count() > 0);
    // The bar stands in the empty chooser's place; hidden under it, the chooser takes no Tab.
    m_resultChooser->setVisible(m_suggestions->isHidden());
    offerBaseFormLink(typed);
}

void TMainForm::offerBaseFormLink(std::string_view typed)
{
    if (m_resultChooser->count() == 0)
        return;
    const std::optional<BesideListOffer> offer
        = m_suggestions->offerBesideList(typed, m_direction, m_resultChooser->givenLines());
    if (!offer)
        return;
    m_baseFormWord = offer->word;
    m_baseFormSwitches = offer->otherDirection;
    m_baseFormNegated = offer->negated;
    m_baseFormLink->setText(offer->text);
    m_baseFormLink->setToolTip(offer->hint);
    m_baseFormLink->setAccessibleName(m_baseFormLink->text());
    const QSize size = m_baseFormLink->sizeHint();
    m_baseFormLink->setGeometry(kBaseFormLinkLeft, (kButtonStripHeight - size.height()) / 2, size.width(),
                                size.height());
    placeBaseFormLink();
}

void TMainForm::placeBaseFormLink()
{
    // Only where it stays clear of the translator's panel and the watch toggle.
    const int end = m_watchToggle ? m_watchToggle->x() : m_translatorPanel->x();
    m_baseFormLink->setVisible(!m_baseFormLink->text().isEmpty() && m_baseFormLink->geometry().right() < end);
}

void TMainForm::buildSelectionWatch()
{
    m_watchToggle
        = designNamed(new QCheckBox(QStringLiteral("Sledovat výběr"), m_buttonStrip), "WatchSelection");
    m_watchToggle->setToolTip(QStringLiteral("Vyhledávat slova vybraná v jiných programech"));
    // Out of the Tab cycle of the query box, the word list and the result chooser, as the strip's
    // buttons are; a click leaves the focus in the query box.
    m_watchToggle->setFocusPolicy(Qt::NoFocus);
    m_watchToggle->resize(m_watchToggle->sizeHint().width(), kButtonStripHeight);
    m_watchToggle->move(m_translatorPanel->x() - kWatchToggleGap - m_watchToggle->width(), 0);
    m_watchToggle->show();
    placeBaseFormLink();
    auto *const watch = new SelectionWatch(this);
    connect(m_watchToggle, &QCheckBox::toggled, watch, &SelectionWatch::setWatching);
    connect(watch, &SelectionWatch::selected, this, &TMainForm::selectionWatched);
}

void TMainForm::selectionWatched(const QString &text)
{
    pasteIntoQuery(text);
    // Raised, not activated: the learner goes on reading where the word was selected.
    setAttribute(Qt::WA_ShowWithoutActivating);
    if (isMinimized())
        showNormal();
    raise();
    setAttribute(Qt::WA_ShowWithoutActivating, false);
}

void TMainForm::ComboBox2Click()
{
    const QString line = m_resultChooser->chosenLine();
    LineWords words = lineWords(line);
    words.other.truncate(kMaxOtherWordLength);
    if (words.word.isEmpty() || words.other.isEmpty())
        return;
    bool inHistory = false;
    for (int i = 0; i < m_queryBox->count() && !inHistory; ++i)
        inHistory = m_queryBox->itemText(i).compare(line, Qt::CaseInsensitive) == 0;
    if (!inHistory) {
        // The first line of an empty history would become the chosen one and the box's text;
        // the query stays, and no history line is chosen until the user picks one.
        const QString typed = m_queryBox->currentText();
        m_queryBox->addItem(line, int(m_direction));
        m_queryBox->setCurrentIndex(-1);
        setQueryText(typed);
    }
    m_wordList->addRow(words.word, words.other);
}

void TMainForm::PanelTopResize()
{
    m_resultChooser->resize(std::max(0, width() - kQueryBoxWidth), m_resultChooser->height());
    m_suggestions->setGeometry(m_resultChooser->geometry());
}

void TMainForm::ListView1MouseDown(int x)
{
    const int row = m_wordList->selectedRow();
    if (row < 0)
        return;
    // A row added by the button holds one word: right of column 1 that word is taken too.
    const std::optional<QString> other = m_wordList->otherAt(row);
    setQueryText(m_wordList->rightOfFirstColumn(x) && other ? *other : m_wordList->wordAt(row));
    ComboBox1Change();
}

void TMainForm::suggestionChosen(const QString &word)
{
    setQueryText(word);
    ComboBox1Change();
    m_queryBox->setFocus();
}

void TMainForm::otherDirectionChosen()
{
    LangBtnClick();
    m_queryBox->setFocus();
}

void TMainForm::LangBtnClick()
{
    m_direction = flipped(m_direction);
    m_buttonStrip->showDirection(m_direction);
    ComboBox1Change();
}

void TMainForm::CopyBtnClick()
{
    const QWidget *focused = QApplication::focusWidget();
    const bool queryBoxHasFocus = focused && (focused == m_queryBox || m_queryBox->isAncestorOf(focused));
    const QString text = queryBoxHasFocus ? m_queryBox->currentText() : m_resultChooser->chosenLine();
    ShowExtendedDialog(text, MessageLanguage::Czech);
    QGuiApplication::clipboard()->setText(takenText(text));
}

void TMainForm::PasteBtnClick()
{
    pasteIntoQuery(QGuiApplication::clipboard()->text());
}

void TMainForm::pasteIntoQuery(const QString &text)
{
    setQueryText(text);
    // A pasted word is searched as if it had been typed.
    ComboBox1Change();
}

void TMainForm::ToListBtnClick()
{
    m_wordList->addRow(lineWords(m_resultChooser->chosenLine()).word, std::nullopt);
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
    m_queryBox->lineEdit()->setText(text);
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
    m_queryBox->setFocus();
}

void TMainForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();
    m_body->setGeometry(0, 0, w, h);
    m_buttonStrip->resize(w, kButtonStripHeight);
    m_translatorPanel->move(w - kTranslatorPanelSize.width(), 0);
    if (m_watchToggle)
        m_watchToggle->move(m_translatorPanel->x() - kWatchToggleGap - m_watchToggle->width(), 0);
    placeBaseFormLink();
    m_queryRow->setGeometry(0, kQueryRowTop, w, kQueryRowHeight);
    PanelTopResize();
    m_wordList->setGeometry(0, kWordListTop, w, std::max(0, h - kWordListTop));
}

} // namespace slovnik

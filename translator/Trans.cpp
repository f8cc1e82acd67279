// SPDX-License-Identifier: GPL-2.0-or-later
#include "translator/Trans.h"

#include "common/SpokenText.h"
#include "common/Translation.h"
#include "controls/BusyCursor.h"
#include "controls/ButtonKeys.h"
#include "controls/ButtonStrip.h"
#include "controls/DesignFonts.h"
#include "controls/DesignNames.h"
#include "controls/Ex3DButton.h"
#include "controls/ExDialog.h"
#include "controls/Hints.h"
#include "controls/Icons.h"
#include "controls/ImageList.h"
#include "controls/Pictures.h"
#include "controls/SpeakerButton.h"
#include "controls/WindowPlacement.h"
#include "engine/BestReading.h"
#include "engine/Dic.h"
#include "engine/ProgramReading.h"
#include "engine/Translate.h"
#include "text/Cp1250.h"
#include "translator/AddedOffers.h"
#include "translator/OfferModel.h"
#include "translator/ReadingBoxes.h"
#include "translator/ScrollBox.h"
#include "translator/SourceLines.h"
#include "translator/WordBox.h"
#include "translator/WordGrid.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
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

constexpr int kLangBtnLeft = 126;
// Right after the help button, as the copy button follows the paste button.
constexpr int kSpeakBtnLeft = 185;
constexpr const char16_t *kSpeakBtnHint = u"Přečíst anglický text";
// A group of its own after the speaker button, as the direction button stands apart.
constexpr StripButtonDesign kFillBtn{
    "FillBtn", 212, 0,
    u"Nejlepší překlad: slovní spojení, běžné významy a základní tvary slov, "
    u"pak sestavit větu"};

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

WordBox *makeWordBox(QWidget *panel, int index, int width, std::span<const DictionaryEntry> table)
{
    auto *box = new WordBox(panel);
    box->setModel(new OfferModel(table, box));
    box->setGeometry(0, RowPitch * index + kGridBorder, width, kBoxHeight);
    box->show();
    return box;
}

// A screen reader names a box by its place and its word, "Slovo 3: dog": the same word may stand
// twice in a text.
QString wordBoxName(int index, const QString &word)
{
    return QStringLiteral("Slovo %1: %2").arg(QString::number(index + 1), word);
}

// The offers replace whatever the box held, a typed text included; offer 0 is the chosen one.
void showOffers(QComboBox &box, std::vector<std::uint32_t> entries, TranslationDirection direction)
{
    const bool none = entries.empty();
    static_cast<OfferModel *>(box.model())->showEntries(std::move(entries), direction);
    if (none)
        box.setEditText(QString());
    else
        box.setCurrentIndex(0);
}

// Holds a widget's drawing back while it lives; the widget is drawn once, as a whole, after it.
class UpdatesOff {
public:
    explicit UpdatesOff(QWidget &widget) : m_widget(widget), m_wasOn(widget.updatesEnabled())
    {
        m_widget.setUpdatesEnabled(false);
    }
    ~UpdatesOff() { m_widget.setUpdatesEnabled(m_wasOn); }
    UpdatesOff(const UpdatesOff &) = delete;
    UpdatesOff &operator=(const UpdatesOff &) = delete;

private:
    QWidget &m_widget;
    const bool m_wasOn;
};

} // namespace

TTransForm::TTransForm(ImageList *flagImages, std::span<const DictionaryEntry> table, QWidget *parent) :
    QWidget(parent, Qt::Window),
    m_table(table),
    m_suggester(table),
    m_buttonImages(createButtonImages(this)),
    m_body(designNamed(new QWidget(this), "Panel1")),
    m_buttonStrip(new ButtonStrip("Panel2", kToolStripHeight, m_body)),
    m_sourcePanel(designNamed(new QWidget(m_body), "Panel4")),
    m_translatedPanel(designNamed(new QWidget(m_body), "Panel3")),
    m_spacer(designNamed(new QWidget(m_body), "Panel6"))
{
    setWindowTitle(QStringLiteral("Translator"));
    setWindowIcon(translatorWindowIcon());
    showHintsWhileTheProgramIsActive(*this);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    buildToolStrip(flagImages);
    resize(kDesignClientSize);
    FormCreate();
}

void TTransForm::buildToolStrip(ImageList *flagImages)
{
    static constexpr StripButton<TTransForm> kButtons[]{
        {{"PasteBtn", 3, ButtonImage::Paste, u"Vložit zdrojový text"}, &TTransForm::PasteBtnClick},
        {{"CopyBtn", 26, ButtonImage::Copy, u"Kopírovat přeložený text"}, &TTransForm::CopyBtnClick},
        {{"ToListBtn", 50, ButtonImage::IntoList, u"Vložit text do mřížky pro překlad"},
         &TTransForm::ToListBtnClick},
        {{"FromListBtn", 72, ButtonImage::OutOfList, u"Sestavit větu z přeložených slov"},
         &TTransForm::FromListBtnClick},
        {{"TransBtn", 100, ButtonImage::OpenBook, u"Přeložit", u"Překlad", 21}, &TTransForm::TransBtnClick},
        {{"Help", 162, ButtonImage::HelpBook, u"Nápověda", u"Nápověda"}, &TTransForm::HelpClick},
    };
    m_buttonStrip->addButtons<TTransForm>(kButtons, m_buttonImages, this);
    m_buttonStrip->addDirectionButton(kLangBtnLeft, flagImages, this, &TTransForm::LangBtnClick);
    for (const auto &[name, key] : {std::pair{"ToListBtn", kSplitKey},
                                    {"TransBtn", kTranslateKey},
                                    {"FromListBtn", kBuildKey},
                                    {"CopyBtn", kCopyKey},
                                    {"LangBtn", kDirectionKey}})
        m_buttonStrip->giveKey(name, key);
    m_speakButton = new SpeakerButton(m_buttonStrip, kSpeakBtnLeft, kSpeakBtnHint);

    auto *const fillImages = new ImageList(QSize(16, 16), this);
    fillImages->add(pictures::arrowIntoBox);
    m_fillButton = addStripButton(m_buttonStrip, fillImages, kFillBtn);
    connect(m_fillButton, &TEx3DButton::clicked, this, &TTransForm::FillBtnClick);
    m_fillKey = new QShortcut(QKeySequence(kFillKey), this);
    m_fillKey->setContext(Qt::WindowShortcut);
    connect(m_fillKey, &QShortcut::activated, this, &TTransForm::FillBtnClick);
    m_fillButton->setToolTip(
        m_fillButton->toolTip()
        + QStringLiteral(" (%1)").arg(QKeySequence(kFillKey).toString(QKeySequence::NativeText)));
}

void TTransForm::buildTextPanels()
{
    m_sourceLabel = designNamed(new QLabel(QStringLiteral("Zdrojový text"), m_sourcePanel), "Label2");
    m_sourceLabel->move(0, 0);
    m_sourceText = designNamed(makeMemo(m_sourcePanel), "Memo1");
    m_sourceText->setAccessibleName(m_sourceLabel->text());
    m_translatedLabel
        = designNamed(new QLabel(QStringLiteral("Přeložený text"), m_translatedPanel), "Label1");
    m_translatedLabel->move(0, 0);
    m_translatedText = designNamed(makeMemo(m_translatedPanel), "Memo2");
    m_translatedText->setAccessibleName(m_translatedLabel->text());
    m_sourceLabel->adjustSize();
    m_translatedLabel->adjustSize();
    // Made after the window's other controls, they are shown with them explicitly: a child made
    // while its window is showing would otherwise stay hidden.
    for (QWidget *const part :
         std::initializer_list<QWidget *>{m_sourceLabel, m_sourceText, m_translatedLabel, m_translatedText})
        part->show();
}

void TTransForm::ensureLateParts()
{
    if (m_wordArea)
        return;
    takeDesignFont(*m_body);
    buildTextPanels();
    // The translated text comes first in the tab order and the source text after it, then the
    // grid and the word boxes.
    setTabOrder(m_translatedText, m_sourceText);
    m_wordArea = designNamed(new ScrollBox(m_body), "ScrollBox1");
    m_scrollContent = new QWidget(m_wordArea);
    m_wordGrid = designNamed(new WordGrid(m_scrollContent), "StringGrid1");
    m_wordGrid->setGeometry(0, 0, kGridWidth, kDesignWordAreaHeight);
    m_wordGrid->setAccessibleName(QStringLiteral("Slova zdrojového textu"));
    m_wordBoxPanel = designNamed(new QWidget(m_scrollContent), "ComboPanel");
    m_wordBoxPanel->setGeometry(kComboPanelLeft, 0, kGridWidth, kDesignWordAreaHeight);
    fitScrollContent();
    m_wordArea->setWidget(m_scrollContent);
    placeLateParts();
    m_wordArea->show();
    QWidget::setTabOrder(m_sourceText, m_wordGrid);
    connect(m_wordArea, &ScrollBox::viewResized, this, &TTransForm::ComboPanelResize);
}

void TTransForm::placeLateParts()
{
    const int w = width();
    m_sourceText->setGeometry(0, kTextPanelHeight - kMemoHeight, w, kMemoHeight);
    m_translatedText->setGeometry(0, kTextPanelHeight - kMemoHeight, w, kMemoHeight);
    m_wordArea->setGeometry(0, kScrollBoxTop, w, std::max(0, height() - kScrollBoxTop));
}

void TTransForm::setSpeaker(Speaker &speaker)
{
    m_speakButton->connectSpeaker(speaker, [this] {
        ensureLateParts();
        return translatorTextToSpeak({m_sourceText->toPlainText(), m_translatedText->toPlainText(),
                                      m_sentenceOffers, m_offersDirection, m_direction});
    });
}

void TTransForm::setHelpWindow(QWidget *helpWindow)
{
    m_helpWindow = helpWindow;
}

void TTransForm::FormCreate()
{
    m_direction = TranslationDirection::CzechToEnglish;
    // The design's frame stands in for the one the window manager draws until that one is known.
    placeAtTheRightEdge(kDesignFrame);
    placeAgainOnceTheFrameIsKnown(*this, [this] { placeAtTheRightEdge(frameGeometry().size() - size()); });
}

void TTransForm::placeAtTheRightEdge(QSize frame)
{
    if (const QScreen *const screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        resize(width(), area.height() - kScreenBottomGap - frame.height());
        move(area.x() + area.width() - (width() + frame.width()) - kScreenRightGap, area.y());
    }
}

void TTransForm::showEvent(QShowEvent *event)
{
    ensureLateParts();
    QWidget::showEvent(event);
    // FormShow: the source text can be typed or pasted at once.
    m_sourceText->setFocus();
}

void TTransForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int w = width();
    m_body->setGeometry(rect());
    m_buttonStrip->resize(w, kToolStripHeight);
    m_sourcePanel->setGeometry(0, kSourcePanelTop, w, kTextPanelHeight);
    m_translatedPanel->setGeometry(0, kTranslatedPanelTop, w, kTextPanelHeight);
    m_spacer->setGeometry(0, kSpacerTop, w, kSpacerHeight);
    if (m_wordArea)
        placeLateParts();
}

void TTransForm::PasteBtnClick()
{
    ensureLateParts();
    m_sourceText->clear();
    m_sourceText->paste();
}

void TTransForm::CopyBtnClick()
{
    ensureLateParts();
    m_translatedText->copy();
}

void TTransForm::ToListBtnClick()
{
    m_speakButton->stopReading();
    m_offersDirection.reset();
    ensureLateParts();
    m_wordGrid->setWords({});
    destroyWordBoxes();
    // A new list is read from its first word, wherever the last one was scrolled to.
    m_wordArea->verticalScrollBar()->setValue(0);
    const SourceWords source = splitSourceLines(sourceLines(*m_sourceText));
    m_clauseEnds = source.clauseEnds;
    if (source.truncated)
        ShowExtendedDialog(shortenedTextNotice(), MessageLanguage::Czech);
    if (source.words.empty())
        return;

    QStringList words;
    for (const std::string &word : source.words)
        words.append(fromCp1250(word));
    m_wordGrid->setWords(words);
    const int count = static_cast<int>(words.size());
    createWordBoxes(count);
    m_wordGrid->resize(kGridWidth, gridHeightFor(count));
    m_wordBoxPanel->resize(m_wordBoxPanel->width(), gridHeightFor(count));
    fitScrollContent();
}

void TTransForm::FromListBtnClick()
{
    if (m_wordBoxes.isEmpty())
        return;
    std::vector<std::string> boxTexts;
    std::vector<bool> covered;
    boxTexts.reserve(static_cast<std::size_t>(m_wordBoxes.size()));
    for (const QComboBox *box : m_wordBoxes) {
        boxTexts.push_back(toCp1250(box->currentText()));
        covered.push_back(isCovered(*box));
    }
    m_translatedText->setPlainText(fromCp1250(readingSentence(boxTexts, covered)));
    m_sentenceOffers = m_offersDirection;
}

void TTransForm::TransBtnClick()
{
    if (m_wordBoxes.isEmpty())
        return;
    const BusyCursorScope busy;
    if (m_offersDirection != m_direction)
        m_lookups.clear();
    m_offersDirection = m_direction;
    std::vector<std::string> words;
    for (int row = 0; row < m_wordBoxes.size(); ++row)
        words.push_back(toCp1250(m_wordGrid->word(row)));
    const std::vector<TextWord> text = textWords(reader(m_direction), words, m_clauseEnds);
    std::map<std::string, BoxOffers> lookups;
    // The boxes are drawn once, when all are filled.
    const UpdatesOff panelUpdates(*m_wordBoxPanel);
    for (int row = 0; row < m_wordBoxes.size(); ++row) {
        QComboBox &CurrentBox = *m_wordBoxes[row];
        uncoverBox(CurrentBox, false);
        const std::string &word = words[static_cast<std::size_t>(row)];
        auto found = lookups.find(word);
        if (found == lookups.end()) {
            const auto earlier = m_lookups.find(word);
            found = lookups
                        .emplace(word,
                                 earlier != m_lookups.end()
                                     ? std::move(earlier->second)
                                     : boxOffers(m_suggester, m_table, word, m_direction))
                        .first;
        }
        const BoxOffers &offers = found->second;
        showOffers(CurrentBox, offers.scanned, m_direction);
        QStringList phrases;
        for (const std::string &line : phraseLines(reader(m_direction), text, static_cast<std::size_t>(row)))
            phrases.append(fromCp1250(line));
        showPhraseOffers(CurrentBox, phrases);
        showBaseFormOffers(CurrentBox, offers.baseForms);
        showSuggestedOffers(CurrentBox, offers.suggestions);
        rememberGivenText(CurrentBox);
        showTentative(CurrentBox, offers.onlyLongerWords);
    }
    m_lookups = std::move(lookups);
}

void TTransForm::FillBtnClick()
{
    if (m_wordBoxes.isEmpty())
        return;
    if (!m_offersDirection)
        TransBtnClick();
    const TranslationDirection direction = *m_offersDirection;
    std::vector<std::string> words;
    std::vector<bool> changed;
    for (int row = 0; row < m_wordBoxes.size(); ++row) {
        QComboBox &box = *m_wordBoxes[row];
        uncoverBox(box, true);
        words.push_back(toCp1250(m_wordGrid->word(row)));
        changed.push_back(changedByLearner(box));
    }
    const std::vector<BoxReading> reading = bestReading(reader(direction), words, m_clauseEnds, changed);
    for (int row = 0; row < m_wordBoxes.size(); ++row) {
        QComboBox &box = *m_wordBoxes[row];
        const BoxReading &boxReading = reading[static_cast<std::size_t>(row)];
        if (boxReading.kind == BoxReading::Kind::Line) {
            const BaseFormLine line{fromCp1250(boxReading.line), fromCp1250(boxReading.base),
                                    boxReading.negated};
            chooseGivenLine(box, line.line, [&box, &line] { return addBaseFormOffer(box, line); });
        } else if (boxReading.kind == BoxReading::Kind::Covered) {
            const int phraseBox = static_cast<int>(boxReading.coveredBy);
            coverBox(box, phraseBox, m_wordBoxes[phraseBox]->currentText());
        } else if (boxReading.kind == BoxReading::Kind::Unsaid) {
            coverUnsaidWord(box, boxReading.unsaid);
        } else if (boxReading.kind == BoxReading::Kind::Nothing) {
            chooseGivenNothing(box);
        }
    }
    FromListBtnClick();
}

void TTransForm::WordBoxChosen(int index)
{
    QComboBox &chosen = *m_wordBoxes[index];
    showTentative(chosen, false);
    const int phraseBox = isCovered(chosen) ? coveringBox(chosen) : index;
    uncoverBox(chosen, false);
    if (phraseBox < 0)
        return;
    for (QComboBox *box : std::as_const(m_wordBoxes)) {
        if (coveringBox(*box) == phraseBox)
            uncoverBox(*box, true);
    }
}

const ReadingIndex &TTransForm::reader(TranslationDirection direction)
{
    std::unique_ptr<const ReadingIndex> &reader = m_readers[static_cast<std::size_t>(direction)];
    if (!reader) {
        // The program's own table comes with what the build knows of it.
        reader = m_table.data() == DictionaryTable.data()
            ? programReadingIndex(direction)
            : std::make_unique<const ReadingIndex>(m_table, direction);
    }
    return *reader;
}

void TTransForm::LangBtnClick()
{
    m_direction = flipped(m_direction);
    m_buttonStrip->showDirection(m_direction);
}

void TTransForm::HelpClick()
{
    showInFront(m_helpWindow);
}

void TTransForm::ComboPanelResize()
{
    // The view's width, not the area's: a vertical scroll bar would otherwise cover the boxes'
    // drop-down arrows and call up a horizontal one.
    const int width = std::max(0, m_wordArea->viewport()->width() - kComboPanelLeft);
    m_wordBoxPanel->resize(width, m_wordBoxPanel->height());
    for (QComboBox *box : m_wordBoxes)
        box->resize(width, box->height());
    fitScrollContent();
}

void TTransForm::destroyWordBoxes()
{
    qDeleteAll(m_wordBoxes);
    m_wordBoxes.clear();
}

void TTransForm::createWordBoxes(int count)
{
    QWidget *previous = m_sourceText;
    for (int index = 0; index < count; ++index) {
        WordBox *const box = makeWordBox(m_wordBoxPanel, index, m_wordBoxPanel->width(), m_table);
        box->setName(wordBoxName(index, m_wordGrid->word(index)));
        connect(box, &QComboBox::activated, this, [this, index] { WordBoxChosen(index); });
        if (QLineEdit *const edit = box->lineEdit())
            connect(edit, &QLineEdit::textEdited, this, [this, index] { WordBoxChosen(index); });
        m_wordBoxes.append(box);
        setTabOrder(previous, box);
        previous = box;
    }
    setTabOrder(previous, m_wordGrid);
}

void TTransForm::fitScrollContent()
{
    const QRect grid = m_wordGrid->geometry();
    const QRect panel = m_wordBoxPanel->geometry();
    m_scrollContent->resize(std::max(grid.right(), panel.right()) + 1,
                            std::max(grid.bottom(), panel.bottom()) + 1);
}

} // namespace slovnik

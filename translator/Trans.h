// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The translator window. Created once at start-up, right after the dictionary window, and only
// hidden when closed, so its texts, words and direction last until the program ends.
//
// The source text box's lines as typed, however the box wraps them, are split into at most
// MaxWords words; each gets a row of the word grid and an editable word box level with it.
// Translating fills every box with the offers of its word in the translator's own direction; the
// sentence joins what the boxes hold into the translated text box. The split, the offers and the
// sentence are the shared translator logic; the window reads its controls, calls that logic and
// shows what comes back.

#include "common/Translation.h"
#include "engine/Dic.h"
#include "engine/Direction.h"
#include "engine/ReadingIndex.h"
#include "engine/Suggest.h"

#include <QList>
#include <QWidget>

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <vector>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QShortcut;

namespace slovnik {

class ButtonStrip;
class ImageList;
class ScrollBox;
class Speaker;
class SpeakerButton;
class TEx3DButton;
class WordGrid;

class TTransForm : public QWidget {
    Q_OBJECT
public:
    /// Builds the controls and runs FormCreate; the window stays hidden. `flagImages` is the
    /// dictionary window's ImageList2 (not owned; it outlives this window). The word offers come
    /// from `table`: the program's own unless a test brings a small one.
    explicit TTransForm(ImageList *flagImages, std::span<const DictionaryEntry> table = DictionaryTable,
                        QWidget *parent = nullptr);

    /// The translator help window that the help button shows; created after this window.
    void setHelpWindow(QWidget *helpWindow);
    /// The voice that the speaker button and its key read the English text with; until one is
    /// set they are disabled. Not owned; it outlives the window.
    void setSpeaker(Speaker &speaker);

    /// FillBtn and this key give the text its best reading: every box the learner has not changed
    /// takes a phrase that starts at its word, or its word's everyday line (a base form's where
    /// it has none of its own), the boxes a phrase takes are covered, and the sentence is built.
    static constexpr QKeyCombination kFillKey{Qt::CTRL | Qt::Key_T};

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildToolStrip(ImageList *flagImages);
    void buildTextPanels();
    /// The window takes its face and builds its text boxes with their labels and the word area (the
    /// scroll box with the grid and the word boxes' panel) the first time it appears or a button
    /// needs them, not while the program starts: the face, the text boxes and the area's two item
    /// views are the costliest part of the window, and the dictionary window does not need them.
    void ensureLateParts();
    /// The text boxes span the window's width; the word area fills what is left below them.
    void placeLateParts();

    void FormCreate();
    /// As tall as the screen but kScreenBottomGap, kScreenRightGap from its right edge, with
    /// `frame` the size the window's frame adds.
    void placeAtTheRightEdge(QSize frame);
    void PasteBtnClick();
    void CopyBtnClick();
    void ToListBtnClick();
    void FromListBtnClick();
    void TransBtnClick();
    void LangBtnClick();
    void HelpClick();
    void FillBtnClick();
    void ComboPanelResize();
    /// The learner chose or typed in box `index`: a phrase's cover over it, or from it, ends.
    void WordBoxChosen(int index);
    /// The table's words and phrases in a direction, indexed on first use.
    const ReadingIndex &reader(TranslationDirection direction);

    void destroyWordBoxes();
    void createWordBoxes(int count);
    /// The scroll area's content is as large as the grid and the box panel beside it.
    void fitScrollContent();

    const std::span<const DictionaryEntry> m_table;
    Suggester m_suggester;
    /// The translator's own direction: CzechToEnglish from creation on; only LangBtnClick changes
    /// it, and it never changes the dictionary window's.
    TranslationDirection m_direction = TranslationDirection::CzechToEnglish;
    // In which direction the boxes' offers were looked up, and those the sentence was built from:
    // the speaker reads a sentence only when it is English.
    std::optional<TranslationDirection> m_offersDirection;
    std::optional<TranslationDirection> m_sentenceOffers;
    // The last translation's look-ups by word, in m_offersDirection: a word that stands in the
    // text again, or is translated again, is not scanned again (the table never changes).
    std::map<std::string, BoxOffers> m_lookups;
    /// One box a word of the last split, in grid order: box k - 1 stands beside grid row k - 1;
    /// 0 to MaxWords, destroyed by the next split.
    QList<QComboBox *> m_wordBoxes;
    // Where a clause ends in the split text: no phrase is read across it.
    std::vector<bool> m_clauseEnds;
    std::array<std::unique_ptr<const ReadingIndex>, 2> m_readers;
    QWidget *m_helpWindow = nullptr;

    ImageList *const m_buttonImages;
    QWidget *const m_body;
    ButtonStrip *const m_buttonStrip;
    QWidget *const m_sourcePanel;
    QWidget *const m_translatedPanel;
    QWidget *const m_spacer;
    /// Reads the English side aloud, its first MaxWords words.
    SpeakerButton *m_speakButton = nullptr;
    TEx3DButton *m_fillButton = nullptr;
    QShortcut *m_fillKey = nullptr;
    // Built by ensureLateParts().
    QLabel *m_sourceLabel = nullptr;
    QPlainTextEdit *m_sourceText = nullptr;
    QLabel *m_translatedLabel = nullptr;
    QPlainTextEdit *m_translatedText = nullptr;
    ScrollBox *m_wordArea = nullptr;
    QWidget *m_scrollContent = nullptr;
    WordGrid *m_wordGrid = nullptr;
    QWidget *m_wordBoxPanel = nullptr;
};

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The dictionary window, the program's main window. Creating it runs the start-up sequence
// (FormCreate), so the word table is readable before any other window exists; closing it ends
// the program. The engine does the dictionary work: every change of the query text is a query
// run that refills the result chooser; choosing a line adds it to the history and the word list.
// The window keeps the dictionary's direction, reads its controls, calls the engine and shows
// what comes back.

#include "app/Startup.h"
#include "engine/Dic.h"
#include "engine/Direction.h"
#include "engine/QueryRun.h"

#include <QDialog>
#include <QWidget>

#include <string_view>

class QCheckBox;
class QComboBox;
class QFrame;

namespace slovnik {

class ButtonStrip;
class ImageList;
class LinkLabel;
class ResultChooser;
class SelectionWatch;
class Speaker;
class SpeakerButton;
class SuggestionBar;
class TEx3DButton;
class WordListView;

class TMainForm : public QWidget, private SearchHost {
    Q_OBJECT
public:
    /// The windows the buttons show; they are created after this one.
    struct CompanionWindows {
        QWidget *translator = nullptr;
        QWidget *dictionaryHelp = nullptr;
        QDialog *about = nullptr;
    };

    /// Builds the controls, then runs FormCreate with `module` as the external module; the window
    /// stays hidden. The searches read `table`: the program's own unless a test brings a small one.
    explicit TMainForm(const ExternalModule &module = morvellaModule(),
                       std::span<const DictionaryEntry> table = DictionaryTable, QWidget *parent = nullptr);

    void setCompanionWindows(const CompanionWindows &windows);
    /// The voice that the speaker button and its key read the English word with; until one is
    /// set they are disabled. Not owned; it outlives the window.
    void setSpeaker(Speaker &speaker);

    /// ImageList2: the two flags, also shown by the translator's direction button.
    ImageList *flagImages() const { return m_flagImages; }

    /// The query run for the query box's text as it stands.
    void ComboBox1Change();
    /// What the paste button does with the clipboard's text, for a text from elsewhere (the
    /// session bus, the watched selection): the box takes it as it takes a paste, cut to its
    /// length, and the query runs.
    void pasteIntoQuery(const QString &text);

protected:
    /// Closing the main window ends the message loop, whatever other windows are showing.
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void FormCreate(const ExternalModule &module);
    void buildButtonStrip();
    void buildQueryRow();
    void connectHandlers();

    void ComboBox2Click();
    void PanelTopResize();
    void ListView1MouseDown(int x);
    void LangBtnClick();
    void CopyBtnClick();
    void PasteBtnClick();
    void ToListBtnClick();
    void TranslBtnClick();
    void HelpButtonClick();
    void AboutBtnClick();

    /// A suggested word is looked up as a word-list click looks one up; the learner types on.
    void suggestionChosen(const QString &word);
    /// The typed word is looked up in the other direction; the learner types on.
    void otherDirectionChosen();
    /// After a query run on `typed` (Windows-1250) that left lines: offers the base form the lines
    /// do not lead to, if any.
    void offerBaseFormLink(std::string_view typed);
    /// Shows the offered link where the strip has room for it.
    void placeBaseFormLink();
    void buildSelectionWatch();
    /// A word selected in another program: looked up, the window raised, the focus left where it is.
    void selectionWatched(const QString &text);

    /// Puts a text into the query box as the program, not as a keystroke: no query runs by itself.
    void setQueryText(const QString &text);

    // SearchHost
    void processPendingEvents() override;
    void setBusyCursor(bool busy) override;

    /// The dictionary's direction: CzechToEnglish from start-up on; only LangBtnClick changes it.
    TranslationDirection m_direction = TranslationDirection::CzechToEnglish;
    ImageList *m_buttonImages;
    ImageList *m_flagImages;
    QWidget *m_body;
    ButtonStrip *m_buttonStrip;
    QFrame *m_translatorPanel;
    QWidget *m_queryRow;
    /// Reads the English word aloud: the chosen line's, else an English query's.
    SpeakerButton *m_speakButton = nullptr;
    QComboBox *m_queryBox = nullptr;
    ResultChooser *m_resultChooser = nullptr;
    /// The words suggested in the result chooser's place when a query finds nothing.
    SuggestionBar *m_suggestions;
    /// In the button strip's free space: the base form of a query whose lines are all of longer
    /// words ("psa" lists "psací stroj"; the link looks up "pes"). Hidden otherwise.
    LinkLabel *m_baseFormLink;
    QString m_baseFormWord;
    bool m_baseFormSwitches = false; ///< the strip link names the word in the other direction
    bool m_baseFormNegated = false; ///< the strip link shows the negated lines of m_baseFormWord
    /// In the strip's free space, X11 only: looks up what the learner selects in other programs
    /// while checked; unchecked at every start. Null where the platform has no such selection.
    QCheckBox *m_watchToggle = nullptr;
    std::span<const DictionaryEntry> m_table;
    WordListView *m_wordList;
    QueryRun m_queryRun;
    CompanionWindows m_companions;
};

} // namespace slovnik

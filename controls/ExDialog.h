// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The program's one message box: a small stay-on-top dialog with a title, one line of bold text
// and one or two image buttons, in Czech or English. ShowExtendedDialog is the only way the
// windows use it; TDlgForm is open for the tests and for questions later.

#include <QDialog>
#include <QString>

#include <array>
#include <cstdint>

class QCloseEvent;
class QKeyEvent;
class QFrame;
class QLabel;
class QResizeEvent;
class QShowEvent;
class QToolButton;

namespace slovnik {

class ImageList;

/// The language of the dialog's title and captions. A stored value other than Czech or English
/// (a caller's cast) is shown as Czech.
enum class MessageLanguage : std::uint8_t { Czech = 0, English = 1 };

/// What the dialog asks or tells. A stored value outside these leaves title and captions as they
/// were.
enum class MessageKind : std::uint8_t { Error = 0, Question = 1, Information = 2 };

/// The modal results of the first and second button: the codes message boxes have always given
/// for Yes and No, so that a caller may compare with either convention.
inline constexpr int kResultYes = 6;
inline constexpr int kResultNo = 7;

/// Indexed by [language][kind].
inline constexpr std::array<std::array<const char *, 3>, 2> DialogTitles{
    {{" Chybová zpráva", " Dotaz", " Informace"}, {" Error Message", " Confirmation", " Information"}}};

/// Indexed by [language][column]: column 0 is the single button of an error or an information,
/// columns 1 and 2 the two buttons of a question.
inline constexpr std::array<std::array<const char *, 3>, 2> DialogButtonCaptions{
    {{"  OK  ", "  Ano  ", "   Ne   "}, {"  OK  ", "  Yes  ", "   No   "}}};

/// The window width for a label of `labelWidth` pixels: the label and 30 pixels each side once
/// the label is 160 wide or wider, else 220; never below 220.
int dialogWidthForLabel(int labelWidth);

/// The dialog's own widths are those of the window as Qt sizes it, without the frame: the window
/// manager draws the frame, and its width is unknown until the window is shown, while a fresh
/// dialog is set up before it is shown for every message. Centring within that width centres the
/// label and buttons in exactly what the user sees.
class TDlgForm : public QDialog {
    Q_OBJECT
public:
    /// FormCreate: the components at their design places; the close stays refused until a button
    /// has been pressed.
    explicit TDlgForm(QWidget *parent = nullptr);

    MessageLanguage DialogLanguage = MessageLanguage::Czech;
    MessageKind DialogKind = MessageKind::Information;
    QString MessageText;

    /// Applies DialogKind, DialogLanguage and MessageText: title, captions, label text, window
    /// width, and the tool bar's width and place.
    void SetupDialog();

    ImageList *const ImageList1;
    QWidget *const ToolBar1;
    QToolButton *const ToolButton1;
    QToolButton *const ToolButton2;
    QLabel *const Label1;
    QFrame *const Bevel1;

    /// Refused until a button has been pressed, whatever asks: Escape, the close box, reject().
    void done(int result) override;

protected:
    void closeEvent(QCloseEvent *event) override; // FormClose
    void showEvent(QShowEvent *event) override;
    /// Enter and Space press the focused button, or the first one.
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override; // FormResize

private:
    void FormResize();
    void ToolButton1Click();
    void ToolButton2Click();

    bool CloseAllowed = false;
};

/// Shows `text` followed by "." on one line, each line break as a blank, as an information in
/// `language` in a fresh modal dialog, and returns once its button has been pressed. The
/// dialog is destroyed before the call returns.
void ShowExtendedDialog(const QString &text, MessageLanguage language);

} // namespace slovnik

#pragma once

// The program's one message box: a small stay-on-top dialog with a title, one line of bold text
// and one or two image buttons, in Czech or English. ShowExtendedDialog is the only way the
// windows use it; TDlgForm is open for the tests and for questions later.

#include <QDialog>
#include <QString>

#include <array>
#include <cstdint>

class QCloseEvent;
class QFrame;
class QLabel;
class QResizeEvent;
class QToolButton;

namespace slovnik {

class ImageList;

inline constexpr std::uint8_t CzechLanguage = 0;
inline constexpr std::uint8_t EnglishLanguage = 1;

inline constexpr std::uint8_t ErrorKind = 0;
inline constexpr std::uint8_t QuestionKind = 1;
inline constexpr std::uint8_t InformationKind = 2;

/// Modal results of the two buttons.
inline constexpr int ResultYes = 6;
inline constexpr int ResultNo = 7;

/// Indexed by language x 3 + kind.
inline constexpr std::array<const char *, 6> DialogTitles{
    " Chybová zpráva", " Dotaz", " Informace", " Error Message", " Confirmation", " Information"};

/// Indexed by language x 3 + column: column 0 is the single button of an error or an
/// information, columns 1 and 2 the two buttons of a question.
inline constexpr std::array<const char *, 6> DialogButtonCaptions{
    "  OK  ", "  Ano  ", "   Ne   ", "  OK  ", "  Yes  ", "   No   "};

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

    std::uint8_t DialogLanguage = CzechLanguage; ///< a value other than 0 or 1 is taken as 0
    std::uint8_t DialogKind = InformationKind;   ///< any other value leaves title and captions
    QString MessageText;

    /// Applies DialogKind, DialogLanguage and MessageText: title, captions, label text, window
    /// width, and the tool bar's width and place.
    void SetupDialog();

    bool closeAllowed() const { return CloseAllowed; }

    ImageList *const ImageList1;
    QWidget *const ToolBar1;
    QToolButton *const ToolButton1;
    QToolButton *const ToolButton2;
    QLabel *const Label1;
    QFrame *const Bevel1;

    /// Refused until a button has been pressed, whatever asks: Escape, the close box, reject().
    void done(int result) override;

protected:
    void closeEvent(QCloseEvent *event) override;  // FormClose
    void resizeEvent(QResizeEvent *event) override; // FormResize

private:
    void FormResize();
    void ToolButton1Click();
    void ToolButton2Click();

    bool CloseAllowed = false;
};

/// Shows `text` followed by "." as an information in `language` (CzechLanguage or
/// EnglishLanguage) in a fresh modal dialog, and returns once its button has been pressed. The
/// dialog is destroyed before the call returns.
void ShowExtendedDialog(const QString &text, std::uint8_t language);

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The About window, shown modally by the dictionary window: what the program is, where its words
// come from, and a link to the project's web page. Created once at start-up, hidden when closed.

#include <QDialog>
#include <QIcon>

#include <functional>
#include <utility>
#include <vector>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QUrl;

namespace slovnik {

class LinkLabel;

/// The project's web page: AboutLabel's caption and what it opens.
inline constexpr const char16_t *kProjectWebAddress = u"https://github.com/slovnik-app/slovnik";

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    /// Asks the desktop to open an address; true when it could.
    using UrlOpener = std::function<bool(const QUrl &)>;

    /// Hidden and modal; the link opens through QDesktopServices::openUrl.
    explicit TAboutForm(QWidget *parent = nullptr);

    /// Replaces the desktop's opener, so that a test can see what the link asks for.
    void setUrlOpener(UrlOpener opener);

protected:
    /// Centred each time it appears; its pictures are rendered the first time.
    void showEvent(QShowEvent *event) override;

private:
    void buildTitleRow();
    void buildDescription();
    void buildLinkRow();
    /// The window takes the design face, its description box is built and the address and link
    /// width are laid out the first time it appears, not while the program starts: the window is
    /// seldom opened.
    void ensureText();

    /// Opens the address AboutLabel shows. A desktop that cannot open it changes nothing here.
    void AboutLabelClick();

    UrlOpener m_openUrl;
    QGroupBox *const m_GroupBox1;
    // Built by ensureText().
    QPlainTextEdit *m_Memo1 = nullptr;
    LinkLabel *m_AboutLabel = nullptr;
    std::vector<std::pair<QLabel *, QIcon>> m_unpaintedPictures;
};

} // namespace slovnik

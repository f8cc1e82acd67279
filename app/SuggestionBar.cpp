#include "SuggestionBar.h"

#include "Cp1250.h"

#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>

namespace slovnik {
namespace {

// The result chooser draws its text 2 pixels from its left edge; the bar starts where it does.
constexpr int kTextLeft = 2;
constexpr int kGap = 3;

// A word shown on a button: an ampersand is a letter here, not a keyboard mnemonic.
QString buttonText(const QString &word)
{
    QString text = word;
    return text.replace(u'&', u"&&"_qs);
}

} // namespace

SuggestionBar::SuggestionBar(std::span<const DictionaryEntry> table, QWidget *parent)
    : QWidget(parent), m_suggester(table), m_label(new QLabel(QStringLiteral("Možná:"), this))
{
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setAccessibleName(QStringLiteral("Podobná slova ve slovníku"));
    for (std::size_t k = 0; k < ShownSuggestions; ++k) {
        if (k > 0) {
            auto *separator = new QLabel(QStringLiteral("·"), this);
            separator->setAccessibleName(QString());
            m_separators.append(separator);
        }
        auto *button = new QToolButton(this);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::TabFocus);
        button->setCursor(Qt::PointingHandCursor);
        button->setToolTip(QStringLiteral("Vyhledat toto slovo"));
        // A suggestion reads as a link: the palette's link colour on the window's face.
        QPalette palette = button->palette();
        palette.setColor(QPalette::ButtonText, palette.color(QPalette::Link));
        button->setPalette(palette);
        const int index = static_cast<int>(k);
        connect(button, &QToolButton::clicked, this, [this, index] {
            if (index < m_words.size())
                Q_EMIT wordChosen(m_words.at(index));
        });
        m_buttons.append(button);
    }
    hide();
}

void SuggestionBar::placeInTabOrder(QWidget *before, QWidget *after)
{
    QWidget *previous = before;
    for (QToolButton *button : m_buttons) {
        setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, after);
}

void SuggestionBar::offerFor(const QString &typed, TranslationDirection direction, bool queryHasLines)
{
    if (queryHasLines) {
        hide();
        return;
    }
    const std::vector<std::string> words = m_suggester.suggest(toCp1250(typed), direction, ShownSuggestions);
    if (words.empty()) {
        hide();
        return;
    }
    showWords(words);
    raise();
    show();
}

void SuggestionBar::showWords(const std::vector<std::string> &words)
{
    m_words.clear();
    for (const std::string &word : words)
        m_words.append(fromCp1250(word));
    for (int k = 0; k < m_buttons.size(); ++k) {
        QToolButton *button = m_buttons.at(k);
        const QString word = k < m_words.size() ? m_words.at(k) : QString();
        button->setText(buttonText(word));
        button->setAccessibleName(QStringLiteral("Možná: %1").arg(word));
    }
    layOut();
}

void SuggestionBar::layOut()
{
    const int h = height();
    int x = kTextLeft;
    const auto place = [&](QWidget *widget, bool fits) {
        const QSize size = widget->sizeHint();
        widget->setVisible(fits);
        if (fits) {
            widget->setGeometry(x, (h - std::min(size.height(), h)) / 2, size.width(), std::min(size.height(), h));
            x += size.width() + kGap;
        }
    };
    place(m_label, true);
    bool fits = true;
    for (int k = 0; k < m_buttons.size(); ++k) {
        QToolButton *button = m_buttons.at(k);
        const bool hasWord = k < m_words.size();
        const int separatorWidth = k > 0 ? m_separators.at(k - 1)->sizeHint().width() + kGap : 0;
        // A word that does not fit whole is left out, and so are the less likely ones after it.
        fits = fits && hasWord && x + separatorWidth + button->sizeHint().width() <= width();
        if (k > 0)
            place(m_separators.at(k - 1), fits);
        place(button, fits);
    }
}

void SuggestionBar::keyPressEvent(QKeyEvent *event)
{
    // Space presses a focused button by itself; Enter does so here, as it does in the query box.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    for (QToolButton *button : m_buttons) {
        if (enter && button->hasFocus()) {
            button->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void SuggestionBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOut();
}

} // namespace slovnik

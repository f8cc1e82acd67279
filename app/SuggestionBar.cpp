#include "SuggestionBar.h"

#include "Cp1250.h"
#include "LinkLabel.h"

#include <QLabel>

namespace slovnik {
namespace {

// The result chooser draws its text 2 pixels from its left edge; the bar starts where it does.
constexpr int kTextLeft = 2;
constexpr int kGap = 6;

} // namespace

SuggestionBar::SuggestionBar(std::span<const DictionaryEntry> table, QWidget *parent) :
    QWidget(parent),
    m_suggester(table),
    m_label(new QLabel(QStringLiteral("Možná:"), this))
{
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setAccessibleName(QStringLiteral("Podobná slova ve slovníku"));
    for (std::size_t k = 0; k < ShownSuggestions; ++k) {
        if (k > 0)
            m_separators.append(new QLabel(QStringLiteral("·"), this));
        auto *link = new LinkLabel(this);
        link->setTextFormat(Qt::PlainText);
        link->setToolTip(QStringLiteral("Vyhledat toto slovo"));
        link->setForegroundRole(QPalette::Link);
        const int index = static_cast<int>(k);
        connect(link, &LinkLabel::clicked, this, [this, index] {
            if (index < m_words.size())
                Q_EMIT wordChosen(m_words.at(index));
        });
        m_links.append(link);
    }
    hide();
}

void SuggestionBar::placeInTabOrder(QWidget *before, QWidget *after)
{
    QWidget *previous = before;
    for (LinkLabel *link : m_links) {
        setTabOrder(previous, link);
        previous = link;
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
    for (int k = 0; k < m_links.size(); ++k) {
        LinkLabel *link = m_links.at(k);
        const QString word = k < m_words.size() ? m_words.at(k) : QString();
        link->setText(word);
        link->setAccessibleName(QStringLiteral("Možná: %1").arg(word));
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
            const int height = std::min(size.height(), h);
            widget->setGeometry(x, (h - height) / 2, size.width(), height);
            x += size.width() + kGap;
        }
    };
    place(m_label, true);
    bool fits = true;
    for (int k = 0; k < m_links.size(); ++k) {
        LinkLabel *link = m_links.at(k);
        const int separatorWidth = k > 0 ? m_separators.at(k - 1)->sizeHint().width() + kGap : 0;
        // A word that does not fit whole is left out, and so are the less likely ones after it.
        fits = fits && k < m_words.size() && x + separatorWidth + link->sizeHint().width() <= width();
        if (k > 0)
            place(m_separators.at(k - 1), fits);
        place(link, fits);
    }
}

void SuggestionBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOut();
}

} // namespace slovnik

#pragma once

// Spelling help in the dictionary window: when a query finds nothing, the table's words closest
// to what was typed stand in the empty result chooser's place ("Možná: receive · recipe"). Each
// word is a link, reached with Tab and followed with Space or Enter, or clicked. The bar is never
// shown while the query has result lines.

#include "Dic.h"
#include "Direction.h"
#include "Suggest.h"

#include <QList>
#include <QStringList>
#include <QWidget>

#include <span>
#include <string>
#include <vector>

class QLabel;

namespace slovnik {

class LinkLabel;

class SuggestionBar final : public QWidget {
    Q_OBJECT
public:
    /// Suggests words of `table`, which must outlive the bar. Hidden until offerFor shows it.
    explicit SuggestionBar(std::span<const DictionaryEntry> table, QWidget *parent = nullptr);

    /// After a query run on `typed`: with no result lines, shows the words closest to it (when
    /// there are any); with lines, hides.
    void offerFor(const QString &typed, TranslationDirection direction, bool queryHasLines);

    /// Puts the word links into the Tab order between `before` and `after`; hidden links are
    /// passed over, so the order is unchanged while the bar is hidden.
    void placeInTabOrder(QWidget *before, QWidget *after);

    /// The suggested words' links in their order, shown or not (a narrow bar hides the last).
    const QList<LinkLabel *> &wordLinks() const { return m_links; }

Q_SIGNALS:
    /// The learner chose a suggested word.
    void wordChosen(const QString &word);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showWords(const std::vector<std::string> &words);
    /// Places the label and as many words as fit the bar's width, one after another.
    void layOut();

    Suggester m_suggester;
    QLabel *m_label;
    QList<LinkLabel *> m_links;
    QList<QLabel *> m_separators;
    QStringList m_words;
};

} // namespace slovnik

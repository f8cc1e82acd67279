// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Help in the dictionary window when a query finds nothing, standing in the empty result
// chooser's place. First, when what was typed is a word of the other direction, a link that says
// so ("Anglicky: because = protože") and switches the direction; then the base forms of the typed
// word ("Viz: zahrada"); then the table's words closest to it ("Možná: receive · recipe").
// Each is a link, reached with Tab and followed with Space or Enter, or clicked. The bar is never
// shown while the query has result lines.

#include "engine/Dic.h"
#include "engine/Direction.h"
#include "engine/Suggest.h"

#include <QList>
#include <QStringList>
#include <QWidget>

#include <optional>
#include <span>
#include <string>
#include <string_view>

class QLabel;

namespace slovnik {

class LinkLabel;

/// What names a word to look up instead of the typed one: a base form ("zahradě" → zahrada) or the
/// typed word cleaned ("Dog." → dog), as a dictionary refers from one entry to another.
inline constexpr char16_t kLookUpInsteadCaption[] = u"Viz:";

/// What the button strip offers beside a result list that holds no line of the typed word itself.
struct BesideListOffer {
    QString text; ///< the link's text: "Anglicky: house = dům", "Viz: pes", "Možná: muž"
    QString word; ///< what a click looks up, unless it switches the direction or shows negatedLines
    QString hint; ///< the link's tooltip, as the bar's own links of the kind have it
    bool otherDirection = false; ///< a click switches the direction
    bool negated = false; ///< a click shows the negated lines of `word` (BaseFormWord::negated)
};

class SuggestionBar final : public QWidget {
    Q_OBJECT
public:
    /// Suggests words of `table`, which must outlive the bar. Hidden until offerFor shows it.
    explicit SuggestionBar(std::span<const DictionaryEntry> table, QWidget *parent = nullptr);

    /// After a query run on `typed` (Windows-1250, as the run took it): with no result lines,
    /// shows what it has for it (when it has anything); with lines, hides.
    void offerFor(std::string_view typed, TranslationDirection direction, bool queryHasLines);

    /// For a query with result lines, none of them of the typed word itself (the list holds only
    /// longer words: "psa", "house" in Czech→English): what the bar would show first, as one link
    /// for the strip beside the list; the word of the other direction, else a base form the list
    /// lacks, else the closest word the list lacks. Nothing when the list holds the word.
    /// `listLines` are the list's lines as the run gave them (ResultChooser::givenLines).
    std::optional<BesideListOffer> offerBesideList(std::string_view typed, TranslationDirection direction,
                                                   std::span<const std::string> listLines);

    /// Puts the links into the Tab order between `before` and `after`; hidden links are passed
    /// over, so the order is unchanged while the bar is hidden.
    void placeInTabOrder(QWidget *before, QWidget *after);

Q_SIGNALS:
    /// The learner chose a base form or a suggested word.
    void wordChosen(const QString &word);
    /// The learner chose the typed word's meaning in the other direction.
    void otherDirectionChosen();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    /// A caption and the links after it, separated by dots.
    struct Group {
        QLabel *caption = nullptr;
        QList<LinkLabel *> links;
        QList<QLabel *> separators;
        QStringList words;
        QList<bool> negated; ///< a click shows the word's negated lines instead of looking it up
    };
    /// Its links are named `linkName` and their place in the group from 1 ("WordLink1").
    void buildGroup(Group &group, const QString &caption, std::size_t size, const QString &hint,
                    QStringView linkName);
    void showGroup(Group &group, const QStringList &words, const QStringList &labels);
    /// Places the shown parts one after another, as many as fit the bar's width: a link that does
    /// not fit whole is left out, and so is everything after it.
    void layOut();

    void showNegatedLines(LinkLabel *link, const QString &base);

    std::span<const DictionaryEntry> m_table;
    Suggester m_suggester;
    std::string m_typed; ///< what offerFor was last given, as the engine reads it
    TranslationDirection m_direction = TranslationDirection::CzechToEnglish;
    /// Names the typed word's meaning in the other direction.
    LinkLabel *m_otherDirection;
    /// The base forms' links in their order, shown or not.
    Group m_forms;
    /// The suggested words' links in their order, shown or not (a narrow bar hides the last).
    Group m_suggestions;
};

} // namespace slovnik

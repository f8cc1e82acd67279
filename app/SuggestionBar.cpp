// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/SuggestionBar.h"

#include "common/DictionaryHints.h"
#include "controls/DesignNames.h"
#include "controls/LinkLabel.h"
#include "engine/BaseForms.h"
#include "engine/Query.h"
#include "engine/ResultLine.h"
#include "text/Cp1250.h"

#include <QLabel>
#include <QSet>

#include <algorithm>

namespace slovnik {
namespace {

// The result chooser draws its text 2 pixels from its left edge; the bar starts where it does.
constexpr int kTextLeft = 2;
constexpr int kGap = 6;
/// Base forms a word has at most in the bar; most have one.
constexpr std::size_t kShownForms = 3;

LinkLabel *makeLink(QWidget *bar, const QString &hint)
{
    auto *link = new LinkLabel(bar);
    link->setTextFormat(Qt::PlainText);
    link->setToolTip(hint);
    link->setForegroundRole(QPalette::Link);
    return link;
}

// A word the query box reads as the typed text itself ("it's" for "its"): choosing it would run
// the same query again.
bool sameQuery(std::string_view word, std::string_view typed, TranslationDirection direction)
{
    return cleanedQuery(word, direction) == cleanedQuery(typed, direction);
}

} // namespace

SuggestionBar::SuggestionBar(std::span<const DictionaryEntry> table, QWidget *parent) :
    QWidget(parent),
    m_table(table),
    m_suggester(table),
    m_otherDirection(designNamed(makeLink(this, QStringLiteral("Změnit směr překladu a vyhledat toto slovo")),
                                 "OtherDirectionLink"))
{
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setAccessibleName(QStringLiteral("Podobná slova ve slovníku"));
    connect(m_otherDirection, &LinkLabel::clicked, this, &SuggestionBar::otherDirectionChosen);
    buildGroup(m_forms, QString::fromUtf16(kLookUpInsteadCaption), kShownForms,
               QStringLiteral("Vyhledat základní tvar"), u"FormLink");
    buildGroup(m_suggestions, QStringLiteral("Možná:"), ShownSuggestions,
               QStringLiteral("Vyhledat toto slovo"), u"WordLink");
    hide();
}

void SuggestionBar::buildGroup(Group &group, const QString &caption, std::size_t size, const QString &hint,
                               QStringView linkName)
{
    group.caption = new QLabel(caption, this);
    for (std::size_t k = 0; k < size; ++k) {
        if (k > 0)
            group.separators.append(new QLabel(QStringLiteral("·"), this));
        LinkLabel *const link = makeLink(this, hint);
        const int index = static_cast<int>(k);
        link->setObjectName(linkName.toString() + QString::number(index + 1));
        connect(link, &LinkLabel::clicked, this, [this, &group, index, link] {
            if (index >= group.words.size())
                return;
            if (index < group.negated.size() && group.negated.at(index))
                showNegatedLines(link, group.words.at(index));
            else
                Q_EMIT wordChosen(group.words.at(index));
        });
        group.links.append(link);
    }
}

void SuggestionBar::placeInTabOrder(QWidget *before, QWidget *after)
{
    QWidget *previous = before;
    for (LinkLabel *link : QList<LinkLabel *>{m_otherDirection} + m_forms.links + m_suggestions.links) {
        setTabOrder(previous, link);
        previous = link;
    }
    setTabOrder(previous, after);
}

void SuggestionBar::offerFor(std::string_view typed, TranslationDirection direction, bool queryHasLines)
{
    if (queryHasLines) {
        hide();
        return;
    }
    m_typed = typed;
    m_direction = direction;
    const std::optional<QString> other = otherDirectionHint(m_table, typed, direction);
    m_otherDirection->setText(other.value_or(QString()));
    m_otherDirection->setAccessibleName(m_otherDirection->text());

    QStringList forms;
    QStringList formLabels;
    QList<bool> negated;
    for (const BaseFormWord &form : missingBaseForms(m_table, typed, direction, {})) {
        forms.append(form.word);
        formLabels.append(form.label);
        negated.append(form.negated);
    }
    showGroup(m_forms, forms, formLabels);
    m_forms.negated = negated;

    QStringList words;
    for (const std::string &word : m_suggester.suggest(typed, direction, ShownSuggestions)) {
        if (!forms.contains(fromCp1250(word)) && !sameQuery(word, typed, direction))
            words.append(fromCp1250(word));
    }
    showGroup(m_suggestions, words, words);

    if (!other && forms.isEmpty() && words.isEmpty()) {
        hide();
        return;
    }
    layOut();
    raise();
    show();
}

std::optional<BesideListOffer> SuggestionBar::offerBesideList(std::string_view typed,
                                                              TranslationDirection direction,
                                                              std::span<const std::string> listLines)
{
    if (listLines.empty() || scanFoundTheWord(listLines, typed, WordScan::DictionaryQuery, direction))
        return std::nullopt;
    if (const std::optional<QString> other = otherDirectionHint(m_table, typed, direction))
        return BesideListOffer{*other, {}, m_otherDirection->toolTip(), true, false};
    const QList<BaseFormWord> forms = missingBaseForms(m_table, typed, direction, listLines);
    if (!forms.isEmpty()) {
        const BaseFormWord &form = forms.front();
        return BesideListOffer{QStringLiteral("%1 %2").arg(m_forms.caption->text(), form.label), form.word,
                               m_forms.links.front()->toolTip(), false, form.negated};
    }
    for (const std::string &word : m_suggester.suggest(typed, direction, ShownSuggestions)) {
        const bool listed = std::any_of(listLines.begin(), listLines.end(), [&word](const std::string &line) {
            return resultLineParts(line).word == word;
        });
        if (!listed && !sameQuery(word, typed, direction)) {
            const QString suggestion = fromCp1250(word);
            return BesideListOffer{QStringLiteral("%1 %2").arg(m_suggestions.caption->text(), suggestion),
                                   suggestion, m_suggestions.links.front()->toolTip()};
        }
    }
    return std::nullopt;
}

void SuggestionBar::showNegatedLines(LinkLabel *link, const QString &base)
{
    link->setText(negatedLines(m_table, m_typed, base, m_direction).join(QStringLiteral(" · ")));
    link->setAccessibleName(link->text());
    layOut();
}

void SuggestionBar::showGroup(Group &group, const QStringList &words, const QStringList &labels)
{
    group.words = words.mid(0, group.links.size());
    for (int k = 0; k < group.links.size(); ++k) {
        LinkLabel *link = group.links.at(k);
        const QString label = k < group.words.size() ? labels.at(k) : QString();
        link->setText(label);
        link->setAccessibleName(QStringLiteral("%1 %2").arg(group.caption->text(), label));
    }
}

void SuggestionBar::layOut()
{
    // What is placed together: the other direction's link; a group's caption with its first word;
    // a dot with each further word.
    QList<QList<QWidget *>> units;
    if (!m_otherDirection->text().isEmpty())
        units.append({m_otherDirection});
    for (const Group *group : {&m_forms, &m_suggestions}) {
        for (int k = 0; k < group->words.size(); ++k) {
            units.append({k == 0 ? static_cast<QWidget *>(group->caption) : group->separators.at(k - 1),
                          group->links.at(k)});
        }
    }
    QSet<QWidget *> shown;
    const int h = height();
    int x = kTextLeft;
    for (const QList<QWidget *> &unit : std::as_const(units)) {
        int unitWidth = -kGap;
        for (const QWidget *widget : unit)
            unitWidth += widget->sizeHint().width() + kGap;
        // A word that does not fit whole, with a gap before the window's edge, is left out; but the
        // first is shortened rather than leave the bar empty in the chooser's place.
        const int room = width() - kGap - x;
        const bool first = shown.isEmpty();
        if (unitWidth > room && !first)
            break;
        for (QWidget *widget : unit) {
            const QSize size = widget->sizeHint();
            const int height = std::min(size.height(), h);
            const int shownWidth = std::min(size.width(), width() - kGap - x);
            widget->setGeometry(x, (h - height) / 2, std::max(0, shownWidth), height);
            x += size.width() + kGap;
            shown.insert(widget);
        }
        if (unitWidth > room)
            break;
    }
    for (QWidget *widget : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        widget->setVisible(shown.contains(widget));
}

void SuggestionBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOut();
}

} // namespace slovnik

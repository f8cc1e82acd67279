// SPDX-License-Identifier: GPL-2.0-or-later
#include "translator/AddedOffers.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPalette>

namespace slovnik {
namespace {

// What sets an added offer apart from the box's own lines; the box's own lines have none.
constexpr int kKindRole = Qt::UserRole;
enum class OfferKind { Own, BaseForm, Suggestion, Phrase };

OfferKind kindOf(const QComboBox &box, int index)
{
    const QVariant kind = box.itemData(index, kKindRole);
    return kind.isValid() ? static_cast<OfferKind>(kind.toInt()) : OfferKind::Own;
}

bool hasOwnLines(const QComboBox &box)
{
    return box.count() > 0 && kindOf(box, 0) == OfferKind::Own;
}

void addMarked(QComboBox &box, const QString &line, OfferKind kind, const QString &hint)
{
    QFont italic = box.font();
    italic.setItalic(true);
    const int index = box.count();
    box.addItem(line);
    box.setItemData(index, static_cast<int>(kind), kKindRole);
    box.setItemData(index, italic, Qt::FontRole);
    box.setItemData(index, hint, Qt::ToolTipRole);
    // A screen reader says what the italics show.
    box.setItemData(index, hint, Qt::AccessibleDescriptionRole);
    if (kind == OfferKind::Suggestion)
        box.setItemData(index, box.palette().brush(QPalette::PlaceholderText), Qt::ForegroundRole);
}

// Adding to an empty list chooses the first item; an added offer is never chosen by itself.
void keepOwnChoice(QComboBox &box, bool hadOwnLines)
{
    if (hadOwnLines)
        return;
    box.setCurrentIndex(-1);
    box.setEditText(QString());
}

QString baseFormHint(const BaseFormLine &offer)
{
    return offer.negated ? QStringLiteral("záporný tvar slova %1").arg(offer.base)
                         : QStringLiteral("tvar slova %1").arg(offer.base);
}

} // namespace

void showBaseFormOffers(QComboBox &box, const QList<BaseFormLine> &offers)
{
    const bool ownLines = hasOwnLines(box);
    for (const BaseFormLine &offer : offers)
        addMarked(box, offer.line, OfferKind::BaseForm, baseFormHint(offer));
    keepOwnChoice(box, ownLines);
    if (QLineEdit *const edit = box.lineEdit())
        edit->setPlaceholderText(ownLines || offers.isEmpty() ? QString() : offers.front().line);
}

void showSuggestedOffers(QComboBox &box, const QStringList &offers)
{
    const bool ownLines = hasOwnLines(box);
    for (const QString &offer : offers)
        addMarked(box, offer, OfferKind::Suggestion, QStringLiteral("Návrh podle podobného slova"));
    keepOwnChoice(box, ownLines);
}

void showPhraseOffers(QComboBox &box, const QStringList &offers)
{
    const bool ownLines = hasOwnLines(box);
    for (const QString &offer : offers) {
        const QString phrase = offer.left(offer.indexOf(u'=')).trimmed();
        addMarked(box, offer, OfferKind::Phrase, QStringLiteral("slovní spojení %1").arg(phrase));
    }
    keepOwnChoice(box, ownLines);
}

int offerIndex(const QComboBox &box, const QString &line)
{
    return box.findText(line, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

int addBaseFormOffer(QComboBox &box, const BaseFormLine &offer)
{
    addMarked(box, offer.line, OfferKind::BaseForm, baseFormHint(offer));
    return box.count() - 1;
}

} // namespace slovnik

#pragma once

// Spelling help in the translator: a word box whose word found nothing offers the lines of the
// words closest to it instead, set apart as suggestions. The box's text stays empty, so the
// sentence keeps its "[..]" until the learner picks one.

#include <QStringList>

class QComboBox;

namespace slovnik {

/// Adds `offers` to the box, which has no offers of its own, in italics and with a hint that
/// they are suggestions; chooses none and leaves the box's text empty. Choosing one sets the
/// box's text as any offer does.
void showSuggestedOffers(QComboBox &box, const QStringList &offers);

} // namespace slovnik

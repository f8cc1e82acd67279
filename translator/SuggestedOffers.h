#pragma once

// What a word box offers after its word's own lines, each set apart from them: first the lines of
// the word's base forms ("zahradě" offers "zahrada = garden", in italics, with the hint "tvar
// slova zahrada"), then spelling suggestions for a word that found nothing (in grey italics).
// Neither is chosen when the box is filled: the box keeps what its own lines chose, so an empty
// box stays empty and the sentence keeps its "[..]" until the learner picks one. An empty box
// with base-form offers shows the first one as grey placeholder text.

#include "common/Translation.h"

#include <QList>
#include <QStringList>

class QComboBox;

namespace slovnik {

/// Adds the base-form `offers` after the box's own lines, which stay as they are, and shows the
/// first as the placeholder of a box without lines of its own; no offers clear the placeholder.
void showBaseFormOffers(QComboBox &box, const QList<BaseFormLine> &offers);

/// Adds `offers` after everything else, set apart as suggestions; the box's choice stays.
/// Choosing one sets the box's text as any offer does.
void showSuggestedOffers(QComboBox &box, const QStringList &offers);

/// The learner's command to take the base forms: a box with base-form offers whose text is still
/// what its own lines chose (empty, or its line 0) takes its first base-form offer. A box the
/// learner changed keeps what it shows. True when the box was filled.
bool chooseFirstBaseFormOffer(QComboBox &box);

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What a word box offers after its word's own lines, each set apart from them: first the phrases
// that start at its word, then the lines of the word's base forms ("zahradě" offers "zahrada =
// garden", in italics, with the hint "tvar slova zahrada"), then spelling suggestions for a word
// that found nothing (in grey italics). None is chosen when the box is filled: the box keeps what its own lines chose, so an empty
// box stays empty and the sentence keeps its "[..]" until the learner picks one. An empty box
// with base-form offers shows the first one as grey placeholder text.

#include "common/Translation.h"

#include <QList>
#include <QStringList>

class QComboBox;

namespace slovnik {

/// Adds the lines of the phrases that start at the box's word ("get up = vstát" in the box of "get"
/// in "I get up"), in italics with a hint, after the box's own lines; the choice stays.
void showPhraseOffers(QComboBox &box, const QStringList &offers);

/// What the box lists at `line` (Windows-1250 decoded): its index, or -1.
int offerIndex(const QComboBox &box, const QString &line);

/// Adds one base-form line that the best reading chose for the box, as showBaseFormOffers would;
/// returns its index.
int addBaseFormOffer(QComboBox &box, const BaseFormLine &offer);

/// Adds the base-form `offers` after the box's own lines, which stay as they are, and shows the
/// first as the placeholder of a box without lines of its own; no offers clear the placeholder.
void showBaseFormOffers(QComboBox &box, const QList<BaseFormLine> &offers);

/// Adds `offers` after everything else, set apart as suggestions; the box's choice stays.
/// Choosing one sets the box's text as any offer does.
void showSuggestedOffers(QComboBox &box, const QStringList &offers);

} // namespace slovnik

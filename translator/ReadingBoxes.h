// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The best reading shown on the word boxes. A box remembers the text it was given (by the
// translation or by the best reading), so that a box the learner changed is known and left
// alone. A box whose word a phrase in an earlier box takes is covered: empty, with that phrase in
// grey, and it gives the sentence nothing until the learner chooses in it or in the phrase's box.

#include "engine/BestReading.h"

#include <QString>

#include <functional>

class QComboBox;

namespace slovnik {

/// The box's current text is what it was given, not the learner's.
void rememberGivenText(QComboBox &box);
/// The learner chose or typed something other than what the box was given.
bool changedByLearner(const QComboBox &box);

/// Chooses `line` in the box and takes it as given; a line the box does not list yet is added
/// with `addLine`, which returns its index.
void chooseGivenLine(QComboBox &box, const QString &line, const std::function<int()> &addLine);
void chooseGivenIndex(QComboBox &box, int index);
/// Chooses no line: none of the box's lines is the word's, and the first would mislead.
void chooseGivenNothing(QComboBox &box);

/// Covers the box by the phrase `phraseLine` chosen in box `phraseBox`; its text is kept aside.
void coverBox(QComboBox &box, int phraseBox, const QString &phraseLine);
/// Covers the box of a word the other language leaves unsaid (an English article, a Czech
/// reflexive pronoun) in the same way; no other box covers it (coveringBox is -1).
void coverUnsaidWord(QComboBox &box, BoxReading::Unsaid word);
/// Ends the cover. `restore`: the box shows what it held before; else it keeps what it shows now
/// (the learner's choice).
void uncoverBox(QComboBox &box, bool restore);
bool isCovered(const QComboBox &box);
/// The box holding the phrase that covers `box`, or -1 (an article's box, or a box not covered).
int coveringBox(const QComboBox &box);

/// A box whose chosen line is only a longer word beginning with its word ("psa": "psací stroj")
/// shows it in grey, as unsure as an empty box's grey offer, until a choice is made in it.
void showTentative(QComboBox &box, bool tentative);

} // namespace slovnik

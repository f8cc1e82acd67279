// SPDX-License-Identifier: GPL-2.0-or-later
#include "translator/ReadingBoxes.h"

#include "translator/WordBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPalette>

namespace slovnik {
namespace {

constexpr const char *kGivenText = "slovnikGivenText";
constexpr const char *kCoveredBy = "slovnikCoveredBy";
constexpr const char *kHeldText = "slovnikHeldText";
constexpr const char *kHeldPlaceholder = "slovnikHeldPlaceholder";
constexpr int kByNoBox = -1;

} // namespace

void rememberGivenText(QComboBox &box)
{
    box.setProperty(kGivenText, box.currentText());
}

bool changedByLearner(const QComboBox &box)
{
    return !isCovered(box) && box.currentText() != box.property(kGivenText).toString();
}

void chooseGivenLine(QComboBox &box, const QString &line, const std::function<int()> &addLine)
{
    int index = box.findText(line, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        index = addLine();
    chooseGivenIndex(box, index);
}

void chooseGivenIndex(QComboBox &box, int index)
{
    box.setCurrentIndex(index);
    // A long line shows its beginning, as a chosen offer always does.
    if (QLineEdit *const edit = box.lineEdit())
        edit->setCursorPosition(0);
    rememberGivenText(box);
    showTentative(box, false);
}

void chooseGivenNothing(QComboBox &box)
{
    box.setCurrentIndex(-1);
    box.setEditText(QString());
    rememberGivenText(box);
    showTentative(box, false);
}

namespace {

void cover(QComboBox &box, int coveredBy, const QString &shown, const QString &hint)
{
    if (isCovered(box))
        uncoverBox(box, true);
    QLineEdit *const edit = box.lineEdit();
    box.setProperty(kHeldText, box.currentText());
    box.setProperty(kHeldPlaceholder, edit ? edit->placeholderText() : QString());
    box.setProperty(kCoveredBy, coveredBy);
    showTentative(box, false);
    box.setCurrentIndex(-1);
    box.setEditText(QString());
    if (edit)
        edit->setPlaceholderText(shown);
    box.setToolTip(hint);
    box.setAccessibleDescription(hint);
}

} // namespace

void coverBox(QComboBox &box, int phraseBox, const QString &phraseLine)
{
    cover(box, phraseBox, QStringLiteral("↑ %1").arg(phraseLine),
          QStringLiteral("Součást slovního spojení %1").arg(phraseLine));
}

void coverUnsaidWord(QComboBox &box, BoxReading::Unsaid word)
{
    switch (word) {
    case BoxReading::Unsaid::Article:
        cover(box, kByNoBox, QStringLiteral("(člen)"), QStringLiteral("Člen: čeština ho nemá"));
        break;
    case BoxReading::Unsaid::ReflexivePronoun:
        cover(box, kByNoBox, QStringLiteral("(zvratné)"),
              QStringLiteral("Zvratné zájmeno: angličtina ho neříká, sloveso ho nese"));
        break;
    case BoxReading::Unsaid::Negation:
        cover(box, kByNoBox, QStringLiteral("(zápor)"),
              QStringLiteral("Zápor: čeština ho píše ke slovesu (ne-)"));
        break;
    case BoxReading::Unsaid::Auxiliary:
        cover(box, kByNoBox, QStringLiteral("(pomocné)"),
              QStringLiteral("Pomocné sloveso otázky: čeština ho neříká, ptá se slovosledem"));
        break;
    }
}

void uncoverBox(QComboBox &box, bool restore)
{
    if (!isCovered(box))
        return;
    const QString held = box.property(kHeldText).toString();
    box.setProperty(kCoveredBy, QVariant());
    if (QLineEdit *const edit = box.lineEdit())
        edit->setPlaceholderText(box.property(kHeldPlaceholder).toString());
    box.setToolTip(QString());
    box.setAccessibleDescription(QString());
    if (!restore)
        return;
    const int index = box.findText(held, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        chooseGivenIndex(box, index);
    else
        box.setEditText(held);
}

bool isCovered(const QComboBox &box)
{
    return box.property(kCoveredBy).isValid();
}

int coveringBox(const QComboBox &box)
{
    return isCovered(box) ? box.property(kCoveredBy).toInt() : kByNoBox;
}

void showTentative(QComboBox &box, bool tentative)
{
    if (auto *const wordBox = qobject_cast<WordBox *>(&box))
        wordBox->showTentative(tentative);
}

} // namespace slovnik

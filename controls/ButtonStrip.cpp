// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/ButtonStrip.h"

#include "controls/Icons.h"

#include <QKeySequence>

namespace slovnik {

namespace {

// Wider than the square: the flag is drawn large.
constexpr int kDirectionButtonWidth = 34;
constexpr const char16_t *kDirectionHint = u"Změna směru překladu";

} // namespace

TEx3DButton *addStripButton(QWidget *parent, ImageList *images, const StripButtonDesign &design)
{
    auto *button = new TEx3DButton(parent);
    button->setObjectName(QLatin1StringView(design.name));
    button->setGeometry(design.left, kStripButtonTop, design.width, kStripButtonSquare);
    button->setImages(images);
    button->setImageIndex(design.image);
    button->setCaption(QString::fromUtf16(design.caption));
    button->setCursor(Qt::PointingHandCursor);
    const QString hint = QString::fromUtf16(design.hint);
    if (!hint.isEmpty())
        button->setToolTip(hint);
    button->setAccessibleName(hint.isEmpty() ? button->caption() : hint);
    return button;
}

int flagOf(TranslationDirection direction)
{
    return direction == TranslationDirection::CzechToEnglish ? FlagImage::CzechToEnglish
                                                             : FlagImage::EnglishToCzech;
}

ButtonStrip::ButtonStrip(const char *name, int height, QWidget *parent) : QWidget(parent)
{
    setObjectName(QLatin1StringView(name));
    resize(parent->width(), height);
}

TEx3DButton *ButtonStrip::addDirectionButton(int left, ImageList *flags)
{
    m_directionButton = addStripButton(
        this, flags,
        {"LangBtn", left, FlagImage::CzechToEnglish, kDirectionHint, u"", kDirectionButtonWidth});
    return m_directionButton;
}

void ButtonStrip::showDirection(TranslationDirection direction)
{
    m_directionButton->setImageIndex(flagOf(direction));
}

void ButtonStrip::giveKey(const char *name, QKeyCombination key)
{
    auto *const button = findChild<TEx3DButton *>(QLatin1StringView(name));
    Q_ASSERT(button);
    // The button's own shortcut: it is drawn pressed for a moment, as under a click.
    button->setShortcut(QKeySequence(key));
    button->setAccessibleDescription(
        QStringLiteral("Klávesa: %1").arg(QKeySequence(key).toString(QKeySequence::NativeText)));
}

} // namespace slovnik

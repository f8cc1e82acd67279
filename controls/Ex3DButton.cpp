// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/Ex3DButton.h"

#include "controls/ButtonPainting.h"
#include "controls/Ex3DButtonLayout.h"
#include "controls/ImageList.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace slovnik {

namespace {

constexpr QSize kConstructionSize(96, 22);

// Events may carry fractional positions; the rules below are about whole pixels.
QPoint pixelOf(const QMouseEvent &event)
{
    return QPoint(static_cast<int>(std::floor(event.position().x())),
                  static_cast<int>(std::floor(event.position().y())));
}

} // namespace

TEx3DButton::TEx3DButton(QWidget *parent) : QAbstractButton(parent)
{
    // Flat on its parent: the parent's colours and a plain widget's size policy, not a push
    // button's.
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
    setSizePolicy(QSizePolicy());
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
    resize(kConstructionSize);
}

QSize TEx3DButton::sizeHint() const
{
    return kConstructionSize;
}

void TEx3DButton::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
}

void TEx3DButton::setSpace(std::uint8_t space)
{
    if (space == m_space)
        return;
    m_space = space;
    update();
}

void TEx3DButton::setDropdownSymbol(bool dropdownSymbol)
{
    if (dropdownSymbol == m_dropdownSymbol)
        return;
    m_dropdownSymbol = dropdownSymbol;
    update();
}

void TEx3DButton::setImageIndex(std::int32_t imageIndex)
{
    if (imageIndex == m_imageIndex)
        return;
    m_imageIndex = imageIndex;
    update();
}

void TEx3DButton::setTransparent(bool transparent)
{
    if (transparent == m_transparent)
        return;
    m_transparent = transparent;
    update();
}

ImageList *TEx3DButton::images() const
{
    return m_images.data();
}

void TEx3DButton::setImages(ImageList *images)
{
    if (images == m_images)
        return;
    disconnect(m_imagesDestroyed);
    m_images = images;
    // The QPointer forgets the list by itself; what is left is to stop showing its image.
    if (images)
        m_imagesDestroyed = connect(images, &QObject::destroyed, this, [this] { update(); });
    update();
}

QMenu *TEx3DButton::dropdownMenu() const
{
    return m_dropdownMenu.data();
}

void TEx3DButton::setDropdownMenu(QMenu *menu)
{
    m_dropdownMenu = menu;
}

void TEx3DButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    const QPalette &colours = palette();
    const ImageList *list = m_images.data();
    const bool imageShown = list && m_imageIndex < list->count();

    Ex3DButtonParts parts;
    parts.size = size();
    parts.space = m_space;
    parts.dropdownSymbol = m_dropdownSymbol;
    parts.imageShown = imageShown;
    parts.imageSize = list ? list->imageSize() : QSize();
    parts.hasCaption = !m_caption.isEmpty();
    // A checked button is held down until it is unchecked: its action is still going on.
    parts.pressed = isDown() || isChecked();
    parts.enabled = isEnabled();
    const Ex3DButtonLayout layout = layoutEx3DButton(parts);

    if (!m_transparent)
        painter.fillRect(rect(), colours.color(backgroundRole()));
    if ((m_mouseInside && isEnabled()) || isChecked())
        drawEdge(painter, rect(), parts.pressed ? Edge::SunkenOuter : Edge::RaisedInner, colours);

    const QColor textColour = colours.color(foregroundRole());
    if (isEnabled())
        drawCaption(painter, layout.captionArea, m_caption, textColour);
    else
        drawDisabledText(painter, layout.captionArea, m_caption, colours);

    if (m_dropdownSymbol)
        drawDropdownArrow(painter, layout.arrowPosition, isEnabled(), textColour, colours);

    // Drawn last, over the caption where the two overlap. A negative index draws nothing.
    if (imageShown)
        list->draw(painter, layout.imagePosition, m_imageIndex,
                   isEnabled() ? ImageStyle::Normal : ImageStyle::Blend50,
                   // The highlight colour itself: a disabled control's own highlight is a grey.
                   colours.color(QPalette::Active, QPalette::Highlight));
}

bool TEx3DButton::holdsInside(QPoint point) const
{
    return point.x() >= 0 && point.x() < width() && point.y() >= 0 && point.y() <= height();
}

// At once, not scheduled: the look must change before whatever the press or release runs next.
void TEx3DButton::setPressed(bool pressed)
{
    setDown(pressed);
    repaint();
}

void TEx3DButton::handlePress(QMouseEvent &event)
{
    event.accept();
    if (event.button() != Qt::LeftButton || !isEnabled() || isDown())
        return;
    setPressed(true);
    if (!m_dropdownMenu)
        return;
    const QPointer<TEx3DButton> alive(this);
    ShowDropdownMenu();
    if (!alive)
        return;
    // The menu took the release with it: this press is over.
    m_capturing = false;
    m_clickArmed = false;
    m_mouseInside = false;
    setPressed(false);
}

void TEx3DButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_capturing = true;
        m_clickArmed = true;
    }
    handlePress(*event);
}

// Qt reports the second press of a double-click here instead of as a press. It looks like any
// press but does not arm a click, so a quick double-click clicks once.
void TEx3DButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_capturing = true;
        m_clickArmed = false;
    }
    handlePress(*event);
}

void TEx3DButton::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    if (!m_capturing)
        return;
    const bool inside = holdsInside(pixelOf(*event));
    if (inside != isDown())
        setPressed(inside);
}

void TEx3DButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !m_capturing)
        return;
    m_capturing = false;
    const bool armed = m_clickArmed;
    m_clickArmed = false;
    if (armed && hitButton(pixelOf(*event))) {
        const QPointer<TEx3DButton> alive(this);
        m_clicking = true;
        m_leftWhileClicking = false;
        Q_EMIT clicked();
        if (!alive)
            return;
        m_clicking = false;
        if (m_leftWhileClicking)
            m_mouseInside = false;
    }
    // Whatever the release point, the held press is over: a release reported away from the last
    // move must not leave the button drawn pressed.
    if (isDown())
        setPressed(false);
}

void TEx3DButton::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    m_leftWhileClicking = false;
    if (!m_mouseInside) {
        m_mouseInside = true;
        repaint();
    }
}

void TEx3DButton::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    // A modal window opened by the click takes the pointer away; the button keeps its pressed
    // frame until the click is over, and only then counts the pointer as gone.
    if (m_clicking) {
        m_leftWhileClicking = true;
        return;
    }
    if (m_mouseInside) {
        m_mouseInside = false;
        repaint();
    }
}

// The base lets go of a held press when the button is disabled; this one keeps its pressed look
// (a disabled button still shifts its caption and arrow), and the release puts it to rest.
void TEx3DButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        QWidget::changeEvent(event);
        return;
    }
    QAbstractButton::changeEvent(event);
}

bool TEx3DButton::ShowDropdownMenu()
{
    QMenu *const menu = m_dropdownMenu.data();
    if (!menu)
        return false;
    menu->exec(mapToGlobal(QPoint(0, height())));
    return true;
}

} // namespace slovnik

// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/WindowParts.h"

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace slovnik {

namespace {

// Asked for by name, not through fontconfig's stand-in for a missing family: a family it does not
// know comes back as the desktop's default face, which is far wider than the design's.
QFont namedFont(const QString &family, int pixelSize)
{
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

class WheelOnlyWhenFocused final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Wheel || static_cast<QWidget *>(watched)->hasFocus())
            return false;
        // Unhandled, the event goes on to the box's parent, which may scroll.
        event->ignore();
        return true;
    }
};

// WCAG's relative luminance.
double luminance(const QColor &colour)
{
    const auto linear = [](float channel) {
        return channel <= 0.04045F ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
        + 0.0722 * linear(colour.blueF());
}

// `share` of `pen` laid over `background`.
QColor mixed(const QColor &pen, const QColor &background, double share)
{
    const auto channel
        = [share](int p, int b) { return static_cast<int>(std::lround(p * share + b * (1 - share))); };
    return QColor(channel(pen.red(), background.red()), channel(pen.green(), background.green()),
                  channel(pen.blue(), background.blue()));
}

} // namespace

double contrast(const QColor &one, const QColor &other)
{
    constexpr double kFlare = 0.05;
    const double first = luminance(one);
    const double second = luminance(other);
    return (std::max(first, second) + kFlare) / (std::min(first, second) + kFlare);
}

QColor readableGrey(const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    const QColor placeholder = palette.color(QPalette::PlaceholderText);
    const QColor grey = mixed(placeholder, base, placeholder.alphaF());
    constexpr int kSteps = 20;
    QColor readable = grey;
    for (int step = 1; step <= kSteps && contrast(readable, base) < kTextContrast; ++step)
        readable = mixed(text, grey, double(step) / kSteps);
    return readable;
}

QFont designFont()
{
    QFont font = namedFont(QStringLiteral("Liberation Sans Narrow"), kDesignFontPixels);
    // Smoothed at 11 pixels, the stems of "i", "l" and "I" fall between two pixel columns and come
    // out as two grey ones (about 2.9:1 on white), and "li" blurs into a block; FreeType's hinting
    // no longer moves stems sideways. Drawn without smoothing, as the design's bitmap face was,
    // every stem is one black column; full hinting gives each letter whole pixels of room, so the
    // gaps between letters stay even.
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont arialFont(int pixelSize)
{
    QFont font = namedFont(QStringLiteral("Liberation Sans"), pixelSize);
    // At the size of the windows' text, smoothing splits the stems of "i", "l" and "I" into two
    // grey columns (123 and 139 on white, below 4.5:1) wherever the widths before a letter add up
    // to a fraction of a pixel. Drawn as the design face is, each stem is one black column. Where a
    // stem is wider than a pixel (a scale factor of 2) smoothing keeps it dark, and full hinting
    // would misplace letters ("w alk"); larger titles stay smoothed too.
    if (pixelSize <= kDesignFontPixels && qGuiApp && qGuiApp->devicePixelRatio() < 2) {
        font.setStyleStrategy(QFont::NoAntialias);
        font.setHintingPreference(QFont::PreferFullHinting);
    }
    return font;
}

void setApplicationFont()
{
    QApplication::setFont(arialFont(kDesignFontPixels));
}

void takeDesignFont(QWidget &widget)
{
    if (!widget.testAttribute(Qt::WA_SetFont))
        widget.setFont(designFont());
}

void drawFocusFrame(QPainter &painter, const QWidget &widget, const QRect &rect)
{
    QStyleOptionFocusRect option;
    option.initFrom(&widget);
    option.rect = rect;
    option.backgroundColor = widget.palette().color(widget.backgroundRole());
    widget.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, &widget);
}

void showHintsWhileTheProgramIsActive(QWidget &window)
{
    const auto follow = [&window](Qt::ApplicationState state) {
        window.setAttribute(Qt::WA_AlwaysShowToolTips, state == Qt::ApplicationActive);
    };
    follow(QGuiApplication::applicationState());
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, &window, follow);
}

void changeOnlyWhenFocusedByWheel(QComboBox &box)
{
    box.setFocusPolicy(Qt::StrongFocus);
    box.installEventFilter(new WheelOnlyWhenFocused(&box));
}

void showInFront(QWidget *window)
{
    if (!window)
        return;
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace slovnik

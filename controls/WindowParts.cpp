#include "controls/WindowParts.h"

#include "controls/BusyCursor.h"

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

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

} // namespace

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
    return namedFont(QStringLiteral("Liberation Sans"), pixelSize);
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

BusyCursorScope::BusyCursorScope()
{
    setBusyCursor(true);
}

BusyCursorScope::~BusyCursorScope()
{
    setBusyCursor(false);
}

} // namespace slovnik

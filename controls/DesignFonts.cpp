// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/DesignFonts.h"

#include <QApplication>
#include <QGuiApplication>
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

} // namespace slovnik

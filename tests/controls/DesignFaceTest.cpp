// SPDX-License-Identifier: GPL-2.0-or-later
// The faces the windows draw their text in, as drawn at their size: thin letters must read as
// black strokes, not as grey pairs of columns.

#include "controls/DesignFonts.h"
#include "controls/ReadableColours.h"

#include <QLabel>
#include <QtTest>

#include <cmath>

using namespace slovnik;

namespace {

// WCAG's relative luminance of an sRGB grey.
double luminance(int grey)
{
    const double c = grey / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double contrast(int darker, int lighter)
{
    return (luminance(lighter) + 0.05) / (luminance(darker) + 0.05);
}

// The darkest grey of each stem: of each run of columns with ink, between columns without. A
// column with no pixel darker than kInk holds no more than the edge of a neighbouring stroke.
constexpr int kInk = 200;

QList<int> darkestOfEachStem(const QImage &image)
{
    QList<int> stems;
    bool inStem = false;
    for (int x = 0; x < image.width(); ++x) {
        int darkest = 255;
        for (int y = 0; y < image.height(); ++y)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
        const bool ink = darkest < kInk;
        if (ink && !inStem)
            stems.append(darkest);
        else if (ink)
            stems.last() = std::min(stems.last(), darkest);
        inStem = ink;
    }
    return stems;
}

} // namespace

class DesignFaceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void thinLettersReachTextContrast_data();
    void thinLettersReachTextContrast();
};

void DesignFaceTest::thinLettersReachTextContrast_data()
{
    QTest::addColumn<QFont>("face");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("stemCount");
    for (const auto &[name, face] : {std::pair{"design face", designFont()},
                                     {"dictionary window's Arial", arialFont(kDesignFontPixels)}}) {
        QTest::addRow("%s, after blanks", name) << face << u"  il Il lil  "_qs << 7;
        // Each letter's place is the sum of the widths before it, which must not fall between pixels.
        QTest::addRow("%s, from the edge", name) << face << u"Il ill lil"_qs << 8;
    }
}

// 4.5:1 is the usual least contrast of text against its background.
void DesignFaceTest::thinLettersReachTextContrast()
{
    QFETCH(QFont, face);
    QFETCH(QString, text);
    QFETCH(int, stemCount);
    QLabel label(text);
    label.setFont(face);
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label.setPalette(palette);
    label.setAutoFillBackground(true);
    label.adjustSize();
    const QList<int> stems = darkestOfEachStem(label.grab().toImage());
    QCOMPARE(stems.size(), stemCount);
    for (const int grey : stems)
        QVERIFY2(contrast(grey, 255) >= 4.5, qPrintable(QString::number(grey)));
}

QTEST_MAIN(DesignFaceTest)
#include "DesignFaceTest.moc"
